#include "projectarguments.h"

namespace {

std::optional<Precision> precisionOf(const QString &text)
{
    if (text == QStringLiteral("0") || text == QStringLiteral("1") || text == QStringLiteral("2"))
        return text.toInt();
    return std::nullopt;
}

std::optional<int> listOf(const QString &text)
{
    const QStringList names{QStringLiteral("bill"), QStringLiteral("material"), QStringLiteral("machine")};
    const qsizetype index = names.indexOf(text);
    return index < 0 ? std::nullopt : std::optional<int>(int(index));
}

} // namespace

std::optional<ProjectArguments> ProjectArguments::parse(const QStringList &args, int pathCount,
                                                        bool precisionAllowed, bool listAllowed)
{
    ProjectArguments parsed;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        const bool hasValue = i + 1 < args.size();
        if (arg == QStringLiteral("--precision") && precisionAllowed && hasValue) {
            parsed.precision = precisionOf(args.at(++i));
            if (!parsed.precision)
                return std::nullopt;
        } else if (arg == QStringLiteral("--list") && listAllowed && hasValue) {
            const std::optional<int> list = listOf(args.at(++i));
            if (!list)
                return std::nullopt;
            parsed.list = *list;
        } else if (arg.startsWith(QStringLiteral("--"))) {
            return std::nullopt;
        } else {
            parsed.paths << arg;
        }
    }
    if (parsed.paths.size() != pathCount)
        return std::nullopt;
    return parsed;
}
