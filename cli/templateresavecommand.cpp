#include "templateresavecommand.h"

#include "clicommand.h"
#include "templatearguments.h"

#include "templatereadreport.h"

#include "library/quotalibrary.h"

int runTemplateResave(const QStringList &args, QTextStream &, QTextStream &err)
{
    const std::optional<TemplateArguments> parsed = TemplateArguments::parse(args, 2, true);
    if (!parsed) {
        err << "template-resave: usage: template-resave IN OUT [--lock] [--user NAME]\n";
        return ExitBadInput;
    }
    QuotaLibrary library;
    library.setCurrentUserName(parsed->user);
    library.setLockOnSave(parsed->lock);
    const QString &in = parsed->paths.at(0);
    if (!ReadTemplateForCommand(library, in, "template-resave", err))
        return ExitBadInput;
    QString error;
    if (!library.WriteTemplate(parsed->paths.at(1), &error)) {
        err << "template-resave: cannot write " << parsed->paths.at(1) << ": " << error << '\n';
        return ExitBadInput;
    }
    return 0;
}
