#include "columnlayout.h"

#include <algorithm>
#include <numeric>

ColumnLayout::Widths ColumnLayout::initialWidths()
{
    return {0, 52, 30, 112, 96, 32, 52, 52, 52, 52, 52, 52, 76, 76, 76, 76, 35, 0, 0};
}

namespace {

using Widths = ColumnLayout::Widths;

// Columns that give room to the description column, and how narrow each may become.
constexpr std::array<int, 15> Giving{1, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17};
constexpr int NarrowestTextColumn = 24;
// Below this the description gives nothing more: the table grows wider and scrolls instead.
constexpr int NarrowestDescription = 36;
constexpr int StepWidth = 100;
constexpr int StepOrigin = 278;

int truncScaled(float a, float factor)
{
    return static_cast<int>(a * factor);
}

void shareMiddleColumns(Widths &w, int m, bool showLoss, bool showTax)
{
    const int parts = 2 + (showLoss ? 1 : 0) + (showTax ? 1 : 0);
    const int share = m / parts;
    w[5] = share;
    w[6] = share;
    w[7] = showLoss ? share : 0;
    w[8] = showTax ? share : 0;
}

bool isNumberColumn(int column)
{
    return column >= ColumnLayout::FirstNumberColumn && column <= ColumnLayout::LastNumberColumn;
}

// The stepped widths with every shown number column widened to the minimum at the description's cost.
Widths legibleWidths(int clientWidth, bool showLoss, bool showTax, int minimumNumberWidth)
{
    Widths w = ColumnLayout::formulaWidths(clientWidth, showLoss, showTax);
    int wanted = 0;
    for (int column = ColumnLayout::FirstNumberColumn; column <= ColumnLayout::LastNumberColumn; ++column) {
        if (w[column] > 0 && w[column] < minimumNumberWidth) {
            wanted += minimumNumberWidth - w[column];
            w[column] = minimumNumberWidth;
        }
    }
    int &description = w[ColumnLayout::DescriptionColumn];
    description = std::max(std::min(description, NarrowestDescription), description - wanted);
    return w;
}

// The widest the description column was at any width from the default up to W. Between two
// steps it grows with the window, so only the last width of each step needs looking at.
int descriptionFloor(int clientWidth, bool showLoss, bool showTax, int minimumNumberWidth)
{
    const auto description = [&](int width) {
        return legibleWidths(width, showLoss, showTax, minimumNumberWidth)[ColumnLayout::DescriptionColumn];
    };
    int floor = description(clientWidth);
    if (clientWidth <= ColumnLayout::DefaultClientWidth)
        return floor;
    floor = std::max(floor, description(ColumnLayout::DefaultClientWidth));
    for (int stepEnd = StepOrigin + StepWidth - 1; stepEnd < clientWidth; stepEnd += StepWidth) {
        if (stepEnd >= ColumnLayout::DefaultClientWidth)
            floor = std::max(floor, description(stepEnd));
    }
    return floor;
}

int narrowest(int column, const Widths &w, int minimumNumberWidth)
{
    return std::min(w[column], isNumberColumn(column) ? minimumNumberWidth : NarrowestTextColumn);
}

// Takes `amount` pixels from the giving columns in proportion to what each can spare.
void takeFromOthers(Widths &w, int amount, int minimumNumberWidth)
{
    std::array<int, Giving.size()> spare{};
    for (size_t i = 0; i < Giving.size(); ++i)
        spare[i] = w[Giving[i]] - narrowest(Giving[i], w, minimumNumberWidth);
    const long long total = std::accumulate(spare.begin(), spare.end(), 0LL);
    amount = int(std::min<long long>(amount, total));
    if (amount <= 0)
        return;
    std::array<int, Giving.size()> cut{};
    int given = 0;
    for (size_t i = 0; i < Giving.size(); ++i) {
        cut[i] = int(spare[i] * amount / total);
        given += cut[i];
    }
    // The pixels the truncation left go to the columns whose share was cut the most.
    std::array<size_t, Giving.size()> order{};
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return spare[a] * amount % total > spare[b] * amount % total;
    });
    for (size_t k = 0; given < amount && k < order.size(); ++k, ++given)
        ++cut[order[k]];
    for (size_t i = 0; i < Giving.size(); ++i)
        w[Giving[i]] -= cut[i];
    w[ColumnLayout::DescriptionColumn] += amount;
}

} // namespace

ColumnLayout::Widths ColumnLayout::formulaWidths(int clientWidth, bool showLoss, bool showTax)
{
    const int W = clientWidth;
    const float a = static_cast<float>((W - StepOrigin) / StepWidth);
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

ColumnLayout::Widths ColumnLayout::widthsFor(int clientWidth, bool showLoss, bool showTax,
                                             int minimumNumberWidth)
{
    Widths w = legibleWidths(clientWidth, showLoss, showTax, minimumNumberWidth);
    const int floor = descriptionFloor(clientWidth, showLoss, showTax, minimumNumberWidth);
    takeFromOthers(w, floor - w[DescriptionColumn], minimumNumberWidth);
    return w;
}
