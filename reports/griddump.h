#pragma once

#include <QString>

class Grid;

// A plain-text picture of a grid for the command line and for tests: one line per
// row, the texts of columns 1 to the last joined by a tab, a merged range's text
// only in its top-left cell and a line feed inside a text written as "\n".
QString dumpGrid(const Grid &grid);
