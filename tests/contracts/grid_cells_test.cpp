#include "contracts/grid.h"
#include "contracts/gridtextmeasure.h"
#include "gridtestsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(GridCells, EachPropertyStaysOnItsCell)
{
    Grid grid(3, 3);
    grid.setText(1, 1, QStringLiteral("施工项目"));
    grid.setAlignment(1, 1, GridAlignment::RightMiddle);
    grid.setBackground(1, 1, 0xCBE8FB);
    grid.setWrap(1, 1, true);
    grid.setBold(1, 1, true);
    grid.setLocked(1, 1, true);
    grid.setImage(1, 1, QStringLiteral("del"));
    grid.setFontName(1, 1, QStringLiteral("微软雅黑"));
    grid.setFontSize(1, 1, 13);

    EXPECT_EQ(grid.text(1, 1), QStringLiteral("施工项目"));
    EXPECT_EQ(grid.alignment(1, 1), 14);
    EXPECT_EQ(grid.background(1, 1), 0xCBE8FBu);
    EXPECT_TRUE(grid.wrap(1, 1));
    EXPECT_TRUE(grid.bold(1, 1));
    EXPECT_TRUE(grid.locked(1, 1));
    EXPECT_EQ(grid.imageKey(1, 1), QStringLiteral("del"));
    EXPECT_EQ(grid.fontName(1, 1), QStringLiteral("微软雅黑"));
    EXPECT_EQ(grid.fontSize(1, 1), 13);

    for (const auto &[row, column] : {std::pair{0, 1}, {1, 0}, {1, 2}, {2, 1}}) {
        EXPECT_TRUE(grid.text(row, column).isEmpty());
        EXPECT_EQ(grid.alignment(row, column), GridAlignment::LeftMiddle);
        EXPECT_EQ(grid.background(row, column), 0xFFFFFFu);
        EXPECT_FALSE(grid.wrap(row, column) || grid.bold(row, column) || grid.locked(row, column));
        EXPECT_TRUE(grid.imageKey(row, column).isEmpty());
        EXPECT_TRUE(grid.fontName(row, column).isEmpty());
    }
}

TEST(GridCells, ImageKeysAndFontNamesCanBeChangedBackAndCleared)
{
    Grid grid(1, 2);
    grid.setImage(0, 0, QStringLiteral("del"));
    grid.setImage(0, 1, QStringLiteral("More_Blue"));
    grid.setImage(0, 0, QStringLiteral("More_Blue"));
    grid.setImage(0, 1, QString());
    EXPECT_EQ(grid.imageKey(0, 0), QStringLiteral("More_Blue"));
    EXPECT_TRUE(grid.imageKey(0, 1).isEmpty());
}

TEST(GridCells, FontFallsBackToTheDefault)
{
    Grid grid(2, 2);
    grid.setDefaultFont({QStringLiteral("宋体"), 9, false});
    grid.setFontSize(0, 0, 12);
    grid.setBold(0, 0, true);
    grid.setFontName(1, 1, QStringLiteral("微软雅黑"));
    EXPECT_EQ(grid.font(0, 0), GridFont({QStringLiteral("宋体"), 12, true}));
    EXPECT_EQ(grid.font(1, 1), GridFont({QStringLiteral("微软雅黑"), 9, false}));
    EXPECT_EQ(grid.font(0, 1), GridFont({QStringLiteral("宋体"), 9, false}));
}

TEST(GridCells, RangeSettersAreClippedToTheGrid)
{
    Grid grid(4, 4);
    grid.setRangeBackground({2, 2, 10, 10}, 0xEDEDED);
    grid.setRangeLocked({-3, 0, 0, 1}, true);
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            EXPECT_EQ(grid.background(row, column), row >= 2 && column >= 2 ? 0xEDEDEDu : 0xFFFFFFu);
            EXPECT_EQ(grid.locked(row, column), row == 0 && column <= 1);
        }
    }
}

TEST(GridCells, ColourKeepsTwentyFourBits)
{
    Grid grid(1, 1);
    grid.setBackground(0, 0, 0xFFD5D6DA);
    EXPECT_EQ(grid.background(0, 0), 0xD5D6DAu);
}

