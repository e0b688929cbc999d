#include "contracts/grid.h"
#include "contracts/gridupdateguard.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// Writes every signal of a grid as one line, with the row count the grid had when it was sent.
class SignalLog
{
public:
    explicit SignalLog(Grid &grid) : m_grid(grid)
    {
        pair(&Grid::rowsAboutToBeInserted, "rowsAboutToBeInserted");
        pair(&Grid::rowsInserted, "rowsInserted");
        pair(&Grid::rowsAboutToBeRemoved, "rowsAboutToBeRemoved");
        pair(&Grid::rowsRemoved, "rowsRemoved");
        pair(&Grid::columnsAboutToBeInserted, "columnsAboutToBeInserted");
        pair(&Grid::columnsInserted, "columnsInserted");
        pair(&Grid::columnsAboutToBeRemoved, "columnsAboutToBeRemoved");
        pair(&Grid::columnsRemoved, "columnsRemoved");
        pair(&Grid::rowHeightsChanged, "rowHeightsChanged");
        pair(&Grid::columnsChanged, "columnsChanged");
        pair(&Grid::activeCellChanged, "activeCellChanged");
        quad(&Grid::cellsChanged, "cellsChanged");
        quad(&Grid::mergesChanged, "mergesChanged");
        none(&Grid::aboutToReset, "aboutToReset");
        none(&Grid::reset, "reset");
        none(&Grid::fixedCountsChanged, "fixedCountsChanged");
        none(&Grid::imagesChanged, "imagesChanged");
    }
    QStringList take() { return std::exchange(m_lines, QStringList()); }

private:
    void add(const char *name, QList<int> values)
    {
        QString line = QString::fromLatin1(name);
        for (int value : values)
            line += QLatin1Char(' ') + QString::number(value);
        m_lines << line + QStringLiteral(" @") + QString::number(m_grid.rowCount());
    }
    void pair(void (Grid::*signal)(int, int), const char *name)
    {
        QObject::connect(&m_grid, signal, [this, name](int a, int b) { add(name, {a, b}); });
    }
    void quad(void (Grid::*signal)(int, int, int, int), const char *name)
    {
        QObject::connect(&m_grid, signal, [this, name](int a, int b, int c, int d) {
            add(name, {a, b, c, d});
        });
    }
    void none(void (Grid::*signal)(), const char *name)
    {
        QObject::connect(&m_grid, signal, [this, name] { add(name, {}); });
    }

    Grid &m_grid;
    QStringList m_lines;
};

struct SignalCase {
    const char *name;
    void (*change)(Grid &);
    QStringList expected;
};

void PrintTo(const SignalCase &c, std::ostream *out)
{
    *out << c.name;
}

class GridSignalTest : public ::testing::TestWithParam<SignalCase>
{
};

