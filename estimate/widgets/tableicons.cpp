#include "tableicons.h"

#include "contracts/grid.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

namespace {

constexpr int Size = 16;

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QImage drawn(const QColor &colour, bool plus, bool dots)
{
    QImage image(Size, Size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 2));
    if (dots) {
        painter.setBrush(colour);
        for (int x : {3, 8, 13})
            painter.drawEllipse(QPointF(x, 8), 1.2, 1.2);
    } else if (plus) {
        painter.drawLine(8, 2, 8, 14);
        painter.drawLine(2, 8, 14, 8);
    } else {
        painter.drawLine(4, 4, 12, 12);
        painter.drawLine(12, 4, 4, 12);
    }
    return image;
}

} // namespace

namespace TableIcons {

void addMissing(Grid &grid)
{
    const struct {
        const char *key;
        QImage image;
    } icons[] = {{"new_file", drawn(QColor(0x30, 0x80, 0xD0), true, false)},
                 {"del", drawn(QColor(0xA0, 0xA0, 0xA0), false, false)},
                 {"del_Dark", drawn(QColor(0x60, 0x60, 0x60), false, false)},
                 {"More_Blue", drawn(QColor(0x30, 0x80, 0xD0), false, true)}};
    for (const auto &icon : icons) {
        const QString key = QString::fromLatin1(icon.key);
        if (!grid.hasImage(key))
            grid.addImage(key, GridImage{QString(), pngBytes(icon.image)});
    }
}

} // namespace TableIcons
