#include "reports/griddump.h"

#include "contracts/grid.h"

#include <gtest/gtest.h>

namespace {

TEST(DumpGrid, MergedTextOnlyInItsAnchorAndLineFeedsEscaped)
{
    Grid grid(3, 4);
    grid.setText(0, 0, QStringLiteral("hidden column"));
    grid.setText(0, 1, QStringLiteral("标题"));
    grid.setText(0, 2, QStringLiteral("covered"));
    grid.merge({0, 1, 1, 2});
    grid.setText(1, 3, QStringLiteral("a\nb"));
    grid.setText(2, 1, QStringLiteral("x"));
    grid.setText(2, 3, QStringLiteral("z"));
    EXPECT_EQ(dumpGrid(grid), QStringLiteral("标题\t\t\n\t\ta\\nb\nx\t\tz\n"));
}

TEST(DumpGrid, EmptyGridGivesNothing)
{
    EXPECT_EQ(dumpGrid(Grid()), QString());
}

} // namespace
