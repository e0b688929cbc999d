#include "billtexts.h"

#include "estimate/celltext.h"
#include "estimate/numbertext.h"

namespace BillTexts {

QString signatureLine()
{
    return QStringLiteral("客户签字:") + QString(27, u' ') + QStringLiteral("设计师签字:") +
           QString(49, u' ') + QStringLiteral("日期:") + QString(8, u' ') + QStringLiteral("年") +
           QString(5, u' ') + QStringLiteral("月") + QString(4, u' ') + QStringLiteral("日");
}

QString number(float value, Precision precision)
{
    return NumberText::fixed(double(value), CellText::clampPrecision(precision));
}

QString money(float value, Precision precision)
{
    return u'\u00A5' + number(value, precision);
}

QString zero(Precision precision)
{
    return number(0.0f, precision);
}

QString emptyBillTotal(Precision precision)
{
    const QString z = zero(precision);
    return QStringLiteral(u"工程总价: \u00A5") + z + QStringLiteral(" 元=材料") + z +
           QStringLiteral("元 + 机械台班") + z + QStringLiteral("元 + 人工") + z +
           QStringLiteral("元 + 管理费") + z + QStringLiteral("元");
}

QString totalWord(ResourceListKind kind)
{
    return kind == ResourceListKind::Material ? QStringLiteral("材料费用") : QStringLiteral("机械台班费用");
}

QString footerTotal(ResourceListKind kind, float total, Precision precision)
{
    return totalWord(kind) + QStringLiteral(": ") + money(total, precision) + QStringLiteral(" 元 ");
}

QString builtTotal(ResourceListKind kind, float total, Precision precision)
{
    return totalWord(kind) + QStringLiteral(": ") + money(total, precision) + QStringLiteral("元");
}

QString editedTotal(ResourceListKind kind, float total, Precision precision)
{
    return totalWord(kind) + u':' + money(total, precision) + QStringLiteral(" 元 ");
}

QString titleSuffix(int list)
{
    switch (list) {
    case 1:
        return QStringLiteral("-材料清单");
    case 2:
        return QStringLiteral("-机械台班清单");
    default:
        return QStringLiteral("-工程量清单");
    }
}

QString nameCaption(ResourceListKind kind)
{
    return kind == ResourceListKind::Material ? QStringLiteral("材料名称") : QStringLiteral("机械台班名称");
}

QString sectionLabel(ResourceListKind kind)
{
    return kind == ResourceListKind::Material ? QStringLiteral("基础材料") : QStringLiteral("机械台班");
}

} // namespace BillTexts
