#include "contracts/gridrowstore.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// The row height serves as the row's identity; a plain vector is the reference.
class RowStoreModel
{
public:
    void insert(int before, int count)
    {
        m_store.insert(before, count, 0);
        for (int i = 0; i < count; ++i) {
            m_store.at(before + i).height = m_next;
            m_reference.insert(m_reference.begin() + before + i, m_next++);
        }
    }
    void remove(int first, int count)
    {
        m_store.remove(first, count);
        m_reference.erase(m_reference.begin() + first, m_reference.begin() + first + count);
    }
    void expectSame() const
    {
        ASSERT_EQ(m_store.size(), int(m_reference.size()));
        for (int row = 0; row < m_store.size(); ++row)
            ASSERT_EQ(m_store.at(row).height, m_reference[std::size_t(row)]) << "row " << row;
    }
    int size() const { return m_store.size(); }

private:
    GridRowStore m_store;
    std::vector<int> m_reference;
    int m_next = 1;
};

TEST(GridRowStore, KeepsRowOrderThroughInsertsAndRemovalsAcrossBlocks)
{
    RowStoreModel model;
    model.insert(0, 3000); // one insert far larger than a block
    model.expectSame();
    std::uint32_t seed = 12345;
    auto next = [&seed](int bound) {
        seed = seed * 1664525u + 1013904223u;
        return int((seed >> 8) % std::uint32_t(bound));
    };
    for (int step = 0; step < 2000; ++step) {
        if (step % 3 == 2 && model.size() > 0) {
            const int first = next(model.size());
            model.remove(first, 1 + next(std::min(700, model.size() - first)));
        } else {
            model.insert(next(model.size() + 1), 1 + next(40));
        }
    }
    model.expectSame();
    model.remove(0, model.size());
    model.expectSame();
    model.insert(0, 5);
    model.expectSame();
}

TEST(GridRowStore, NewRowsHaveEmptyCellsOfTheColumnCount)
{
    GridRowStore store;
    store.reshape(4, [](int column) { return column; });
    store.insert(0, 2, 30);
    EXPECT_EQ(store.at(1).height, 30);
    store.cell(1, 3).text = QStringLiteral("x");
    store.reshape(5, [](int column) { return column + 1; });
    EXPECT_EQ(store.cell(1, 4).text, QStringLiteral("x"));
    EXPECT_TRUE(store.cell(1, 0).text.isEmpty());
}

// The flags share a word with the background colour: setting either must leave the other.
TEST(GridRowStore, CellFieldsAreIndependentAtTheirExtremes)
{
    struct Case {
        quint32 background;
        quint8 flags;
        quint16 fontName;
        quint8 alignment;
        quint8 fontSize;
    };
    const GridCell::Flag all[] = {GridCell::Wrap, GridCell::Bold, GridCell::Locked, GridCell::MergeAnchor,
                                  GridCell::MergeCovered};
    const Case cases[] = {
        {0x000000, 0x1F, 0xFFFF, 0xFF, 0xFF},
        {0xFFFFFF, 0x00, 0, 0, 0},
        {0xFFFFFF, 0x1F, 1, 15, 1},
        {0x800001, 0x15, 0x8000, 5, 200},
        {0x00FF00, 0x0A, 7, 14, 9},
    };
    for (const Case &c : cases) {
        GridCell cell;
        cell.text = QStringLiteral("材料");
        for (GridCell::Flag flag : all)
            cell.set(flag, c.flags & flag);
        cell.setBackground(c.background);
        cell.fontName = c.fontName;
        cell.alignment = c.alignment;
        cell.fontSize = c.fontSize;
        EXPECT_EQ(cell.background(), c.background);
        for (GridCell::Flag flag : all)
            EXPECT_EQ(cell.has(flag), bool(c.flags & flag)) << int(flag);
        EXPECT_EQ(cell.isMerged(), bool(c.flags & (GridCell::MergeAnchor | GridCell::MergeCovered)));
        EXPECT_EQ(cell.fontName, c.fontName);
        EXPECT_EQ(cell.alignment, c.alignment);
        EXPECT_EQ(cell.fontSize, c.fontSize);
        EXPECT_EQ(cell.text, QStringLiteral("材料"));
        cell.resetContent();
        EXPECT_EQ(cell.background(), GridCell::White);
        EXPECT_TRUE(cell.text.isEmpty());
        for (GridCell::Flag flag : all) {
            const bool kept = flag == GridCell::MergeAnchor || flag == GridCell::MergeCovered;
            EXPECT_EQ(cell.has(flag), kept && (c.flags & flag)) << int(flag);
        }
    }
}

TEST(GridRowStore, ExtrasAreEmptyUntilWrittenAndMoveWithTheirRowAndColumn)
{
    GridRowStore store;
    store.reshape(3, [](int column) { return column; });
    store.insert(0, 4, 20);
    EXPECT_EQ(store.extra(2, 1), GridCellExtra());
    EXPECT_FALSE(store.at(2).extras);
    store.extraForWrite(2, 1) = {-7, 3, 9};
    EXPECT_FALSE(store.at(1).extras);
    store.insert(0, 300, 20); // moves the row into another block
    EXPECT_EQ(store.extra(302, 1), GridCellExtra({-7, 3, 9}));
    EXPECT_EQ(store.extra(302, 0), GridCellExtra());
    store.reshape(4, [](int column) { return column == 0 ? -1 : column + 1; });
    EXPECT_EQ(store.extra(302, 2), GridCellExtra({-7, 3, 9}));
    EXPECT_EQ(store.extra(302, 1), GridCellExtra());
    EXPECT_FALSE(store.at(301).extras);
    store.remove(0, 302);
    EXPECT_EQ(store.extra(0, 2), GridCellExtra({-7, 3, 9}));
}

} // namespace
