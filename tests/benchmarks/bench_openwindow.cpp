// The desktop program opening a 10,000-item project offscreen: the file read,
// both tables filled with their rows fitted to the real fonts, and the shown
// window brought up to date. The timer waits before the open are not included.
#include "benchproject.h"

#include "app/appcontext.h"
#include "app/documentlifecycle.h"
#include "app/widgets/cquillarydlg.h"
#include "app/widgets/viewswitcher.h"
#include "contracts/widgets/qttextmeasure.h"
#include "estimate/widgets/qtroomtextpainter.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

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

void BM_OpenInShownWindow(benchmark::State &state)
{
    application();
    QTemporaryDir dir;
    qputenv("PLOTWRIGHT_DOCUMENTS_DIR", dir.path().toUtf8());
    const QString path = dir.filePath(QStringLiteral("big.gzj"));
    const QByteArray bytes = BenchProject::projectBytes(int(state.range(0)) / 100, 100);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        state.SkipWithError("cannot write the project");
        return;
    }
    file.close();
    QtRoomTextPainter painter;
    QtTextMeasure measure;
    AppContext context(AppFolders(dir.path(), QCoreApplication::applicationDirPath()), &painter);
    context.setTextMeasure(&measure);
    context.startUp();
    CQuillaryDlg window(context);
    window.views().setInitialView(ViewSwitcher::TableView);
    window.show();
    QCoreApplication::processEvents();
    DocumentLifecycle lifecycle(context);
    for (auto _ : state) {
        // Every open measures its texts afresh, as the first open of a started program does.
        state.PauseTiming();
        QtTextMeasure fresh;
        context.setTextMeasure(&fresh);
        state.ResumeTiming();
        if (lifecycle.openProject(path).status != DocumentLifecycle::OpenStatus::Opened) {
            context.setTextMeasure(&measure);
            state.SkipWithError("open failed");
            return;
        }
        QCoreApplication::processEvents();
        state.PauseTiming();
        context.setTextMeasure(&measure);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_OpenInShownWindow)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
