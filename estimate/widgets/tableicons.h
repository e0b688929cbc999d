#pragma once

class Grid;

// Pictures of the table's image list drawn in place of icon files that are missing,
// so that the add-room row and the operation column always show something to click.
namespace TableIcons {

void addMissing(Grid &grid);

} // namespace TableIcons
