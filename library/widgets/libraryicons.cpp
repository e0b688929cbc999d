#include "libraryicons.h"

#include <QPainter>
#include <QPixmap>

namespace {

constexpr int Size = 16;

QPixmap blank()
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

namespace LibraryIcons {

QIcon category()
{
    QPixmap pixmap = blank();
    QPainter painter(&pixmap);
    painter.setPen(QColor(0xB0, 0x80, 0x20));
    painter.setBrush(QColor(0xF4, 0xC4, 0x50));
    painter.drawRect(1, 3, 6, 3);
    painter.drawRect(1, 5, 13, 9);
    return QIcon(pixmap);
}

QIcon item()
{
    QPixmap pixmap = blank();
    QPainter painter(&pixmap);
    painter.setPen(QColor(0x40, 0x70, 0xB0));
    painter.setBrush(Qt::white);
    painter.drawRect(3, 1, 10, 13);
    painter.drawLine(5, 5, 11, 5);
    painter.drawLine(5, 8, 11, 8);
    painter.drawLine(5, 11, 9, 11);
    return QIcon(pixmap);
}

QIcon addItem()
{
    QPixmap pixmap = blank();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x30, 0xA0, 0x50));
    painter.drawEllipse(1, 1, 14, 14);
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(8, 4, 8, 12);
    painter.drawLine(4, 8, 12, 8);
    return QIcon(pixmap);
}

} // namespace LibraryIcons
