#include "editorgridimages.h"

#include "library/itemeditgrids.h"

#include "contracts/grid.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

namespace {

QByteArray png(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QImage deleteImage()
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xD0, 0x40, 0x40));
    painter.drawEllipse(1, 1, 14, 14);
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(5, 5, 11, 11);
    painter.drawLine(11, 5, 5, 11);
    return image;
}

QImage moreImage()
{
    QImage image(12, 12, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x70, 0x70, 0x70));
    const QPointF arrow[] = {{2, 4}, {10, 4}, {6, 9}};
    painter.drawPolygon(arrow, 3);
    return image;
}

} // namespace

namespace EditorGridImages {

void addTo(Grid &grid)
{
    grid.addImage(ItemEditGrids::deleteImageKey(),
                  GridImage{QStringLiteral("icon/Icon_MaterialDel.bmp"), png(deleteImage())});
    grid.addImage(ItemEditGrids::moreImageKey(),
                  GridImage{QStringLiteral("icon/icon_more_No.bmp"), png(moreImage())});
}

} // namespace EditorGridImages
