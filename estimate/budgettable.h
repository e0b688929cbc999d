#pragma once

#include "columnlayout.h"
#include "estimate.h"
#include "estimatedocument.h"
#include "sharedcelltexts.h"
#include "tableclick.h"

#include <QList>
#include <QMetaObject>
#include <QString>

class Grid;
class GridTextMeasure;
class Prompter;
class RoomPictures;
struct TableSharedState;

// The budget table over two grids: the table itself and the bill of quantities,
// which shows every estimate row three rows lower. The document decides; this
// class mirrors each change it announces into both grids and answers the table's events.
class BudgetTable
{
public:
    static constexpr int TableHeaderRows = 3;
    static constexpr int BillHeaderRows = 6;
    static constexpr int ColumnCount = 19;
    static constexpr int OperationColumn = 18;
    static constexpr quint32 White = 0xFFFFFF;
    static constexpr quint32 HeaderGrey = 0xD5D6DA;
    static constexpr quint32 RoomGrey = 0xEDEDED;
    static constexpr quint32 HighlightColour = 0xFBE8CB;

    struct Parts {
        EstimateDocument &document;
        Grid &table;
        Grid &bill;
        const RateSettings &rates;
        TableSharedState &shared;
        RoomPictures &pictures;
        Prompter &prompter;
    };

    explicit BudgetTable(const Parts &parts);
    ~BudgetTable();
    BudgetTable(const BudgetTable &) = delete;
    BudgetTable &operator=(const BudgetTable &) = delete;

    // Row heights are fitted to the texts with this measure; without one rows keep their height.
    void setTextMeasure(const GridTextMeasure *measure) { m_measure = measure; }

    // Grid set-up: columns, header rows, widths, image list (icons under iconFolder) and the add-room row.
    void setUpGrid(const QString &iconFolder);

    // Inserts a copy of source into the room holding the requested grid row; false on an empty estimate.
    bool insertItem(int requestedGridRow, const ConstructItem &source);
    // Appends a room row to the estimate and both grids, with its picture.
    void addRoom(const QString &name);
    void addRoom(const RoomData &room);
    // Asks for a name ("新项目" proposed) and adds the room; false when the user skips.
    bool createRoom();
    // Asks for a new name of the room at this grid row; false when skipped or unchanged.
    bool renameRoom(int gridRow);
    void selectRoom(int ordinal);
    // The room, counted among the rooms, that an added library item goes into: the room of the
    // active row, or the last room when the active row is no estimate row; -1 without rooms.
    int receivingRoomOrdinal() const;
    // A typed room name: blanks at its start go (not at its end); nothing left gives "新项目".
    static QString roomNameFromInput(const QString &typed);

    // Grid event 5: the text of an edited cell. A number whose amounts or sums
    // would leave the float range is refused: the cell shows its stored value
    // again and the returned text says why (empty when the edit was taken).
    QString editCell(int gridRow, int column, const QString &typed);
    // The same for a text already written into the cell.
    QString editCell(int gridRow, int column);
    // Grid event 7 on the active cell; insideCell tells whether the mouse is inside it.
    TableClick onTableClick(bool insideCell);
    void highlightCell(int gridRow, int column);
    // The table row the last successful insertItem wrote; -1 before any.
    int lastInsertedGridRow() const { return m_lastInsertedGridRow; }
    void clearHighlight();
    // Tab or Enter: the active cell's edit ends and the next cell of the row becomes active.
    void onTabOrEnter();
    static int nextColumnOnTab(int column);
    // Grid event 29.
    void onColumnResized();

    // Re-lays the columns for a main-window client width; applied only while the budget step shows.
    void layoutColumns(int clientWidth, bool budgetStepShown);
    // The narrowest a number column may be laid out, so its text stays legible on one line.
    void setMinimumNumberWidth(int width) { m_minimumNumberWidth = width; }
    void toggleLoss(int clientWidth, bool budgetStepShown);
    void toggleTax(int clientWidth, bool budgetStepShown);

