#include "griddump.h"

#include "contracts/grid.h"

namespace {

QString shownText(const Grid &grid, int row, int column)
{
    const GridRange range = grid.mergedRangeAt(row, column);
    if (range.top != row || range.left != column)
        return QString();
    QString text = grid.text(row, column);
    text.replace(u'\n', QStringLiteral("\\n"));
    return text;
}

} // namespace

QString dumpGrid(const Grid &grid)
{
    QString out;
    for (int row = 0; row < grid.rowCount(); ++row) {
        QStringList cells;
        for (int column = 1; column < grid.columnCount(); ++column)
            cells.append(shownText(grid, row, column));
        out += cells.join(u'\t') + u'\n';
    }
    return out;
}
