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
    store.reshape(4, [](int, GridCell *, GridCell *) {});
    store.insert(0, 2, 30);
    EXPECT_EQ(store.at(1).height, 30);
    store.cell(1, 3).text = QStringLiteral("x");
    store.reshape(5, [](int, GridCell *from, GridCell *to) {
        for (int column = 0; column < 4; ++column)
            to[column + 1] = from[column];
    });
    EXPECT_EQ(store.cell(1, 4).text, QStringLiteral("x"));
    EXPECT_TRUE(store.cell(1, 0).text.isEmpty());
}

} // namespace
