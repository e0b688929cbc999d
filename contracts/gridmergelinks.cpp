#include "gridmergelinks.h"

#include <algorithm>
#include <utility>

namespace {

using Span = std::pair<int, int>; // first and last index, last < first when empty

Span spanInserted(Span span, int before, int count)
{
    if (before <= span.first)
        return {span.first + count, span.second + count};
    if (before <= span.second)
        return {span.first, span.second + count};
    return span;
}

Span spanRemoved(Span span, int first, int count)
{
    const int last = first + count - 1;
    if (span.second < first)
        return span;
    if (span.first > last)
        return {span.first - count, span.second - count};
    const int removed = std::min(span.second, last) - std::max(span.first, first) + 1;
    const int start = std::min(span.first, first);
    return {start, start + (span.second - span.first + 1 - removed) - 1};
}

GridRange withRows(GridRange range, Span rows)
{
    range.top = rows.first;
    range.bottom = rows.second;
    return range;
}

GridRange withColumns(GridRange range, Span columns)
{
    range.left = columns.first;
    range.right = columns.second;
    return range;
}

} // namespace

GridRange GridMergeLinks::rangeAt(int row, int column) const
{
    const GridCell &cell = m_rows.cell(row, column);
    if (!cell.isMerged())
        return GridRange::cell(row, column);
    const GridCellExtra &link = m_rows.extra(row, column);
    if (cell.has(GridCell::MergeAnchor))
        return {row, column, row + link.linkRows - 1, column + link.linkColumns - 1};
    const int top = row - link.linkRows;
    const int left = column - link.linkColumns;
    const GridCellExtra &anchor = m_rows.extra(top, left);
    return {top, left, top + anchor.linkRows - 1, left + anchor.linkColumns - 1};
}

QList<GridRange> GridMergeLinks::intersecting(const GridRange &area) const
{
    QList<GridRange> found;
    for (int row = area.top; row <= area.bottom; ++row) {
        const GridCell *cells = m_rows.at(row).cells.get();
        for (int column = area.left; column <= area.right; ++column) {
            if (!cells[column].isMerged())
                continue;
            // Each range is reported once: by its first cell inside the area.
            const GridRange range = rangeAt(row, column);
            if (row == std::max(range.top, area.top) && column == std::max(range.left, area.left))
                found.append(range);
        }
    }
    return found;
}

QList<GridRange> GridMergeLinks::crossing(int before) const
{
    QList<GridRange> found;
    if (before <= 0 || before >= m_rows.size())
        return found;
    const GridCell *cells = m_rows.at(before).cells.get();
    for (int column = 0; column < m_rows.columns(); ++column) {
        if (!cells[column].has(GridCell::MergeCovered))
            continue;
        // The leftmost covered cell below the anchor row names its range once.
        const GridCellExtra &link = m_rows.extra(before, column);
        if (link.linkRows > 0 && link.linkColumns == 0)
            found.append(rangeAt(before, column));
    }
    return found;
}

void GridMergeLinks::link(const GridRange &range)
{
    const bool merged = !range.isSingleCell();
    for (int row = range.top; row <= range.bottom; ++row) {
        GridCell *cells = m_rows.at(row).cells.get();
        for (int column = range.left; column <= range.right; ++column) {
            GridCell &cell = cells[column];
            const bool anchor = row == range.top && column == range.left;
            cell.set(GridCell::MergeAnchor, merged && anchor);
            cell.set(GridCell::MergeCovered, merged && !anchor);
            if (!merged && !m_rows.at(row).extras)
                continue;
            GridCellExtra &link = m_rows.extraForWrite(row, column);
            link.linkRows = !merged ? 0 : anchor ? range.rowCount() : row - range.top;
            link.linkColumns = qint16(!merged ? 0 : anchor ? range.columnCount() : column - range.left);
        }
    }
}

void GridMergeLinks::unlink(const GridRange &range)
{
    for (int row = range.top; row <= range.bottom; ++row) {
        GridRow &entry = m_rows.at(row);
        for (int column = range.left; column <= range.right; ++column) {
            entry.cells[column].set(GridCell::MergeAnchor, false);
            entry.cells[column].set(GridCell::MergeCovered, false);
            if (entry.extras) {
                entry.extras[column].linkRows = 0;
                entry.extras[column].linkColumns = 0;
            }
        }
    }
}

GridRange GridMergeLinks::afterRowsInserted(GridRange range, int before, int count)
{
    return withRows(range, spanInserted({range.top, range.bottom}, before, count));
}

GridRange GridMergeLinks::afterRowsRemoved(GridRange range, int first, int count)
{
    return withRows(range, spanRemoved({range.top, range.bottom}, first, count));
}

GridRange GridMergeLinks::afterColumnsInserted(GridRange range, int before, int count)
{
    return withColumns(range, spanInserted({range.left, range.right}, before, count));
}

GridRange GridMergeLinks::afterColumnsRemoved(GridRange range, int first, int count)
{
    return withColumns(range, spanRemoved({range.left, range.right}, first, count));
}
