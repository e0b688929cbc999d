#include "reports/print/gridpaginator.h"

#include "contracts/grid.h"

#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr int ColumnWidth = 100;
constexpr int RowHeight = 30;
constexpr qreal MillimetresPerInch = 25.4;

// Three columns of four rows, small enough to stand unscaled in the middle of an A4 page.
class PagePaintingTest : public ::testing::Test
{
protected:
    Grid grid{4, 3};
    PrintPageSetup setup;
    QTemporaryDir dir;

    void SetUp() override
    {
        for (int column = 0; column < grid.columnCount(); ++column)
            grid.setColumnWidth(column, ColumnWidth);
        for (int row = 0; row < grid.rowCount(); ++row)
            grid.setRowHeight(row, RowHeight);
    }

    // The page as a PDF reader shows it: written as PDF, drawn by poppler at 96 dpi, where
    // one pixel of the image is one pixel of the page's layout.
    QImage printed()
    {
        const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
        {
            QPdfWriter writer(pdf);
            writer.setResolution(600);
            writer.setPageLayout(GridPaginator::pageLayout(setup));
            QPainter painter(&writer);
            const GridPaginator pages(grid, setup);
            EXPECT_EQ(pages.pageCount(), 1);
            EXPECT_DOUBLE_EQ(pages.scaleX(), 1.0);
            pages.paint(painter, writer);
        }
        const QString base = dir.filePath(QStringLiteral("page"));
        QProcess pdftoppm;
        pdftoppm.start(QStringLiteral("pdftoppm"),
                       {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-png"),
                        QStringLiteral("-singlefile"), pdf, base});
        EXPECT_TRUE(pdftoppm.waitForFinished(60000) && pdftoppm.exitCode() == 0);
        return QImage(base + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
    }

    // Where a point of the grid lies on the page image.
    QPointF onPage(qreal x, qreal y) const
    {
        const qreal pixelsPerMillimetre = GridPaginator::PaperDpi / MillimetresPerInch;
        const qreal printableWidth = setup.printableSize().width() * pixelsPerMillimetre;
        const qreal tableLeft = (printableWidth - grid.columnCount() * ColumnWidth) / 2;
        return {setup.left * pixelsPerMillimetre + tableLeft + x, setup.top * pixelsPerMillimetre + y};
    }

    // The darkest red, green or blue value in a cell, its borders left out.
    static int darkestInside(const QImage &page, const QPointF &topLeft, const QPointF &bottomRight)
    {
        constexpr int Border = 3;
        int darkest = 255;
        for (int y = int(topLeft.y()) + Border; y <= int(bottomRight.y()) - Border; ++y) {
            for (int x = int(topLeft.x()) + Border; x <= int(bottomRight.x()) - Border; ++x) {
                const QRgb pixel = page.pixel(x, y);
                darkest = std::min({darkest, qRed(pixel), qGreen(pixel), qBlue(pixel)});
            }
        }
        return darkest;
    }
    int darkestInCell(const QImage &page, int row, int column) const
    {
        return darkestInside(page, onPage(column * ColumnWidth, row * RowHeight),
                             onPage((column + 1) * ColumnWidth, (row + 1) * RowHeight));
    }

    // The darkest red value within a pixel of a grid line at x (vertical) or y (horizontal).
    static int darkestRedNear(const QImage &page, const QPointF &point, bool vertical)
    {
        int darkest = 255;
        for (int step = -1; step <= 1; ++step) {
            const int x = int(point.x()) + (vertical ? step : 0);
            const int y = int(point.y()) + (vertical ? 0 : step);
            darkest = std::min(darkest, qRed(page.pixel(x, y)));
        }
        return darkest;
    }
};

} // namespace

TEST_F(PagePaintingTest, TextsThatDoNotFitTheirCellStayInsideIt)
{
    // Five lines of their own in a row one and a half lines high, and a line wider than its column.
    grid.setText(1, 1, QStringLiteral("甲\n乙\n丙\n丁\n戊"));
    grid.setText(3, 0, QStringLiteral("一行很长很长很长很长很长很长的说明文字\n短"));
    const QImage page = printed();
    ASSERT_FALSE(page.isNull());

    EXPECT_LT(darkestInCell(page, 1, 1), 128) << "the lines that fit are printed";
    EXPECT_GE(darkestInCell(page, 0, 1), 240) << "nothing runs into the cell above";
    EXPECT_GE(darkestInCell(page, 2, 1), 240) << "nothing runs into the cell below";
    EXPECT_LT(darkestInCell(page, 3, 0), 128);
    EXPECT_GE(darkestInCell(page, 3, 1), 240) << "nothing runs into the cell beside";
}

TEST_F(PagePaintingTest, EveryCellKeepsItsBordersBesideFilledCellsAndAtTheEnd)
{
    constexpr quint32 LightOrange = 0xA0E0FF; // red in the low byte
    grid.setBackground(2, 1, LightOrange);
    grid.setBackground(3, 2, LightOrange);
    grid.setText(2, 0, QStringLiteral("12.50"));
    grid.setText(2, 2, QStringLiteral("株"));
    const QImage page = printed();
    ASSERT_FALSE(page.isNull());

    const int middle = RowHeight / 2;
    const QColor fill = page.pixelColor(onPage(ColumnWidth * 1.5, 2 * RowHeight + middle).toPoint());
    EXPECT_EQ(fill.red(), 255);
    EXPECT_LT(fill.blue(), 200) << "the fill is printed";
    // Each vertical line of the filled row, the table's own edges included.
    for (int column = 0; column <= grid.columnCount(); ++column) {
        EXPECT_LT(darkestRedNear(page, onPage(column * ColumnWidth, 2 * RowHeight + middle), true), 200)
            << column;
        EXPECT_LT(darkestRedNear(page, onPage(column * ColumnWidth, 3 * RowHeight + middle), true), 200)
            << column;
    }
    // Each horizontal line above, between and below the filled cells.
    for (int row = 0; row <= grid.rowCount(); ++row) {
        for (int column = 0; column < grid.columnCount(); ++column) {
            const qreal x = column * ColumnWidth + ColumnWidth / 2.0;
            EXPECT_LT(darkestRedNear(page, onPage(x, row * RowHeight), false), 200) << row << ' ' << column;
        }
    }
}
