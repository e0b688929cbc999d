#pragma once

#include <QByteArray>
#include <QList>

// Splits what arrives on a socket into lines; a line that never ends is dropped
// once it is longer than any real message, so a stray peer cannot grow the buffer.
class PacelightLineReader
{
public:
    static constexpr qsizetype MaxLine = 256;

    // Every complete line in the new bytes, without its line end.
    QList<QByteArray> feed(const QByteArray &bytes);

private:
    QByteArray m_pending;
    bool m_discarding = false;
};
