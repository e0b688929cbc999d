#pragma once

#include "estimate/estimaterecords.h"

class Grid;

// The small list of one item's materials shown while the mouse rests over its name.
namespace HoverList {

inline constexpr int MaxLines = 10;
inline constexpr int WindowWidth = 400;

void setUp(Grid &grid);
// Writes at most MaxLines material lines and empties the rest; returns how many were written.
int fill(Grid &grid, const BrandData &brand);
// Height of the window for the lines written.
int windowHeight(int linesWritten);

} // namespace HoverList
