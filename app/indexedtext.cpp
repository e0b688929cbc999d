#include "indexedtext.h"

#include <algorithm>

template <typename Text>
IndexedText<Text>::IndexedText(Text text, TextScan::SharedValues<Text> &shared) : m_text(text), m_shared(shared)
{
    const auto *data = text.data();
    const qsizetype size = TextScan::size(text);
    for (qsizetype i = 0; i < size; ++i) {
        switch (data[i]) {
        case '"':
            m_quotes.push_back(i);
            break;
        case '=':
            m_equals.push_back(i);
            break;
        case '<':
            m_opens.push_back(i);
            break;
        default:
            break;
        }
    }
}

template <typename Text> qsizetype IndexedText<Text>::indexOf(TextScan::Key key, qsizetype from)
{
    return firstAtOrAfter(positionsOf(key), std::max<qsizetype>(from, 0));
}

template <typename Text> TextScan::Span IndexedText<Text>::valueSpan(TextScan::Key key, qsizetype from)
{
    if (from > TextScan::size(m_text))
        return {};
    const qsizetype b = indexOf(key, from);
    if (b < 0)
        return {};
    const qsizetype open = firstAtOrAfter(m_quotes, b + 1);
    if (open < 0)
        return {};
    const qsizetype q1 = open + 1;
    const qsizetype q2 = firstAtOrAfter(m_quotes, q1);
    if (q2 > q1)
        return {q1, q2 - q1};
    return {};
}

template <typename Text> QString IndexedText<Text>::attributeText(TextScan::Key key, qsizetype from)
{
    return m_shared.textOf(m_text, valueSpan(key, from));
}

template <typename Text> float IndexedText<Text>::attributeNumber(TextScan::Key key, qsizetype from)
{
    return TextScan::numberOf(m_text, valueSpan(key, from));
}

template <typename Text>
const std::vector<qsizetype> &IndexedText<Text>::positionsOf(TextScan::Key key)
{
    for (const KeyPositions &known : m_positions) {
        if (known.key == key)
            return known.positions;
    }
    m_positions.push_back({std::string(key), findAll(key)});
    return m_positions.back().positions;
}

template <typename Text> bool IndexedText<Text>::matchesAt(TextScan::Key key, qsizetype at) const
{
    const auto *data = m_text.data() + at;
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (data[i] != typename Text::value_type(key[i]))
            return false;
    }
    return true;
}

// Overlapping occurrences are kept: indexOf from any start may land on them.
template <typename Text> std::vector<qsizetype> IndexedText<Text>::findAll(TextScan::Key key) const
{
    std::vector<qsizetype> positions;
    const qsizetype length = qsizetype(key.size());
    const qsizetype size = TextScan::size(m_text);
    if (length == 0)
        return positions;
    if (key.back() == '=') {
        for (qsizetype e : m_equals) {
            if (e + 1 >= length && matchesAt(key, e + 1 - length))
                positions.push_back(e + 1 - length);
        }
    } else if (key.front() == '<') {
        for (qsizetype s : m_opens) {
            if (s + length <= size && matchesAt(key, s))
                positions.push_back(s);
        }
    } else {
        for (qsizetype p = TextScan::indexOf(m_text, key, 0); p >= 0; p = TextScan::indexOf(m_text, key, p + 1))
            positions.push_back(p);
    }
    return positions;
}

template <typename Text>
qsizetype IndexedText<Text>::firstAtOrAfter(const std::vector<qsizetype> &positions, qsizetype from)
{
    const auto it = std::lower_bound(positions.begin(), positions.end(), from);
    return it == positions.end() ? -1 : *it;
}

template class IndexedText<TextScan::Utf16>;
template class IndexedText<TextScan::Utf8>;
