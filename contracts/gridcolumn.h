#pragma once

// Per-column layout: width in pixels (0 hides the column) and the number format
// the cells of the column are shown and exported with.
struct GridColumn {
    // Plain text; the numeric kind shows cell texts as numbers with `decimals` places.
    static constexpr int TextKind = 0;
    static constexpr int NumericKind = 5;

    int width = 64;
    int kind = TextKind;
    int decimals = 0;

    bool operator==(const GridColumn &) const = default;
};
