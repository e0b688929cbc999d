#pragma once

#include <QString>

#include <functional>

class Grid;
class WorkbookWriter;

// A grid as a worksheet: its texts as shown, merges, alignments, backgrounds,
// fonts, wrap flags, column widths and row heights, thin borders on every cell.
// Grid column 0 (the hidden fixed column) is left out, so grid cell (r, c) is
// sheet cell (r, c - 1). The full-width "￥" leaves every text.
namespace GridWorkbook {

// Which cells go out as numbers when their text is one (see ShownNumber).
using NumberCells = std::function<bool(int row, int column)>;

inline constexpr const char *SheetName = "newSheet";

void write(const Grid &grid, WorkbookWriter &writer, const NumberCells &numberCells = {});

// The grid saving itself as a spreadsheet file; false with a reason on failure.
bool save(const Grid &grid, const QString &path, const NumberCells &numberCells = {},
          QString *error = nullptr);

// What a cell's text becomes in a workbook.
QString exportedText(const QString &text);

// Grid pixels to sheet units: characters of width, points of height.
double columnWidthOf(int pixels);
double rowHeightOf(int pixels);

} // namespace GridWorkbook
