#pragma once

#include <algorithm>

// A rectangle of cells, both corners included. The default range is empty (invalid).
struct GridRange {
    int top = 0;
    int left = 0;
    int bottom = -1;
    int right = -1;

    static GridRange cell(int row, int column) { return {row, column, row, column}; }
    // Corners may come in any order, as a caller passes the two cells a user picked.
    static GridRange normalized(int row1, int column1, int row2, int column2)
    {
        return {std::min(row1, row2), std::min(column1, column2), std::max(row1, row2),
                std::max(column1, column2)};
    }

    bool isValid() const { return top <= bottom && left <= right; }
    int rowCount() const { return isValid() ? bottom - top + 1 : 0; }
    int columnCount() const { return isValid() ? right - left + 1 : 0; }
    bool isSingleCell() const { return isValid() && top == bottom && left == right; }
    bool contains(int row, int column) const
    {
        return row >= top && row <= bottom && column >= left && column <= right;
    }
    bool intersects(const GridRange &other) const
    {
        return isValid() && other.isValid() && top <= other.bottom && other.top <= bottom &&
               left <= other.right && other.left <= right;
    }
    GridRange intersected(const GridRange &other) const
    {
        return {std::max(top, other.top), std::max(left, other.left), std::min(bottom, other.bottom),
                std::min(right, other.right)};
    }
    // The bounding box of both; an invalid side does not widen it.
    GridRange united(const GridRange &other) const
    {
        if (!isValid())
            return other;
        if (!other.isValid())
            return *this;
        return {std::min(top, other.top), std::min(left, other.left), std::max(bottom, other.bottom),
                std::max(right, other.right)};
    }
    bool operator==(const GridRange &) const = default;
};
