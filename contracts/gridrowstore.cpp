#include "gridrowstore.h"

#include <algorithm>
#include <iterator>

int GridRowStore::blockOf(int row) const
{
    const auto it = std::upper_bound(m_starts.begin(), m_starts.end(), row);
    return int(it - m_starts.begin()) - 1;
}

namespace {

const GridCellExtra NoExtra;

} // namespace

const GridCellExtra &GridRowStore::extra(int row, int column) const
{
    const GridRow &entry = at(row);
    return entry.extras ? entry.extras[column] : NoExtra;
}

GridCellExtra &GridRowStore::extraForWrite(int row, int column)
{
    GridRow &entry = at(row);
    if (!entry.extras)
        entry.extras = std::make_unique<GridCellExtra[]>(std::size_t(m_columns));
    return entry.extras[column];
}

void GridRowStore::insert(int before, int count, int height)
{
    if (m_blocks.empty()) {
        m_blocks.emplace_back();
        m_starts.push_back(0);
    }
    const std::size_t block = before == m_count ? m_blocks.size() - 1 : std::size_t(blockOf(before));
    std::vector<GridRow> fresh(static_cast<std::size_t>(count));
    for (GridRow &entry : fresh) {
        entry.cells = std::make_unique<GridCell[]>(std::size_t(m_columns));
        entry.height = height;
    }
    std::vector<GridRow> &rows = m_blocks[block];
    rows.insert(rows.begin() + (before - m_starts[block]), std::make_move_iterator(fresh.begin()),
                std::make_move_iterator(fresh.end()));
    m_count += count;
    splitIfLarge(block);
    renumberFrom(block);
}

void GridRowStore::remove(int first, int count)
{
    while (count > 0) {
        const std::size_t block = std::size_t(blockOf(first));
        std::vector<GridRow> &rows = m_blocks[block];
        const int offset = first - m_starts[block];
        const int taken = std::min(count, int(rows.size()) - offset);
        rows.erase(rows.begin() + offset, rows.begin() + offset + taken);
        count -= taken;
        m_count -= taken;
        if (rows.empty()) {
            m_blocks.erase(m_blocks.begin() + std::ptrdiff_t(block));
            m_starts.erase(m_starts.begin() + std::ptrdiff_t(block));
        } else {
            joinIfSmall(block);
        }
        renumberFrom(std::min(block, m_blocks.size()));
    }
}

void GridRowStore::clear()
{
    m_blocks.clear();
    m_starts.clear();
    m_count = 0;
}

void GridRowStore::splitIfLarge(std::size_t block)
{
    std::vector<GridRow> &rows = m_blocks[block];
    if (rows.size() <= 2 * BlockSize)
        return;
    std::vector<std::vector<GridRow>> pieces;
    for (std::size_t at = 0; at < rows.size(); at += BlockSize) {
        const auto end = rows.begin() + std::ptrdiff_t(std::min(at + BlockSize, rows.size()));
        pieces.emplace_back(std::make_move_iterator(rows.begin() + std::ptrdiff_t(at)),
                            std::make_move_iterator(end));
    }
    const auto position = m_blocks.erase(m_blocks.begin() + std::ptrdiff_t(block));
    m_blocks.insert(position, std::make_move_iterator(pieces.begin()), std::make_move_iterator(pieces.end()));
    m_starts.resize(m_blocks.size());
}

// Many tiny blocks would make every lookup and renumbering slower; fold a small one into its successor.
void GridRowStore::joinIfSmall(std::size_t block)
{
    if (block + 1 >= m_blocks.size() || m_blocks[block].size() >= BlockSize / 4)
        return;
    std::vector<GridRow> &next = m_blocks[block + 1];
    if (m_blocks[block].size() + next.size() > 2 * BlockSize)
        return;
    std::vector<GridRow> &rows = m_blocks[block];
    rows.insert(rows.end(), std::make_move_iterator(next.begin()), std::make_move_iterator(next.end()));
    m_blocks.erase(m_blocks.begin() + std::ptrdiff_t(block) + 1);
    m_starts.erase(m_starts.begin() + std::ptrdiff_t(block) + 1);
}

void GridRowStore::renumberFrom(std::size_t block)
{
    int start = block == 0 ? 0 : m_starts[block - 1] + int(m_blocks[block - 1].size());
    for (std::size_t b = block; b < m_blocks.size(); ++b) {
        m_starts[b] = start;
        start += int(m_blocks[b].size());
    }
}
