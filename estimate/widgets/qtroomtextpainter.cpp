#include "qtroomtextpainter.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <cstring>

namespace {

QImage::Format formatFor(int bitsPerPixel)
{
    switch (bitsPerPixel) {
    case 16: return QImage::Format_RGB555;
    case 24: return QImage::Format_BGR888;
    case 32: return QImage::Format_RGB32;
    default: return QImage::Format_Invalid;
    }
}

qsizetype strideOf(int width, int bitsPerPixel)
{
    return (qsizetype(bitsPerPixel) * width / 8 + 3) / 4 * 4;
}

// Bitmap rows run bottom-up; the image's rows run top-down.
void copyRows(const uchar *from, qsizetype fromStride, uchar *to, qsizetype toStride, int height, qsizetype rowBytes,
              bool flip)
{
    for (int row = 0; row < height; ++row) {
        const int source = flip ? height - 1 - row : row;
        std::memcpy(to + row * toStride, from + source * fromStride, size_t(rowBytes));
    }
}

} // namespace

void QtRoomTextPainter::drawName(QByteArray &pixels, int width, int height, int bitsPerPixel, const QString &name,
                                 int x, int y)
{
    const QImage::Format format = formatFor(bitsPerPixel);
    const qsizetype stride = strideOf(width, bitsPerPixel);
    if (format == QImage::Format_Invalid || width <= 0 || height <= 0 || pixels.size() < stride * height)
        return;
    const qsizetype rowBytes = qsizetype(bitsPerPixel / 8) * width;
    QImage image(width, height, format);
    auto *data = reinterpret_cast<uchar *>(pixels.data());
    copyRows(data, stride, image.bits(), image.bytesPerLine(), height, rowBytes, true);
    {
        QPainter painter(&image);
        QFont font;
        font.setFamilies({QStringLiteral("Microsoft YaHei"), QStringLiteral("Noto Sans CJK SC"),
                          QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("sans-serif")});
        font.setPixelSize(FontPixelSize);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.setBackgroundMode(Qt::TransparentMode);
        painter.drawText(QRect(x, y, width - x, height - y), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, name);
    }
    copyRows(image.constBits(), image.bytesPerLine(), data, stride, height, rowBytes, true);
}
