#pragma once

#include "resourcelistkind.h"

class Grid;
class WorkbookWriter;

// The material or machinery list as a workbook, cell by cell from its grid: the
// title merged over the first two rows, fixed column widths, thin borders, the
// header captions merged and left-aligned, the section row filled, every other
// text centred. Grid cell (i, j) is sheet cell (i, j - 1); the full-width "￥"
// leaves every text, the "¥" of the amounts stays. In the data rows the
// quantity, price and amount go out as numbers formatted to show the list's text.
namespace ResourceListWorkbook {

void write(const Grid &grid, ResourceListKind kind, WorkbookWriter &writer);

// Whether grid cell (row, column) of a list grid with `rows` rows is a number cell.
bool isNumberCell(int rows, int row, int column);

} // namespace ResourceListWorkbook
