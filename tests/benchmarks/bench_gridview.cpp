// The table on screen with a large estimate: loading it, adding rows one at a time, scrolling through it.
#include "contracts/grid.h"
#include "contracts/gridupdateguard.h"
#include "contracts/widgets/gridview.h"

#include <QApplication>
#include <QScrollBar>
#include <benchmark/benchmark.h>

namespace {

constexpr int Columns = 19; // the budget table's width
constexpr int HeaderRows = 3;
constexpr int RoomEvery = 25; // one room row among every so many rows

QApplication &application()
{
    static int argc = 1;
    static char name[] = "bench_gridview";
    static char *argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication *app = new QApplication(argc, argv); // kept to the end of the program
    return *app;
}

// An item row as the table writes it, or a room row with its merged title and total.
void writeRow(Grid &grid, int row)
{
    if ((row - HeaderRows) % RoomEvery == 0) {
        grid.setRangeBackground({row, 1, row, 18}, 0xEDEDED);
        grid.merge({row, 1, row, 3});
        grid.merge({row, 4, row, 17});
        grid.setText(row, 4, QStringLiteral("结算：¥12345.60  "));
        grid.setRowHeight(row, 30);
        return;
    }
    grid.setText(row, 1, QString::number(row));
    grid.setText(row, 3, QStringLiteral("花岗岩园路铺装 600×300×30"));
    grid.setText(row, 5, QStringLiteral("12.50"));
    grid.setText(row, 9, QStringLiteral("¥2250.00"));
    grid.setRangeAlignment({row, 5, row, 17}, 14);
    grid.setLocked(row, 1, true);
}

void prepareGrid(Grid &grid)
{
    grid.setColumnCount(Columns);
    grid.setRowCount(HeaderRows);
    grid.setFixedRowCount(HeaderRows);
    grid.setColumnWidth(0, 0);
    for (int c = 1; c < Columns; ++c)
        grid.setColumnWidth(c, 70);
}

void loadRows(Grid &grid, int rows)
{
    GridUpdateGuard batch(grid);
    grid.insertRows(HeaderRows, rows);
    for (int row = HeaderRows; row < grid.rowCount(); ++row)
        writeRow(grid, row);
}

// A shown view over a table of 10,000 loaded rows; the grid outlives the view.
struct ShownTable {
    ShownTable()
    {
        prepareGrid(grid);
        loadRows(grid, 10'000);
        view.resize(1000, 700);
        view.setGrid(&grid);
        view.show();
        QCoreApplication::processEvents();
    }
    QApplication &app = application(); // before any widget
    Grid grid;
    GridView view;
};

void BM_LoadRowsIntoShownView(benchmark::State &state)
{
    application();
    for (auto _ : state) {
        Grid grid;
        prepareGrid(grid);
        GridView view;
        view.resize(1000, 700);
        view.setGrid(&grid);
        view.show();
        loadRows(grid, int(state.range(0)));
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_LoadRowsIntoShownView)->Arg(10'000)->Unit(benchmark::kMillisecond);

// Each insert is a signal of its own, as when the user adds items one by one.
void BM_InsertRowsOneByOneInTheMiddle(benchmark::State &state)
{
    ShownTable table;
    Grid &grid = table.grid;
    for (auto _ : state) {
        for (int i = 0; i < state.range(0); ++i) {
            const int row = grid.rowCount() / 2;
            grid.insertRows(row, 1);
            writeRow(grid, row);
        }
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_InsertRowsOneByOneInTheMiddle)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_ScrollThroughAllRows(benchmark::State &state)
{
    ShownTable table;
    GridView &view = table.view;
    QScrollBar *bar = view.verticalScrollBar();
    for (auto _ : state) {
        for (int value = bar->minimum(); value <= bar->maximum(); value += view.viewport()->height()) {
            bar->setValue(value);
            view.viewport()->repaint();
        }
        bar->setValue(bar->minimum());
    }
}
BENCHMARK(BM_ScrollThroughAllRows)->Unit(benchmark::kMillisecond);

// Wheel-sized steps: only the uncovered strip (and the band of fixed rows over it) is drawn again.
void BM_ScrollInSmallSteps(benchmark::State &state)
{
    ShownTable table;
    GridView &view = table.view;
    QScrollBar *bar = view.verticalScrollBar();
    for (auto _ : state) {
        for (int step = 1; step <= state.range(0); ++step) {
            bar->setValue(bar->minimum() + step * 60);
            QCoreApplication::processEvents();
        }
        bar->setValue(bar->minimum());
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_ScrollInSmallSteps)->Arg(500)->Unit(benchmark::kMillisecond);

} // namespace
