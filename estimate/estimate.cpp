#include "estimate.h"

#include "categoryruns.h"
#include "celltext.h"
#include "finitenumbers.h"
#include "numberedit.h"
#include "numbertext.h"
#include "projectbound.h"

namespace {

const QString RoomKindText = QStringLiteral("room");
const QString ConstructKindText = QStringLiteral("construct");

QList<int> columnRange(int first, int last)
{
    QList<int> columns;
    for (int c = first; c <= last; ++c)
        columns << c;
    return columns;
}

QList<int> subtotalColumns()
{
    return columnRange(CellText::MaterialSubtotalColumn, CellText::TotalColumn);
}

} // namespace

EstimateChange Estimate::appendRoom(const QString &name)
{
    RoomData room;
    room.name = name;
    return appendRoom(room);
}

EstimateChange Estimate::appendRoom(const RoomData &room)
{
    m_idle = false;
    EstimateRow row;
    row.kind = RoomKindText;
    row.room = room;
    m_rows.append(row);
    m_idle = true;
    EstimateChange change;
    change.applied = true;
    change.insertedRow = rowCount() - 1;
    change.insertedCount = 1;
    return change;
}

InsertPlace Estimate::placeFor(int requestedIndex, const QString &categoryKind) const
{
    InsertPlace place;
    if (m_rows.isEmpty())
        return place;
    const int n = qBound(0, requestedIndex, rowCount() - 1);
    place.room = roomOf(n);
    if (place.room < 0)
        return place;
    const int end = roomEnd(place.room);
    // The group is found without regard to case but walked exactly, so a
    // group written in another case keeps its items behind the new one.
    for (int r = place.room + 1; r < end && place.groupFirst < 0; ++r) {
        if (m_rows[r].item.categoryKind.compare(categoryKind, Qt::CaseInsensitive) == 0)
            place.groupFirst = r;
    }
    int i = place.groupFirst >= 0 ? place.groupFirst : place.room + 1;
    if (place.groupFirst >= 0) {
        while (i < end && m_rows[i].item.categoryKind == categoryKind)
            ++i;
    } else {
        i = end;
    }
    place.index = i;
    return place;
}

EstimateChange Estimate::insertItem(int requestedIndex, const ConstructItem &item, const RateSettings &rates,
                                    DocumentState &document)
{
    document.modified = true;
    const bool wasIdle = m_idle;
    m_idle = false;
    const InsertPlace place = placeFor(requestedIndex, item.categoryKind);
    BrandData inserted = item.brand;
    Pricing::applyRatesOnInsert(inserted, rates, document.pendingOperation);
    // An item whose amounts would take the project's sums beyond float range stays out.
    if (place.index < 0 || !boundAdmits(inserted)) {
        m_idle = wasIdle;
        return {};
    }
    insertRow(place, item, rates, document);
    m_idle = true;

    EstimateChange change;
    change.applied = true;
    change.insertedRow = place.index;
    change.groupFirstRow = place.groupFirst;
    change.insertedNumber = place.groupFirst < 0 ? 1 : place.index - place.groupFirst + 1;
    change.insertedCount = 1;
    change.resourcesChanged = true;
    change.itemRows = {place.index};
    change.itemColumns = columnRange(CellText::CategoryColumn, CellText::TotalColumn);
    change.roomRows = {place.room};
    change.totalsChanged = true;
    return change;
}

void Estimate::insertRow(const InsertPlace &place, const ConstructItem &item, const RateSettings &rates,
                         const DocumentState &document)
{
    m_rows.insert(place.index, pricedRow(item, rates, document));
    addToSums(place.index, place.room);
    refreshTotals();
}

EstimateRow Estimate::pricedRow(const ConstructItem &item, const RateSettings &rates, const DocumentState &document)
{
    EstimateRow row;
    row.kind = ConstructKindText;
    row.item = item;
    Pricing::applyRatesOnInsert(row.item.brand, rates, document.pendingOperation);
    row.costs = Pricing::priceRow(row.item.brand);
    return row;
}

