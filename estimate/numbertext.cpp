#include "numbertext.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

// Copies the span of the leading number (after white space) into ASCII.
// from_chars refuses a leading '+', so that sign is dropped here.
std::string leadingNumberSpan(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto isSpace = [](QChar c) {
        return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f' || c == u'\v';
    };
    while (i < n && isSpace(text[i]))
        ++i;
    std::string out;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            out.push_back('-');
        ++i;
    }
    auto isDigit = [&](qsizetype k) { return k < n && text[k] >= u'0' && text[k] <= u'9'; };
    bool digits = false;
    while (isDigit(i)) {
        out.push_back(char(text[i].unicode()));
        ++i;
        digits = true;
    }
    if (i < n && text[i] == u'.') {
        qsizetype k = i + 1;
        bool fraction = false;
        std::string frac = ".";
        while (isDigit(k)) {
            frac.push_back(char(text[k].unicode()));
            ++k;
            fraction = true;
        }
        if (digits || fraction) {
            out += frac;
            i = k;
            digits = true;
        }
    }
    if (!digits)
        return std::string();
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype k = i + 1;
        std::string exp = "e";
        if (k < n && (text[k] == u'+' || text[k] == u'-')) {
            exp.push_back(char(text[k].unicode()));
            ++k;
        }
        bool expDigits = false;
        while (isDigit(k)) {
            exp.push_back(char(text[k].unicode()));
            ++k;
            expDigits = true;
        }
        if (expDigits)
            out += exp;
    }
    return out;
}

template<typename T>
T parseSpan(const std::string &span)
{
    if (span.empty())
        return T(0);
    T value = T(0);
    const auto result = std::from_chars(span.data(), span.data() + span.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // strtod gives +-HUGE_VAL on overflow and 0 on underflow; keep that.
        const bool negative = span.front() == '-';
        const auto e = span.find_first_of("eE");
        const bool tiny = e != std::string::npos && span.find('-', e) != std::string::npos;
        if (tiny)
            return negative ? -T(0) : T(0);
        return negative ? -HUGE_VAL : HUGE_VAL;
    }
    return value;
}

} // namespace

namespace NumberText {

QString fixed(double value, int decimals)
{
    if (std::isnan(value))
        return value < 0 || std::signbit(value) ? QStringLiteral("-nan") : QStringLiteral("nan");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-inf") : QStringLiteral("inf");
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

double leadingDouble(QStringView text)
{
    return parseSpan<double>(leadingNumberSpan(text));
}

float leadingFloat(QStringView text)
{
    return parseSpan<float>(leadingNumberSpan(text));
}

QString shortest(float value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

} // namespace NumberText
