// Reading a project: rooms appended, every item inserted into both grids; an edit of a
// large project and its undo.
#include "contracts/grid.h"
#include "estimate/budgettable.h"
#include "estimate/celltext.h"
#include "estimate/commands/undohistory.h"
#include "estimate/projectbound.h"
#include "estimate/prompter.h"
#include "estimate/roompictures.h"
#include "estimate/tablesharedstate.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct SilentPrompter : Prompter {
    int ask(int, int) override { return Prompter::Yes; }
    void notify(int, int) override {}
    std::optional<QString> promptRoomName(const QString &name) override { return name; }
};

ConstructItem benchItem(int n)
{
    ConstructItem item;
    item.categoryKind = QStringLiteral("类别%1").arg(n % 5);
    item.itemName = QStringLiteral("项目%1").arg(n);
    item.itemDesc = QStringLiteral("取材标准及施工说明 %1").arg(n);
    item.brand.unit = QStringLiteral("m²");
    item.brand.num = 3.5f;
    item.brand.material = 12.5f;
    item.brand.laborcost = 4.0f;
    item.brand.machine = 1.5f;
    for (int m = 0; m < 3; ++m)
        item.brand.materials.append(
            MtLine{QStringLiteral("0"), QStringLiteral("材料%1").arg(m), {}, {}, {}, 2.0f, 1.0f, {}, {}});
    item.brand.machines.append(MtLine{
        QStringLiteral("1"), QStringLiteral("机械"), QStringLiteral("机械"), {}, {}, 5.0f, 0.1f, {}, {}});
    return item;
}

void BM_ReadProject(benchmark::State &state)
{
    const int items = int(state.range(0));
    const int rooms = 20 * items / 10000;
    const int perRoom = items / rooms;
    QList<ConstructItem> source;
    for (int n = 0; n < perRoom; ++n)
        source << benchItem(n);
    QTemporaryDir dir;
    for (auto _ : state) {
        state.PauseTiming();
        EstimateDocument doc;
        Estimate &estimate = doc.estimate();
        Grid table;
        Grid bill(8, 18);
        DocumentState &document = doc.state();
        document.pendingOperation = PendingOperation::OpenProject;
        RateSettings rates;
        TableSharedState shared;
        RoomPictures pictures(dir.path(), dir.path() + QStringLiteral("/none.bmp"));
        SilentPrompter prompter;
        BudgetTable budget({doc, table, bill, rates, shared, pictures, prompter});
        budget.setUpGrid(dir.path());
        state.ResumeTiming();
        budget.beginBulk();
        for (int r = 0; r < rooms; ++r) {
            budget.addRoom(QStringLiteral("房间%1").arg(r));
            for (const ConstructItem &item : std::as_const(source))
                budget.insertItem(estimate.rowCount() + 2, item);
        }
        budget.endBulk();
        benchmark::DoNotOptimize(estimate.totals().projectTotal);
    }
    state.SetItemsProcessed(state.iterations() * items);
}

BENCHMARK(BM_ReadProject)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);

// A project of 20 rooms and 10,000 items in its grids, recording its edits.
struct LargeProject {
    QTemporaryDir dir;
    EstimateDocument document;
    Grid table;
    Grid bill{8, 18};
    RateSettings rates;
    TableSharedState shared;
    RoomPictures pictures{dir.path(), dir.path() + QStringLiteral("/none.bmp")};
    SilentPrompter prompter;
    BudgetTable budget{{document, table, bill, rates, shared, pictures, prompter}};
    std::unique_ptr<UndoHistory> history;

    LargeProject()
    {
        budget.setUpGrid(dir.path());
        budget.beginBulk();
        for (int r = 0; r < 20; ++r) {
            budget.addRoom(QStringLiteral("房间%1").arg(r));
            for (int n = 0; n < 500; ++n)
                budget.insertItem(document.estimate().rowCount() + 2, benchItem(n));
        }
        budget.endBulk();
        history = std::make_unique<UndoHistory>(document);
    }

    // A quantity typed into an item row in the middle of the project.
    void editQuantity(int step)
    {
        // An item row: row count / 2 falls on a room of this project.
        const int gridRow = document.estimate().rowCount() / 2 + 1 + BudgetTable::TableHeaderRows;
        table.setText(gridRow, CellText::QuantityColumn, QString::number(4 + step % 7));
        budget.editCell(gridRow, CellText::QuantityColumn);
    }
};

void BM_EditQuantity(benchmark::State &state)
{
    LargeProject project;
    int step = 0;
    for (auto _ : state)
        project.editQuantity(++step);
    benchmark::DoNotOptimize(project.document.estimate().totals().projectTotal);
}

void BM_UndoQuantityEdit(benchmark::State &state)
{
    LargeProject project;
    int step = 0;
    for (auto _ : state) {
        state.PauseTiming();
        project.editQuantity(++step);
        state.ResumeTiming();
        project.history->undo();
    }
    benchmark::DoNotOptimize(project.document.estimate().totals().projectTotal);
}

// The range check every typed number passes: the whole project's bound with one item changed.
void BM_BoundOfOneEdit(benchmark::State &state)
{
    LargeProject project;
    const QList<EstimateRow> &rows = project.document.estimate().rows();
    const int index = rows.size() / 2 + 1;
    BrandData edited = rows.at(index).item.brand;
    edited.num = 5.0f;
    bool fits = true;
    for (auto _ : state)
        fits = ProjectBound::fitsWith(rows, index, edited) && fits;
    if (!fits)
        state.SkipWithError("the benchmark project should fit");
}

BENCHMARK(BM_EditQuantity)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoQuantityEdit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BoundOfOneEdit)->Unit(benchmark::kMicrosecond);

} // namespace
