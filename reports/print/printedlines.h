#pragma once

#include <QFont>
#include <QHash>
#include <QRectF>
#include <QString>
#include <QTextLayout>

#include <memory>

class QPainter;

// Single lines of cell text drawn where QPainter::drawText(rect, AlignVCenter | TextSingleLine | horizontal,
// line) draws them, to the point. Short lines, the numbers, units and names a bill repeats row after row,
// are shaped once per font and drawn again from the layout kept; the others go to drawText itself.
// One instance serves one device: the fonts it keeps are the painter's, resolved for that device.
class PrintedLines
{
public:
    void draw(QPainter &painter, const QString &line, const QRectF &rect, Qt::Alignment horizontal);

private:
    static constexpr qsizetype KeptLineLength = 24;
    static constexpr qsizetype MaxKept = 4000;

    struct Key {
        QString text;
        QFont font;
        bool operator==(const Key &) const = default;
        friend size_t qHash(const Key &key, size_t seed = 0) { return qHashMulti(seed, key.text, key.font); }
    };

    const QTextLayout *kept(const QPainter &painter, const QString &line);

    QHash<Key, std::shared_ptr<QTextLayout>> m_kept;
};
