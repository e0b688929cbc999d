#include "pricing.h"

#include "numbertext.h"

#include <cfloat>
#include <cmath>
#include <limits>

namespace Pricing {

RowCosts priceRow(const BrandData &b)
{
    RowCosts c;
    c.materialSubtotal =
        ((((b.materialprofit + 1.0f) * b.material) * b.num) * (b.loss + 1.0f)) * (b.tax + 1.0f);
    c.laborSubtotal = (((b.laborprofit + 1.0f) * b.laborcost) * b.num) * (b.tax + 1.0f);
    c.machineSubtotal = (((b.machineprofit + 1.0f) * b.machine) * b.num) * (b.tax + 1.0f);
    c.managementSubtotal = (b.management * b.num) * (b.tax + 1.0f);
    c.total = ((c.materialSubtotal + c.laborSubtotal) + c.machineSubtotal) + c.managementSubtotal;
    return c;
}

float narrow(double value)
{
    if (std::isnan(value))
        return std::numeric_limits<float>::quiet_NaN();
    if (value > double(FLT_MAX))
        return std::numeric_limits<float>::infinity();
    if (value < -double(FLT_MAX))
        return -std::numeric_limits<float>::infinity();
    return float(value);
}

float rateFraction(QStringView percentText)
{
    return narrow(NumberText::leadingDouble(percentText) / 100.0);
}

void setRate(BrandData &brand, RateKind kind, const RateSettings &rates)
{
    switch (kind) {
    case RateKind::Profit: {
        const float profit = rateFraction(rates.mainProfit);
        brand.materialprofit = profit;
        brand.machineprofit = profit;
        brand.laborprofit = profit;
        break;
    }
    case RateKind::Loss:
        brand.loss = rateFraction(rates.loss);
        break;
    case RateKind::Tax:
        brand.tax = rateFraction(rates.tax);
        break;
    }
}

void applyRatesOnInsert(BrandData &brand, const RateSettings &rates, PendingOperation pending)
{
    if (brand.num <= 0.0f)
        brand.num = 1.0f;
    if (pending != PendingOperation::None)
        return;
    if (rates.profitEnabled)
        setRate(brand, RateKind::Profit, rates);
    if (rates.lossEnabled)
        setRate(brand, RateKind::Loss, rates);
    if (rates.taxEnabled)
        setRate(brand, RateKind::Tax, rates);
}

} // namespace Pricing
