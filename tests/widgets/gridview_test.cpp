#include "contracts/widgets/gridview.h"

#include "contracts/grid.h"
#include "contracts/gridupdateguard.h"
#include "contracts/widgets/gridmodel.h"
#include "widgettestsupport.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A small table laid out like the budget table: two fixed rows, a hidden column 0.
class GridViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        grid.setFixedRowCount(2);
        grid.setFixedColumnCount(1);
        grid.setColumnWidth(0, 0);
        for (int c = 1; c < grid.columnCount(); ++c)
            grid.setColumnWidth(c, 80);
        view.resize(600, 400);
        view.setGrid(&grid);
        view.show();
    }

    QSize spanAt(int row, int column) const
    {
        return {view.columnSpan(row, column), view.rowSpan(row, column)};
    }
    QPoint centreOf(int row, int column) const
    {
        return view.visualRect(view.gridModel()->index(row, column)).center();
    }

    QApplication &app = testApplication(); // before any widget
    Grid grid{8, 6};
    GridView view;
};

TEST_F(GridViewTest, MergesBecomeSpansAndFollowRowChanges)
{
    grid.merge({2, 1, 3, 3});
    grid.merge({5, 2, 5, 4});
    EXPECT_EQ(spanAt(2, 1), QSize(3, 2));
    EXPECT_EQ(spanAt(5, 2), QSize(3, 1));

    grid.insertRows(3, 2); // inside the first range: it grows
    EXPECT_EQ(spanAt(2, 1), QSize(3, 4));
    EXPECT_EQ(spanAt(7, 2), QSize(3, 1)); // below: moved down
    EXPECT_EQ(spanAt(5, 4), QSize(1, 1));

    grid.insertRows(0, 1); // above both
    EXPECT_EQ(spanAt(3, 1), QSize(3, 4));
    EXPECT_EQ(spanAt(8, 2), QSize(3, 1));

    grid.removeRows(3, 3); // shrinks the first range to one row
    EXPECT_EQ(spanAt(3, 1), QSize(3, 1));
    EXPECT_EQ(spanAt(5, 2), QSize(3, 1));

    grid.unmerge({5, 3, 5, 3});
    EXPECT_EQ(spanAt(5, 2), QSize(1, 1));

    grid.merge({3, 1, 4, 2}); // overlaps the old range, which dissolves
    EXPECT_EQ(spanAt(3, 1), QSize(2, 2));
}

TEST_F(GridViewTest, BatchOfChangesRebuildsSpansAndSizes)
{
    grid.merge({2, 1, 2, 5});
    {
        GridUpdateGuard batch(grid);
        grid.insertRows(2, 30);
        grid.merge({30, 1, 31, 2});
        grid.setRowHeight(10, 60);
        grid.setRowHeight(11, 0);
        grid.setColumnWidth(3, 0);
    }
    EXPECT_EQ(spanAt(32, 1), QSize(5, 1));
    EXPECT_EQ(spanAt(2, 1), QSize(1, 1));
    EXPECT_EQ(spanAt(30, 1), QSize(2, 2));
    EXPECT_EQ(view.rowHeight(10), 60);
    EXPECT_TRUE(view.isRowHidden(11));
    EXPECT_TRUE(view.isColumnHidden(3));
    EXPECT_TRUE(view.isColumnHidden(0));
    EXPECT_EQ(view.rowHeight(12), grid.defaultRowHeight());

    grid.setRowHeight(11, 30);
    EXPECT_FALSE(view.isRowHidden(11));
    EXPECT_EQ(view.rowHeight(11), 30);
    grid.setColumnWidth(2, 123);
    EXPECT_EQ(view.columnWidth(2), 123);
}

