#include "reports/pagebreaks.h"

#include "contracts/grid.h"

#include <gtest/gtest.h>

namespace {

// Two fixed caption rows (10 and 20 high, row 1 hidden when asked), then `body` rows of 10.
void makeList(Grid &grid, int body, bool hideFirstCaption = false)
{
    grid.setColumnCount(3);
    grid.setRowCount(2 + body);
    grid.setFixedRowCount(2);
    grid.setRowHeight(0, hideFirstCaption ? 0 : 10);
    grid.setRowHeight(1, 20);
    for (int row = 2; row < grid.rowCount(); ++row)
        grid.setRowHeight(row, 10);
}

QList<QList<int>> rowsOf(const QList<PageBreaks::Page> &pages)
{
    QList<QList<int>> result;
    for (const PageBreaks::Page &page : pages)
        result << page.rows;
    return result;
}

QList<int> span(int first, int last)
{
    QList<int> rows;
    for (int row = first; row <= last; ++row)
        rows << row;
    return rows;
}

} // namespace

TEST(PageBreaks, CaptionsHeadEveryPageAndNoRowSplits)
{
    Grid grid;
    makeList(grid, 16);
    // 100 per page: the captions take 30, seven rows of 10 fill the rest.
    const auto pages = rowsOf(PageBreaks::compute(grid, 1.0, 100, true));
    EXPECT_EQ(pages, (QList<QList<int>>{span(0, 8), QList<int>{0, 1} + span(9, 15),
                                        QList<int>{0, 1} + span(16, 17)}));
    // Without repeating, later pages take ten rows.
    EXPECT_EQ(rowsOf(PageBreaks::compute(grid, 1.0, 100, false)),
              (QList<QList<int>>{span(0, 8), span(9, 17)}));
    // Scaled rows: 5 each, the captions 15.
    EXPECT_EQ(PageBreaks::compute(grid, 0.5, 100, true).size(), 1);
}

TEST(PageBreaks, HiddenRowsAndRowsPastTheLastAreLeftOut)
{
    Grid grid;
    makeList(grid, 10, true);
    grid.setRowHeight(5, 0);
    GridPageSettings page;
    page.lastPrintRow = 8;
    grid.setPageSettings(page);
    const auto pages = rowsOf(PageBreaks::compute(grid, 1.0, 1000, true));
    EXPECT_EQ(pages, (QList<QList<int>>{{1, 2, 3, 4, 6, 7, 8}}));
    // A last row beyond the grid prints every row.
    page.lastPrintRow = 500;
    grid.setPageSettings(page);
    EXPECT_EQ(PageBreaks::compute(grid, 1.0, 1000, true).first().rows.last(), 11);
}

TEST(PageBreaks, ARowTallerThanAPageStandsAlone)
{
    Grid grid;
    makeList(grid, 3);
    grid.setRowHeight(3, 500);
    const auto pages = rowsOf(PageBreaks::compute(grid, 1.0, 100, true));
    EXPECT_EQ(pages, (QList<QList<int>>{{0, 1, 2}, {0, 1, 3}, {0, 1, 4}}));
}

TEST(PageBreaks, PagesGrowLinearlyWithRows)
{
    for (int body : {0, 1, 7, 8, 700, 7000}) {
        Grid grid;
        makeList(grid, body);
        const auto pages = PageBreaks::compute(grid, 1.0, 100, true);
        const qsizetype expected = body <= 7 ? 1 : 1 + (body - 7 + 6) / 7;
        EXPECT_EQ(pages.size(), expected) << body;
        qsizetype printed = 0;
        for (const PageBreaks::Page &p : pages)
            printed += p.rows.size() - 2;
        EXPECT_EQ(printed, body) << body;
    }
}
