// The desktop program opening a 10,000-item project offscreen as its command line opens it:
// the window's open sequence (progress notice, the file read, both tables filled with their
// rows fitted to the real fonts, every pane told of the new document) and the shown window
// painted. The timer waits before the open are not included. The reading alone is timed
// beside it, so that what the window adds can be told apart.
#include "benchproject.h"

#include "app/appcontext.h"
#include "app/projectfilereader.h"
#include "app/widgets/documentcommands.h"
#include "app/widgets/cquillarydlg.h"
#include "app/widgets/viewswitcher.h"
#include "contracts/widgets/qttextmeasure.h"
#include "estimate/widgets/qtroomtextpainter.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include <benchmark/benchmark.h>

namespace {

QApplication &application()
{
    static int argc = 1;
    static char name[] = "bench_openwindow";
    static char *argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication *app = new QApplication(argc, argv); // kept to the end of the program
    return *app;
}

// The generated project of `items` items in a file of its own.
bool writeProject(const QString &path, int items)
{
    const QByteArray bytes = BenchProject::projectBytes(items / 100, 100);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void BM_OpenInShownWindow(benchmark::State &state)
{
    application();
    QTemporaryDir dir;
    qputenv("PLOTWRIGHT_DOCUMENTS_DIR", dir.path().toUtf8());
    const QString path = dir.filePath(QStringLiteral("big.gzj"));
    if (!writeProject(path, int(state.range(0)))) {
        state.SkipWithError("cannot write the project");
        return;
    }
    for (auto _ : state) {
        // Every open is the first of a started program: its texts are measured and its room
        // pictures drawn afresh.
        state.PauseTiming();
        QtRoomTextPainter painter;
        QtTextMeasure measure;
        auto context = std::make_unique<AppContext>(
            AppFolders(dir.path(), QCoreApplication::applicationDirPath()), &painter);
        context->setTextMeasure(&measure);
        context->startUp();
        auto window = std::make_unique<CQuillaryDlg>(*context);
        window->views().setInitialView(ViewSwitcher::TableView);
        window->show();
        QCoreApplication::processEvents();
        context->document().currentProjectPath = path;
        context->document().pendingOperation = PendingOperation::OpenProject;
        state.ResumeTiming();
        window->documents().openProjectSequence();
        window->repaint(); // the table as the user first sees it
        QCoreApplication::processEvents();
        state.PauseTiming();
        const bool opened = context->estimate().rowCount() > int(state.range(0));
        window.reset();
        context.reset();
        state.ResumeTiming();
        if (!opened) {
            state.SkipWithError("open failed");
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The part of the open that reads the file into project records, timed alone.
void BM_ReadProjectAlone(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.gzj"));
    if (!writeProject(path, int(state.range(0)))) {
        state.SkipWithError("cannot write the project");
        return;
    }
    for (auto _ : state) {
        const ProjectLoadResult loaded = LoadProjectFile(path);
        if (loaded.status != ProjectLoadStatus::Loaded) {
            state.SkipWithError("read failed");
            return;
        }
        benchmark::DoNotOptimize(loaded.document.rooms.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_OpenInShownWindow)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReadProjectAlone)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
