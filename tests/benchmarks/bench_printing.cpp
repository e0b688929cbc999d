#include "app/appcontext.h"
#include "app/projectfilewriter.h"
#include "reports/billlists.h"
#include "reports/listprintrun.h"
#include "reports/print/gridpaginator.h"
#include "reports/print/listpdfwriter.h"
#include "tests/reports/printsamples.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A project of `items` priced items in one room, its bill written by the budget table.
struct BigProject {
    QTemporaryDir documents;
    AppContext context{AppFolders(documents.path(), QCoreApplication::applicationDirPath())};

    explicit BigProject(int items)
    {
        context.setUpGrids();
        context.projectInfo().name = QStringLiteral("锦园");
        context.budgetTable().addRoom(QStringLiteral("前院"));
        for (int k = 0; k < items; ++k)
            context.budgetTable().insertItem(context.budgetTable().addRoomGridRow(), pavingItem(k));
    }
};

// Paginating and painting the bill of quantities into a PDF, in the process: the cover and the
// list pages written to the file. Pages and time grow with the rows alone.
void BM_BillToPdf(benchmark::State &state)
{
    BigProject project(int(state.range(0)));
    const QString pdf = project.documents.filePath(QStringLiteral("bill.pdf"));
    Grid &bill = project.context.billGrid();
    for (auto _ : state) {
        QString error;
        if (!ListPdfWriter::write(bill, BillLists::BillOfQuantities, QStringLiteral("锦园"), PrintPageSetup(),
                                  pdf, &error))
            state.SkipWithError("PDF not written");
    }
    state.counters["rows"] = bill.rowCount();
    ListPrintRun run(bill, BillLists::BillOfQuantities, QStringLiteral("锦园"));
    run.showListPages();
    state.counters["pages"] = GridPaginator(bill, PrintPageSetup()).pageCount();
    state.counters["bytes"] = double(QFileInfo(pdf).size());
}
BENCHMARK(BM_BillToPdf)->Arg(1000)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);

// The whole command as a user runs it: plotwright-cli export PROJECT.gzj -o OUT.pdf.
void BM_CliExportPdf(benchmark::State &state)
{
    BigProject project(int(state.range(0)));
    const QString gzj = project.documents.filePath(QStringLiteral("big.gzj"));
    AppContext &c = project.context;
    if (!SaveProjectFile(gzj, c.projectInfo(), c.settings().rates, c.settings().page, c.estimate().rows())) {
        state.SkipWithError("project not written");
        return;
    }
    const QString cli = QCoreApplication::applicationDirPath() + QStringLiteral("/plotwright-cli");
    const QString pdf = project.documents.filePath(QStringLiteral("big.pdf"));
    for (auto _ : state) {
        QProcess process;
        process.start(cli, {QStringLiteral("export"), gzj, QStringLiteral("-o"), pdf});
        if (!process.waitForFinished(120000) || process.exitCode() != 0)
            state.SkipWithError("export failed");
    }
    state.counters["bytes"] = double(QFileInfo(pdf).size());
}
BENCHMARK(BM_CliExportPdf)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
