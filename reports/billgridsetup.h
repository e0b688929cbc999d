#pragma once

#include "estimate/estimaterecords.h"
#include "resourcelistkind.h"

#include <QString>
#include <array>

class Grid;
class GridTextMeasure;

// The empty layout of the three list grids: header rows, captions, widths,
// merges, colours and fonts, and the footer rows below them.
namespace BillGridSetup {

inline constexpr quint32 White = 0xFFFFFF;
// Red 218, green 214, blue 213 with red in the low byte.
inline constexpr quint32 CaptionGrey = 0xD5D6DA;
inline constexpr int HeaderRows = 6;
inline constexpr int ResourceColumns = 9;
inline constexpr int BillColumns = 18;
inline constexpr int FooterHeight = 30;
inline constexpr int NameColumn = 3;
inline constexpr int DescriptionColumn = 4;
// The one-line texts of an estimate row, which are shrunk or cut rather than wrapped: the item
// number, the unit, quantity, loss, tax, the four unit prices, the four subtotals and the total.
inline constexpr std::array<int, 14> OneLineColumns{2, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17};
// The description and the item names give room to the numbers down to these; beyond them the
// grid grows wider.
inline constexpr int NarrowestDescription = 60;
inline constexpr int NarrowestName = 60;

using BillWidths = std::array<int, BillColumns>;

void setUpResourceGrid(Grid &grid, ResourceListKind kind, Precision precision);
void setUpBillGrid(Grid &grid, Precision precision);

// Puts the grid back to its header plus the total and signature rows.
void resetResourceFooters(Grid &grid, ResourceListKind kind, Precision precision);
void resetBillFooters(Grid &grid, Precision precision);

// The widths of the bill grid for the loss and tax column switches.
BillWidths billWidths(bool showLoss, bool showTax);
// `widths` with every shown one-line column at least as wide as `needed` asks. The room comes from
// the columns that wrap: first the description down to what its caption needs
// (needed[DescriptionColumn]), then the item names, then the description again.
BillWidths widenedToNeeds(BillWidths widths, const BillWidths &needed);
// What each one-line column needs to show the widest text of its estimate rows whole at a legible
// size, and the description what its caption needs, by `measure`; 0 where nothing is needed or
// the measure cannot tell.
BillWidths neededWidths(const Grid &grid, const GridTextMeasure &measure);
// The written widths for the switches, widened for the grid's texts when a measure is given.
void applyBillWidths(Grid &grid, bool showLoss, bool showTax, const GridTextMeasure *measure = nullptr);
// The grid's present widths (a column the user widened keeps its width) widened for its texts.
void fitBillWidths(Grid &grid, const GridTextMeasure &measure);

// Title and header cells from the project head; captions equal to their own
// field name count as empty, and an unnamed project is "新工程".
void fillBillHeader(Grid &grid, const ProjectInfo &info);
void fillResourceHeader(Grid &grid, ResourceListKind kind, const ProjectInfo &info);
QString projectTitle(const ProjectInfo &info);

} // namespace BillGridSetup
