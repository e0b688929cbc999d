#pragma once

#include "estimate/estimaterecords.h"
#include "resourcelistkind.h"

#include <QString>
#include <array>

class Grid;

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

using BillWidths = std::array<int, BillColumns>;

void setUpResourceGrid(Grid &grid, ResourceListKind kind, Precision precision);
void setUpBillGrid(Grid &grid, Precision precision);

// Puts the grid back to its header plus the total and signature rows.
void resetResourceFooters(Grid &grid, ResourceListKind kind, Precision precision);
void resetBillFooters(Grid &grid, Precision precision);

// The widths of the bill grid for the loss and tax column switches.
BillWidths billWidths(bool showLoss, bool showTax);
void applyBillWidths(Grid &grid, bool showLoss, bool showTax);

// Title and header cells from the project head; captions equal to their own
// field name count as empty, and an unnamed project is "新工程".
void fillBillHeader(Grid &grid, const ProjectInfo &info);
void fillResourceHeader(Grid &grid, ResourceListKind kind, const ProjectInfo &info);
QString projectTitle(const ProjectInfo &info);

} // namespace BillGridSetup
