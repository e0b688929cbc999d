#pragma once

#include "contracts/gridtextmeasure.h"

// Text heights from the fonts the view really draws with, plus the cell's inner margins.
class QtTextMeasure : public GridTextMeasure
{
public:
    static constexpr int CellPadding = 6;  // top and bottom margin together

    int textHeight(const QString &text, const GridFont &font, int width, bool wrap) const override;
};
