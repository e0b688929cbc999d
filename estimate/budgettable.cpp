#include "budgettable.h"

#include "prompter.h"
#include "roompictures.h"
#include "tablesharedstate.h"

#include "contracts/grid.h"
#include "contracts/gridupdateguard.h"

namespace {

constexpr int TitleRowHeight = 31;
constexpr int RoomRowHeight = 30;
constexpr int BillRoomRowHeight = 25;
constexpr int BillColumns = 17; // the bill shows columns 1-17 of an estimate row
constexpr int LastTextColumn = 17;

GridRange cells(int row, int first, int last)
{
    return {row, first, row, last};
}

QString withoutLeadingBlanks(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    return text.mid(i);
}

} // namespace

BudgetTable::BudgetTable(const Parts &parts)
    : m_doc(parts.document), m_estimate(parts.document.estimate()), m_table(parts.table), m_bill(parts.bill),
      m_rates(parts.rates), m_shared(parts.shared), m_pictures(parts.pictures), m_prompter(parts.prompter)
{
    m_listening = QObject::connect(&m_doc, &EstimateDocument::changed,
                                   [this](const EstimateChange &change) { showChange(change); });
}

BudgetTable::~BudgetTable()
{
    QObject::disconnect(m_listening);
}

// ---- set-up ---------------------------------------------------------------

void BudgetTable::setUpGrid(const QString &iconFolder)
{
    m_table.setColumnCount(ColumnCount);
    m_table.setRowCount(50);
    m_table.setFixedRowCount(TableHeaderRows);
    m_table.setFixedColumnCount(1);
    setUpHeader();
    const ColumnLayout::Widths initial = ColumnLayout::initialWidths();
    for (int c = 0; c <= 16; ++c)
        m_table.setColumnWidth(c, initial[c]);
    m_columnWidths = initial;
    const struct {
        const char *key;
        const char *file;
    } icons[] = {{"new_file", "/icon/BTN_NewFile.bmp"},
                 {"del", "/icon/del.bmp"},
                 {"del_Dark", "/icon/del_Dark.bmp"},
                 {"More_Blue", "/icon/Icon_More_Blue.bmp"}};
    for (const auto &icon : icons)
        m_table.addImageFile(QString::fromLatin1(icon.key), iconFolder + QString::fromLatin1(icon.file));
    setUpAddRoomRow();
}

void BudgetTable::setUpHeader()
{
    m_table.setRangeBackground(cells(0, 1, 18), White);
    m_table.setText(0, 1, QStringLiteral("新工程"));
    m_table.merge(cells(0, 1, 12));
    m_table.setAlignment(0, 1, GridAlignment::Centre);
    m_table.merge(cells(0, 13, 18));
    m_table.setFontSize(0, 1, 12);
    m_table.setFontSize(0, 13, 12);
    m_table.setRowHeight(0, TitleRowHeight);

    m_table.setRangeBackground({1, 1, 2, 18}, HeaderGrey);
    m_table.setRangeAlignment({1, 1, 2, 18}, GridAlignment::Centre);
    const QStringList titles = {QStringLiteral("施工项目"),
                                {},
                                {},
                                QStringLiteral("取材标准及施工说明"),
                                QStringLiteral("单位"),
                                QStringLiteral("工程量"),
                                QStringLiteral("损耗"),
                                QStringLiteral("税金"),
                                QStringLiteral("单价"),
                                {},
                                {},
                                {},
                                QStringLiteral("材料小计"),
                                QStringLiteral("机械台班小计"),
                                QStringLiteral("人工小计"),
                                QStringLiteral("管理费小计"),
                                QStringLiteral("合计"),
                                QStringLiteral("操作")};
    for (int c = 1; c <= 18; ++c)
        m_table.setText(1, c, titles.at(c - 1));
    const QStringList prices = {QStringLiteral("材料"), QStringLiteral("机械台班"), QStringLiteral("人工"),
                                QStringLiteral("管理费")};
    for (int c = 9; c <= 12; ++c)
        m_table.setText(2, c, prices.at(c - 9));
    m_table.merge({1, 1, 2, 3});
    m_table.merge(cells(1, 9, 12));
    for (int c : {4, 5, 6, 7, 8, 13, 14, 15, 16, 17, 18})
        m_table.merge({1, c, 2, c});
}