bool Estimate::boundAdmits(const BrandData &brand)
{
    if (!m_insertBound) {
        ProjectBound bound;
        for (const EstimateRow &row : m_rows) {
            if (row.isConstruct() && !bound.add(row.item.brand))
                return false;
        }
        m_insertBound = bound;
    }
    return m_insertBound->add(brand);
}

// As inserting each item in turn, sums added in file order; where each item
// goes is worked out on item numbers, and each row is moved into place once.
void Estimate::appendRoomWithItems(const RoomData &room, const QList<ConstructItem> &items,
                                   const RateSettings &rates, DocumentState &document)
{
    m_insertBound.reset();
    appendRoom(room);
    const int roomIndex = rowCount() - 1;
    CategoryRuns runs;
    runs.startRoom(roomIndex);
    QList<EstimateRow> priced;
    priced.reserve(items.size());
    QList<qsizetype> order; // item numbers in row order
    order.reserve(items.size());
    for (const ConstructItem &item : items) {
        document.modified = true;
        m_idle = false;
        const InsertPlace place = runs.placeFor(item.categoryKind);
        order.insert(place.index - roomIndex - 1, priced.size());
        priced.append(pricedRow(item, rates, document));
        addToSums(priced.back().costs, place.room);
        refreshTotals();
        runs.inserted(place, item.categoryKind);
        m_idle = true;
    }
    for (qsizetype i : order)
        m_rows.append(std::move(priced[i]));
}

CellEdit Estimate::editCell(int index, int column, const QString &text)
{
    m_insertBound.reset();
    using namespace CellText;
    CellEdit edit;
    if (!m_idle || !isValid(index) || !m_rows[index].isConstruct())
        return edit;
    if (column < NameColumn || column > ManagementPriceColumn)
        return edit;
    edit.handled = true;
    const QString typed = NumberEdit::withoutLeadingBlanks(text).toString();
    ConstructItem &item = m_rows[index].item;
    if (column <= UnitColumn) {
        QString &field = column == NameColumn   ? item.itemName
                         : column == DescColumn ? item.itemDesc
                                                : item.brand.unit;
        if (!typed.isEmpty()) {
            field = typed;
            edit.change.applied = true;
            edit.change.itemRows = {index};
            edit.change.itemColumns = {column};
        }
        edit.cellText = field;
        return edit;
    }
    BrandData edited = item.brand;
    if (!typed.isEmpty() && NumberEdit::apply(edited, column, typed) &&
        !ProjectBound::fitsWith(m_rows, index, edited)) {
        edit.refusal = FiniteNumbers::totalRefusal(numberColumnName(column), typed);
    } else if (!typed.isEmpty()) {
        const int room = roomOf(index);
        subtractFromSums(index, room);
        item.brand = std::move(edited);
        m_rows[index].costs = Pricing::priceRow(item.brand);
        addToSums(index, room);
        refreshTotals();
        edit.change.applied = true;
        edit.change.itemRows = {index};
        edit.change.itemColumns = QList<int>{column} + subtotalColumns();
        edit.change.roomRows = {room};
        edit.change.totalsChanged = true;
        edit.change.resourcesChanged = true;
    }
    edit.cellText = itemCell(m_rows[index], column, m_precision);
    return edit;
}

EstimateChange Estimate::repriceItem(int index, const ConstructItem &edited)
{
    m_insertBound.reset();
    if (!isValid(index) || !m_rows[index].isConstruct() ||
        !ProjectBound::fitsWith(m_rows, index, edited.brand))
        return {};
    m_idle = false;
    const int room = roomOf(index);
    subtractFromSums(index, room);
    m_rows[index].item = edited;
    m_rows[index].costs = Pricing::priceRow(edited.brand);
    addToSums(index, room);
    refreshTotals();
    m_idle = true;
    EstimateChange change;
    change.applied = true;
    change.itemRows = {index};
    change.itemColumns = columnRange(CellText::NameColumn, CellText::UnitColumn) +
                         columnRange(CellText::MaterialPriceColumn, CellText::TotalColumn);
    change.roomRows = {room};
    change.totalsChanged = true;
    change.resourcesChanged = true;
    return change;
}

