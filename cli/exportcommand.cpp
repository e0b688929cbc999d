#include "exportcommand.h"

#include "clicommand.h"
#include "headlessproject.h"
#include "pageexportwriter.h"
#include "workbookexportwriter.h"
#ifdef PLOTWRIGHT_CLI_PRINTING
#include "pdfexportwriter.h"

#include "contracts/widgets/qttextmeasure.h"
#include "reports/print/printtextmeasure.h"
#endif

#include "reports/billlists.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>
#include <span>

namespace {

// One entry per format; the writer of each lives in its own file.
std::span<const ExportWriter> writers()
{
    static const ExportWriter table[] = {
        {"xlsx", writeWorkbookExport},
        {"html", writePageExport},
        {"htm", writePageExport},
        {"doc", writePageExport},
#ifdef PLOTWRIGHT_CLI_PRINTING
        {"pdf", writePdfExport, true},
#endif
    };
    return table;
}

const ExportWriter *writerFor(const QString &path)
{
    const QByteArray extension = QFileInfo(path).suffix().toLower().toUtf8();
    for (const ExportWriter &w : writers()) {
        if (extension == w.extension)
            return &w;
    }
    return nullptr;
}

QString knownExtensions()
{
    QStringList names;
    for (const ExportWriter &w : writers())
        names << u'.' + QString::fromLatin1(w.extension);
    return names.join(QStringLiteral(", "));
}

// Why OUT cannot be written, empty when it can be tried.
QString targetProblem(const QString &path)
{
    const QFileInfo target(path);
    if (target.isDir())
        return QStringLiteral("a folder is in the way: ") + path;
    const QFileInfo parent(target.absolutePath());
    if (!parent.exists())
        return QStringLiteral("no such folder: ") + parent.filePath();
    if (!parent.isDir())
        return QStringLiteral("not a folder: ") + parent.filePath();
    return QString();
}

void buildList(AppContext &context, const ExportOptions &options)
{
    BillLists &lists = context.billLists();
    if (options.list == BillLists::MaterialList)
        lists.buildMaterialList(context.estimate());
    else if (options.list == BillLists::MachineList)
        lists.buildMachineList(context.estimate());
    if (options.precision) {
        context.budgetTable().setPrecision(*options.precision);
        lists.reformat(*options.precision);
    }
}

// The file is made beside OUT and renamed over it only when complete, so a
// failed export leaves an older OUT as it was.
bool writeReplacing(const ExportWriter &writer, AppContext &context, const ExportOptions &options,
                    QString *error)
{
    const QFileInfo target(options.output);
    QTemporaryFile scratch(target.absoluteDir().filePath(u'.' + target.fileName() +
                                                         QStringLiteral(".XXXXXX.") + target.suffix()));
    if (!scratch.open()) {
        *error = scratch.errorString();
        return false;
    }
    scratch.close();
    const QFile::Permissions permissions =
        target.exists() ? target.permissions()
                        : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    if (!writer.write(context, options, scratch.fileName(), error))
        return false;
    if (std::rename(QFile::encodeName(scratch.fileName()).constData(),
                    QFile::encodeName(options.output).constData()) != 0) {
        *error = QStringLiteral("cannot replace the file");
        return false;
    }
    scratch.setAutoRemove(false);
    QFile::setPermissions(options.output, permissions);
    return true;
}

} // namespace

int runExport(const QStringList &args, QTextStream &, QTextStream &err)
{
    QString error;
    const std::optional<ExportOptions> options = ExportOptions::parse(args, &error);
    if (!options) {
        err << "export: " << error << '\n';
        return ExitBadInput;
    }
    const ExportWriter *writer = writerFor(options->output);
    if (!writer) {
        err << "export: unknown file type of " << options->output << " (known: " << knownExtensions()
            << ")\n";
        return ExitBadInput;
    }
    if (const QString problem = targetProblem(options->output); !problem.isEmpty()) {
        err << "export: cannot write " << options->output << ": " << problem << '\n';
        return ExitBadInput;
    }
#ifdef PLOTWRIGHT_CLI_PRINTING
    // Rows are fitted as the project is read, the bill's number columns when it is laid out.
    const QtTextMeasure screen;
    const PrintTextMeasure measure(screen);
    HeadlessProject project(HeadlessProject::tablesFor(options->list));
    if (writer->measured)
        project.context().setTextMeasure(&measure);
#else
    HeadlessProject project(HeadlessProject::tablesFor(options->list));
#endif
    if (!project.open(options->project, "export", err))
        return ExitBadInput;
    buildList(project.context(), *options);
    if (writer->measured)
        project.context().billLists().fitBillWidths();
    if (!writeReplacing(*writer, project.context(), *options, &error)) {
        err << "export: cannot write " << options->output << ": " << error << '\n';
        return ExitBadInput;
    }
    return 0;
}
