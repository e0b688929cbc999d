#pragma once

#include <QList>

class Grid;

// Which rows of a grid in its printing form go on which page. Rows never split:
// a row that does not fit what is left of a page starts the next one. Rows of
// height 0 and rows past the last row to print are left out; with `repeatFixedRows`
// the fixed rows that have a height head every page after the first as well.
class PageBreaks
{
public:
    struct Page {
        QList<int> rows; // top to bottom, repeated fixed rows first
    };

    // `pageHeight` and the row heights are in the same unit after `rowScale`.
    static QList<Page> compute(const Grid &grid, double rowScale, double pageHeight, bool repeatFixedRows);
    // The last row index a grid's page settings ask to print.
    static int lastPrintedRow(const Grid &grid);
};
