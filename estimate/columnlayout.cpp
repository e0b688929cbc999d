#include "columnlayout.h"

#include <algorithm>

ColumnLayout::Widths ColumnLayout::initialWidths()
{
    return {0, 52, 30, 112, 96, 32, 52, 52, 52, 52, 52, 52, 76, 76, 76, 76, 35, 0, 0};
}

namespace {

int truncScaled(float a, float factor)
{
    return static_cast<int>(a * factor);
}

void shareMiddleColumns(ColumnLayout::Widths &w, int m, bool showLoss, bool showTax)
{
    const int parts = 2 + (showLoss ? 1 : 0) + (showTax ? 1 : 0);
    const int share = m / parts;
    w[5] = share;
    w[6] = share;
    w[7] = showLoss ? share : 0;
    w[8] = showTax ? share : 0;
}

} // namespace

ColumnLayout::Widths ColumnLayout::widthsFor(int clientWidth, bool showLoss, bool showTax)
{
    const int W = clientWidth;
    const float a = static_cast<float>((W - 278) / 100);
    const int b = std::min(truncScaled(a, 12.0f), 130);
    const int d = truncScaled(a, 6.5f);
    const int e = truncScaled(a, 5.5f);
    const int f = truncScaled(a, 9.2f);
    const int g = truncScaled(a, 7.5f);
    const int m = 2 * g;
    const int description = W - 210 - 2 * (3 * (e + 10) + 2 * g + d) - f - b;
    Widths w = {0, e, 25, b, description, g, g, g, g, e, d, e, e, g, f, g, g, g, 35};
    shareMiddleColumns(w, m, showLoss, showTax);
    return w;
}
