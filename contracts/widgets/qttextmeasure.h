#pragma once

#include "celltextfit.h"
#include "contracts/gridtextmeasure.h"

// Text heights from the fonts the view really draws with, laid out as the cell
// delegate lays them out, plus the cell's inner margins.
class QtTextMeasure : public GridTextMeasure
{
public:
    static constexpr int CellPadding = CellTextFit::VerticalPadding; // top and bottom margin together

    int textHeight(const QString &text, const GridFont &font, int width, bool wrap) const override;
};
