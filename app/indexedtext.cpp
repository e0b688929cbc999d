#include "indexedtext.h"

#include "estimate/numbertext.h"

#include <algorithm>

IndexedText::IndexedText(QStringView text) : m_text(text)
{
    const char16_t *data = text.utf16();
    for (qsizetype i = 0; i < text.size(); ++i) {
        switch (data[i]) {
        case u'"':
            m_quotes.append(i);
            break;
        case u'=':
            m_equals.append(i);
            break;
        case u'<':
            m_opens.append(i);
            break;
        default:
            break;
        }
    }
}

qsizetype IndexedText::indexOf(QStringView key, qsizetype from)
{
    return firstAtOrAfter(positionsOf(key), std::max<qsizetype>(from, 0));
}

QString IndexedText::attributeText(QStringView key, qsizetype from)
{
    if (from > m_text.size())
        return QString();
    const qsizetype b = indexOf(key, from);
    if (b < 0)
        return QString();
    const qsizetype open = firstAtOrAfter(m_quotes, b + 1);
    if (open < 0)
        return QString();
    const qsizetype q1 = open + 1;
    const qsizetype q2 = firstAtOrAfter(m_quotes, q1);
    if (q2 > q1)
        return m_text.mid(q1, q2 - q1).toString();
    return QString();
}

float IndexedText::attributeNumber(QStringView key, qsizetype from)
{
    const QString value = attributeText(key, from);
    float v = NumberText::leadingFloat(value);
    if (value.contains(u'%'))
        v = v / 100.0f;
    return v;
}

const QList<qsizetype> &IndexedText::positionsOf(QStringView key)
{
    for (const KeyPositions &known : m_positions) {
        if (known.key == key)
            return known.positions;
    }
    m_positions.push_back({key.toString(), findAll(key)});
    return m_positions.back().positions;
}

// Overlapping occurrences are kept: indexOf from any start may land on them.
QList<qsizetype> IndexedText::findAll(QStringView key) const
{
    QList<qsizetype> positions;
    const qsizetype length = key.size();
    if (length == 0)
        return positions;
    if (key.back() == u'=') {
        for (qsizetype e : m_equals) {
            if (e + 1 >= length && m_text.sliced(e + 1 - length, length) == key)
                positions.append(e + 1 - length);
        }
    } else if (key.front() == u'<') {
        for (qsizetype s : m_opens) {
            if (s + length <= m_text.size() && m_text.sliced(s, length) == key)
                positions.append(s);
        }
    } else {
        for (qsizetype p = m_text.indexOf(key); p >= 0; p = m_text.indexOf(key, p + 1))
            positions.append(p);
    }
    return positions;
}

qsizetype IndexedText::firstAtOrAfter(const QList<qsizetype> &positions, qsizetype from)
{
    const auto it = std::lower_bound(positions.begin(), positions.end(), from);
    return it == positions.end() ? -1 : *it;
}
