#pragma once

#include "estimaterecords.h"

#include <QStringList>

class BudgetTable;
class LibraryItems;

// The operations that put items into the estimate and move, copy, save and
// delete them, started from the library browser and the table's menus.
class ItemOperations
{
public:
    // Menu limits: entries past these positions do nothing.
    static constexpr int MaxMovePositions = 1724 - 1625 + 1;
    static constexpr int MaxCategoryPositions = 1554 - 1234 + 1;

    ItemOperations(BudgetTable &table, LibraryItems &library);

    // Code 1: the library item of this tree node into the room of the active row, with its companion.
    bool addLibraryItem(qint64 treeNode);
    // Code 2: the item into every room (no companions); message 7 when there is no room.
    bool addToAllRooms(qint64 treeNode);
    // Command 1231: the item of the active row into every other room; message 6 when there is none.
    bool copyToOtherRooms();
    // Move menu entry at position (1-based): the clicked group becomes that group of its room.
    bool moveGroup(int position);
    // The submenu "  保存到工程类项目": category names in library order.
    QStringList categoryMenu() const;
    // Submenu entry at position (0-based): the active row's item into that library category.
    bool saveToCategory(int position);
    // Command 1233 on the clicked row: a room after confirmation, an item at once.
    bool deleteRow();
    // The resource editor closed with OK on the clicked row: the edited item replaces it and is repriced.
    bool repriceAfterResourceEdit(const ConstructItem &edited);

    // Message 0x464: codes 1, 2, 13, 14, 15, 16 and 17 (15 re-lays the table's columns for clientWidth).
    void handleTableCode(int code, qint64 treeNode, int clientWidth, bool budgetStepShown);

private:
    void showInserted(int gridRow);
    const ConstructItem *libraryItem(qint64 treeNode) const;
    void addCompanion(const QString &itemName, int requestedGridRow);
    bool roomHoldsItemNamed(int roomIndex, const QString &name) const;

    BudgetTable &m_table;
    LibraryItems &m_library;
};
