// The project file's whole path: bytes read into the estimate and written back,
// beside a pugixml DOM parse of the same bytes, and the shapes that once grew
// faster than their size (one long group, many categories, many line ends).
#include "app/appcontext.h"
#include "app/documentlifecycle.h"
#include "app/projectfileencoding.h"
#include "app/projectfilereader.h"
#include "app/projectfilewriter.h"
#include "library/templateparser.h"

#include "benchproject.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

namespace {

const QByteArray &tenThousand()
{
    static const QByteArray bytes = BenchProject::projectBytes(100, 100);
    return bytes;
}

void BM_PugixmlParse(benchmark::State &state)
{
    const QByteArray &bytes = tenThousand();
    for (auto _ : state) {
        pugi::xml_document document;
        benchmark::DoNotOptimize(document.load_buffer(bytes.constData(), std::size_t(bytes.size())));
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_ReadProjectBytes(benchmark::State &state)
{
    const QByteArray &bytes = tenThousand();
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseProjectBytes(bytes).rooms.size());
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

// What `resave` does: the file read into an estimate without tables, then written again.
void BM_ResaveWithoutTables(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.gzj"));
    const QString out = dir.filePath(QStringLiteral("out.gzj"));
    QFile file(in);
    if (!file.open(QIODevice::WriteOnly) || file.write(tenThousand()) != tenThousand().size()) {
        state.SkipWithError("cannot write the project");
        return;
    }
    file.close();
    for (auto _ : state) {
        AppContext context(AppFolders(dir.path(), dir.path()));
        context.setUpGrids();
        DocumentLifecycle lifecycle(context);
        lifecycle.setTablesFilled(false);
        if (lifecycle.openProject(in).status != DocumentLifecycle::OpenStatus::Opened ||
            !lifecycle.saveProject(out)) {
            state.SkipWithError("resave failed");
            return;
        }
    }
    state.SetBytesProcessed(state.iterations() * tenThousand().size());
}

void BM_WriteProject(benchmark::State &state)
{
    const ProjectDocument document = ParseProjectBytes(tenThousand());
    const QList<EstimateRow> rows = document.rows();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            ComposeProjectFile(document.info, RateSettings(), PageSettings(), rows).size());
}

// One room holding one category group of range(0) items, read and filled into the estimate.
void BM_OneLongGroup(benchmark::State &state)
{
    QByteArray bytes("<room name=\"a\">");
    for (int i = 0; i < state.range(0); ++i)
        bytes += "<construction kind=\"k\"></construction>";
    bytes += "</room>";
    for (auto _ : state) {
        const ProjectDocument document = ParseProjectBytes(bytes);
        Estimate estimate;
        DocumentState documentState;
        for (const ProjectRoom &room : document.rooms)
            estimate.appendRoomWithItems(room.room, room.items, RateSettings(), documentState);
        benchmark::DoNotOptimize(estimate.rowCount());
    }
    state.SetComplexityN(state.range(0));
}

// Categories as our writer leaves them: no id=, so the category key search finds nothing.
void BM_TemplateCategories(benchmark::State &state)
{
    QString text;
    for (int c = 0; c < state.range(0); ++c)
        text +=
            QStringLiteral("  <project name=\"分类%1\" kind=\"类型%1\">\n    <construction name=\"自定义\" "
                           "desc=\"\">\n\n  <brand unit=\"m²\" num=\"1.000\">  </brand>\n    "
                           "</construction>\n  </project>\n\n")
                .arg(c);
    for (auto _ : state)
        benchmark::DoNotOptimize(TemplateParser::readItems(text).size());
    state.SetComplexityN(state.range(0));
}

void BM_LineEnds(benchmark::State &state)
{
    const QByteArray bytes(qsizetype(state.range(0)) << 20, '\n');
    const QByteArray file = ProjectFileEncoding::encode(QString::fromLatin1(bytes));
    for (auto _ : state)
        benchmark::DoNotOptimize(ProjectFileEncoding::decode(file).size());
    state.SetBytesProcessed(state.iterations() * file.size());
}

// The whole processes, in turn in one run: the yardstick (a process that only
// parses the file into a pugixml DOM) and `plotwright-cli resave` of the same file.
struct TenThousandFile {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("big.gzj"));
    TenThousandFile()
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(tenThousand()) != tenThousand().size())
            path.clear();
    }
};

const TenThousandFile &tenThousandFile()
{
    static const TenThousandFile file;
    return file;
}

void BM_ProcessPugixmlParse(benchmark::State &state)
{
    BenchProject::runProcess(state, QStringLiteral("pugixml_parse"), {tenThousandFile().path});
}

void BM_ProcessResave(benchmark::State &state)
{
    const TenThousandFile &in = tenThousandFile();
    BenchProject::runProcess(state, QStringLiteral("plotwright-cli"),
                             {QStringLiteral("resave"), in.path, in.dir.filePath(QStringLiteral("out.gzj"))});
}

BENCHMARK(BM_PugixmlParse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadProjectBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteProject)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResaveWithoutTables)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneLongGroup)->Arg(4000)->Arg(16000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_TemplateCategories)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_LineEnds)->Arg(4)->Arg(16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProcessPugixmlParse)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_ProcessResave)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace
