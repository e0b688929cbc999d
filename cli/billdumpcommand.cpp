#include "billdumpcommand.h"

#include "clicommand.h"
#include "headlessproject.h"
#include "projectarguments.h"

#include "reports/griddump.h"

int runBillDump(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const std::optional<ProjectArguments> parsed = ProjectArguments::parse(args, 1, true, true);
    if (!parsed) {
        err << "bill: usage: bill PROJECT.gzj [--list bill|material|machine] [--precision 0|1|2]\n";
        return ExitBadInput;
    }
    HeadlessProject project(HeadlessProject::tablesFor(parsed->list));
    if (!project.open(parsed->paths.first(), "bill", err))
        return ExitBadInput;
    AppContext &c = project.context();
    BillLists &lists = c.billLists();
    lists.buildMaterialList(c.estimate());
    lists.buildMachineList(c.estimate());
    if (parsed->precision) {
        c.budgetTable().setPrecision(*parsed->precision);
        lists.reformat(*parsed->precision);
    }
    out << dumpGrid(lists.grid(parsed->list));
    return 0;
}
