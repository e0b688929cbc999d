#include "contracts/grid.h"
#include "gridtestsupport.h"

#include <gtest/gtest.h>

namespace {

enum class Op { InsertRows, RemoveRows, InsertColumns, RemoveColumns };

struct ShapeCase {
    const char *name;
    GridRange merged;
    Op op;
    int at;
    int count;
    GridRange expected; // invalid: the range is gone
};

void apply(Grid &grid, Op op, int at, int count)
{
    switch (op) {
    case Op::InsertRows:
        grid.insertRows(at, count);
        break;
    case Op::RemoveRows:
        grid.removeRows(at, count);
        break;
    case Op::InsertColumns:
        grid.insertColumns(at, count);
        break;
    case Op::RemoveColumns:
        grid.removeColumns(at, count);
        break;
    }
}

void PrintTo(const ShapeCase &c, std::ostream *out)
{
    *out << c.name;
}

class MergeShapeTest : public ::testing::TestWithParam<ShapeCase>
{
};

// A 12 × 8 grid with one merged range; a second range far away must not move
// unless the change lies above or left of it.
TEST_P(MergeShapeTest, RangeGrowsShrinksOrMovesLikeASpreadsheet)
{
    const ShapeCase &c = GetParam();
    Grid grid(12, 8);
    ASSERT_TRUE(grid.merge(c.merged));
    grid.setText(c.merged.top, c.merged.left, QStringLiteral("anchor"));
    apply(grid, c.op, c.at, c.count);

    std::vector<GridRange> expected;
    if (c.expected.isValid() && !c.expected.isSingleCell())
        expected.push_back(c.expected);
    EXPECT_EQ(sortedMerges(grid), expected);
    expectLookupsAgree(grid, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MergeShapeTest,
    ::testing::Values(
        ShapeCase{"insert_above", {3, 1, 5, 2}, Op::InsertRows, 1, 2, {5, 1, 7, 2}},
        ShapeCase{"insert_at_top_row_moves", {3, 1, 5, 2}, Op::InsertRows, 3, 2, {5, 1, 7, 2}},
        ShapeCase{"insert_inside_grows", {3, 1, 5, 2}, Op::InsertRows, 4, 2, {3, 1, 7, 2}},
        ShapeCase{"insert_before_last_row_grows", {3, 1, 5, 2}, Op::InsertRows, 5, 1, {3, 1, 6, 2}},
        ShapeCase{"insert_just_below_keeps", {3, 1, 5, 2}, Op::InsertRows, 6, 3, {3, 1, 5, 2}},
        ShapeCase{"append_keeps", {3, 1, 5, 2}, Op::InsertRows, 12, 1, {3, 1, 5, 2}},
        ShapeCase{"remove_above", {3, 1, 5, 2}, Op::RemoveRows, 0, 2, {1, 1, 3, 2}},
        ShapeCase{"remove_anchor_row", {3, 1, 5, 2}, Op::RemoveRows, 3, 1, {3, 1, 4, 2}},
        ShapeCase{"remove_middle_row", {3, 1, 5, 2}, Op::RemoveRows, 4, 1, {3, 1, 4, 2}},
        ShapeCase{"remove_last_row", {3, 1, 5, 2}, Op::RemoveRows, 5, 1, {3, 1, 4, 2}},
        ShapeCase{"remove_across_top", {3, 1, 5, 2}, Op::RemoveRows, 2, 2, {2, 1, 3, 2}},
        ShapeCase{"remove_across_bottom", {3, 1, 5, 2}, Op::RemoveRows, 5, 4, {3, 1, 4, 2}},
        ShapeCase{"remove_all_rows_of_range", {3, 1, 5, 2}, Op::RemoveRows, 2, 5, {}},
        ShapeCase{"remove_below", {3, 1, 5, 2}, Op::RemoveRows, 6, 3, {3, 1, 5, 2}},
        ShapeCase{"column_range_left_with_one_cell", {3, 1, 4, 1}, Op::RemoveRows, 4, 1, {3, 1, 3, 1}},
        ShapeCase{"row_range_keeps_width", {3, 1, 4, 5}, Op::RemoveRows, 4, 1, {3, 1, 3, 5}}),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Columns, MergeShapeTest,
    ::testing::Values(
        ShapeCase{"insert_left", {2, 2, 3, 4}, Op::InsertColumns, 0, 1, {2, 3, 3, 5}},
        ShapeCase{"insert_inside_grows", {2, 2, 3, 4}, Op::InsertColumns, 3, 2, {2, 2, 3, 6}},
        ShapeCase{"insert_right_keeps", {2, 2, 3, 4}, Op::InsertColumns, 5, 1, {2, 2, 3, 4}},
        ShapeCase{"remove_left", {2, 2, 3, 4}, Op::RemoveColumns, 0, 2, {2, 0, 3, 2}},
        ShapeCase{"remove_anchor_column", {2, 2, 3, 4}, Op::RemoveColumns, 2, 1, {2, 2, 3, 3}},
        ShapeCase{"remove_all_columns_of_range", {2, 2, 3, 4}, Op::RemoveColumns, 1, 5, {}},
        ShapeCase{"row_range_left_with_one_cell", {2, 2, 2, 3}, Op::RemoveColumns, 3, 1, {2, 2, 2, 2}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(GridMerges, SeveralRangesEachFollowTheRule)
{
    Grid grid(20, 6);
    grid.merge({2, 1, 4, 1});   // above the insertion point
    grid.merge({6, 1, 9, 3});   // around it
    grid.merge({8, 4, 8, 5});   // on a row that moves down
    grid.merge({12, 0, 13, 5}); // below it
    grid.insertRows(8, 3);
    const std::vector<GridRange> expected{{2, 1, 4, 1}, {6, 1, 12, 3}, {11, 4, 11, 5}, {15, 0, 16, 5}};
    EXPECT_EQ(sortedMerges(grid), expected);
    expectLookupsAgree(grid, expected);

    grid.removeRows(5, 7); // rows 5-11: cuts the second range to its last row, takes the third
    const std::vector<GridRange> after{{2, 1, 4, 1}, {5, 1, 5, 3}, {8, 0, 9, 5}};
    EXPECT_EQ(sortedMerges(grid), after);
    expectLookupsAgree(grid, after);
}

TEST(GridMerges, MergingOverRangesDissolvesThemWhole)
{
    Grid grid(10, 6);
    grid.merge({1, 1, 3, 1});
    grid.merge({5, 0, 5, 4});
    grid.merge({8, 1, 9, 2});
    ASSERT_TRUE(grid.merge({3, 1, 6, 1})); // overlaps the first two
    const std::vector<GridRange> expected{{3, 1, 6, 1}, {8, 1, 9, 2}};
    EXPECT_EQ(sortedMerges(grid), expected);
    expectLookupsAgree(grid, expected);
}

// The budget table extends a category group by merging the longer range over the old one.
TEST(GridMerges, RemergingAGroupAfterAppendingARowGivesOneRange)
{
    Grid grid(8, 4);
    grid.merge({3, 1, 4, 1});
    grid.insertRows(5, 1);
    ASSERT_TRUE(grid.merge({3, 1, 5, 1}));
    const std::vector<GridRange> expected{{3, 1, 5, 1}};
    EXPECT_EQ(sortedMerges(grid), expected);
    expectLookupsAgree(grid, expected);
}

TEST(GridMerges, InvalidMergesChangeNothing)
{
    Grid grid(5, 5);
    grid.merge({1, 1, 2, 2});
    EXPECT_FALSE(grid.merge({3, 3, 5, 4}));  // past the last row
    EXPECT_FALSE(grid.merge({-1, 0, 1, 1})); // before the first
    EXPECT_FALSE(grid.merge({2, 2, 1, 1}));  // reversed corners
    EXPECT_TRUE(grid.merge(GridRange::normalized(4, 4, 3, 3)));
    const std::vector<GridRange> expected{{1, 1, 2, 2}, {3, 3, 4, 4}};
    EXPECT_EQ(sortedMerges(grid), expected);
}

TEST(GridMerges, MergingOneCellDissolvesWhatCoveredIt)
{
    Grid grid(5, 5);
    grid.merge({1, 1, 3, 3});
    EXPECT_TRUE(grid.merge(GridRange::cell(2, 2)));
    EXPECT_TRUE(grid.mergedRanges().isEmpty());
}

TEST(GridMerges, UnmergeDissolvesEveryRangeTouchingTheArea)
{
    Grid grid(10, 6);
    grid.merge({0, 0, 1, 5});
    grid.merge({3, 1, 6, 1});
    grid.merge({8, 0, 9, 1});
    grid.unmerge({1, 1, 3, 1}); // touches the first two
    const std::vector<GridRange> expected{{8, 0, 9, 1}};
    EXPECT_EQ(sortedMerges(grid), expected);
    expectLookupsAgree(grid, expected);
}

TEST(GridMerges, CoveredCellsKeepTheirContents)
{
    Grid grid(4, 4);
    grid.setText(1, 1, QStringLiteral("a"));
    grid.setText(2, 1, QStringLiteral("b"));
    grid.setBackground(2, 1, 0x123456);
    grid.merge({1, 1, 2, 1});
    EXPECT_EQ(grid.text(2, 1), QStringLiteral("b"));
    grid.unmerge({1, 1, 2, 1});
    EXPECT_EQ(grid.text(1, 1), QStringLiteral("a"));
    EXPECT_EQ(grid.text(2, 1), QStringLiteral("b"));
    EXPECT_EQ(grid.background(2, 1), 0x123456u);
}

TEST(GridMerges, LookupOutsideTheGridIsInvalid)
{
    Grid grid(3, 3);
    grid.merge({0, 0, 2, 2});
    EXPECT_FALSE(grid.mergedRangeAt(3, 0).isValid());
    EXPECT_FALSE(grid.mergedRangeAt(0, -1).isValid());
    EXPECT_FALSE(grid.isMerged(-1, -1));
}

TEST(GridMerges, MergedRangesInAnAreaIncludeRangesReachingIntoIt)
{
    Grid grid(10, 5);
    grid.merge({0, 0, 4, 0});
    grid.merge({6, 2, 7, 3});
    const QList<GridRange> found = grid.mergedRanges({3, 0, 5, 4});
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found.front(), GridRange({0, 0, 4, 0}));
}

TEST(GridMerges, CellRectCoversTheWholeRange)
{
    Grid grid(4, 4);
    for (int column = 0; column < 4; ++column)
        grid.setColumnWidth(column, 10 * (column + 1));
    for (int row = 0; row < 4; ++row)
        grid.setRowHeight(row, 5 * (row + 1));
    grid.merge({1, 1, 2, 2});
    EXPECT_EQ(grid.cellRect(2, 2), QRect(10, 5, 20 + 30, 10 + 15));
    EXPECT_EQ(grid.cellRect(3, 0), QRect(0, 5 + 10 + 15, 10, 20));
    EXPECT_TRUE(grid.cellRect(4, 0).isNull());
}

} // namespace