// Out-of-range calls answer defaults and change nothing.
TEST(GridCells, AccessOutsideTheGridIsHarmless)
{
    Grid grid(2, 2);
    int sent = 0;
    QObject::connect(&grid, &Grid::cellsChanged, [&] { ++sent; });
    QObject::connect(&grid, &Grid::rowHeightsChanged, [&] { ++sent; });
    QObject::connect(&grid, &Grid::columnsChanged, [&] { ++sent; });
    for (const auto &[row, column] : {std::pair{-1, 0}, {0, -1}, {2, 0}, {0, 2}, {INT_MAX, INT_MIN}}) {
        grid.setText(row, column, QStringLiteral("x"));
        grid.setBackground(row, column, 0);
        grid.setLocked(row, column, true);
        grid.setImage(row, column, QStringLiteral("del"));
        grid.setActiveCell(row, column);
        EXPECT_TRUE(grid.text(row, column).isEmpty());
        EXPECT_EQ(grid.background(row, column), 0xFFFFFFu);
        EXPECT_FALSE(grid.locked(row, column));
        EXPECT_TRUE(grid.imageKey(row, column).isEmpty());
    }
    for (int outside : {-1, 2, INT_MAX, INT_MIN}) {
        grid.setRowHeight(outside, 40);
        grid.setColumnWidth(outside, 40);
        grid.setColumnNumberFormat(outside, GridColumn::NumericKind, 2);
        EXPECT_EQ(grid.rowHeight(outside), 0);
        EXPECT_EQ(grid.columnWidth(outside), 0);
    }
    EXPECT_EQ(sent, 0);
    EXPECT_EQ(grid.activeRow(), -1);
    grid.insertRows(3, 1);
    grid.insertRows(-1, 1);
    grid.insertRows(0, -4);
    grid.insertRows(0, INT_MAX);
    grid.setColumnCount(INT_MAX);
    grid.removeRows(2, 1);
    grid.removeRows(-1, 1);
    grid.removeColumns(5, 1);
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.columnCount(), 2);
    grid.removeRows(1, 50); // clipped to the rows there are
    EXPECT_EQ(grid.rowCount(), 1);
}

TEST(GridCells, RowsCarryTheirContentsAndHeights)
{
    Grid grid(4, 2);
    for (int row = 0; row < 4; ++row) {
        grid.setText(row, 1, QString::number(row));
        grid.setRowHeight(row, 30 + row);
    }
    grid.setDefaultRowHeight(20);
    grid.insertRows(2, 2);
    grid.removeRows(0, 1);
    const QStringList texts{"1", "", "", "2", "3"};
    const QList<int> heights{31, 20, 20, 32, 33};
    ASSERT_EQ(grid.rowCount(), 5);
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(grid.text(row, 1), texts[row]);
        EXPECT_EQ(grid.rowHeight(row), heights[row]);
    }
}

TEST(GridCells, ColumnsCarryTheirContentsWidthsAndFormats)
{
    Grid grid(2, 3);
    grid.setText(1, 2, QStringLiteral("c"));
    grid.setColumnWidth(2, 77);
    grid.setColumnNumberFormat(2, GridColumn::NumericKind, 2);
    grid.insertColumns(1, 2);
    EXPECT_EQ(grid.text(1, 4), QStringLiteral("c"));
    EXPECT_EQ(grid.column(4), GridColumn({77, GridColumn::NumericKind, 2}));
    EXPECT_EQ(grid.column(1), GridColumn());
    grid.removeColumns(0, 3);
    EXPECT_EQ(grid.columnCount(), 2);
    EXPECT_EQ(grid.text(1, 1), QStringLiteral("c"));
    EXPECT_EQ(grid.columnWidth(1), 77);
}

// Pictures and merge links are kept beside the row, not in the cell: they must travel with
// their cell through every change of shape, and the cell's own fields with them.
TEST(GridCells, PicturesAndMergesTravelWithTheirCellsThroughShapeChanges)
{
    struct Case {
        const char *change;
        void (*apply)(Grid &);
        int row; // where the cell at (2, 2) ends up
        int column;
    };
    const Case cases[] = {
        {"rows inserted above", [](Grid &g) { g.insertRows(0, 3); }, 5, 2},
        {"rows removed above", [](Grid &g) { g.removeRows(0, 2); }, 0, 2},
        {"columns inserted before", [](Grid &g) { g.insertColumns(1, 2); }, 2, 4},
        {"columns removed before", [](Grid &g) { g.removeColumns(0, 1); }, 2, 1},
        {"columns inserted after", [](Grid &g) { g.insertColumns(5, 1); }, 2, 2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.change);
        Grid grid(5, 5);
        grid.setImage(2, 2, QStringLiteral("del"));
        grid.setText(2, 2, QStringLiteral("图"));
        grid.setBackground(2, 2, 0x123456);
        grid.setWrap(2, 2, true);
        grid.setLocked(2, 2, true);
        grid.setImage(4, 4, QStringLiteral("More_Blue"));
        grid.merge({2, 2, 3, 3});
        c.apply(grid);
        EXPECT_EQ(grid.imageKey(c.row, c.column), QStringLiteral("del"));
        EXPECT_EQ(grid.text(c.row, c.column), QStringLiteral("图"));
        EXPECT_EQ(grid.background(c.row, c.column), 0x123456u);
        EXPECT_TRUE(grid.wrap(c.row, c.column));
        EXPECT_TRUE(grid.locked(c.row, c.column));
        EXPECT_FALSE(grid.bold(c.row, c.column));
        EXPECT_EQ(grid.mergedRangeAt(c.row + 1, c.column + 1),
                  GridRange(c.row, c.column, c.row + 1, c.column + 1));
        EXPECT_EQ(grid.imageKey(c.row + 2, c.column + 2), QStringLiteral("More_Blue"));
        int pictures = 0;
        for (int row = 0; row < grid.rowCount(); ++row) {
            for (int column = 0; column < grid.columnCount(); ++column)
                pictures += !grid.imageKey(row, column).isEmpty();
        }
        EXPECT_EQ(pictures, 2);
    }
}