void BudgetTable::setUpAddRoomRow()
{
    const int row = addRoomGridRow();
    m_table.merge(cells(row, 1, 18));
    m_table.setAlignment(row, 1, GridAlignment::Centre);
    m_table.setImage(row, 1, QStringLiteral("new_file"));
    m_table.setRangeBackground(cells(row, 1, 18), RoomGrey);
    m_table.setRowHeight(row, RoomRowHeight);
}

// ---- items ----------------------------------------------------------------

bool BudgetTable::insertItem(int requestedGridRow, const ConstructItem &source)
{
    m_estimate.setIdle(false);
    if (m_estimate.rowCount() == 0)
        return false;
    clearHighlight();
    const EstimateChange change = m_doc.insertItem(requestedGridRow - TableHeaderRows, source, m_rates);
    if (!change.applied)
        return false;
    m_lastInsertedGridRow = change.insertedRow + TableHeaderRows;
    // A list built before would miss the new item's materials and machines.
    m_shared.markListsStale();
    m_estimate.setIdle(true);
    return true;
}

void BudgetTable::insertGridRows(int index, int count)
{
    m_table.insertRows(index + TableHeaderRows, count);
    m_bill.insertRows(index + BillHeaderRows, count);
    const GridRange tableRows{index + TableHeaderRows, 1, index + TableHeaderRows + count - 1,
                              ColumnCount - 1};
    const GridRange billRows{index + BillHeaderRows, 1, index + BillHeaderRows + count - 1, BillColumns};
    m_table.setRangeBackground(tableRows, White);
    m_table.setRangeLocked(tableRows, false);
    m_bill.setRangeBackground(billRows, White);
    m_bill.setRangeLocked(billRows, false);
}

void BudgetTable::removeGridRows(int firstIndex, int count)
{
    if (count <= 0)
        return;
    m_table.removeRows(firstIndex + TableHeaderRows, count);
    m_bill.removeRows(firstIndex + BillHeaderRows, count);
}

void BudgetTable::writeBoth(int index, int column, const QString &text)
{
    m_table.setText(index + TableHeaderRows, column, text);
    m_bill.setText(index + BillHeaderRows, column, text);
}

void BudgetTable::writeItemRow(int index)
{
    const EstimateRow &row = m_estimate.rows().at(index);
    const Precision precision = m_estimate.precision();
    writeBoth(index, CellText::CategoryColumn, row.item.categoryKind);
    for (int c = CellText::NameColumn; c <= LastTextColumn; ++c)
        writeBoth(index, c, m_cellTexts.itemCell(row, c, precision));
    writeItemNumber(index, m_estimate.itemNumber(index));
    m_table.setImage(index + TableHeaderRows, OperationColumn, QStringLiteral("del"));
}

void BudgetTable::writeItemNumber(int index, int number)
{
    writeBoth(index, CellText::NumberColumn, m_cellTexts.itemNumber(number));
}

void BudgetTable::styleItemRow(int index)
{
    const int row = index + TableHeaderRows;
    m_table.setRangeBackground(cells(row, 1, 18), White);
    m_table.setRangeAlignment(cells(row, 1, 18), GridAlignment::Centre);
    m_table.setAlignment(row, CellText::DescColumn, GridAlignment::LeftTop);
    m_table.setRangeAlignment(cells(row, 13, 17), GridAlignment::RightMiddle);
    m_table.setRangeWrap(cells(row, 1, 18), true);
    m_table.setRangeLocked(cells(row, 1, 2), true);
    m_table.setRangeLocked(cells(row, 3, 12), false);
    m_table.setRangeLocked(cells(row, 13, 18), true);
    fitRow(row);
    styleBillRow(index + BillHeaderRows);
}

