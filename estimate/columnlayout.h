#pragma once

#include <array>

// Widths of the budget table's 19 columns for a main-window client width.
class ColumnLayout {
public:
    static constexpr int ColumnCount = 19;
    using Widths = std::array<int, ColumnCount>;

    // The widths the table starts with, before it is first sized.
    static Widths initialWidths();
    // Widths for client width W; columns 5-8 share the room of two middle columns
    // according to the loss and tax switches.
    static Widths widthsFor(int clientWidth, bool showLoss, bool showTax);
};
