#include "templatereadreport.h"

#include "library/quotalibrary.h"

bool ReadTemplateForCommand(QuotaLibrary &library, const QString &path, const char *command, QTextStream &err)
{
    const bool accepted = library.LoadTemplate(path, QString());
    if (!accepted) {
        err << command << ": not a readable template: " << path;
        if (!library.readNotice().isEmpty())
            err << ": " << library.readNotice();
        err << '\n';
    } else if (!library.readNotice().isEmpty()) {
        err << command << ": " << path << ": " << library.readNotice() << '\n';
    }
    return accepted;
}
