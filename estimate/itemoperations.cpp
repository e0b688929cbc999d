#include "itemoperations.h"

#include "budgettable.h"
#include "companionrule.h"
#include "libraryitems.h"
#include "prompter.h"
#include "tablesharedstate.h"

#include "contracts/grid.h"

namespace {

constexpr int ItemNameColumn = 3;

constexpr int NoticeStyle = 1;
constexpr int QuestionStyle = 7;

// The edits made while one of these lives are one step of the undo history.
class EditGroup
{
public:
    EditGroup(EstimateDocument &document, const QString &name) : m_document(document)
    {
        document.beginGroup(name);
    }
    ~EditGroup() { m_document.endGroup(); }
    EditGroup(const EditGroup &) = delete;
    EditGroup &operator=(const EditGroup &) = delete;

private:
    EstimateDocument &m_document;
};

} // namespace

ItemOperations::ItemOperations(BudgetTable &table, LibraryItems &library) : m_table(table), m_library(library)
{
}

const ConstructItem *ItemOperations::libraryItem(qint64 treeNode) const
{
    const ConstructItem *item = m_library.findByTreeNode(treeNode);
    return item && !item->itemName.isEmpty() ? item : nullptr;
}

bool ItemOperations::addLibraryItem(qint64 treeNode)
{
    const ConstructItem *found = libraryItem(treeNode);
    if (!found)
        return false;
    const ConstructItem item = *found;
    const EditGroup group(m_table.document(), QStringLiteral("添加项目"));
    m_table.clearHighlight();
    int requested = m_table.table().activeRow();
    if (!m_table.isEstimateRow(requested)) {
        if (m_table.estimate().rowCount() == 0 && !m_table.createRoom())
            return false;
        requested = m_table.estimate().rowCount() + 2;
    }
    if (!m_table.insertItem(requested, item))
        return false;
    int inserted = m_table.lastInsertedGridRow();
    const int rowsBefore = m_table.estimate().rowCount();
    addCompanion(item.itemName, requested);
    // A companion put above the item moves it one row down.
    if (m_table.estimate().rowCount() > rowsBefore && m_table.lastInsertedGridRow() <= inserted)
        ++inserted;
    showInserted(inserted);
    return true;
}

// The new item is where the user looks next: highlighted, and the active cell so the view scrolls to it.
void ItemOperations::showInserted(int gridRow)
{
    m_table.table().setActiveCell(gridRow, ItemNameColumn);
    m_table.highlightCell(gridRow, ItemNameColumn);
}

void ItemOperations::addCompanion(const QString &itemName, int requestedGridRow)
{
    const QString companion = CompanionRule::companionFor(itemName);
    if (companion.isEmpty())
        return;
    const Estimate &estimate = m_table.estimate();
    const int index = qBound(0, requestedGridRow - BudgetTable::TableHeaderRows, estimate.rowCount() - 1);
    if (roomHoldsItemNamed(estimate.roomOf(index), companion))
        return;
    const ConstructItem *item = m_library.findByNameNoBlanks(companion);
    if (item)
        m_table.insertItem(requestedGridRow, ConstructItem(*item));
}

bool ItemOperations::roomHoldsItemNamed(int roomIndex, const QString &name) const
{
    const Estimate &estimate = m_table.estimate();
    if (roomIndex < 0)
        return false;
    const int end = estimate.roomEnd(roomIndex);
    // Blanks are ignored as in the library search, so a companion written with a blank counts too.
    for (int i = roomIndex + 1; i < end; ++i) {
        if (QString(estimate.rows().at(i).item.itemName).remove(QLatin1Char(' ')) == name)
            return true;
    }
    return false;
}

bool ItemOperations::addToAllRooms(qint64 treeNode)
{
    const ConstructItem *found = libraryItem(treeNode);
    if (!found)
        return false;
    const ConstructItem item = *found;
    const EditGroup group(m_table.document(), QStringLiteral("添加到所有房间"));
    bool anyRoom = false;
    for (int i = 0; i < m_table.estimate().rowCount(); ++i) {
        if (!m_table.estimate().rows().at(i).isRoom())
            continue;
        anyRoom = true;
        if (!m_table.insertItem(i + BudgetTable::TableHeaderRows, item))
            break;
    }
    if (!anyRoom)
        m_table.prompter().notify(Prompter::NeedRoomFirst, NoticeStyle);
    return anyRoom;
}

