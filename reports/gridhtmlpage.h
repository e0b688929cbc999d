#pragma once

#include <QByteArray>
#include <QString>

class Grid;

// A grid as one HTML page with one table, UTF-8: merged ranges as colspan and
// rowspan, the cells' alignments, backgrounds, bold and font sizes, the column
// widths and row heights. Hidden columns (width 0) are left out. Every text is
// escaped, so names and descriptions may hold markup characters.
namespace GridHtmlPage {

QByteArray page(const Grid &grid);
QString escaped(const QString &text);

} // namespace GridHtmlPage
