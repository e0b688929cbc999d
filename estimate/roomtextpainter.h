#pragma once

#include <QByteArray>
#include <QString>

// Draws a room name onto bitmap pixels. The core has no fonts; the desktop draws
// with its own text renderer. Pixels are bottom-up rows padded to 4 bytes, as in a
// device-independent bitmap of the given bit count.
class RoomTextPainter {
public:
    virtual ~RoomTextPainter() = default;
    virtual void drawName(QByteArray &pixels, int width, int height, int bitsPerPixel, const QString &name,
                          int x, int y) = 0;
};
