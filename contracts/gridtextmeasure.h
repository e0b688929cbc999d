#pragma once

#include "gridfont.h"

#include <QString>

// Measures cell texts for fitting row heights; the window layer answers with real
// font metrics, the core and tests with whatever rule suits them.
class GridTextMeasure
{
public:
    virtual ~GridTextMeasure() = default;
    // Pixels of height `text` needs in a cell `width` pixels wide, its lines broken when `wrap` is set.
    virtual int textHeight(const QString &text, const GridFont &font, int width, bool wrap) const = 0;
    // Pixels of width a cell needs to show `text` whole on one line, shrunk at most to the smallest
    // legible size, grid line and margins included. Negative when this measure cannot tell: the
    // caller then keeps the widths it has.
    virtual int legibleWidth(const QString & /*text*/, const GridFont & /*font*/) const { return -1; }
};
