#pragma once

#include "estimate/tableclick.h"

#include <QWidget>

class BudgetTable;
class GridView;
class ItemOperations;
class QFrame;
class QMenu;
class QPushButton;

// The budget-table pane: the table grid with its list buttons. Clicks, edits and
// keys go to the budget table and the item operations; the pane shows their menus.
class CTableDlg : public QWidget
{
    Q_OBJECT

public:
    static constexpr int PaneX = 211;
    static constexpr int PaneY = 93;
    static constexpr int HoverColumn = 4;

    CTableDlg(BudgetTable &table, ItemOperations &operations, QWidget *parent = nullptr);

    GridView *gridView() const { return m_view; }
    QPushButton *nextButton() const { return m_next; }
    QPushButton *materialButton() const { return m_material; }
    QPushButton *machineButton() const { return m_machine; }

    // Places the pane for the main window's client size and shows it with fresh totals.
    void showInMainWindow(int clientWidth, int clientHeight);
    int clientWidth() const { return m_clientWidth; }
    // A project was loaded: the title and header rows come into sight, the active cell stays.
    void showTableTop();

    // Code 1: the library item into the current room (a room is asked for on an empty estimate).
    void addLibraryItem(qint64 treeNode);
    // Code 2: the library item into every room.
    void addToAllRooms(qint64 treeNode);
    // Code 16: the room the left pane selected.
    void selectRoom(int roomIndex);
    // "新建房间" of the left pane.
    void createRoom();

    // The menus for a click, built here; tests trigger their actions.
    QMenu *operationMenu();
    QMenu *moveMenu(const TableClick &click);
    QMenu *itemMenu();
    // A finished click on the table: the budget table decides, the pane shows the menu.
    void onCellClicked(bool insideCell);

signals:
    void nextRequested();
    void materialListRequested();
    void machineListRequested();
    void closeFloatingMenuRequested();
    // The room names changed: the left pane refills its rooms tree.
    void roomsChanged();
    // An item went into a library category: the left pane rebuilds its tree.
    void libraryChanged();
    // "编辑" on an item row: the resource editor for this estimate row.
    void resourceEditorRequested(int estimateIndex);
    // The mouse rests on the description of an item with materials; the rectangle is global.
    void hoverRequested(int estimateIndex, const QRect &cell);
    void hoverEnded();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void createButtons();
    void connectView();
    QPushButton *listButton(const QString &text, const QString &name, void (CTableDlg::*signal)());
    template <class Operation> void keepingRooms(Operation operation);
    QRect globalCellRect(int row, int column) const;
    void popUp(QMenu *menu, const QPoint &at);
    void onMouseMoved(int row, int column);
    void editClickedRow();

    BudgetTable &m_table;
    ItemOperations &m_operations;
    GridView *m_view = nullptr;
    QFrame *m_line = nullptr;
    QPushButton *m_next = nullptr;
    QPushButton *m_material = nullptr;
    QPushButton *m_machine = nullptr;
    int m_clientWidth = 0;
    int m_hoverIndex = -1;
    // The open cell editor, if any: its keys reach the view a second time when it passes them up.
};
