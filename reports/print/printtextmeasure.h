#pragma once

#include "contracts/gridtextmeasure.h"

// Widths for grids that are printed as well as shown: a text must stay whole in the font it is
// drawn with on the screen and in the one of the printed page. Heights are the screen's.
class PrintTextMeasure : public GridTextMeasure
{
public:
    explicit PrintTextMeasure(const GridTextMeasure &screen) : m_screen(screen) {}

    int textHeight(const QString &text, const GridFont &font, int width, bool wrap) const override;
    int legibleWidth(const QString &text, const GridFont &font) const override;

private:
    const GridTextMeasure &m_screen;
};
