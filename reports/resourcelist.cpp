#include "resourcelist.h"

#include "billgridsetup.h"
#include "billtexts.h"
#include "resourceaggregator.h"

#include "contracts/grid.h"
#include "contracts/gridalignment.h"
#include "contracts/gridtextmeasure.h"
#include "contracts/gridupdateguard.h"
#include "estimate/finitenumbers.h"
#include "estimate/numbertext.h"

namespace {

constexpr int SerialColumn = 1;
constexpr int CodeColumn = 2;
constexpr int NameColumn = 3;
constexpr int UnitColumn = 4;
constexpr int QuantityColumn = 5;
constexpr int PriceColumn = 6;
constexpr int AmountColumn = 7;
constexpr int DescColumn = 8;
constexpr int LastColumn = 8;

float cellNumber(const QString &text)
{
    return Pricing::narrow(NumberText::leadingDouble(text));
}

} // namespace

ResourceList::ResourceList(ResourceListKind kind, Grid &grid, const GridTextMeasure &measure)
    : m_kind(kind), m_grid(grid), m_measure(measure)
{
}

int ResourceList::totalRow() const
{
    return m_grid.rowCount() - 2;
}

void ResourceList::setUp(Precision precision)
{
    BillGridSetup::setUpResourceGrid(m_grid, m_kind, precision);
    m_lines.clear();
    m_shownNumbers.clear();
    m_total = 0.0f;
}

void ResourceList::build(const QList<EstimateRow> &rows, Precision precision)
{
    GridUpdateGuard guard(m_grid);
    if (m_grid.rowCount() < FirstDataRow + 2)
        BillGridSetup::setUpResourceGrid(m_grid, m_kind, precision);
    m_total = 0.0f;
    const QList<ListLine> built = ResourceAggregator::aggregate(rows, m_kind);
    removeDataRows();
    m_lines.clear();
    m_grid.insertRows(FirstDataRow, int(built.size()));
    m_lines.reserve(built.size());
    m_shownNumbers.resize(built.size());
    for (ListLine line : built) {
        line.updateShown(m_kind);
        m_lines.append(line);
        writeRow(int(m_lines.size()) - 1, precision);
        m_total += line.amount;
    }
    m_grid.setText(totalRow(), 1, BillTexts::builtTotal(m_kind, m_total, precision));
}

// Everything between the section row and the total line goes, whatever the user
// typed into it: a data row that happens to name the total word must not survive.
void ResourceList::removeDataRows()
{
    const int count = m_grid.rowCount() - 2 - FirstDataRow;
    if (count > 0)
        m_grid.removeRows(FirstDataRow, count);
}

void ResourceList::writeRow(int index, Precision precision)
{
    const int row = FirstDataRow + index;
    const MtLine &line = m_lines[index].line;
    m_grid.setText(row, SerialColumn, QString::number(index + 1));
    m_grid.setText(row, CodeColumn, line.code);
    m_grid.setText(row, NameColumn, line.name);
    m_grid.setText(row, UnitColumn, line.unit);
    writeNumbers(index, precision);
    m_grid.setText(row, DescColumn, line.desc);
    styleRow(row);
}

void ResourceList::writeNumbers(int index, Precision precision)
{
    const int row = FirstDataRow + index;
    const ListLine &line = m_lines[index];
    auto &[quantity, price] = m_shownNumbers[index];
    quantity = BillTexts::number(line.shownQuantity, precision);
    price = BillTexts::number(line.shownPrice, precision);
    m_grid.setText(row, QuantityColumn, quantity);
    m_grid.setText(row, PriceColumn, price);
    m_grid.setText(row, AmountColumn, BillTexts::money(line.amount, precision));
}

void ResourceList::styleRow(int row)
{
    const GridRange cells{row, 1, row, LastColumn};
    m_grid.setRangeBackground(cells, BillGridSetup::White);
    m_grid.setRangeAlignment(cells, GridAlignment::Centre);
    m_grid.setAlignment(row, AmountColumn, GridAlignment::RightMiddle);
    m_grid.setRangeWrap(cells, true);
    m_grid.fitRowHeight(row, m_measure);
    if (m_grid.rowHeight(row) < MinimumRowHeight)
        m_grid.setRowHeight(row, MinimumRowHeight);
}

