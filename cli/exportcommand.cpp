#include "exportcommand.h"

#include "clicommand.h"
#include "exportoptions.h"
#include "exportwriter.h"
#include "headlessproject.h"
#ifdef PLOTWRIGHT_CLI_PRINTING
#include "pdfexportwriter.h"
#endif

#include "reports/billlists.h"

#include <span>

namespace {

// One entry per format, found by the target's suffix.
std::span<const ExportWriter> writers()
{
    static const ExportWriter table[] = {
#ifdef PLOTWRIGHT_CLI_PRINTING
        {"pdf", writePdfExport},
#endif
        {nullptr, nullptr},
    };
    return {table, std::size(table) - 1};
}

const ExportWriter *writerFor(const QString &suffix)
{
    for (const ExportWriter &writer : writers()) {
        if (suffix == QLatin1String(writer.suffix))
            return &writer;
    }
    return nullptr;
}

void prepareLists(HeadlessProject &project, const ExportOptions &options)
{
    AppContext &c = project.context();
    BillLists &lists = c.billLists();
    if (options.list == BillLists::MaterialList)
        lists.buildMaterialList(c.estimate());
    else if (options.list == BillLists::MachineList)
        lists.buildMachineList(c.estimate());
    if (options.precision) {
        c.budgetTable().setPrecision(*options.precision);
        lists.reformat(*options.precision);
    }
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
    const ExportWriter *writer = writerFor(options->format());
    if (!writer) {
        err << "export: no writer for \"." << options->format() << "\" files: " << options->output << '\n';
        return ExitBadInput;
    }
    HeadlessProject project;
    if (!project.open(options->project, "export", err))
        return ExitBadInput;
    prepareLists(project, *options);
    if (!writer->write(project, *options, &error)) {
        err << "export: cannot write " << options->output << ": " << error << '\n';
        return ExitBadInput;
    }
    return 0;
}