    // Codes 13, 14 and 17: the confirmed project rate on every item. Returns the code
    // for the bill lists (0 profit, 1 loss or tax), or -1 when the rate is not enabled.
    int applyProjectRate(RateKind kind);
    // The same, after the rate dialog changed the rate texts from textsBefore.
    int applyProjectRate(RateKind kind, const RateSettings &textsBefore);
    // Precision change: every shown number rewritten.
    void setPrecision(Precision precision);
    // Code 10: the main window caption for the current project file.
    static QString captionFor(const QString &projectPath);

    // Empties the estimate and removes the matching grid rows (before a project is read or a new one starts).
    void clear();
    // Holds both grids' notifications back while a project is read.
    void beginBulk();
    void endBulk();

    // Mirrors a finished estimate change into both grids (called for each change the document announces).
    void showChange(const EstimateChange &change);
    void writeItemRow(int index);
    void writeRoomTotal(int roomIndex, CellText::RoomTotalForm form = CellText::RoomTotalForm::WithBlank);
    void mergeGroup(int firstIndex, int lastIndex);
    void refreshTotals();
    void removeGridRows(int firstIndex, int count);
    void styleItemRow(int index);
    void insertGridRows(int index, int count);
    // The same text into an estimate row's cell of the table and of the bill.
    void writeBoth(int index, int column, const QString &text);

    // Accessors.
    Estimate &estimate() { return m_estimate; }
    const Estimate &estimate() const { return m_estimate; }
    Grid &table() { return m_table; }
    Grid &bill() { return m_bill; }
    TableSharedState &shared() { return m_shared; }
    EstimateDocument &document() { return m_doc; }
    DocumentState &state() { return m_doc.state(); }
    const RateSettings &rates() const { return m_rates; }
    Prompter &prompter() { return m_prompter; }
    int addRoomGridRow() const { return m_estimate.rowCount() + TableHeaderRows; }
    bool isEstimateRow(int gridRow) const;
    bool showLoss() const { return m_showLoss; }
    bool showTax() const { return m_showTax; }
    bool showlr() const { return m_showlr; }
    void setColumnSwitches(bool showLoss, bool showTax, bool showlr);
    const ColumnLayout::Widths &columnWidths() const { return m_columnWidths; }
    bool ignoreNextClick() const { return m_ignoreNextClick; }
    int clickedRow() const { return m_clickedRow; }
    void setClickedRow(int gridRow) { m_clickedRow = gridRow; }
    const QList<int> &groupStarts() const { return m_groupStarts; }
    int clickedGroup() const { return m_clickedGroup; }
    // The first index of each category group of the room holding index, then the room's end.
    QList<int> groupStartsOf(int index) const;

private:
    struct Highlight {
        int row;
        int column;
        quint32 background;
    };

    void setUpHeader();
    void setUpAddRoomRow();
    void writeRoomRow(int index);
    void showRoomRow(int index);
    void showRoomName(int index);
    void ensurePicture(const QString &roomName);
    void showAddedRows(const EstimateChange &change);
    void finishAddedRows(const EstimateChange &change);
    void finishNewItem(const EstimateChange &change);
    void mergeGroupsOf(int first, int last);
    void showMovedRows(const EstimateChange &change);
    void styleBillRow(int billRow);
    void showRoomCell(int index);
    void fitRow(int gridRow);
    void writeItemNumber(int index, int number);
    TableClick clickOnEstimateRow(int row, int column);
    TableClick moveMenuFor(int index);
    void applyColumnWidths();

    EstimateDocument &m_doc;
    Estimate &m_estimate;
    Grid &m_table;
    Grid &m_bill;
    const RateSettings &m_rates;
    TableSharedState &m_shared;
    RoomPictures &m_pictures;
    Prompter &m_prompter;
    const GridTextMeasure *m_measure = nullptr;
    QMetaObject::Connection m_listening;
    SharedCellTexts m_cellTexts;

    bool m_showLoss = true;
    bool m_showTax = true;
    int m_minimumNumberWidth = 0;
    int m_lastInsertedGridRow = -1;
    bool m_showlr = true;
    ColumnLayout::Widths m_columnWidths = ColumnLayout::initialWidths();
    QList<Highlight> m_highlighted;
    int m_clickedRow = -1;
    bool m_ignoreNextClick = false;
    QList<int> m_groupStarts;
    int m_clickedGroup = -1;
};
