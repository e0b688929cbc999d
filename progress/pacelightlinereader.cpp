#include "pacelightlinereader.h"

QList<QByteArray> PacelightLineReader::feed(const QByteArray &bytes)
{
    m_pending += bytes;
    QList<QByteArray> lines;
    qsizetype end;
    while ((end = m_pending.indexOf('\n')) >= 0) {
        if (!m_discarding && end <= MaxLine)
            lines.append(m_pending.left(end));
        m_discarding = false;
        m_pending.remove(0, end + 1);
    }
    // The rest of an overlong line is skipped up to its end.
    if (m_pending.size() > MaxLine) {
        m_pending.clear();
        m_discarding = true;
    }
    return lines;
}
