#pragma once

#include "gridcell.h"

#include <memory>
#include <vector>

// One grid row: its cells side by side in one allocation, and its height.
struct GridRow {
    std::unique_ptr<GridCell[]> cells;
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

    void insert(int before, int count, int height);
    void remove(int first, int count);
    // Removes every row; the column count stays.
    void clear();
    // Gives every row a new cell array of `columns` cells, filled by `fill(row, oldCells, newCells)`.
    template <class Fill> void reshape(int columns, Fill fill);

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

template <class Fill> void GridRowStore::reshape(int columns, Fill fill)
{
    m_columns = columns;
    int row = 0;
    for (std::vector<GridRow> &block : m_blocks) {
        for (GridRow &entry : block) {
            auto cells = std::make_unique<GridCell[]>(columns);
            fill(row++, entry.cells.get(), cells.get());
            entry.cells = std::move(cells);
        }
    }
}
