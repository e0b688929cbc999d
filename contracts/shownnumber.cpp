#include "shownnumber.h"

#include <QRegularExpression>

#include <charconv>

namespace {

// Spreadsheets keep 15 significant digits; a leading zero (a code like "0502006") would be lost.
constexpr int MaxDigits = 15;

QString decimalsFormat(qsizetype decimals)
{
    return decimals > 0 ? QStringLiteral("0.") + QString(decimals, u'0') : QStringLiteral("0");
}

} // namespace

std::optional<ShownNumber> ShownNumber::parse(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\u00A5?)(-?)(0|[1-9][0-9]*)(?:\\.([0-9]+))?(%?)$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const bool yen = !m.capturedView(1).isEmpty();
    const bool negative = !m.capturedView(2).isEmpty();
    const bool percent = !m.capturedView(5).isEmpty();
    const qsizetype decimals = m.capturedLength(4);
    if (m.capturedLength(3) + decimals > MaxDigits)
        return std::nullopt;
    const qsizetype end = decimals > 0 ? m.capturedEnd(4) : m.capturedEnd(3);
    const QByteArray digits = text.mid(m.capturedStart(2), end - m.capturedStart(2)).toLatin1();
    double value = 0.0;
    if (std::from_chars(digits.constData(), digits.constData() + digits.size(), value).ec != std::errc())
        return std::nullopt;
    if (negative && value == 0.0)
        return std::nullopt;
    const QString base = decimalsFormat(decimals) + (percent ? QStringLiteral("%") : QString());
    ShownNumber n;
    n.value = percent ? value / 100.0 : value;
    // A money text puts its minus after the sign ("¥-3.00"), so negatives get their own section.
    n.format = yen ? QStringLiteral("\"\u00A5\"%1;\"\u00A5\"-%1").arg(base) : base;
    return n;
}
