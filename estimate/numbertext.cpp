#include "numbertext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace {

// Copies the span of the leading number (after white space) into ASCII.
// from_chars refuses a leading '+', so that sign is dropped here.
// Over the code units of either form: the span is ASCII in both.
template <typename Char> std::string leadingNumberSpan(std::basic_string_view<Char> text)
{
    qsizetype i = 0;
    const qsizetype n = qsizetype(text.size());
    auto isSpace = [](auto c) {
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
        out.push_back(char(text[i]));
        ++i;
        digits = true;
    }
    if (i < n && text[i] == u'.') {
        qsizetype k = i + 1;
        bool fraction = false;
        std::string frac = ".";
        while (isDigit(k)) {
            frac.push_back(char(text[k]));
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
            exp.push_back(char(text[k]));
            ++k;
        }
        bool expDigits = false;
        while (isDigit(k)) {
            exp.push_back(char(text[k]));
            ++k;
            expDigits = true;
        }
        if (expDigits)
            out += exp;
    }
    return out;
}

// The decimal order of magnitude of a number span (first significant digit
// relative to the point, plus the exponent), saturated far beyond any float.
long long decimalMagnitude(const std::string &span)
{
    const auto e = span.find_first_of("eE");
    const std::string mantissa = span.substr(0, e);
    long long exponent = 0;
    if (e != std::string::npos) {
        const bool negative = span.size() > e + 1 && span[e + 1] == '-';
        for (std::size_t k = e + 1; k < span.size(); ++k) {
            if (span[k] >= '0' && span[k] <= '9' && exponent < 1000000000LL)
                exponent = exponent * 10 + (span[k] - '0');
        }
        exponent = negative ? -exponent : exponent;
    }
    const auto point = mantissa.find('.');
    const auto first = mantissa.find_first_of("123456789");
    if (first == std::string::npos)
        return 0;
    const long long pointAt = point == std::string::npos ? (long long)mantissa.size() : (long long)point;
    long long magnitude = pointAt - (long long)first;
    if (point != std::string::npos && first > point)
        magnitude += 1;
    return magnitude + exponent;
}

template <typename T> T parseSpan(const std::string &span)
{
    if (span.empty())
        return T(0);
    T value = T(0);
    const auto result = std::from_chars(span.data(), span.data() + span.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // strtod gives +-HUGE_VAL on overflow and 0 on underflow; keep that.
        // Underflow is told by magnitude, since "0.000…1" needs no exponent.
        const bool negative = span.front() == '-';
        if (decimalMagnitude(span) < 0)
            return negative ? -T(0) : T(0);
        return negative ? -T(HUGE_VAL) : T(HUGE_VAL);
    }
    return value;
}

// The text of printf("%0.<decimals>f", value), handed to `use`.
template <typename Use> auto formatFixed(double value, int decimals, Use use)
{
    if (std::isnan(value))
        return use(value < 0 || std::signbit(value) ? std::string_view("-nan") : std::string_view("nan"));
    if (std::isinf(value))
        return use(value < 0 ? std::string_view("-inf") : std::string_view("inf"));
    // The largest double has 309 integer digits; the buffer fits any precision,
    // and the usual few decimals fit the one on the stack.
    char small[400];
    std::string large;
    const std::size_t size = std::size_t(std::max(decimals, 6)) + 320;
    if (size > sizeof small)
        large.resize(size);
    char *buffer = size > sizeof small ? large.data() : small;
    const auto result = std::to_chars(buffer, buffer + size, value, std::chars_format::fixed, decimals);
    return use(std::string_view(buffer, std::size_t(result.ptr - buffer)));
}

} // namespace

namespace NumberText {

QString fixed(double value, int decimals)
{
    return formatFixed(value, decimals, [](std::string_view text) {
        return QString::fromLatin1(text.data(), qsizetype(text.size()));
    });
}

void appendFixed(QByteArray &out, double value, int decimals)
{
    formatFixed(value, decimals, [&out](std::string_view text) { out.append(text.data(), qsizetype(text.size())); });
}

double leadingDouble(QStringView text)
{
    return parseSpan<double>(leadingNumberSpan(std::u16string_view(text.utf16(), std::size_t(text.size()))));
}

float leadingFloat(QStringView text)
{
    return parseSpan<float>(leadingNumberSpan(std::u16string_view(text.utf16(), std::size_t(text.size()))));
}

float leadingFloat(QByteArrayView utf8)
{
    return parseSpan<float>(leadingNumberSpan(std::string_view(utf8.data(), std::size_t(utf8.size()))));
}

QString shortest(float value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

} // namespace NumberText
