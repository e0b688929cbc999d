#include "billdumpcommand.h"
#include "cliapplication.h"
#include "clicommand.h"
#include "exportcommand.h"
#include "projectjsoncommand.h"
#include "largeheap.h"
#include "projectresavecommand.h"
#include "tabledumpcommand.h"
#include "templateexportcommand.h"
#include "templateimportcommand.h"
#include "templatejsoncommand.h"
#include "templateresavecommand.h"

#include <array>
#include <cstring>

namespace {

// The commands in the order --help lists them. Each lives in its own file.
const std::array<CliCommand, 9> &commands()
{
    static const std::array<CliCommand, 9> list{{
        {"json", "json PROJECT.gzj   print a project as read (header, rates, rows, totals) as JSON",
         runProjectJson},
        {"resave", "resave IN.gzj OUT.gzj   read a project and write it again (rates off, as after a start)",
         runProjectResave},
        {"table", "table PROJECT.gzj [--precision 0|1|2]   print the budget table's grid", runTableDump},
        {"bill",
         "bill PROJECT.gzj [--list bill|material|machine] [--precision 0|1|2]   print a bill list's grid",
         runBillDump},
        {"export",
         "export PROJECT.gzj -o OUT [--list bill|material|machine] [--precision 0|1|2] [--paper "
         "A4|A3|B5|B4] [--orientation Vertical|Horizon] [--margins TOP,BOTTOM,LEFT,RIGHT]   write a bill "
         "list as .xlsx, .html/.htm, .doc or .pdf (by OUT's extension)",
         runExport},
        {"template-json", "template-json TEMPLATE [--user NAME]   print a template's items as JSON",
         runTemplateJson},
        {"template-resave",
         "template-resave IN OUT [--lock] [--user NAME]   read a template and write it again",
         runTemplateResave},
        {"template-import",
         "template-import SHEET -o OUT.xml   convert a quota spreadsheet (.xlsx/.xls) to a template",
         runTemplateImport},
        {"template-export",
         "template-export TEMPLATE -o SHEET.xlsx   write a template's items as a quota spreadsheet",
         runTemplateExport},
    }};
    return list;
}

void printHelp(QTextStream &out)
{
    out << "usage: plotwright-cli COMMAND [ARGS...]\n"
           "Reads and writes Plotwright projects and quota libraries without a window.\n\ncommands:\n";
    for (const CliCommand &c : commands())
        out << "  " << c.usage << '\n';
}

const CliCommand *commandNamed(const QString &name)
{
    for (const CliCommand &c : commands()) {
        if (name == QLatin1String(c.name))
            return &c;
    }
    return nullptr;
}

} // namespace

int main(int argc, char *argv[])
{
    UseLargeHeapPages();
    // Printed formats are written by export, the one command that needs fonts.
    const bool needsFonts = argc > 1 && std::strcmp(argv[1], "export") == 0;
    const std::unique_ptr<QCoreApplication> app = makeCliApplication(argc, argv, needsFonts);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = app->arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        printHelp(out);
        return args.isEmpty() ? ExitBadInput : 0;
    }
    const QString name = args.takeFirst();
    if (const CliCommand *c = commandNamed(name))
        return c->run(args, out, err);
    err << "plotwright-cli: unknown command \"" << name << "\" (see --help)\n";
    return ExitBadInput;
}
