#pragma once

#include <QString>

// The columns of the quota spreadsheet: one header row, then one row per
// material, machine or quantity-rule line of an item. The item columns are
// filled on an item's first row and may be left empty on its further rows.
class QuotaSheetLayout
{
public:
    enum Column {
        CategoryName,
        CategoryKind,
        ItemName,
        Unit,
        Num,
        Loss,
        LaborCost,
        LaborProfit,
        Management,
        ManagementProfit,
        MaterialProfit,
        MachineProfit,
        ItemDesc,
        LineType,
        LineName,
        LineId,
        LineCode,
        LineClassify,
        LineUnit,
        LinePrice,
        LineNum,
        LineDesc,
        RuleSerial,
        RuleDefault,
        RuleRoomName,
        RuleArea,
        RuleLaterArea,
        RuleWindowArea,
        RuleDoorArea,
        RulePerimeter,
        RuleWindowPerimeter,
        RuleDoorPerimeter,
        RuleLength,
        RuleWidth,
        RuleDoorWidth,
        RuleHeight,
        RuleDoorCount,
        RuleConstant,
        // The item's own prices; a sheet without them gets the sums of its lines.
        MaterialPrice,
        MachinePrice,
        ColumnCount
    };

    static QString header(Column column);
    // Required columns must be in the header row; the rule and price columns may be left out.
    static bool isRequired(Column column) { return column < RuleSerial; }
    static bool isNumber(Column column);
    static bool isRate(Column column);
    static bool isItemColumn(Column column) { return column <= ItemDesc || isStatedPrice(column); }
    static bool isLineColumn(Column column) { return column >= LineType && column <= LineDesc; }
    static bool isRuleColumn(Column column) { return column >= RuleSerial && column <= RuleConstant; }
    static bool isStatedPrice(Column column) { return column == MaterialPrice || column == MachinePrice; }
    // Decimals the template file keeps for the column's value.
    static int templateDecimals(Column column);

    // Header text as typed by a user, made comparable: no blanks, ASCII brackets.
    static QString normalizedHeader(const QString &text);
    // "A", "B", ... "Z", "AA", ... for a column counted from 0.
    static QString columnLetters(int column);

    static QString materialType() { return QStringLiteral("材料"); }
    static QString machineType() { return QStringLiteral("机械"); }
};
