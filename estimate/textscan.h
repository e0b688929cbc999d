#pragma once

#include "estimaterecords.h"
#include "lineends.h"
#include "numbertext.h"

#include <QByteArrayView>
#include <QLatin1String>
#include <QString>
#include <QStringView>

#include <string_view>
#include <unordered_map>

// The searches of the file readers over either form of a file's text: its
// UTF-16 code units (the decoded text) or its UTF-8 bytes as read from disk.
// Every key, quote and tag the readers look for is ASCII, and no byte of a
// multi-byte UTF-8 sequence is ASCII, so a key is found at the same places in
// the same order in both forms; the positions are code units of the form
// searched. Only the values are decoded, each exactly as decoding the whole
// file would have decoded it (a value is bounded by ASCII on both sides).
namespace TextScan {

using Utf16 = std::u16string_view;
using Utf8 = std::string_view; // the bytes of a file after its byte-order mark, CR LF as in the file

inline Utf16 view(QStringView text)
{
    return {text.utf16(), std::size_t(text.size())};
}

inline Utf8 view(QByteArrayView bytes)
{
    return {bytes.data(), std::size_t(bytes.size())};
}

// A key of the readers: ASCII, searched case-sensitively in either form.
using Key = std::string_view;

inline qsizetype size(Utf16 text)
{
    return qsizetype(text.size());
}

inline qsizetype size(Utf8 text)
{
    return qsizetype(text.size());
}

inline qsizetype found(std::size_t at)
{
    return at == std::string_view::npos ? -1 : qsizetype(at);
}

// The first occurrence at or after `from` (clamped to the start), -1 when none;
// an empty key is found at `from` while that lies within the text.
inline qsizetype indexOf(Utf8 text, Key key, qsizetype from)
{
    return found(text.find(key, std::size_t(std::max<qsizetype>(from, 0))));
}

inline qsizetype indexOf(Utf16 text, Key key, qsizetype from)
{
    return QStringView(text).indexOf(QLatin1String(key.data(), qsizetype(key.size())), from);
}

// Keys given as UTF-16, as the template readers pass them.
inline qsizetype indexOf(Utf16 text, QStringView key, qsizetype from)
{
    return QStringView(text).indexOf(key, from);
}

inline qsizetype indexOf(Utf8 text, char c, qsizetype from)
{
    return found(text.find(c, std::size_t(std::max<qsizetype>(from, 0))));
}

inline qsizetype indexOf(Utf16 text, char c, qsizetype from)
{
    return QStringView(text).indexOf(QChar(char16_t(c)), from);
}

// The units [from, from + length) as the decoded text holds them.
inline QString decoded(Utf16 text, qsizetype from, qsizetype length)
{
    return QStringView(text).sliced(from, length).toString();
}

// QString::fromUtf8 drops a byte-order mark at the start of what it decodes;
// within a file's text one is a character like any other.
inline QString decoded(Utf8 text, qsizetype from, qsizetype length)
{
    static constexpr Utf8 Bom = "\xEF\xBB\xBF";
    QString marks;
    while (text.substr(std::size_t(from), std::size_t(length)).starts_with(Bom)) {
        marks += QChar(0xFEFF);
        from += 3;
        length -= 3;
    }
    return LineEnds::crLfToLf(marks + QString::fromUtf8(text.data() + from, length));
}

// Whether the value holds a percent sign, and its leading number: ASCII both,
// read alike from the units (CR LF and LF are both white space to the number).
inline float leadingFloat(Utf16 text, qsizetype from, qsizetype length)
{
    return NumberText::leadingFloat(QStringView(text).sliced(from, length));
}

inline float leadingFloat(Utf8 text, qsizetype from, qsizetype length)
{
    return NumberText::leadingFloat(QByteArrayView(text.data() + from, length));
}

template <typename Text> bool holdsPercent(Text text, qsizetype from, qsizetype length)
{
    return text.substr(std::size_t(from), std::size_t(length)).find('%') != Text::npos;
}

// The value between the two double quotes that follow a key found at
// `keyPosition`: its start and length, length 0 when a quote is missing.
struct Span {
    qsizetype from = 0;
    qsizetype length = 0;
};

template <typename Text> Span valueSpanAt(Text text, qsizetype keyPosition)
{
    const qsizetype open = indexOf(text, '"', keyPosition + 1);
    if (open < 0)
        return {};
    const qsizetype q1 = open + 1;
    const qsizetype q2 = indexOf(text, '"', q1);
    if (q2 > q1)
        return {q1, q2 - q1};
    return {};
}

template <typename Text> QString textOf(Text text, Span span)
{
    return span.length == 0 ? QString() : decoded(text, span.from, span.length);
}

// Decodes the values of one text and hands out one shared QString for equal
// values: files repeat units, kinds, codes and names line after line.
template <typename Text> class SharedValues
{
public:
    QString textOf(Text text, Span span)
    {
        if (span.length == 0 || span.length > LongestShared)
            return TextScan::textOf(text, span);
        const auto [known, added] = m_values.try_emplace(text.substr(std::size_t(span.from), std::size_t(span.length)));
        if (added)
            known->second = TextScan::textOf(text, span);
        return known->second;
    }

private:
    static constexpr qsizetype LongestShared = 256; // longer texts seldom repeat
    std::unordered_map<Text, QString> m_values;
};

// A value's number: its leading decimal number, divided by 100 when it holds a "%".
template <typename Text> float numberOf(Text text, Span span)
{
    float v = leadingFloat(text, span.from, span.length);
    if (holdsPercent(text, span.from, span.length))
        v = v / 100.0f;
    return v;
}

template <typename Text, typename K> Span valueSpan(Text text, K key, qsizetype from)
{
    if (from < 0)
        from = 0;
    if (from > size(text))
        return {};
    const qsizetype b = indexOf(text, key, from);
    return b < 0 ? Span{} : valueSpanAt(text, b);
}

template <typename Text, typename K> QString attributeText(Text text, K key, qsizetype from = 0)
{
    return textOf(text, valueSpan(text, key, from));
}

template <typename Text, typename K>
QString attributeText(Text text, K key, SharedValues<Text> &shared)
{
    return shared.textOf(text, valueSpan(text, key, 0));
}

template <typename Text, typename K> float attributeNumber(Text text, K key, qsizetype from = 0)
{
    return numberOf(text, valueSpan(text, key, from));
}

template <typename Text> MtLine mtLine(Text lineText, SharedValues<Text> &shared)
{
    MtLine line;
    line.kind = attributeText(lineText, Key("kind="), shared);
    line.id = attributeText(lineText, Key("id="), shared);
    line.name = attributeText(lineText, Key("name="), shared);
    line.classify = attributeText(lineText, Key("classify="), shared);
    line.code = attributeText(lineText, Key("code="), shared);
    line.unit = attributeText(lineText, Key("unit="), shared);
    line.price = attributeNumber(lineText, Key("price="));
    line.num = attributeNumber(lineText, Key("num="));
    line.desc = attributeText(lineText, Key("desc="), shared);
    return line;
}

} // namespace TextScan
