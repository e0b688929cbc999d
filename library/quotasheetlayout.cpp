#include "quotasheetlayout.h"

#include <array>

QString QuotaSheetLayout::header(Column column)
{
    static constexpr std::array<const char *, ColumnCount> headers{"分类名称",
                                                                   "分类类型",
                                                                   "项目名称",
                                                                   "单位",
                                                                   "工程量",
                                                                   "损耗率(%)",
                                                                   "人工单价",
                                                                   "人工利润率(%)",
                                                                   "管理费",
                                                                   "管理费利润率(%)",
                                                                   "材料利润率(%)",
                                                                   "机械利润率(%)",
                                                                   "取材标准及施工说明",
                                                                   "资源类型(材料/机械)",
                                                                   "资源名称",
                                                                   "资源编号",
                                                                   "资源代码",
                                                                   "资源分类",
                                                                   "资源单位",
                                                                   "资源单价",
                                                                   "资源用量",
                                                                   "资源说明",
                                                                   "规则编号",
                                                                   "默认规则",
                                                                   "规则房间名称",
                                                                   "地面积系数",
                                                                   "侧面积系数",
                                                                   "窗面积系数",
                                                                   "门面积系数",
                                                                   "周长系数",
                                                                   "窗周长系数",
                                                                   "门周长系数",
                                                                   "长度系数",
                                                                   "宽度系数",
                                                                   "门宽系数",
                                                                   "高度系数",
                                                                   "门数量系数",
                                                                   "常数",
                                                                   "材料单价",
                                                                   "机械单价"};
    return QString::fromUtf8(headers.at(column));
}

bool QuotaSheetLayout::isNumber(Column column)
{
    switch (column) {
    case Num:
    case Loss:
    case LaborCost:
    case LaborProfit:
    case Management:
    case ManagementProfit:
    case MaterialProfit:
    case MachineProfit:
    case LinePrice:
    case LineNum:
    case MaterialPrice:
    case MachinePrice:
        return true;
    default:
        return isRuleColumn(column) && column != RuleRoomName;
    }
}

bool QuotaSheetLayout::isRate(Column column)
{
    return column == Loss || column == LaborProfit || column == ManagementProfit ||
           column == MaterialProfit || column == MachineProfit;
}

int QuotaSheetLayout::templateDecimals(Column column)
{
    if (isRate(column) || (isRuleColumn(column) && column > RuleRoomName))
        return 2;
    if (column == RuleSerial || column == RuleDefault)
        return 0;
    return 3;
}

QString QuotaSheetLayout::normalizedHeader(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        if (c.isSpace())
            continue;
        out += c == u'（' ? u'(' : c == u'）' ? u')' : c == u'／' ? u'/' : c;
    }
    return out;
}

QString QuotaSheetLayout::columnLetters(int column)
{
    QString letters;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        letters.prepend(QChar(u'A' + (n - 1) % 26));
    return letters;
}
