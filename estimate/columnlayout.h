#pragma once

#include <array>

// Widths of the budget table's 19 columns for a main-window client width.
class ColumnLayout {
public:
    static constexpr int ColumnCount = 19;
    static constexpr int DescriptionColumn = 4;
    static constexpr int FirstNumberColumn = 6;
    static constexpr int LastNumberColumn = 17;
    // The client width of the window at its first start.
    static constexpr int DefaultClientWidth = 1250;
    using Widths = std::array<int, ColumnCount>;

    // The widths the table starts with, before it is first sized.
    static Widths initialWidths();
    // The stepped widths for client width W (steps of 100 px); columns 5-8 share the room
    // of two middle columns according to the loss and tax switches.
    static Widths formulaWidths(int clientWidth, bool showLoss, bool showTax);
    // The widths the table uses: the stepped widths, except that a shown number column is
    // never narrower than `minimumNumberWidth` (the description column gives the room down to
    // a narrow minimum; beyond it the table is wider than the window and scrolls), and
    // that from the default width on the description column never gets narrower as the
    // window grows; the other columns give it the room until the steps leave enough.
    static Widths widthsFor(int clientWidth, bool showLoss, bool showTax, int minimumNumberWidth = 0);
};
