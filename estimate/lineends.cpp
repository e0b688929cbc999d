#include "lineends.h"

#include <algorithm>

namespace {

// Written over the text itself: the result is never longer than the input.
template <typename Char> qsizetype squeezeCrLf(Char *data, qsizetype size)
{
    qsizetype out = 0;
    for (qsizetype in = 0; in < size; ++in) {
        if (data[in] == Char('\r') && in + 1 < size && data[in + 1] == Char('\n'))
            ++in;
        data[out++] = data[in];
    }
    return out;
}

template <typename Out, typename Char> Out widenLf(const Char *data, qsizetype size)
{
    const qsizetype lineEnds = std::count(data, data + size, Char('\n'));
    Out out;
    out.resize(size + lineEnds);
    auto *to = out.data();
    for (qsizetype i = 0; i < size; ++i) {
        if (data[i] == Char('\n'))
            *to++ = Char('\r');
        *to++ = data[i];
    }
    return out;
}

} // namespace

namespace LineEnds {

QString crLfToLf(QString text)
{
    if (!text.contains(u'\r'))
        return text;
    text.truncate(squeezeCrLf(reinterpret_cast<char16_t *>(text.data()), text.size()));
    return text;
}

QByteArray lfToCrLf(QByteArrayView text)
{
    return widenLf<QByteArray>(text.data(), text.size());
}

QString lfToCrLf(QStringView text)
{
    return widenLf<QString>(text.utf16(), text.size());
}

// Line by line: a line end never splits a surrogate pair, so the pieces encode as the whole would.
QByteArray toUtf8WithCrLf(QStringView text)
{
    QByteArray out;
    out.reserve(text.size() + text.size() / 4);
    qsizetype start = 0;
    for (;;) {
        const qsizetype lineEnd = text.indexOf(u'\n', start);
        out += text.sliced(start, (lineEnd < 0 ? text.size() : lineEnd) - start).toUtf8();
        if (lineEnd < 0)
            return out;
        out += "\r\n";
        start = lineEnd + 1;
    }
}

} // namespace LineEnds
