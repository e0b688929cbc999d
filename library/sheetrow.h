#pragma once

#include "sheetcell.h"

#include <QList>

// The non-empty cells of one spreadsheet row, in column order.
struct SheetRow {
    int number = 0; // 1 for the first row, as the spreadsheet shows it
    QList<SheetCell> cells;

    // The cell in `column`, or nullptr when that cell is empty.
    const SheetCell *cell(int column) const
    {
        for (const SheetCell &c : cells) {
            if (c.column == column)
                return &c;
        }
        return nullptr;
    }
};
