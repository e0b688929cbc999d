#include "exportoptions.h"

#include "reports/pagesetupform.h"
#include "reports/printpagesetup.h"

#include <QFileInfo>

namespace {

bool refuse(QString *error, const QString &reason)
{
    *error = reason;
    return false;
}

bool setMargins(PageSettings &page, const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return false;
    for (const QString &part : parts) {
        if (!PrintPageSetup::margin(part.trimmed()))
            return false;
    }
    page.pagemargintop = parts[0].trimmed();
    page.pagemarginbottom = parts[1].trimmed();
    page.pagemarginleft = parts[2].trimmed();
    page.pagemarginright = parts[3].trimmed();
    return true;
}

std::optional<int> listNamed(const QString &text)
{
    const QStringList names{QStringLiteral("bill"), QStringLiteral("material"), QStringLiteral("machine")};
    const qsizetype index = names.indexOf(text);
    return index < 0 ? std::nullopt : std::optional<int>(int(index));
}

// One option with its value; false with the reason when the value is refused.
bool takeOption(ExportOptions &options, const QString &name, const QString &value, QString *error)
{
    if (name == QStringLiteral("-o")) {
        options.output = value;
    } else if (name == QStringLiteral("--list")) {
        const std::optional<int> list = listNamed(value);
        if (!list)
            return refuse(error, QStringLiteral("--list takes bill, material or machine"));
        options.list = *list;
    } else if (name == QStringLiteral("--precision")) {
        if (value != QStringLiteral("0") && value != QStringLiteral("1") && value != QStringLiteral("2"))
            return refuse(error, QStringLiteral("--precision takes 0, 1 or 2"));
        options.precision = value.toInt();
    } else if (name == QStringLiteral("--paper")) {
        if (!PageSetupForm::paperSizes().contains(value))
            return refuse(error, QStringLiteral("--paper takes A4, A3, B5 or B4"));
        options.page.pagesize = value;
    } else if (name == QStringLiteral("--orientation")) {
        if (value != QStringLiteral("Vertical") && value != QStringLiteral("Horizon"))
            return refuse(error, QStringLiteral("--orientation takes Vertical or Horizon"));
        options.page.pageorientation = value;
    } else if (name == QStringLiteral("--margins")) {
        if (!setMargins(options.page, value))
            return refuse(error,
                          QStringLiteral("--margins takes TOP,BOTTOM,LEFT,RIGHT, each a number above 0"));
    } else {
        return refuse(error, QStringLiteral("unknown option ") + name);
    }
    return true;
}

} // namespace

QString ExportOptions::format() const
{
    return QFileInfo(output).suffix().toLower();
}

std::optional<ExportOptions> ExportOptions::parse(const QStringList &args, QString *error)
{
    ExportOptions options;
    QStringList paths;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (!arg.startsWith(QLatin1Char('-'))) {
            paths << arg;
            continue;
        }
        if (i + 1 >= args.size()) {
            *error = arg + QStringLiteral(" needs a value");
            return std::nullopt;
        }
        if (!takeOption(options, arg, args.at(++i), error))
            return std::nullopt;
    }
    if (paths.size() != 1 || options.output.isEmpty()) {
        *error = QStringLiteral("usage: export PROJECT.gzj -o OUT");
        return std::nullopt;
    }
    options.project = paths.first();
    return options;
}
