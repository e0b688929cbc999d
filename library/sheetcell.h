#pragma once

#include <QString>

// One non-empty cell of a spreadsheet as read from the file. Numbers keep the
// digits the file stores, so they convert to float exactly as a template's
// number texts do.
struct SheetCell {
    int column = 0; // 0 for column A
    bool isNumber = false;
    QString text;

    bool operator==(const SheetCell &) const = default;
};