void BudgetTable::styleBillRow(int billRow)
{
    m_bill.setRangeBackground(cells(billRow, 1, BillColumns), White);
    m_bill.setRangeAlignment(cells(billRow, 1, 12), GridAlignment::Centre);
    m_bill.setAlignment(billRow, CellText::DescColumn, GridAlignment::LeftTop);
    m_bill.setRangeAlignment(cells(billRow, 13, 17), GridAlignment::RightMiddle);
    m_bill.setRangeWrap(cells(billRow, 1, BillColumns), true);
    m_bill.setRangeLocked(cells(billRow, 1, 2), true);
    m_bill.setRangeLocked(cells(billRow, 3, 12), false);
    m_bill.setRangeLocked(cells(billRow, 13, 17), true);
    if (m_measure)
        m_bill.fitRowHeight(billRow, *m_measure);
}

void BudgetTable::fitRow(int gridRow)
{
    if (m_measure)
        m_table.fitRowHeight(gridRow, *m_measure);
}

void BudgetTable::mergeGroup(int firstIndex, int lastIndex)
{
    const int tableTop = firstIndex + TableHeaderRows;
    const int billTop = firstIndex + BillHeaderRows;
    m_table.merge({tableTop, 1, lastIndex + TableHeaderRows, 1});
    m_table.setAlignment(tableTop, 1, GridAlignment::Centre);
    m_bill.merge({billTop, 1, lastIndex + BillHeaderRows, 1});
    m_bill.setAlignment(billTop, 1, GridAlignment::Centre);
}

void BudgetTable::showChange(const EstimateChange &change)
{
    if (!change.applied)
        return;
    // A built material or machinery list no longer matches the rows (undo and redo included).
    if (change.resourcesChanged)
        m_shared.markListsStale();
    removeGridRows(change.removedFirst, change.removedCount);
    showMovedRows(change);
    showAddedRows(change);
    const bool textColumns = change.itemColumns.contains(CellText::NameColumn) ||
                             change.itemColumns.contains(CellText::DescColumn) ||
                             change.itemColumns.contains(CellText::UnitColumn);
    for (int index : change.itemRows) {
        const EstimateRow &row = m_estimate.rows().at(index);
        for (int column : change.itemColumns) {
            if (column != CellText::NumberColumn)
                writeBoth(index, column, m_cellTexts.itemCell(row, column, m_estimate.precision()));
        }
        if (textColumns && change.insertedCount == 0)
            fitRow(index + TableHeaderRows);
    }
    finishAddedRows(change);
    for (int index : change.renumberedRows)
        writeItemNumber(index, m_estimate.itemNumber(index));
    if (change.groupHeadRemoved)
        mergeGroup(change.renumberedRows.first(), change.renumberedRows.last());
    for (int room : change.roomRows)
        writeRoomTotal(room, change.roomTotalForm);
    for (int room : change.renamedRooms)
        showRoomName(room);
    if (change.totalsChanged)
        refreshTotals();
}

// A new item gets its texts from the change's item columns; rows put back whole are written here.
void BudgetTable::showAddedRows(const EstimateChange &change)
{
    if (change.insertedCount <= 0)
        return;
    insertGridRows(change.insertedRow, change.insertedCount);
    if (change.insertedNumber > 0)
        return;
    for (int i = change.insertedRow; i < change.insertedRow + change.insertedCount; ++i) {
        if (m_estimate.rows().at(i).isConstruct()) {
            writeItemRow(i);
            continue;
        }
        showRoomRow(i);
        // A room put back with its items shows their sum, not the new room's text.
        if (i + 1 < m_estimate.rowCount() && m_estimate.rows().at(i + 1).isConstruct())
            writeRoomTotal(i);
    }
}

void BudgetTable::finishAddedRows(const EstimateChange &change)
{
    if (change.insertedCount <= 0)
        return;
    if (change.insertedNumber > 0) {
        finishNewItem(change);
        return;
    }
    const int last = change.insertedRow + change.insertedCount - 1;
    mergeGroupsOf(change.insertedRow, last);
    for (int i = change.insertedRow; i <= last; ++i) {
        if (m_estimate.rows().at(i).isConstruct())
            styleItemRow(i);
    }
}

void BudgetTable::finishNewItem(const EstimateChange &change)
{
    const int i = change.insertedRow;
    writeItemNumber(i, change.insertedNumber);
    m_table.setImage(i + TableHeaderRows, OperationColumn, QStringLiteral("del"));
    if (change.groupFirstRow >= 0)
        mergeGroup(change.groupFirstRow, i);
    styleItemRow(i);
}

