#include "qtroomtextpainter.h"

#include <QFont>
#include <QImage>
#include <QPainter>

void QtRoomTextPainter::drawName(QByteArray &pixels, int width, int height, int bitsPerPixel, const QString &name,
                                 int x, int y)
{
    if (bitsPerPixel != 24 && bitsPerPixel != 32)
        return;
    const qsizetype stride = ((qsizetype(bitsPerPixel) * width / 8) + 3) / 4 * 4;
    if (width <= 0 || height <= 0 || pixels.size() < stride * height)
        return;
    const QImage::Format format = bitsPerPixel == 32 ? QImage::Format_RGB32 : QImage::Format_BGR888;
    // Bitmap rows run bottom-up; the painter wants them top-down.
    QImage image = QImage(reinterpret_cast<const uchar *>(pixels.constData()), width, height, stride, format)
                       .mirrored(false, true);
    {
        QPainter painter(&image);
        QFont font(QStringLiteral("Microsoft YaHei"));
        font.setPixelSize(20);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), name);
    }
    const QImage back = image.mirrored(false, true);
    for (int row = 0; row < height; ++row)
        memcpy(pixels.data() + row * stride, back.constScanLine(row), size_t(stride));
}
