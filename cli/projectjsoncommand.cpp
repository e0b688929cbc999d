#include "projectjsoncommand.h"

#include "clicommand.h"
#include "headlessproject.h"
#include "projectarguments.h"
#include "projectjson.h"

int runProjectJson(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const std::optional<ProjectArguments> parsed = ProjectArguments::parse(args, 1, false, false);
    if (!parsed) {
        err << "json: usage: json PROJECT.gzj\n";
        return ExitBadInput;
    }
    HeadlessProject project(HeadlessProject::Tables::Skipped);
    if (!project.open(parsed->paths.first(), "json", err))
        return ExitBadInput;
    AppContext &c = project.context();
    out << QString::fromStdString(ProjectJson::document(c.projectInfo(), c.settings().rates,
                                                        c.estimate().rows(), c.estimate().totals()))
        << '\n';
    return 0;
}
