#include "projectbound.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace {

// An eighth of the float range leaves room for the rounding of every float
// step and for the material share, a difference of sums.
constexpr double Limit = double(FLT_MAX) / 8.0;

double factorOf(float rate)
{
    return 1.0 + std::fabs(double(rate));
}

double priceWithProfit(float price, float profit)
{
    return std::fabs(double(price)) * factorOf(profit);
}

} // namespace

ProjectBound::Part ProjectBound::partOf(const BrandData &b)
{
    Part part;
    // A quantity of 0 or less is priced as 1 once the item is inserted.
    const double num = std::max(std::fabs(double(b.num)), 1.0);
    const double material = priceWithProfit(b.material, b.materialprofit);
    const double machine = priceWithProfit(b.machine, b.machineprofit);
    const double labour = priceWithProfit(b.laborcost, b.laborprofit);
    const double management = priceWithProfit(b.management, b.managementprofit);
    part.largest = std::max({num, material, machine, labour, management});
    part.budget = (material * factorOf(b.loss) + machine + labour + management) * num * factorOf(b.tax);
    // A list line takes its rates from the first item it appears in: the
    // largest multiplier of any item bounds them all.
    part.factor =
        factorOf(b.loss) * factorOf(b.tax) * std::max(factorOf(b.materialprofit), factorOf(b.machineprofit));
    for (const QList<MtLine> *lines : {&b.materials, &b.machines}) {
        for (const MtLine &line : *lines) {
            const double quantity = std::fabs(double(line.num)) * num;
            const double price = std::fabs(double(line.price));
            part.quantities += quantity;
            part.amounts += quantity * price;
            part.prices = std::max(part.prices, price);
            part.hasLines = true;
        }
    }
    return part;
}

bool ProjectBound::fitsWith(const Part &part) const
{
    const double factor = part.hasLines ? std::max(m_factor, part.factor) : m_factor;
    const double values[] = {part.largest, m_budget + part.budget, (m_quantities + part.quantities) * factor,
                             (m_amounts + part.amounts) * factor, std::max(m_prices, part.prices) * factor};
    return std::all_of(std::begin(values), std::end(values), [](double v) { return v <= Limit; });
}

void ProjectBound::addPart(const Part &part)
{
    m_budget += part.budget;
    m_quantities += part.quantities;
    m_amounts += part.amounts;
    m_prices = std::max(m_prices, part.prices);
    if (part.hasLines)
        m_factor = std::max(m_factor, part.factor);
}

bool ProjectBound::add(const BrandData &brand)
{
    const Part part = partOf(brand);
    if (!fitsWith(part))
        return false;
    addPart(part);
    return true;
}

namespace {

int zero(float &value)
{
    if (value == 0.0f)
        return 0;
    value = 0.0f;
    return 1;
}

} // namespace

int ProjectBound::admit(BrandData &b)
{
    if (add(b))
        return 0;
    int cleared = zero(b.num);
    if (add(b))
        return cleared;
    for (float *v : {&b.loss, &b.tax, &b.material, &b.materialprofit, &b.machine, &b.machineprofit,
                     &b.laborcost, &b.laborprofit, &b.management, &b.managementprofit})
        cleared += zero(*v);
    if (add(b))
        return cleared;
    for (QList<MtLine> *lines : {&b.materials, &b.machines}) {
        for (MtLine &line : *lines)
            cleared += zero(line.price) + zero(line.num);
    }
    add(b);
    return cleared;
}

bool ProjectBound::fits(const QList<EstimateRow> &rows)
{
    return fitsWith(rows, -1, BrandData{});
}

bool ProjectBound::fitsWith(const QList<EstimateRow> &rows, int index, const BrandData &brand)
{
    ProjectBound bound;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const EstimateRow &row = rows.at(i);
        if (!row.isConstruct())
            continue;
        if (!bound.add(i == index ? brand : row.item.brand))
            return false;
    }
    return true;
}

bool ProjectBound::fitsWithAdded(const QList<EstimateRow> &rows, const BrandData &brand)
{
    ProjectBound bound;
    for (const EstimateRow &row : rows) {
        if (row.isConstruct() && !bound.add(row.item.brand))
            return false;
    }
    return bound.add(brand);
}