bool ResourceList::onCellEdited(int row, int column, Precision precision)
{
    m_refusal.clear();
    if (!isDataRow(row))
        return false;
    const bool numberColumn = column == QuantityColumn || column == PriceColumn;
    if (!m_grid.text(row, column).isEmpty()) {
        if (numberColumn)
            recompute(row, column, precision);
        return numberColumn;
    }
    const MtLine &line = m_lines[row - FirstDataRow].line;
    if (column == CodeColumn || column == UnitColumn) {
        m_grid.setText(row, column, column == CodeColumn ? line.code : line.unit);
        return true;
    }
    if (numberColumn) {
        m_grid.setText(row, column, BillTexts::zero(precision));
        recompute(row, column, precision);
    }
    return numberColumn;
}

// Refused, with the cell's earlier text back, when the typed number or the
// amount or total it gives leaves the float range.
bool ResourceList::recompute(int row, int column, Precision precision)
{
    const QString typed = m_grid.text(row, column);
    const float quantity = cellNumber(m_grid.text(row, QuantityColumn));
    const float price = cellNumber(m_grid.text(row, PriceColumn));
    const float oldAmount = cellNumber(m_grid.text(row, AmountColumn).mid(1));
    const float amount = quantity * price;
    const float rest = m_total - oldAmount;
    const float total = rest + amount;
    auto &[shownQuantity, shownPrice] = m_shownNumbers[row - FirstDataRow];
    QString &shown = column == QuantityColumn ? shownQuantity : shownPrice;
    const QString place = column == QuantityColumn ? QStringLiteral("数量") : QStringLiteral("单价");
    if (!FiniteNumbers::holds(column == QuantityColumn ? quantity : price))
        m_refusal = FiniteNumbers::typedRefusal(place, typed);
    else if (!FiniteNumbers::holds(amount) || !FiniteNumbers::holds(total))
        m_refusal = FiniteNumbers::totalRefusal(place, typed);
    if (!m_refusal.isEmpty()) {
        m_grid.setText(row, column, shown);
        return false;
    }
    shown = typed;
    m_grid.setText(row, AmountColumn, BillTexts::money(amount, precision));
    m_total = total;
    writeEditedTotal(precision);
    return true;
}

void ResourceList::writeEditedTotal(Precision precision)
{
    const int row = totalRow();
    m_grid.setRangeBackground({row, 1, row, LastColumn}, BillGridSetup::White);
    m_grid.setText(row, 1, BillTexts::editedTotal(m_kind, m_total, precision));
}

void ResourceList::applyRate(RateKind kind, float rate, Precision precision)
{
    if (kind == RateKind::Tax || (kind == RateKind::Loss && m_kind == ResourceListKind::Machine))
        return;
    GridUpdateGuard guard(m_grid);
    for (int i = 0; i < m_lines.size(); ++i) {
        ListLine &line = m_lines[i];
        (kind == RateKind::Profit ? line.profitRate : line.lossRate) = rate;
        line.updateShown(m_kind);
        writeNumbers(i, precision);
    }
    m_total = sumOfAmounts();
    writeEditedTotal(precision);
}

void ResourceList::reformat(Precision precision)
{
    GridUpdateGuard guard(m_grid);
    for (int i = 0; i < m_lines.size(); ++i)
        writeNumbers(i, precision);
    // The rows now show the stored lines again, so the total must match them.
    m_total = sumOfAmounts();
    m_grid.setText(totalRow(), 1, BillTexts::builtTotal(m_kind, m_total, precision));
}

float ResourceList::sumOfAmounts() const
{
    float sum = 0.0f;
    for (const ListLine &line : m_lines)
        sum += line.amount;
    return sum;
}