EstimateChange Estimate::removeRow(int index)
{
    m_insertBound.reset();
    if (!isValid(index))
        return {};
    if (m_rows[index].isRoom())
        return removeRoomRow(index);
    if (m_rows[index].isConstruct())
        return removeItemRow(index);
    return {};
}

EstimateChange Estimate::removeItemRow(int index)
{
    m_idle = false;
    const int room = roomOf(index);
    const int number = itemNumber(index);
    const QString kind = m_rows[index].item.categoryKind;
    subtractFromSums(index, room);
    if (room >= 0 && m_rows[room].costs.total <= 0.0f)
        m_rows[room].costs.total = 0.0f;
    zeroTotalsIfNotPositive();
    m_rows.removeAt(index);
    refreshTotals();

    EstimateChange change;
    change.applied = true;
    change.removedFirst = index;
    change.removedCount = 1;
    noteRenumbering(index, kind, number == 1, change);
    if (room >= 0)
        change.roomRows = {room};
    change.totalsChanged = true;
    change.resourcesChanged = true;
    m_idle = true;
    return change;
}

EstimateChange Estimate::removeRoomRow(int index)
{
    m_idle = false;
    const int end = roomEnd(index);
    m_rows.remove(index + 1, end - index - 1);
    const RowCosts &room = m_rows[index].costs;
    m_totals.projectTotal -= room.total;
    m_totals.projectLabor -= room.laborSubtotal;
    m_totals.projectMachine -= room.machineSubtotal;
    m_totals.projectManagement -= room.managementSubtotal;
    zeroTotalsIfNotPositive();
    m_rows.removeAt(index);
    refreshTotals();
    m_idle = true;

    EstimateChange change;
    change.applied = true;
    change.removedFirst = index;
    change.removedCount = end - index;
    change.totalsChanged = true;
    change.resourcesChanged = true;
    return change;
}

void Estimate::noteRenumbering(int index, const QString &kind, bool headRemoved, EstimateChange &change) const
{
    for (int r = index; r < rowCount() && m_rows[r].isConstruct() && m_rows[r].item.categoryKind == kind; ++r)
        change.renumberedRows << r;
    change.groupHeadRemoved = headRemoved && !change.renumberedRows.isEmpty();
}

EstimateChange Estimate::restore(const RowRestore &restore)
{
    m_insertBound.reset();
    m_idle = false;
    EstimateChange change;
    change.applied = true;
    if (restore.moveCount > 0 && moveRows(restore.moveFrom, restore.moveCount, restore.moveTo)) {
        change.movedFrom = restore.moveFrom;
        change.movedCount = restore.moveCount;
        change.movedTo = restore.moveTo;
    }
    takeRows(restore.first, restore.takeCount, change);
    if (!restore.putBack.isEmpty() && restore.first >= 0 && restore.first <= rowCount()) {
        m_rows.insert(restore.first, restore.putBack.size(), EstimateRow());
        std::copy(restore.putBack.cbegin(), restore.putBack.cend(), m_rows.begin() + restore.first);
        change.insertedRow = restore.first;
        change.insertedCount = int(restore.putBack.size());
    }
    for (const auto &[index, row] : restore.replaced) {
        if (!isValid(index))
            continue;
        m_rows[index] = row;
        (row.isRoom() ? change.renamedRooms : change.itemRows) << index;
        if (row.isRoom())
            change.roomRows << index;
    }
    change.itemColumns = columnRange(CellText::CategoryColumn, CellText::TotalColumn);
    m_totals = restore.totals;
    change.totalsChanged = true;
    change.resourcesChanged = true;
    m_idle = true;
    return change;
}

