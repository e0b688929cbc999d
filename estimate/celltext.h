#pragma once

#include "estimaterecords.h"

#include <QString>

// The texts of the budget table and of the bill of quantities. Stored values
// are never rounded: the precision only picks the format.
namespace CellText {

// Columns of an item row.
inline constexpr int CategoryColumn = 1;
inline constexpr int NumberColumn = 2;
inline constexpr int NameColumn = 3;
inline constexpr int DescColumn = 4;
inline constexpr int UnitColumn = 5;
inline constexpr int QuantityColumn = 6;
inline constexpr int LossColumn = 7;
inline constexpr int TaxColumn = 8;
inline constexpr int MaterialPriceColumn = 9;
inline constexpr int MachinePriceColumn = 10;
inline constexpr int LaborPriceColumn = 11;
inline constexpr int ManagementPriceColumn = 12;
inline constexpr int MaterialSubtotalColumn = 13;
inline constexpr int MachineSubtotalColumn = 14;
inline constexpr int LaborSubtotalColumn = 15;
inline constexpr int ManagementSubtotalColumn = 16;
inline constexpr int TotalColumn = 17;
// Row 0 of the table shows the project total in this column; a room row its total in column 4.
inline constexpr int ProjectTotalColumn = 13;
inline constexpr int RoomTotalColumn = 4;

// The room total is written with a trailing blank, except by a precision change.
enum class RoomTotalForm { WithBlank, WithoutBlank };

// Precision outside 0-2 is read as the nearest allowed one.
Precision clampPrecision(int precision);

// The value a number column 6-17 of an item row shows (unit prices include their profit).
float cellValue(const BrandData &brand, const RowCosts &costs, int column);

// The text of a number column 6-17 for a value as cellValue gives it; empty for other columns.
QString formatCell(int column, float value, Precision precision);

// The name of a number column 6-12 as a message names it ("工程量", "材料单价" ...).
QString numberColumnName(int column);

// The text of columns 1 and 3-17 of an item row (column 2 depends on the row's place: itemNumberText).
QString itemCell(const EstimateRow &row, int column, Precision precision);
QString itemNumberText(int number);

QString roomTotal(float total, Precision precision, RoomTotalForm form = RoomTotalForm::WithBlank);
// A room without items yet, whatever the precision.
QString newRoomTableTotal();
QString newRoomBillTotal();

QString projectTotal(float total, Precision precision);
// The summary row of the bill of quantities.
QString summaryLine(const ProjectTotals &totals, Precision precision);

} // namespace CellText