bool ItemOperations::copyToOtherRooms()
{
    const int index = m_table.table().activeRow() - BudgetTable::TableHeaderRows;
    Estimate &estimate = m_table.estimate();
    if (index < 0 || index >= estimate.rowCount() || !estimate.rows().at(index).isConstruct())
        return false;
    int ownRoom = estimate.roomOf(index);
    TableSharedState &shared = m_table.shared();
    shared.sourceRow = estimate.rows().at(index);
    shared.tableReady = false;
    const EditGroup group(m_table.document(), QStringLiteral("复制到其他房间"));
    bool copied = false;
    for (int i = 0; i < estimate.rowCount(); ++i) {
        if (!estimate.rows().at(i).isRoom() || i == ownRoom)
            continue;
        m_table.insertItem(i + BudgetTable::TableHeaderRows, shared.sourceRow.item);
        copied = true;
        if (i < ownRoom)
            ++ownRoom;
    }
    shared.tableReady = true;
    if (!copied)
        m_table.prompter().notify(Prompter::NeedTwoRooms, NoticeStyle);
    return copied;
}

bool ItemOperations::moveGroup(int position)
{
    const QList<int> &starts = m_table.groupStarts();
    const int groups = int(starts.size()) - 1;
    const int g = int(starts.indexOf(m_table.clickedGroup()));
    if (position < 1 || position > groups || position > MaxMovePositions || g < 0 || g >= groups)
        return false;
    const int first = starts.at(g);
    const int count = starts.at(g + 1) - first;
    const int destination = position - 1 <= g ? starts.at(position - 1) : starts.at(position) - count;
    if (destination == first)
        return true;
    Estimate &estimate = m_table.estimate();
    estimate.setIdle(false);
    m_table.clearHighlight();
    m_table.document().moveGroup(first, count, destination);
    // The lists follow the order of the estimate's rows.
    m_table.shared().markListsStale();
    estimate.setIdle(true);
    return true;
}

QStringList ItemOperations::categoryMenu() const
{
    return m_library.categoryNames().mid(0, MaxCategoryPositions);
}

bool ItemOperations::saveToCategory(int position)
{
    if (position < 0 || position >= MaxCategoryPositions)
        return false;
    if (!m_library.canEditTemplate()) {
        m_table.prompter().notify(Prompter::NoTemplateRights, NoticeStyle);
        return false;
    }
    const int index = m_table.table().activeRow() - BudgetTable::TableHeaderRows;
    const Estimate &estimate = m_table.estimate();
    if (index < 0 || index >= estimate.rowCount() || !estimate.rows().at(index).isConstruct())
        return false;
    ConstructItem item = estimate.rows().at(index).item;
    if (item.itemName == QStringLiteral("自定义"))
        item.itemName = QStringLiteral("自定义_新");
    return m_library.insertIntoCategory(item, position);
}

bool ItemOperations::deleteRow()
{
    const int index = m_table.clickedRow() - BudgetTable::TableHeaderRows;
    Estimate &estimate = m_table.estimate();
    if (index < 0 || index >= estimate.rowCount())
        return false;
    if (estimate.rows().at(index).isRoom()) {
        if (m_table.prompter().ask(Prompter::AskDeleteRow, QuestionStyle) != Prompter::Yes)
            return false;
        m_table.shared().selectedRoomIndex = estimate.roomOrdinal(index);
    }
    m_table.clearHighlight();
    m_table.document().deleteRow(index);
    m_table.setClickedRow(-1);
    // The removed rows' materials and machines must leave the lists too.
    m_table.shared().markListsStale();
    return true;
}

bool ItemOperations::repriceAfterResourceEdit(const ConstructItem &edited)
{
    const int index = m_table.clickedRow() - BudgetTable::TableHeaderRows;
    Estimate &estimate = m_table.estimate();
    if (index < 0 || index >= estimate.rowCount() || !estimate.rows().at(index).isConstruct())
        return false;
    m_table.shared().markListsStale();
    m_table.document().replaceItem(index, edited);
    return true;
}

void ItemOperations::handleTableCode(int code, qint64 treeNode, int clientWidth, bool budgetStepShown)
{
    switch (code) {
    case 1:
        addLibraryItem(treeNode);
        break;
    case 2:
        addToAllRooms(treeNode);
        break;
    case 13:
        m_table.applyProjectRate(RateKind::Profit);
        break;
    case 14:
        m_table.applyProjectRate(RateKind::Loss);
        break;
    case 15:
        m_table.layoutColumns(clientWidth, budgetStepShown);
        break;
    case 16:
        m_table.selectRoom(m_table.shared().selectedRoomIndex);
        break;
    case 17:
        m_table.applyProjectRate(RateKind::Tax);
        break;
    default:
        break;
    }
}
