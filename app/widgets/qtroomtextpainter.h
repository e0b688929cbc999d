#pragma once

#include "estimate/roomtextpainter.h"

// Draws room names with the desktop's fonts onto the room picture background.
class QtRoomTextPainter : public RoomTextPainter
{
public:
    void drawName(QByteArray &pixels, int width, int height, int bitsPerPixel, const QString &name, int x,
                  int y) override;
};