// The category groups with a row in [first, last] are merged and numbered again as a whole.
void BudgetTable::mergeGroupsOf(int first, int last)
{
    int i = first;
    while (i <= last) {
        const int head = m_estimate.groupFirstRow(i);
        if (head < 0) {
            ++i;
            continue;
        }
        int end = head;
        const QString &kind = m_estimate.rows().at(head).item.categoryKind;
        while (end + 1 < m_estimate.rowCount() && m_estimate.rows().at(end + 1).isConstruct() &&
               m_estimate.rows().at(end + 1).item.categoryKind == kind)
            ++end;
        for (int r = head; r <= end; ++r)
            writeItemNumber(r, r - head + 1);
        if (end > head)
            mergeGroup(head, end);
        i = end + 1;
    }
}

// The moved rows are written anew at their place; only the merge of column 1 joins them.
void BudgetTable::showMovedRows(const EstimateChange &change)
{
    if (change.movedCount <= 0)
        return;
    removeGridRows(change.movedFrom, change.movedCount);
    insertGridRows(change.movedTo, change.movedCount);
    for (int k = 0; k < change.movedCount; ++k)
        writeItemRow(change.movedTo + k);
    for (int k = 0; k < change.movedCount; ++k)
        styleItemRow(change.movedTo + k);
    mergeGroup(change.movedTo, change.movedTo + change.movedCount - 1);
}

void BudgetTable::writeRoomTotal(int roomIndex, CellText::RoomTotalForm form)
{
    const float total = m_estimate.rows().at(roomIndex).costs.total;
    writeBoth(roomIndex, CellText::RoomTotalColumn, CellText::roomTotal(total, m_estimate.precision(), form));
}

void BudgetTable::refreshTotals()
{
    m_estimate.refreshTotals();
    const int summaryRow = m_estimate.rowCount() + BillHeaderRows;
    m_bill.setRangeBackground({summaryRow, 1, summaryRow + 1, 16}, White);
    m_table.setText(0, CellText::ProjectTotalColumn, m_estimate.projectTotalText());
    m_bill.setText(summaryRow, 1, m_estimate.summaryLine());
}

// ---- rooms ----------------------------------------------------------------

void BudgetTable::addRoom(const QString &name)
{
    RoomData room;
    room.name = name;
    addRoom(room);
}

void BudgetTable::addRoom(const RoomData &room)
{
    clearHighlight();
    const int index = m_estimate.rowCount();
    m_doc.addRoom(room);
    m_shared.lastRoomName = room.name;
    m_table.setActiveCell(index + TableHeaderRows, 1);
}

void BudgetTable::showRoomRow(int index)
{
    m_bill.setRowHeight(index + BillHeaderRows, BillRoomRowHeight);
    writeRoomRow(index);
    ensurePicture(m_estimate.rows().at(index).room.name);
    showRoomCell(index);
}

void BudgetTable::showRoomName(int index)
{
    const QString &name = m_estimate.rows().at(index).room.name;
    ensurePicture(name);
    showRoomCell(index);
    m_bill.setText(index + BillHeaderRows, 1, name);
}

void BudgetTable::ensurePicture(const QString &roomName)
{
    if (m_pictures.hasPicture(roomName))
        return;
    const QString path = m_pictures.makePictureFor(roomName);
    if (!path.isEmpty())
        m_table.addImageFile(roomName, path);
}

void BudgetTable::writeRoomRow(int index)
{
    const int row = index + TableHeaderRows;
    m_table.setRangeBackground(cells(row, 1, 18), RoomGrey);
    m_table.merge(cells(row, 1, 3));
    m_table.setAlignment(row, 1, GridAlignment::Centre);
    m_table.merge(cells(row, 4, 17));
    m_table.setAlignment(row, 4, GridAlignment::RightMiddle);
    m_table.setText(row, 4, CellText::newRoomTableTotal());
    m_table.setAlignment(row, OperationColumn, GridAlignment::Centre);
    m_table.setImage(row, OperationColumn, QStringLiteral("del_Dark"));
    m_table.setRangeLocked(cells(row, 1, 18), true);
    m_table.setRowHeight(row, RoomRowHeight);

    // Joined as in the table, so neither the name nor the total is cut by the widths of single columns.
    const int billRow = index + BillHeaderRows;
    m_bill.merge(cells(billRow, 1, 3));
    m_bill.setAlignment(billRow, 1, GridAlignment::Centre);
    m_bill.merge(cells(billRow, 4, BillColumns));
    m_bill.setAlignment(billRow, 4, GridAlignment::RightMiddle);
    m_bill.setText(billRow, 1, m_estimate.rows().at(index).room.name);
    m_bill.setText(billRow, 4, CellText::newRoomBillTotal());
    m_bill.setRangeLocked(cells(billRow, 1, BillColumns), true);
}

