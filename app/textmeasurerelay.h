#pragma once

#include "contracts/gridtextmeasure.h"

// The text measure the grids are built with. The desktop hands in its font
// metrics; without them no row is refitted (a negative height leaves a row as it is).
class TextMeasureRelay : public GridTextMeasure
{
public:
    void setTarget(const GridTextMeasure *target) { m_target = target; }
    const GridTextMeasure *target() const { return m_target; }

    int textHeight(const QString &text, const GridFont &font, int width, bool wrap) const override;
    int legibleWidth(const QString &text, const GridFont &font) const override;

private:
    const GridTextMeasure *m_target = nullptr;
};
