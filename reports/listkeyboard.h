#pragma once

#include <QStringView>

class Grid;

// Tab and Enter in a list move the active cell to the right, jumping over the
// merged blocks of the header rows by the caption the cell starts with.
namespace ListKeyboard {

int columnStep(QStringView cellText);

// The column the active cell moves to from (row, column); it stays inside the grid.
int nextColumn(const Grid &grid, int row, int column);

} // namespace ListKeyboard