void Estimate::takeRows(int first, int count, EstimateChange &change)
{
    if (count <= 0 || first < 0 || first + count > rowCount())
        return;
    const bool single = count == 1 && m_rows.at(first).isConstruct();
    const QString kind = m_rows.at(first).item.categoryKind;
    const bool head = single && itemNumber(first) == 1;
    m_rows.remove(first, count);
    change.removedFirst = first;
    change.removedCount = count;
    if (single)
        noteRenumbering(first, kind, head, change);
}

bool Estimate::renameRoom(int index, const QString &name)
{
    if (!isValid(index) || !m_rows[index].isRoom())
        return false;
    m_rows[index].room.name = name;
    return true;
}

bool Estimate::moveRows(int first, int count, int destination)
{
    if (count <= 0 || first < 0 || first + count > rowCount() || destination < 0 ||
        destination > rowCount() - count)
        return false;
    const QList<EstimateRow> moved = m_rows.mid(first, count);
    m_rows.remove(first, count);
    for (int k = 0; k < count; ++k)
        m_rows.insert(destination + k, moved.at(k));
    return true;
}

void Estimate::zeroTotalsIfNotPositive()
{
    if (m_totals.projectTotal <= 0.0f)
        m_totals = ProjectTotals{};
}

EstimateChange Estimate::applyRateToAll(RateKind kind, const RateSettings &rates)
{
    m_insertBound.reset();
    const bool enabled = kind == RateKind::Profit ? rates.profitEnabled
                         : kind == RateKind::Loss ? rates.lossEnabled
                                                  : rates.taxEnabled;
    if (!enabled || !rateFits(kind, rates))
        return {};
    m_idle = false;
    EstimateChange change;
    change.applied = true;
    change.billNoticeCode = kind == RateKind::Profit ? 0 : 1;
    for (int k = 0; k < rowCount(); ++k) {
        if (m_rows[k].isRoom())
            repriceRoomWithRate(k, kind, rates, change);
    }
    change.itemColumns = kind == RateKind::Profit
                             ? columnRange(CellText::MaterialPriceColumn, CellText::LaborPriceColumn)
                         : kind == RateKind::Loss ? QList<int>{CellText::LossColumn}
                                                  : QList<int>{CellText::TaxColumn};
    change.itemColumns += subtotalColumns();
    change.totalsChanged = true;
    refreshTotals();
    m_idle = true;
    return change;
}

QStringList Estimate::roomNames() const
{
    QStringList names;
    for (const EstimateRow &row : m_rows) {
        if (row.isRoom())
            names.append(row.room.name);
    }
    return names;
}

bool Estimate::rateFits(RateKind kind, const RateSettings &rates) const
{
    ProjectBound bound;
    for (const EstimateRow &row : m_rows) {
        if (!row.isConstruct())
            continue;
        BrandData brand = row.item.brand;
        Pricing::setRate(brand, kind, rates);
        if (!bound.add(brand))
            return false;
    }
    return true;
}

void Estimate::repriceRoomWithRate(int room, RateKind kind, const RateSettings &rates, EstimateChange &change)
{
    RowCosts &sums = m_rows[room].costs;
    // The room leaves the project sums whole and comes back once its items are repriced.
    m_totals.projectTotal -= sums.total;
    m_totals.projectMachine -= sums.machineSubtotal;
    m_totals.projectLabor -= sums.laborSubtotal;
    m_totals.projectManagement -= sums.managementSubtotal;
    sums.total = sums.machineSubtotal = sums.laborSubtotal = sums.managementSubtotal = 0.0f;
    for (int r = room + 1; r < rowCount() && m_rows[r].isConstruct(); ++r) {
        EstimateRow &row = m_rows[r];
        Pricing::setRate(row.item.brand, kind, rates);
        row.costs = Pricing::priceRow(row.item.brand);
        sums.total += row.costs.total;
        sums.laborSubtotal += row.costs.laborSubtotal;
        sums.machineSubtotal += row.costs.machineSubtotal;
        sums.managementSubtotal += row.costs.managementSubtotal;
        change.itemRows << r;
    }
    m_totals.projectTotal += sums.total;
    m_totals.projectMachine += sums.machineSubtotal;
    m_totals.projectLabor += sums.laborSubtotal;
    m_totals.projectManagement += sums.managementSubtotal;
    change.roomRows << room;
}

