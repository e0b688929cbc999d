#include "pagebreaks.h"

#include "contracts/grid.h"

#include <algorithm>

int PageBreaks::lastPrintedRow(const Grid &grid)
{
    const int last = grid.pageSettings().lastPrintRow;
    return last < 0 ? grid.rowCount() - 1 : std::min(last, grid.rowCount() - 1);
}

QList<PageBreaks::Page> PageBreaks::compute(const Grid &grid, double rowScale, double pageHeight,
                                            bool repeatFixedRows)
{
    const int last = lastPrintedRow(grid);
    const int fixed = std::min(grid.fixedRowCount(), last + 1);
    QList<int> heading;
    double headingHeight = 0;
    for (int row = 0; row < fixed; ++row) {
        if (grid.rowHeight(row) > 0) {
            heading << row;
            headingHeight += grid.rowHeight(row) * rowScale;
        }
    }
    // Captions taller than half a page would leave too little room for the rows they name.
    if (!repeatFixedRows || headingHeight > pageHeight / 2) {
        heading.clear();
        headingHeight = 0;
    }

    QList<Page> pages{Page{}};
    double used = 0;
    int bodyRows = 0;
    for (int row = 0; row <= last; ++row) {
        const double height = grid.rowHeight(row) * rowScale;
        if (height <= 0)
            continue;
        const bool isFixed = row < fixed;
        if (!isFixed && bodyRows > 0 && used + height > pageHeight) {
            pages.append(Page{heading});
            used = headingHeight;
            bodyRows = 0;
        }
        pages.last().rows << row;
        used += height;
        if (!isFixed)
            ++bodyRows;
    }
    return pages;
}
