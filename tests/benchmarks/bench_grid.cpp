// Row inserts, removals and merge lookups on tables the size of a large estimate and beyond.
#include "contracts/grid.h"
#include "contracts/gridupdateguard.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int Columns = 19; // the budget table's width
constexpr int HeaderRows = 3;

// One item row as the budget table writes it: texts, a style, and column 1 merged with the row above.
void writeItemRow(Grid &grid, int row)
{
    grid.setText(row, 1, QStringLiteral("绿化"));
    grid.setText(row, 3, QStringLiteral("乔木种植"));
    grid.setRangeBackground({row, 1, row, 18}, 0xFFFFFF);
    grid.setImage(row, 18, QStringLiteral("del"));
    if (row > HeaderRows)
        grid.merge({row - 1, 1, row, 1});
}

void fillTable(Grid &grid, int itemRows)
{
    grid.setColumnCount(Columns);
    grid.setRowCount(HeaderRows);
    GridUpdateGuard hold(grid);
    grid.insertRows(HeaderRows, itemRows);
    for (int row = HeaderRows; row < grid.rowCount(); row += 2)
        grid.merge({row, 1, std::min(row + 1, grid.rowCount() - 1), 1});
}

void BM_InsertRowsAtEndWithMerge(benchmark::State &state)
{
    const int count = int(state.range(0));
    for (auto _ : state) {
        Grid grid(HeaderRows, Columns);
        for (int i = 0; i < count; ++i) {
            const int row = grid.rowCount();
            grid.insertRows(row, 1);
            writeItemRow(grid, row);
        }
        benchmark::DoNotOptimize(grid.rowCount());
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_InsertRowsAtEndWithMerge)->Arg(100000)->Unit(benchmark::kMillisecond);

// Every insert lands inside the growing middle group and is merged into its pair.
void BM_InsertRowsInMiddleWithMerge(benchmark::State &state)
{
    const int count = int(state.range(0));
    for (auto _ : state) {
        Grid grid(HeaderRows + 1, Columns);
        for (int i = 0; i < count; ++i) {
            const int row = HeaderRows + (grid.rowCount() - HeaderRows) / 2;
            grid.insertRows(row, 1);
            writeItemRow(grid, row);
        }
        benchmark::DoNotOptimize(grid.rowCount());
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_InsertRowsInMiddleWithMerge)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_RemoveRowsFromMiddle(benchmark::State &state)
{
    const int removals = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        Grid grid;
        fillTable(grid, 100000);
        state.ResumeTiming();
        for (int i = 0; i < removals; ++i)
            grid.removeRows(HeaderRows + (grid.rowCount() - HeaderRows) / 2, 1);
        benchmark::DoNotOptimize(grid.rowCount());
    }
    state.SetItemsProcessed(state.iterations() * removals);
}
BENCHMARK(BM_RemoveRowsFromMiddle)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_MergeLookup(benchmark::State &state)
{
    Grid grid;
    fillTable(grid, 100000);
    const int rows = grid.rowCount();
    int row = HeaderRows;
    for (auto _ : state) {
        benchmark::DoNotOptimize(grid.mergedRangeAt(row, 1));
        row = row + 7919 < rows ? row + 7919 : HeaderRows + (row + 7919 - rows);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MergeLookup);

void BM_CellTextRead(benchmark::State &state)
{
    Grid grid;
    fillTable(grid, 100000);
    int row = HeaderRows;
    for (auto _ : state) {
        benchmark::DoNotOptimize(grid.text(row, 3));
        row = row + 7919 < grid.rowCount() ? row + 7919 : HeaderRows + (row + 7919 - grid.rowCount());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CellTextRead);

} // namespace
