#include "templatearguments.h"

std::optional<TemplateArguments> TemplateArguments::parse(const QStringList &args, int pathCount,
                                                          bool lockAllowed)
{
    TemplateArguments parsed;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (a == QLatin1String("--user")) {
            if (++i >= args.size())
                return std::nullopt;
            parsed.user = args.at(i);
        } else if (a == QLatin1String("--lock") && lockAllowed) {
            parsed.lock = true;
        } else if (a.startsWith(u'-') && a.size() > 1) {
            return std::nullopt;
        } else {
            parsed.paths.append(a);
        }
    }
    if (parsed.paths.size() != pathCount)
        return std::nullopt;
    return parsed;
}
