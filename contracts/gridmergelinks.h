#pragma once

#include "gridrange.h"
#include "gridrowstore.h"

#include <QList>

// Merged ranges kept inside the cells: the anchor cell holds the size of its range,
// every other covered cell the distance back to the anchor. A lookup is two cell
// reads, and inserting rows only touches the ranges that span the insertion point.
class GridMergeLinks
{
public:
    explicit GridMergeLinks(GridRowStore &rows) : m_rows(rows) {}

    // The merged range holding the cell, or the cell alone. The cell must exist.
    GridRange rangeAt(int row, int column) const;
    // Every merged range with at least one cell inside `area`, which must lie inside the grid.
    QList<GridRange> intersecting(const GridRange &area) const;
    // Merged ranges that run across the border above row `before` (top < before <= bottom).
    QList<GridRange> crossing(int before) const;

    // Makes `range` one merged range; a single cell is left unmerged. Overlaps must be unlinked first.
    void link(const GridRange &range);
    void unlink(const GridRange &range);

    // Where a range ends up when rows or columns are inserted or removed: ranges that
    // contain the insertion point grow, removals shrink them, an emptied range is invalid.
    static GridRange afterRowsInserted(GridRange range, int before, int count);
    static GridRange afterRowsRemoved(GridRange range, int first, int count);
    static GridRange afterColumnsInserted(GridRange range, int before, int count);
    static GridRange afterColumnsRemoved(GridRange range, int first, int count);

private:
    GridRowStore &m_rows;
};