EstimateChange Estimate::setPrecision(Precision precision)
{
    if (precision < 0 || precision > 2)
        return {};
    m_precision = precision;
    m_idle = false;
    refreshTotals();
    EstimateChange change;
    change.applied = true;
    for (int r = 0; r < rowCount(); ++r)
        (m_rows[r].isRoom() ? change.roomRows : change.itemRows) << r;
    change.itemColumns = columnRange(CellText::QuantityColumn, CellText::TotalColumn);
    change.roomTotalForm = CellText::RoomTotalForm::WithoutBlank;
    change.totalsChanged = true;
    m_idle = true;
    return change;
}

void Estimate::refreshTotals()
{
    // A total that cancelled out to a tiny negative value must not show as "-0.00".
    if (NumberText::fixed(double(m_totals.projectTotal), 2).contains(u'-'))
        m_totals.projectTotal = 0.0f;
}

QString Estimate::projectTotalText() const
{
    return CellText::projectTotal(m_totals.projectTotal, m_precision);
}

QString Estimate::summaryLine() const
{
    return CellText::summaryLine(m_totals, m_precision);
}

void Estimate::clear()
{
    m_insertBound.reset();
    m_rows.clear();
    m_totals = ProjectTotals{};
}

int Estimate::roomOf(int index) const
{
    if (!isValid(index))
        return -1;
    int r = index;
    while (r >= 0 && m_rows[r].isConstruct())
        --r;
    return r >= 0 && m_rows[r].isRoom() ? r : -1;
}

int Estimate::roomEnd(int roomIndex) const
{
    int r = roomIndex + 1;
    while (r < rowCount() && m_rows[r].isConstruct())
        ++r;
    return r;
}

int Estimate::roomOrdinal(int index) const
{
    int count = 0;
    for (int r = 0; r < index && r < rowCount(); ++r)
        count += m_rows[r].isRoom() ? 1 : 0;
    return count;
}

int Estimate::groupFirstRow(int index) const
{
    if (!isValid(index) || !m_rows[index].isConstruct())
        return -1;
    const QString &kind = m_rows[index].item.categoryKind;
    int r = index;
    while (r > 0 && m_rows[r - 1].isConstruct() && m_rows[r - 1].item.categoryKind == kind)
        --r;
    return r;
}

int Estimate::itemNumber(int index) const
{
    const int first = groupFirstRow(index);
    return first < 0 ? 0 : index - first + 1;
}

void Estimate::subtractFromSums(int index, int room)
{
    const RowCosts &c = m_rows[index].costs;
    m_totals.projectTotal -= c.total;
    m_totals.projectMachine -= c.machineSubtotal;
    m_totals.projectLabor -= c.laborSubtotal;
    m_totals.projectManagement -= c.managementSubtotal;
    if (room < 0)
        return;
    RowCosts &r = m_rows[room].costs;
    r.total -= c.total;
    r.laborSubtotal -= c.laborSubtotal;
    r.machineSubtotal -= c.machineSubtotal;
    r.managementSubtotal -= c.managementSubtotal;
}

void Estimate::addToSums(int index, int room)
{
    addToSums(m_rows[index].costs, room);
}

void Estimate::addToSums(const RowCosts &c, int room)
{
    if (room >= 0) {
        RowCosts &r = m_rows[room].costs;
        r.total += c.total;
        r.laborSubtotal += c.laborSubtotal;
        r.machineSubtotal += c.machineSubtotal;
        r.managementSubtotal += c.managementSubtotal;
    }
    m_totals.projectTotal += c.total;
    m_totals.projectMachine += c.machineSubtotal;
    m_totals.projectLabor += c.laborSubtotal;
    m_totals.projectManagement += c.managementSubtotal;
}
