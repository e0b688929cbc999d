#include "projectresavecommand.h"

#include "clicommand.h"
#include "headlessproject.h"
#include "projectarguments.h"

int runProjectResave(const QStringList &args, QTextStream &, QTextStream &err)
{
    const std::optional<ProjectArguments> parsed = ProjectArguments::parse(args, 2, false, false);
    if (!parsed) {
        err << "resave: usage: resave IN.gzj OUT.gzj\n";
        return ExitBadInput;
    }
    HeadlessProject project(HeadlessProject::Tables::Skipped);
    if (!project.open(parsed->paths.at(0), "resave", err))
        return ExitBadInput;
    const ProjectSaveResult saved = project.lifecycle().saveProject(parsed->paths.at(1));
    if (!saved) {
        err << "resave: " << QString(saved.errorText).replace(QLatin1Char('\n'), QLatin1Char(' ')) << '\n';
        return ExitBadInput;
    }
    return 0;
}