// Hundreds of rows resized in one batch stand where rows resized one at a time stand: the same
// heights, places and scroll range, and the same picture once scrolled into the middle.
TEST_F(GridViewTest, RowsResizedInBulkShowAsRowsResizedOneByOne)
{
    Grid single{8, 6};
    GridView other;
    single.setFixedRowCount(2);
    single.setFixedColumnCount(1);
    single.setColumnWidth(0, 0);
    for (int c = 1; c < single.columnCount(); ++c)
        single.setColumnWidth(c, 80);
    other.resize(view.size());
    other.setGrid(&single);
    other.show();
    const auto heightOf = [](int row) { return row % 7 == 0 ? 0 : 18 + (row * 37) % 50; };
    single.insertRows(8, 300);
    for (int row = 0; row < single.rowCount(); ++row) {
        single.setRowHeight(row, heightOf(row));
        single.setText(row, 1, QString::number(row));
    }
    {
        GridUpdateGuard batch(grid);
        grid.insertRows(8, 300);
        for (int row = 0; row < grid.rowCount(); ++row) {
            grid.setRowHeight(row, heightOf(row));
            grid.setText(row, 1, QString::number(row));
        }
    }
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    QCoreApplication::processEvents();
    EXPECT_TRUE(view.updatesEnabled());
    EXPECT_TRUE(view.viewport()->updatesEnabled());
    for (int row = 0; row < grid.rowCount(); ++row) {
        EXPECT_EQ(view.isRowHidden(row), heightOf(row) == 0) << row;
        EXPECT_EQ(view.rowHeight(row), other.rowHeight(row)) << row;
        EXPECT_EQ(view.verticalHeader()->sectionPosition(row), other.verticalHeader()->sectionPosition(row)) << row;
    }
    EXPECT_EQ(view.verticalScrollBar()->maximum(), other.verticalScrollBar()->maximum());
    EXPECT_GT(view.verticalScrollBar()->maximum(), 0);
    view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum() / 2);
    other.verticalScrollBar()->setValue(other.verticalScrollBar()->maximum() / 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(view.grab().toImage(), other.grab().toImage());
}

TEST_F(GridViewTest, ClickSetsActiveCellAndReportsIt)
{
    QSignalSpy clicked(&view, &GridView::cellClicked);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, centreOf(4, 2));
    EXPECT_EQ(grid.activeRow(), 4);
    EXPECT_EQ(grid.activeColumn(), 2);
    ASSERT_EQ(clicked.size(), 1);
    EXPECT_EQ(clicked.at(0), (QVariantList{4, 2, true}));

    // Below the last row: no cell, the active cell stays.
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(100, 390));
    ASSERT_EQ(clicked.size(), 2);
    EXPECT_EQ(clicked.at(1), (QVariantList{4, 2, false}));

    // A click anywhere on a merged range names its anchor.
    grid.merge({6, 1, 7, 3});
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, centreOf(7, 3) + QPoint(0, 0));
    EXPECT_EQ(clicked.last(), (QVariantList{6, 1, true}));
}

TEST_F(GridViewTest, ActiveCellOfTheGridBecomesCurrent)
{
    grid.setActiveCell(5, 4);
    EXPECT_EQ(view.currentIndex(), view.gridModel()->index(5, 4));
}

// Shown or hidden when asked, the view ends at the first row with the active cell kept.
TEST_F(GridViewTest, TopLeftIsShownWithoutMovingTheActiveCell)
{
    view.resize(300, 90);
    for (const bool hiddenFirst : {false, true}) {
        if (hiddenFirst)
            view.hide();
        grid.setActiveCell(7, 5);
        view.showTopLeft();
        if (hiddenFirst)
            view.show();
        QCoreApplication::processEvents();
        EXPECT_EQ(view.verticalScrollBar()->value(), 0) << hiddenFirst;
        EXPECT_EQ(view.horizontalScrollBar()->value(), view.horizontalScrollBar()->minimum()) << hiddenFirst;
        EXPECT_EQ(view.currentIndex(), view.gridModel()->index(7, 5)) << hiddenFirst;
        grid.setActiveCell(2, 1);
    }
}

TEST_F(GridViewTest, MouseMovesAndLeavingAreReported)
{
    QSignalSpy moved(&view, &GridView::mouseMoved);
    QSignalSpy left(&view, &GridView::mouseLeft);
    QTest::mouseMove(view.viewport(), centreOf(3, 2));
    ASSERT_FALSE(moved.isEmpty());
    EXPECT_EQ(moved.last().at(0).toInt(), 3);
    EXPECT_EQ(moved.last().at(1).toInt(), 2);
    EXPECT_EQ(moved.last().at(2).toPoint(), centreOf(3, 2));

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(view.viewport(), &leave);
    EXPECT_EQ(left.size(), 1);
}

