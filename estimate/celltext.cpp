#include "celltext.h"

#include "numbertext.h"

#include <QStringList>

namespace CellText {

namespace {

QString number(float value, Precision precision)
{
    return NumberText::fixed(double(value), clampPrecision(precision));
}

QString percentOf(float fraction, Precision precision)
{
    return number(fraction * 100.0f, precision) + u'%';
}

} // namespace

Precision clampPrecision(int precision)
{
    return precision < 0 ? 0 : (precision > 2 ? 2 : precision);
}

float cellValue(const BrandData &b, const RowCosts &c, int column)
{
    switch (column) {
    case QuantityColumn:
        return b.num;
    case LossColumn:
        return b.loss;
    case TaxColumn:
        return b.tax;
    case MaterialPriceColumn:
        return (b.materialprofit + 1.0f) * b.material;
    case MachinePriceColumn:
        return (b.machineprofit + 1.0f) * b.machine;
    case LaborPriceColumn:
        return (b.laborprofit + 1.0f) * b.laborcost;
    case ManagementPriceColumn:
        return (b.managementprofit + 1.0f) * b.management;
    case MaterialSubtotalColumn:
        return c.materialSubtotal;
    case MachineSubtotalColumn:
        return c.machineSubtotal;
    case LaborSubtotalColumn:
        return c.laborSubtotal;
    case ManagementSubtotalColumn:
        return c.managementSubtotal;
    case TotalColumn:
        return c.total;
    default:
        return 0.0f;
    }
}

QString formatCell(int column, float value, Precision precision)
{
    if (column == LossColumn || column == TaxColumn)
        return percentOf(value, precision);
    if (column >= QuantityColumn && column <= ManagementPriceColumn)
        return number(value, precision);
    if (column >= MaterialSubtotalColumn && column <= TotalColumn)
        return u'\u00A5' + number(value, precision);
    return QString();
}

QString itemCell(const EstimateRow &row, int column, Precision precision)
{
    const ConstructItem &item = row.item;
    switch (column) {
    case CategoryColumn:
        return item.categoryKind;
    case NameColumn:
        return item.itemName;
    case DescColumn:
        return item.itemDesc;
    case UnitColumn:
        return item.brand.unit;
    default:
        return formatCell(column, cellValue(item.brand, row.costs, column), precision);
    }
}

QString itemNumberText(int number)
{
    return QString::number(number);
}

QString roomTotal(float total, Precision precision, RoomTotalForm form)
{
    QString text = QStringLiteral(u"结算：\u00A5") + number(total, precision);
    if (form == RoomTotalForm::WithBlank)
        text += u' ';
    return text;
}

QString newRoomTableTotal()
{
    return QStringLiteral(u"结算：\u00A50.00  ");
}

QString newRoomBillTotal()
{
    return QStringLiteral(u"结算：\u00A50.00 ");
}

QString projectTotal(float total, Precision precision)
{
    return QStringLiteral(u"总价：") + number(total, precision) + QStringLiteral(u"元");
}

QString summaryLine(const ProjectTotals &t, Precision precision)
{
    return QStringLiteral(u"工程总价: \u00A5") + number(t.projectTotal, precision) +
           QStringLiteral(u" 元=材料") + number(t.materialShare(), precision) +
           QStringLiteral(u"元 + 机械台班") + number(t.projectMachine, precision) +
           QStringLiteral(u"元 + 人工") + number(t.projectLabor, precision) + QStringLiteral(u"元 + 管理费") +
           number(t.projectManagement, precision) + QStringLiteral(u"元");
}

QString numberColumnName(int column)
{
    static const QStringList names{QStringLiteral("工程量"),       QStringLiteral("损耗"),
                                   QStringLiteral("税金"),         QStringLiteral("材料单价"),
                                   QStringLiteral("机械台班单价"), QStringLiteral("人工单价"),
                                   QStringLiteral("管理费单价")};
    const int k = column - QuantityColumn;
    return k >= 0 && k < names.size() ? names.at(k) : QString();
}

} // namespace CellText
