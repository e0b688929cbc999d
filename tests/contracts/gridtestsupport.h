#pragma once

#include "contracts/grid.h"

#include "contracts/gridrange.h"
#include <gtest/gtest.h>

#include <QString>
#include <algorithm>
#include <ostream>
#include <tuple>
#include <vector>

inline void PrintTo(const GridRange &range, std::ostream *out)
{
    *out << "(" << range.top << "," << range.left << ")-(" << range.bottom << "," << range.right << ")";
}

inline std::vector<GridRange> sortedMerges(const Grid &grid)
{
    const QList<GridRange> list = grid.mergedRanges();
    std::vector<GridRange> ranges(list.begin(), list.end());
    std::sort(ranges.begin(), ranges.end(), [](const GridRange &a, const GridRange &b) {
        return std::tie(a.top, a.left) < std::tie(b.top, b.left);
    });
    return ranges;
}

// Every cell must name the range it lies in, or itself when it lies in none.
inline void expectLookupsAgree(const Grid &grid, const std::vector<GridRange> &merges)
{
    for (int row = 0; row < grid.rowCount(); ++row) {
        for (int column = 0; column < grid.columnCount(); ++column) {
            GridRange expected = GridRange::cell(row, column);
            for (const GridRange &range : merges)
                if (range.contains(row, column))
                    expected = range;
            ASSERT_EQ(grid.mergedRangeAt(row, column), expected) << "cell " << row << "," << column;
            ASSERT_EQ(grid.isMerged(row, column), !expected.isSingleCell());
        }
    }
}