TEST_F(GridViewTest, DraggingAColumnBorderInTheFixedRowsResizesIt)
{
    QSignalSpy resized(&view, &GridView::columnResized);
    const int border = view.columnViewportPosition(2) + view.columnWidth(2);
    const int y = view.rowViewportPosition(0) + 5;
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, QPoint(border, y));
    QTest::mouseMove(view.viewport(), QPoint(border + 40, y));
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, QPoint(border + 40, y));
    EXPECT_EQ(grid.columnWidth(2), 120);
    EXPECT_EQ(view.columnWidth(2), 120);
    ASSERT_EQ(resized.size(), 1);
    EXPECT_EQ(resized.at(0).at(0).toInt(), 2);

    // In the body the same border is an ordinary click.
    const int bodyY = view.rowViewportPosition(4) + 5;
    const int bodyBorder = view.columnViewportPosition(2) + view.columnWidth(2);
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, QPoint(bodyBorder, bodyY));
    QTest::mouseMove(view.viewport(), QPoint(bodyBorder + 40, bodyY));
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, QPoint(bodyBorder + 40, bodyY));
    EXPECT_EQ(grid.columnWidth(2), 120);
    EXPECT_EQ(resized.size(), 1);
}

TEST_F(GridViewTest, TypingIntoACellEditsOnlyUnlockedOnes)
{
    QSignalSpy edited(&view, &GridView::cellEdited);
    grid.setLocked(3, 2, true);
    grid.setText(3, 2, QStringLiteral("锁定"));

    for (const auto &[row, column, locked] : {std::tuple{3, 2, true}, std::tuple{4, 2, false}}) {
        grid.setActiveCell(row, column);
        view.setFocus();
        // The first key opens the editor, which then has the focus for the rest.
        QTest::keyClick(&view, Qt::Key_4);
        if (auto *editor = view.findChild<QLineEdit *>()) {
            QTest::keyClick(editor, Qt::Key_2);
            QTest::keyClick(editor, Qt::Key_Return);
        }
        QCoreApplication::processEvents(); // the delegate commits on a queued call
        EXPECT_EQ(grid.text(row, column) == QStringLiteral("42"), !locked) << row;
    }
    EXPECT_EQ(grid.text(3, 2), QStringLiteral("锁定"));
    ASSERT_EQ(edited.size(), 1);
    EXPECT_EQ(edited.at(0), (QVariantList{4, 2}));
}

// A long table scrolled down: the two fixed rows stay at the top over the data rows.
class FrozenRowsTest : public GridViewTest
{
protected:
    void SetUp() override
    {
        GridViewTest::SetUp();
        grid.insertRows(grid.rowCount(), 80);
        for (int c = 1; c < grid.columnCount(); ++c)
            grid.setColumnWidth(c, 150);
        grid.merge({0, 1, 0, 3});
        grid.setText(0, 1, QStringLiteral("翠湖苑景观工程"));
        grid.setText(1, 2, QStringLiteral("工程量"));
        grid.setRangeBackground({0, 1, 1, 5}, 0xC0C0C0);
        for (int row = 2; row < grid.rowCount(); ++row)
            grid.setText(row, 2, QString::number(row));
        grid.setActiveCell(40, 4);
        QCoreApplication::processEvents();
    }

    int bandHeight() const { return view.rowHeight(0) + view.rowHeight(1); }
    void scrollTo(int x, int y)
    {
        view.horizontalScrollBar()->setValue(x);
        view.verticalScrollBar()->setValue(y);
        QCoreApplication::processEvents();
    }
    // What the screen shows, scrolled pixels included. The table's own painting leaves dots of grid
    // line on its very first pixel row, so that row is left out.
    QImage band()
    {
        const QPoint origin = view.viewport()->mapTo(view.window(), QPoint(0, 1));
        return view.screen()
            ->grabWindow(view.window()->winId(), origin.x(), origin.y(), view.viewport()->width(),
                         bandHeight() - 1)
            .toImage();
    }
};

