#pragma once

#include "estimate/roomtextpainter.h"

// Writes a room name onto the picture with Qt's text renderer: black text on the
// picture itself, in a Chinese font so the names show up on any desktop.
class QtRoomTextPainter : public RoomTextPainter
{
public:
    static constexpr int FontPixelSize = 14;

    void drawName(QByteArray &pixels, int width, int height, int bitsPerPixel, const QString &name, int x,
                  int y) override;
};
