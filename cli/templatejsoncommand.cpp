#include "templatejsoncommand.h"

#include "clicommand.h"
#include "templatearguments.h"
#include "templatejson.h"

#include "templatereadreport.h"

#include "library/quotalibrary.h"

int runTemplateJson(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const std::optional<TemplateArguments> parsed = TemplateArguments::parse(args, 1, false);
    if (!parsed) {
        err << "template-json: usage: template-json TEMPLATE [--user NAME]\n";
        return ExitBadInput;
    }
    QuotaLibrary library;
    library.setCurrentUserName(parsed->user);
    const QString &path = parsed->paths.first();
    const bool accepted = ReadTemplateForCommand(library, path, "template-json", err);
    out << QString::fromStdString(
               TemplateJson::document(accepted, library.canEditTemplate(), library.items()))
        << '\n';
    if (!accepted)
        return ExitBadInput;
    return 0;
}