TEST(GridCells, ClearingACellDropsItsPictureButNotTheMergeAroundIt)
{
    Grid grid(3, 3);
    grid.setImage(0, 0, QStringLiteral("del"));
    grid.setImage(0, 2, QStringLiteral("More_Blue"));
    grid.merge({1, 0, 2, 1});
    grid.setImage(1, 0, QStringLiteral("del"));
    grid.clearRange({0, 0, 0, 1});
    EXPECT_TRUE(grid.imageKey(0, 0).isEmpty());
    EXPECT_EQ(grid.imageKey(0, 2), QStringLiteral("More_Blue"));
    EXPECT_EQ(grid.imageKey(1, 0), QStringLiteral("del"));
    EXPECT_EQ(grid.mergedRangeAt(2, 1), GridRange(1, 0, 2, 1));
    grid.clearRange({1, 0, 1, 0});
    EXPECT_TRUE(grid.imageKey(1, 0).isEmpty());
    EXPECT_EQ(grid.mergedRangeAt(1, 1), GridRange::cell(1, 1));
}

TEST(GridCells, ClearResetsCellsAndMergesButKeepsTheLayout)
{
    Grid grid(3, 3);
    grid.setText(0, 0, QStringLiteral("x"));
    grid.setLocked(2, 2, true);
    grid.merge({0, 0, 1, 1});
    grid.setRowHeight(1, 50);
    grid.setColumnWidth(2, 0);
    grid.setFixedRowCount(1);
    grid.clear();
    EXPECT_TRUE(grid.text(0, 0).isEmpty());
    EXPECT_FALSE(grid.locked(2, 2));
    EXPECT_TRUE(grid.mergedRanges().isEmpty());
    EXPECT_EQ(grid.rowHeight(1), 50);
    EXPECT_EQ(grid.columnWidth(2), 0);
    EXPECT_EQ(grid.fixedRowCount(), 1);
}

TEST(GridCells, ClearRangeDissolvesMergesReachingIntoIt)
{
    Grid grid(4, 4);
    grid.setText(0, 0, QStringLiteral("kept"));
    grid.setText(3, 3, QStringLiteral("gone"));
    grid.merge({2, 2, 3, 3});
    grid.merge({0, 0, 0, 1});
    grid.clearRange({3, 3, 3, 3});
    EXPECT_EQ(grid.text(0, 0), QStringLiteral("kept"));
    EXPECT_TRUE(grid.text(3, 3).isEmpty());
    const std::vector<GridRange> expected{{0, 0, 0, 1}};
    EXPECT_EQ(sortedMerges(grid), expected);
}

TEST(GridCells, ActiveCellIsPulledBackWhenTheGridShrinks)
{
    Grid grid(5, 5);
    grid.setActiveCell(4, 3);
    grid.removeRows(3, 2);
    EXPECT_EQ(grid.activeRow(), 2);
    EXPECT_EQ(grid.activeColumn(), 3);
    grid.setRowCount(0);
    EXPECT_EQ(grid.activeRow(), -1);
    EXPECT_EQ(grid.activeColumn(), -1);
}

// Ten pixels a character, twenty a line; a cell without width would need a line per character.
class LengthMeasure : public GridTextMeasure
{
public:
    int textHeight(const QString &text, const GridFont &, int width, bool wrap) const override
    {
        const int perLine = width / 10;
        const int lines = perLine == 0 ? int(text.size())
                          : wrap       ? int((text.size() + perLine - 1) / perLine)
                                       : 1;
        return 20 * std::max(lines, 1);
    }
};

TEST(GridCells, FitRowHeightTakesTheTallestSingleRowCell)
{
    Grid grid(3, 5);
    for (int column = 0; column < 5; ++column)
        grid.setColumnWidth(column, 30);
    grid.setColumnWidth(0, 0);
    grid.setRangeWrap({0, 0, 2, 4}, true);
    grid.setText(1, 0, QString(50, 'x'));  // hidden column: ignored
    grid.setText(1, 1, QString(7, 'x'));   // 3 lines of 3
    grid.setText(1, 2, QString(100, 'x')); // merged over two rows: ignored
    grid.merge({1, 2, 2, 2});
    grid.setText(1, 3, QString(12, 'x')); // merged over two columns, 60 wide: 2 lines
    grid.merge({1, 3, 1, 4});
    grid.fitRowHeight(1, LengthMeasure());
    EXPECT_EQ(grid.rowHeight(1), 60);
}

TEST(GridCells, ImagesComeFromFilesOrBytes)
{
    Grid grid;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("del.bmp"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BM-bytes");
    file.close();
    EXPECT_TRUE(grid.addImageFile(QStringLiteral("del"), path));
    EXPECT_FALSE(grid.addImageFile(QStringLiteral("missing"), dir.filePath(QStringLiteral("none.bmp"))));
    EXPECT_EQ(grid.image(QStringLiteral("del")).data, QByteArray("BM-bytes"));
    EXPECT_FALSE(grid.hasImage(QStringLiteral("missing")));
}

} // namespace
