#include "indexedtext.h"

#include "estimate/numbertext.h"

#include <algorithm>

IndexedText::IndexedText(QStringView text) : m_text(text)
{
    for (qsizetype q = text.indexOf(u'"'); q >= 0; q = text.indexOf(u'"', q + 1))
        m_quotes.append(q);
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

// Overlapping occurrences are kept: indexOf from any start may land on them.
const QList<qsizetype> &IndexedText::positionsOf(QStringView key)
{
    const QString name = key.toString();
    auto it = m_positions.find(name);
    if (it != m_positions.end())
        return it.value();
    QList<qsizetype> positions;
    if (!key.isEmpty()) {
        for (qsizetype p = m_text.indexOf(key); p >= 0; p = m_text.indexOf(key, p + 1))
            positions.append(p);
    }
    return m_positions.insert(name, positions).value();
}

qsizetype IndexedText::firstAtOrAfter(const QList<qsizetype> &positions, qsizetype from)
{
    const auto it = std::lower_bound(positions.begin(), positions.end(), from);
    return it == positions.end() ? -1 : *it;
}
