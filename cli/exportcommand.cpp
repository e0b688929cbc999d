#include "exportcommand.h"

#include "clicommand.h"
#include "headlessproject.h"
#include "pageexportwriter.h"
#include "projectarguments.h"
#include "workbookexportwriter.h"

#include "reports/billlists.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <array>
#include <cstdio>

namespace {

// One entry per format; the writer of each lives in its own file.
const std::array<ExportWriter, 4> &writers()
{
    static const std::array<ExportWriter, 4> table{{
        {"xlsx", writeWorkbookExport},
        {"html", writePageExport},
        {"htm", writePageExport},
        {"doc", writePageExport},
    }};
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

std::optional<ExportOptions> ExportOptions::parse(const QStringList &args)
{
    QStringList rest;
    ExportOptions options;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args.at(i) == QStringLiteral("-o") && i + 1 < args.size() && options.output.isEmpty())
            options.output = args.at(++i);
        else
            rest << args.at(i);
    }
    const std::optional<ProjectArguments> project = ProjectArguments::parse(rest, 1, true, true);
    if (!project || options.output.isEmpty())
        return std::nullopt;
    options.project = project->paths.first();
    options.list = project->list;
    options.precision = project->precision;
    return options;
}

int runExport(const QStringList &args, QTextStream &, QTextStream &err)
{
    const std::optional<ExportOptions> options = ExportOptions::parse(args);
    if (!options) {
        err << "export: usage: export PROJECT.gzj -o OUT [--list bill|material|machine] [--precision "
               "0|1|2]\n";
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
    HeadlessProject project;
    if (!project.open(options->project, "export", err))
        return ExitBadInput;
    buildList(project.context(), *options);
    QString error;
    if (!writeReplacing(*writer, project.context(), *options, &error)) {
        err << "export: cannot write " << options->output << ": " << error << '\n';
        return ExitBadInput;
    }
    return 0;
}