// The name is shown as text in the table's own font: the picture, shrunk into the cell, is too
// small to read. The picture is still made and kept in the image list under the name.
void BudgetTable::showRoomCell(int index)
{
    const int row = index + TableHeaderRows;
    m_table.setImage(row, 1, QString());
    m_table.setText(row, 1, m_estimate.rows().at(index).room.name);
}

QString BudgetTable::roomNameFromInput(const QString &typed)
{
    const QString name = withoutLeadingBlanks(typed);
    return name.isEmpty() ? QStringLiteral("新项目") : name;
}

bool BudgetTable::createRoom()
{
    const std::optional<QString> typed = m_prompter.promptRoomName(QStringLiteral("新项目"));
    if (!typed)
        return false;
    m_estimate.setIdle(false);
    addRoom(roomNameFromInput(*typed));
    m_estimate.setIdle(true);
    return true;
}

bool BudgetTable::renameRoom(int gridRow)
{
    const int index = gridRow - TableHeaderRows;
    if (!isEstimateRow(gridRow) || !m_estimate.rows().at(index).isRoom())
        return false;
    const QString current = m_estimate.rows().at(index).room.name;
    const std::optional<QString> typed = m_prompter.promptRoomName(current);
    if (!typed)
        return false;
    const QString name = roomNameFromInput(*typed);
    if (name == current)
        return false;
    const int ordinal = m_estimate.roomOrdinal(index);
    m_shared.selectedRoomIndex = ordinal;
    m_shared.lastRoomName = name;
    m_doc.renameRoom(index, name);
    return true;
}

void BudgetTable::selectRoom(int ordinal)
{
    int count = 0;
    const QList<EstimateRow> &rows = m_estimate.rows();
    for (int i = 0; i < rows.size(); ++i) {
        if (!rows.at(i).isRoom())
            continue;
        if (count++ == ordinal) {
            m_table.setActiveCell(i + TableHeaderRows, 1);
            return;
        }
    }
}

int BudgetTable::receivingRoomOrdinal() const
{
    const int active = m_table.activeRow();
    const int index = isEstimateRow(active) ? active - TableHeaderRows : m_estimate.rowCount() - 1;
    const int room = m_estimate.roomOf(index);
    if (room < 0)
        return -1;
    int ordinal = 0;
    for (int i = 0; i < room; ++i)
        ordinal += m_estimate.rows().at(i).isRoom() ? 1 : 0;
    return ordinal;
}

// ---- edits and clicks -----------------------------------------------------

bool BudgetTable::isEstimateRow(int gridRow) const
{
    const int index = gridRow - TableHeaderRows;
    return index >= 0 && index < m_estimate.rowCount();
}

QString BudgetTable::editCell(int gridRow, int column)
{
    return editCell(gridRow, column, m_table.text(gridRow, column));
}

QString BudgetTable::editCell(int gridRow, int column, const QString &typed)
{
    m_shared.markListsStale();
    const int index = gridRow - TableHeaderRows;
    const bool itemCell = column < CellText::MaterialSubtotalColumn && m_estimate.isIdle() &&
                          isEstimateRow(gridRow) && !m_estimate.rows().at(index).isRoom() &&
                          column >= CellText::NameColumn;
    const CellEdit edit = itemCell ? m_doc.editCell(index, column, withoutLeadingBlanks(typed)) : CellEdit{};
    if (!edit.handled) {
        // Not an edit of the project: the cell keeps what was typed, as any cell of the grid does.
        m_table.setText(gridRow, column, typed);
        return {};
    }
    // An applied edit reached both grids through the document's change; a refused or unchanged
    // one shows the stored value again where the text was already written into the cell.
    if (!edit.change.applied)
        writeBoth(index, column, edit.cellText);
    fitRow(gridRow);
    return edit.refusal;
}

