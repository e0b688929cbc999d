#include "sheetarguments.h"

std::optional<SheetArguments> SheetArguments::parse(const QStringList &args)
{
    SheetArguments parsed;
    QStringList inputs;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (a == QLatin1String("-o") && i + 1 < args.size() && parsed.output.isEmpty())
            parsed.output = args.at(++i);
        else if (a.startsWith(u'-') && a.size() > 1)
            return std::nullopt;
        else
            inputs.append(a);
    }
    if (inputs.size() != 1 || parsed.output.isEmpty())
        return std::nullopt;
    parsed.input = inputs.first();
    return parsed;
}
