#include "numberedit.h"

#include "celltext.h"
#include "numbertext.h"
#include "pricing.h"

namespace NumberEdit {

float enteredValue(QStringView text)
{
    const float value = Pricing::narrow(NumberText::leadingDouble(text));
    if (value > 99999.0f || value < 0.0f)
        return 1.0f;
    return value;
}

QStringView withoutLeadingBlanks(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    return text.mid(i);
}

bool apply(BrandData &b, int column, QStringView text)
{
    using namespace CellText;
    text = withoutLeadingBlanks(text);
    if (text.isEmpty() || column < QuantityColumn || column > ManagementPriceColumn)
        return false;
    const float value = enteredValue(text);
    switch (column) {
    case QuantityColumn:
        b.num = value;
        break;
    case LossColumn:
        b.loss = value / 100.0f;
        break;
    case TaxColumn:
        b.tax = value / 100.0f;
        break;
    case MaterialPriceColumn:
        b.material = value;
        b.materialprofit = 0.0f;
        break;
    case MachinePriceColumn:
        b.machine = value;
        b.machineprofit = 0.0f;
        break;
    case LaborPriceColumn:
        b.laborcost = value;
        b.laborprofit = 0.0f;
        break;
    case ManagementPriceColumn:
        b.management = value;
        b.managementprofit = 0.0f;
        break;
    }
    return true;
}

} // namespace NumberEdit