TableClick BudgetTable::onTableClick(bool insideCell)
{
    if (m_ignoreNextClick) {
        m_ignoreNextClick = false;
        return {};
    }
    if (!m_shared.tableReady)
        return {};
    const int r = m_table.activeRow();
    const int k = m_table.activeColumn();
    if (!insideCell || r < 0)
        return {};
    TableClick click;
    if (r == addRoomGridRow()) {
        createRoom();
        highlightCell(r, k);
        click = {TableClick::Action::RoomCreated, r, k, {}, -1};
    } else if (!isEstimateRow(r)) {
        highlightCell(r, k);
        click = {TableClick::Action::Highlighted, r, k, {}, -1};
    } else {
        click = clickOnEstimateRow(r, k);
    }
    m_table.setRangeBackground(cells(addRoomGridRow(), 1, 18), RoomGrey);
    return click;
}

TableClick BudgetTable::clickOnEstimateRow(int r, int k)
{
    const int index = r - TableHeaderRows;
    const bool construct = m_estimate.rows().at(index).isConstruct();
    if (construct)
        highlightCell(r, k);
    if (construct && k == CellText::CategoryColumn)
        return moveMenuFor(index);
    if (construct && k == CellText::NumberColumn)
        return {TableClick::Action::ItemMenu, r, k, {}, -1};
    if (k == OperationColumn) {
        m_clickedRow = r;
        m_shared.selectedRowIndex = index;
        return {TableClick::Action::OperationMenu, r, k, {}, -1};
    }
    return {TableClick::Action::Highlighted, r, k, {}, -1};
}

QList<int> BudgetTable::groupStartsOf(int index) const
{
    const QList<EstimateRow> &rows = m_estimate.rows();
    const int room = m_estimate.roomOf(index);
    const int end = m_estimate.roomEnd(room);
    QList<int> starts;
    for (int i = room + 1; i < end; ++i) {
        if (i == room + 1 ||
            rows.at(i).item.categoryKind.compare(rows.at(i - 1).item.categoryKind, Qt::CaseInsensitive) != 0)
            starts.append(i);
    }
    starts.append(end);
    return starts;
}

TableClick BudgetTable::moveMenuFor(int index)
{
    const int r = index + TableHeaderRows;
    m_groupStarts = groupStartsOf(index);
    if (m_groupStarts.size() <= 2)
        return {TableClick::Action::Highlighted, r, CellText::CategoryColumn, {}, -1};
    const QString &kind = m_estimate.rows().at(index).item.categoryKind;
    int checked = -1;
    for (int g = 0; g + 1 < m_groupStarts.size() && checked < 0; ++g) {
        if (m_estimate.rows().at(m_groupStarts.at(g)).item.categoryKind == kind)
            checked = g;
    }
    m_clickedGroup = checked >= 0 ? m_groupStarts.at(checked) : -1;
    return {TableClick::Action::MoveMenu, r, CellText::CategoryColumn, m_groupStarts, checked};
}

void BudgetTable::clearHighlight()
{
    for (const Highlight &h : std::as_const(m_highlighted)) {
        m_table.setBackground(h.row, h.column, h.background);
        if (!isEstimateRow(h.row))
            continue;
        const bool room = m_estimate.rows().at(h.row - TableHeaderRows).isRoom();
        m_table.setImage(h.row, OperationColumn, room ? QStringLiteral("del_Dark") : QStringLiteral("del"));
    }
    m_highlighted.clear();
}