TEST_F(FrozenRowsTest, BandShowsTheFixedRowsWhereverTheTableIsScrolled)
{
    for (const int x : {0, 60}) {
        scrollTo(x, 0);
        const QImage unscrolled = band();
        scrollTo(x, 300);
        EXPECT_EQ(view.frozenBandHeight(), bandHeight());
        EXPECT_EQ(band(), unscrolled) << x;
        // Scrolling back up redraws what the band covered.
        scrollTo(x, 280);
        EXPECT_EQ(band(), unscrolled) << x;
    }
    scrollTo(0, 0);
    EXPECT_EQ(view.frozenBandHeight(), 0);
}

TEST_F(FrozenRowsTest, MouseInTheBandReachesTheFixedRows)
{
    scrollTo(0, 300);
    QSignalSpy clicked(&view, &GridView::cellClicked);
    QSignalSpy moved(&view, &GridView::mouseMoved);
    const int x = view.columnViewportPosition(2) + 10;

    EXPECT_EQ(view.indexAt(QPoint(x, 3)), view.gridModel()->index(0, 1)); // the merged title
    EXPECT_EQ(view.indexAt(QPoint(x, view.rowHeight(0) + 3)), view.gridModel()->index(1, 2));
    QTest::mouseMove(view.viewport(), QPoint(x, view.rowHeight(0) + 3));
    ASSERT_FALSE(moved.isEmpty());
    EXPECT_EQ(moved.last().at(0).toInt(), 1);

    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(x, view.rowHeight(0) + 3));
    EXPECT_EQ(clicked.last(), (QVariantList{1, 2, true}));
    EXPECT_EQ(view.verticalScrollBar()->value(), 300); // a fixed cell is in sight already

    // Just below the band: the data row drawn there, not one hidden under the band.
    const int below = bandHeight() + 2;
    const int row = view.rowAt(below);
    EXPECT_EQ(row, (300 + below) / view.rowHeight(row));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(x, below));
    EXPECT_EQ(clicked.last(), (QVariantList{row, 2, true}));
    EXPECT_EQ(view.visualRect(view.gridModel()->index(0, 2)).top(), 0);
}

TEST_F(FrozenRowsTest, DoubleClickInTheBandEditsTheFixedCell)
{
    scrollTo(0, 300);
    QSignalSpy edited(&view, &GridView::cellEdited);
    const QPoint inBand(view.columnViewportPosition(2) + 10, view.rowHeight(0) + 3);
    // A real double click begins with a whole click.
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, inBand);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, inBand);
    auto *editor = view.findChild<QLineEdit *>();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->geometry().contains(inBand)); // over the cell in the band, not off screen
    editor->setText(QStringLiteral("数量"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(grid.text(1, 2), QStringLiteral("数量"));
    ASSERT_EQ(edited.size(), 1);
    EXPECT_EQ(edited.at(0), (QVariantList{1, 2}));
}

TEST_F(FrozenRowsTest, ColumnBordersAreDraggedInTheBand)
{
    scrollTo(0, 300);
    const int border = view.columnViewportPosition(2) + view.columnWidth(2);
    const int y = view.rowHeight(0) + 3;
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, QPoint(border, y));
    QTest::mouseMove(view.viewport(), QPoint(border - 30, y));
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, QPoint(border - 30, y));
    EXPECT_EQ(grid.columnWidth(2), 120);
}

TEST_F(FrozenRowsTest, ActiveCellIsNotLeftUnderTheBand)
{
    scrollTo(0, 300);
    const int hidden = view.rowAt(1); // drawn over by the band
    grid.setActiveCell(hidden, 2);
    QCoreApplication::processEvents();
    EXPECT_GE(view.visualRect(view.gridModel()->index(hidden, 2)).top(), bandHeight());

    view.setFocus();
    const int before = grid.activeRow();
    QTest::keyClick(&view, Qt::Key_Up);
    EXPECT_EQ(grid.activeRow(), before - 1);
    EXPECT_GE(view.visualRect(view.gridModel()->index(before - 1, 2)).top(), bandHeight());
}

} // namespace
