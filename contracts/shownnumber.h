#pragma once

#include <QString>

#include <optional>

// A number text of a list ("12", "1928.50", "¥1928.50", "5.00%") as a value and
// the spreadsheet number format that shows exactly that text again, so an
// exported sheet sums and still reads like the list.
struct ShownNumber {
    double value = 0.0;
    QString format;

    // Nothing for any other text, and for texts a number format would not give
    // back: "-0.00", or more digits than a spreadsheet keeps.
    static std::optional<ShownNumber> parse(const QString &text);
};
