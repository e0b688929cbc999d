// Exporting a 10,000-item bill of quantities: the writers alone, and the whole
// `plotwright-cli export` process (reading the project included).
#include "app/appcontext.h"
#include "app/documentlifecycle.h"
#include "estimate/budgettable.h"
#include "estimate/estimate.h"
#include "reports/billlists.h"
#include "reports/listexport.h"

#include "benchproject.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>


namespace {

constexpr int Items = 10000;
constexpr int Rooms = 20;

ConstructItem benchItem(int n)
{
    ConstructItem item;
    item.categoryKind = QStringLiteral("类别%1").arg(n % 5);
    item.itemName = QStringLiteral("项目%1 <乔木>").arg(n);
    item.itemDesc = QStringLiteral("取材标准及施工说明 %1：挖穴、换土 & 浇水").arg(n);
    item.brand.unit = QStringLiteral("m²");
    item.brand.num = 3.5f + float(n % 9);
    item.brand.material = 12.5f;
    item.brand.laborcost = 4.0f;
    item.brand.machine = 1.5f;
    item.brand.loss = 0.02f;
    return item;
}

// One project of Items items in Rooms rooms, its bill grid filled, saved once for the process runs.
struct BigProject {
    QTemporaryDir folder;
    AppContext context{AppFolders(folder.path(), BenchProject::programFolder())};
    DocumentLifecycle lifecycle{context};
    QString path = folder.filePath(QStringLiteral("big.gzj"));

    BigProject()
    {
        context.folders().createMissingFolders();
        context.setUpGrids();
        BudgetTable &table = context.budgetTable();
        table.beginBulk();
        for (int r = 0; r < Rooms; ++r) {
            table.addRoom(QStringLiteral("房间%1").arg(r));
            for (int n = 0; n < Items / Rooms; ++n)
                table.insertItem(context.estimate().rowCount() + 2, benchItem(n));
        }
        table.endBulk();
        lifecycle.saveProject(path);
    }
};

BigProject &project()
{
    static BigProject big;
    return big;
}

void BM_BillWorkbook(benchmark::State &state)
{
    BigProject &big = project();
    const Grid &bill = big.context.billLists().billGrid();
    const QString out = big.folder.filePath(QStringLiteral("bill.xlsx"));
    for (auto _ : state) {
        if (!ListExport::writeWorkbook(bill, BillLists::BillOfQuantities, out))
            state.SkipWithError("the workbook was not written");
    }
    state.counters["rows"] = bill.rowCount();
}

void BM_BillPage(benchmark::State &state)
{
    BigProject &big = project();
    const Grid &bill = big.context.billLists().billGrid();
    const QString out = big.folder.filePath(QStringLiteral("bill.html"));
    for (auto _ : state) {
        if (!ListExport::writePage(bill, out))
            state.SkipWithError("the page was not written");
    }
}

// The whole process as a user runs it.
void BM_CliExport(benchmark::State &state, const char *extension)
{
    BigProject &big = project();
    const QString out = big.folder.filePath(QStringLiteral("cli.") + QLatin1String(extension));
    BenchProject::runProcess(state, QStringLiteral("plotwright-cli"),
                             {QStringLiteral("export"), big.path, QStringLiteral("-o"), out});
}

} // namespace

BENCHMARK(BM_BillWorkbook)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BillPage)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CliExport, xlsx, "xlsx")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_CliExport, html, "html")->Unit(benchmark::kMillisecond)->UseRealTime();
