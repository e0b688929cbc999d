#include "tabledumpcommand.h"

#include "clicommand.h"
#include "headlessproject.h"
#include "projectarguments.h"

#include "reports/griddump.h"

int runTableDump(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const std::optional<ProjectArguments> parsed = ProjectArguments::parse(args, 1, true, false);
    if (!parsed) {
        err << "table: usage: table PROJECT.gzj [--precision 0|1|2]\n";
        return ExitBadInput;
    }
    HeadlessProject project;
    if (!project.open(parsed->paths.first(), "table", err))
        return ExitBadInput;
    AppContext &c = project.context();
    if (parsed->precision)
        c.budgetTable().setPrecision(*parsed->precision);
    out << dumpGrid(c.tableGrid());
    return 0;
}
