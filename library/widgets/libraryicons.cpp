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

QPixmap blank(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void drawLock(QPainter &painter)
{
    painter.setPen(QPen(QColor(0x60, 0x60, 0x60), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(13, 9, 8, 9, 0, 180 * 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xD0, 0x90, 0x10));
    painter.drawRect(11, 14, 12, 9);
}

void drawCheck(QPainter &painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x30, 0xA0, 0x50));
    painter.drawEllipse(0, 12, 12, 12);
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(3, 18, 5, 21);
    painter.drawLine(5, 21, 9, 15);
}

} // namespace

namespace LibraryIcons {

QIcon templateIcon(TemplateSlots::Icon icon)
{
    using Icon = TemplateSlots::Icon;
    QPixmap pixmap = blank(24);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // A book for the main library, a sheet for a template file.
    const bool main = icon == Icon::MainLibrary;
    painter.setPen(main ? QColor(0x20, 0x50, 0x90) : QColor(0x40, 0x70, 0xB0));
    painter.setBrush(main ? QColor(0x40, 0x80, 0xC8) : QColor(Qt::white));
    painter.drawRect(4, 1, 14, 19);
    painter.setPen(main ? QColor(Qt::white) : QColor(0x40, 0x70, 0xB0));
    for (int y = 6; y <= 14; y += 4)
        painter.drawLine(7, y, 15, y);
    if (icon == Icon::Locked || icon == Icon::CurrentLocked)
        drawLock(painter);
    if (icon == Icon::Current || icon == Icon::CurrentLocked)
        drawCheck(painter);
    return QIcon(pixmap);
}

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