void BudgetTable::highlightCell(int gridRow, int column)
{
    clearHighlight();
    int groupRow = gridRow;
    const QString category = m_table.text(gridRow, 1);
    // A room row above the group holds the room's name, which may read like a category.
    while (groupRow - 1 >= TableHeaderRows && m_table.text(groupRow - 1, 1) == category &&
           !(isEstimateRow(groupRow - 1) && m_estimate.rows().at(groupRow - 1 - TableHeaderRows).isRoom()))
        --groupRow;
    m_highlighted.append({gridRow, column, m_table.background(gridRow, column)});
    if (groupRow != gridRow || column != 1)
        m_highlighted.append({groupRow, 1, m_table.background(groupRow, 1)});
    for (const Highlight &h : std::as_const(m_highlighted))
        m_table.setBackground(h.row, h.column, HighlightColour);
    m_table.setImage(gridRow, OperationColumn, QStringLiteral("More_Blue"));
}

int BudgetTable::nextColumnOnTab(int column)
{
    switch (column) {
    case 8:
        return 10;
    case 10:
        return 12;
    case 11:
        return 13;
    default:
        return column + 1;
    }
}

void BudgetTable::onTabOrEnter()
{
    const int r = m_table.activeRow();
    const int k = m_table.activeColumn();
    if (r < 0 || k < 0)
        return;
    m_table.setActiveCell(r, nextColumnOnTab(k));
}

void BudgetTable::onColumnResized()
{
    m_table.setColumnWidth(0, 0);
    m_ignoreNextClick = true;
}

// ---- columns, rates, precision --------------------------------------------

void BudgetTable::layoutColumns(int clientWidth, bool budgetStepShown)
{
    if (!budgetStepShown)
        return;
    m_columnWidths = ColumnLayout::widthsFor(clientWidth, m_showLoss, m_showTax, m_minimumNumberWidth);
    applyColumnWidths();
}

// Item rows fitted to the old widths are fitted again: a narrower description needs more
// lines, a wider one fewer. Room rows keep their own height.
void BudgetTable::applyColumnWidths()
{
    bool changed = false;
    for (int c = 0; c < ColumnCount; ++c) {
        changed = changed || m_table.columnWidth(c) != m_columnWidths[c];
        m_table.setColumnWidth(c, m_columnWidths[c]);
    }
    if (!changed || !m_measure)
        return;
    GridUpdateGuard guard(m_table);
    for (int index = 0; index < m_estimate.rowCount(); ++index) {
        if (m_estimate.rows().at(index).isConstruct())
            fitRow(index + TableHeaderRows);
    }
}

void BudgetTable::toggleLoss(int clientWidth, bool budgetStepShown)
{
    m_showLoss = !m_showLoss;
    layoutColumns(clientWidth, budgetStepShown);
}

void BudgetTable::toggleTax(int clientWidth, bool budgetStepShown)
{
    m_showTax = !m_showTax;
    layoutColumns(clientWidth, budgetStepShown);
}

void BudgetTable::setColumnSwitches(bool showLoss, bool showTax, bool showlr)
{
    m_showLoss = showLoss;
    m_showTax = showTax;
    m_showlr = showlr;
}

int BudgetTable::applyProjectRate(RateKind kind)
{
    return applyProjectRate(kind, m_rates);
}

int BudgetTable::applyProjectRate(RateKind kind, const RateSettings &textsBefore)
{
    m_estimate.setIdle(false);
    const EstimateChange change = m_doc.applyRate(kind, m_rates, textsBefore);
    m_estimate.setIdle(true);
    return change.applied ? change.billNoticeCode : -1;
}

void BudgetTable::setPrecision(Precision precision)
{
    m_estimate.setIdle(false);
    m_doc.setPrecision(precision);
    m_estimate.setIdle(true);
}

QString BudgetTable::captionFor(const QString &projectPath)
{
    QString name = projectPath.mid(projectPath.lastIndexOf(QLatin1Char('\\')) + 1);
    name = name.mid(name.lastIndexOf(QLatin1Char('/')) + 1);
    name.remove(QStringLiteral(".xml"));
    return QStringLiteral("Sylvaro造价 - ") + name;
}

// ---- reading a project ----------------------------------------------------

void BudgetTable::clear()
{
    clearHighlight();
    m_doc.clear();
    refreshTotals();
}

void BudgetTable::beginBulk()
{
    m_table.beginUpdate();
    m_bill.beginUpdate();
}

void BudgetTable::endBulk()
{
    m_bill.endUpdate();
    m_table.endUpdate();
}
