#include "itemeditcheck.h"

#include "contracts/grid.h"

namespace ItemEditCheck {

QString cellEdited(const ItemEditGrids &grids, Grid &grid, int row, int column, const QString &before)
{
    const QString why = grids.read().refusal();
    if (why.isEmpty())
        return {};
    const QString typed = grid.text(row, column);
    grid.setText(row, column, before);
    if (grids.read().refusal().isEmpty())
        return why;
    grid.setText(row, column, typed);
    return {};
}

} // namespace ItemEditCheck
