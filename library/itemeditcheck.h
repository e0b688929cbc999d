#pragma once

#include "itemeditgrids.h"

#include <QString>

class Grid;

// A finished cell edit of an item editor is taken only while the editor's
// content can still be taken (ItemEdit::refusal). Otherwise the cell gets its
// earlier text back and the refusal is returned for the window to show. A
// refusal that the content had already before the edit does not block it.
namespace ItemEditCheck {

QString cellEdited(const ItemEditGrids &grids, Grid &grid, int row, int column, const QString &before);

} // namespace ItemEditCheck