// On a 10 × 5 grid with rows 2-4 merged in column 1.
TEST_P(GridSignalTest, SendsExactlyTheseSignals)
{
    Grid grid(10, 5);
    grid.merge({2, 1, 4, 1});
    grid.setText(0, 0, QStringLiteral("same"));
    SignalLog log(grid);
    GetParam().change(grid);
    EXPECT_EQ(log.take(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Single, GridSignalTest,
    ::testing::Values(
        SignalCase{
            "set_text", [](Grid &g) { g.setText(3, 2, QStringLiteral("x")); }, {"cellsChanged 3 2 3 2 @10"}},
        SignalCase{"same_value_is_silent", [](Grid &g) { g.setText(0, 0, QStringLiteral("same")); }, {}},
        SignalCase{"range_clipped",
                   [](Grid &g) {
                       g.setRangeAlignment({8, 3, 20, 20}, 10);
                   },
                   {"cellsChanged 8 3 9 4 @10"}},
        SignalCase{"insert_below_merge",
                   [](Grid &g) { g.insertRows(6, 2); },
                   {"rowsAboutToBeInserted 6 7 @10", "rowsInserted 6 7 @12"}},
        SignalCase{"insert_inside_merge",
                   [](Grid &g) { g.insertRows(3, 1); },
                   {"rowsAboutToBeInserted 3 3 @10", "rowsInserted 3 3 @11", "mergesChanged 2 1 5 1 @11"}},
        SignalCase{"remove_inside_merge",
                   [](Grid &g) { g.removeRows(4, 3); },
                   {"rowsAboutToBeRemoved 4 6 @10", "rowsRemoved 4 6 @7", "mergesChanged 2 1 3 1 @7"}},
        SignalCase{"append_row",
                   [](Grid &g) { g.appendRow(); },
                   {"rowsAboutToBeInserted 10 10 @10", "rowsInserted 10 10 @11"}},
        SignalCase{"remove_columns",
                   [](Grid &g) { g.removeColumns(3, 5); },
                   {"columnsAboutToBeRemoved 3 4 @10", "columnsRemoved 3 4 @10"}},
        SignalCase{"merge_over_merge",
                   [](Grid &g) {
                       g.merge({4, 0, 6, 1});
                   },
                   {"mergesChanged 2 0 6 1 @10"}},
        SignalCase{"unmerge_nothing",
                   [](Grid &g) {
                       g.unmerge({7, 0, 9, 4});
                   },
                   {}},
        SignalCase{"row_height", [](Grid &g) { g.setRowHeight(5, 0); }, {"rowHeightsChanged 5 5 @10"}},
        SignalCase{"column_format",
                   [](Grid &g) { g.setColumnNumberFormat(4, GridColumn::NumericKind, 2); },
                   {"columnsChanged 4 4 @10"}},
        SignalCase{"fixed_rows", [](Grid &g) { g.setFixedRowCount(3); }, {"fixedCountsChanged @10"}},
        SignalCase{"active_cell", [](Grid &g) { g.setActiveCell(3, 18); }, {}},
        SignalCase{"image", [](Grid &g) { g.addImage(QStringLiteral("del"), {}); }, {"imagesChanged @10"}}),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Batched, GridSignalTest,
    ::testing::Values(SignalCase{"many_cells_one_signal",
                                 [](Grid &g) {
                                     GridUpdateGuard hold(g);
                                     for (int row = 3; row < 9; ++row)
                                         for (int column = 1; column < 4; ++column)
                                             g.setText(row, column, QStringLiteral("v"));
                                     g.setBackground(1, 2, 0);
                                 },
                                 {"cellsChanged 1 1 8 3 @10"}},
                      SignalCase{"one_of_each_kind_in_fixed_order",
                                 [](Grid &g) {
                                     GridUpdateGuard hold(g);
                                     g.setActiveCell(1, 1);
                                     g.setRowHeight(7, 3);
                                     g.setRowHeight(2, 3);
                                     g.merge({6, 2, 6, 3});
                                     g.setText(9, 4, QStringLiteral("x"));
                                     g.setActiveCell(2, 2);
                                 },
                                 {"cellsChanged 9 4 9 4 @10", "mergesChanged 6 2 6 3 @10",
                                  "rowHeightsChanged 2 7 @10", "activeCellChanged 2 2 @10"}},
                      SignalCase{"shape_change_becomes_a_reset",
                                 [](Grid &g) {
                                     GridUpdateGuard hold(g);
                                     g.setText(1, 1, QStringLiteral("before"));
                                     for (int i = 0; i < 100; ++i)
                                         g.insertRows(3, 1);
                                     g.removeRows(0, 50);
                                     g.setText(1, 1, QStringLiteral("after"));
                                 },
                                 {"aboutToReset @10", "reset @60"}},
                      SignalCase{"nested_batches_send_at_the_outer_end",
                                 [](Grid &g) {
                                     g.beginUpdate();
                                     {
                                         GridUpdateGuard inner(g);
                                         g.setText(1, 1, QStringLiteral("a"));
                                     }
                                     g.setText(2, 2, QStringLiteral("b"));
                                     g.endUpdate();
                                     g.endUpdate(); // unmatched: ignored
                                 },
                                 {"cellsChanged 1 1 2 2 @10"}},
                      SignalCase{"empty_batch_is_silent", [](Grid &g) { GridUpdateGuard hold(g); }, {}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(GridSignals, BatchEndsWithNothingPendingForTheNext)
{
    Grid grid(4, 4);
    SignalLog log(grid);
    {
        GridUpdateGuard hold(grid);
        grid.insertRows(0, 1);
    }
    log.take();
    {
        GridUpdateGuard hold(grid);
        grid.setText(0, 0, QStringLiteral("x"));
    }
    EXPECT_EQ(log.take(), QStringList{"cellsChanged 0 0 0 0 @5"});
}

} // namespace
