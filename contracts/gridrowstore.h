#pragma once

#include "gridcell.h"

#include <memory>
#include <vector>

// One grid row: its cells side by side in one allocation, their extras (merge links,
// pictures) in another that only rows with such cells have, and its height.
struct GridRow {
    std::unique_ptr<GridCell[]> cells;
    std::unique_ptr<GridCellExtra[]> extras;
    int height = 0;
};

// The rows of a grid in blocks of a few hundred handles, so that inserting or
// removing a row in the middle of a long table moves a few kilobytes, not the table.
class GridRowStore
{
public:
    int size() const { return m_count; }
    int columns() const { return m_columns; }
    GridRow &at(int row)
    {
        const int block = blockOf(row);
        return m_blocks[std::size_t(block)][std::size_t(row - m_starts[std::size_t(block)])];
    }
    const GridRow &at(int row) const
    {
        const int block = blockOf(row);
        return m_blocks[std::size_t(block)][std::size_t(row - m_starts[std::size_t(block)])];
    }
    GridCell &cell(int row, int column) { return at(row).cells[column]; }
    const GridCell &cell(int row, int column) const { return at(row).cells[column]; }
    // A row without extras answers empty ones.
    const GridCellExtra &extra(int row, int column) const;
    // Gives the row its extras first if it has none.
    GridCellExtra &extraForWrite(int row, int column);

    void insert(int before, int count, int height);
    void remove(int first, int count);
    // Removes every row; the column count stays.
    void clear();
    // Gives every row `columns` cells; the cell and extra of old column c move to
    // column `target(c)`, or are dropped when it answers -1. Other cells are empty.
    template <class Target> void reshape(int columns, Target target);

private:
    static constexpr std::size_t BlockSize = 256;

    int blockOf(int row) const;
    void splitIfLarge(std::size_t block);
    void joinIfSmall(std::size_t block);
    void renumberFrom(std::size_t block);

    std::vector<std::vector<GridRow>> m_blocks;
    std::vector<int> m_starts; // index of the first row of each block
    int m_count = 0;
    int m_columns = 0;
};

template <class Target> void GridRowStore::reshape(int columns, Target target)
{
    const int oldColumns = m_columns;
    m_columns = columns;
    for (std::vector<GridRow> &block : m_blocks) {
        for (GridRow &entry : block) {
            auto cells = std::make_unique<GridCell[]>(std::size_t(columns));
            auto extras = entry.extras ? std::make_unique<GridCellExtra[]>(std::size_t(columns)) : nullptr;
            for (int column = 0; column < oldColumns; ++column) {
                const int to = target(column);
                if (to < 0 || to >= columns)
                    continue;
                cells[to] = std::move(entry.cells[column]);
                if (extras)
                    extras[to] = entry.extras[column];
            }
            entry.cells = std::move(cells);
            entry.extras = std::move(extras);
        }
    }
}
