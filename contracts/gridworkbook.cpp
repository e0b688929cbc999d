#include "gridworkbook.h"

#include "grid.h"
#include "gridalignment.h"
#include "shownnumber.h"
#include "wrappedtextheight.h"
#include "xlsxworkbookwriter.h"

#include <algorithm>
#include <map>

namespace GridWorkbook {

namespace {

using Horizontal = WorkbookWriter::Horizontal;
using Vertical = WorkbookWriter::Vertical;

Horizontal horizontalOf(int code)
{
    switch (GridAlignment::horizontal(code)) {
    case GridAlignment::Horizontal::Left:
        return Horizontal::Left;
    case GridAlignment::Horizontal::Centre:
        return Horizontal::Centre;
    case GridAlignment::Horizontal::Right:
        return Horizontal::Right;
    }
    return Horizontal::General;
}

Vertical verticalOf(int code)
{
    switch (GridAlignment::vertical(code)) {
    case GridAlignment::Vertical::Top:
        return Vertical::Top;
    case GridAlignment::Vertical::Middle:
        return Vertical::Middle;
    case GridAlignment::Vertical::Bottom:
        return Vertical::Bottom;
    }
    return Vertical::Bottom;
}

int rangeWidth(const Grid &grid, const GridRange &range)
{
    int pixels = 0;
    for (int column = std::max(range.left, 1); column <= range.right; ++column)
        pixels += grid.columnWidth(column);
    return pixels;
}

// The grid's height, or more where a wrapped text needs more lines at the sheet's fonts.
double rowHeight(const Grid &grid, int row)
{
    double height = rowHeightOf(grid.rowHeight(row));
    if (height <= 0)
        return height;
    for (int column = 1; column < grid.columnCount(); ++column) {
        const GridRange range = grid.mergedRangeAt(row, column);
        if (!grid.wrap(row, column) || range.top != range.bottom || range.left != column)
            continue;
        height = std::max(height, WrappedTextHeight::neededPoints(exportedText(grid.text(row, column)),
                                                                  rangeWidth(grid, range),
                                                                  grid.font(row, column).size));
    }
    return height;
}

void writeSizes(const Grid &grid, WorkbookWriter &writer)
{
    for (int column = 1; column < grid.columnCount(); ++column)
        writer.setColumnWidth(column - 1, columnWidthOf(grid.columnWidth(column)));
    for (int row = 0; row < grid.rowCount(); ++row)
        writer.setRowHeight(row, rowHeight(grid, row));
}

void writeStyle(const Grid &grid, int row, int column, WorkbookWriter &writer)
{
    const GridRange at = GridRange::cell(row, column - 1);
    const int code = grid.alignment(row, column);
    writer.setHorizontalAlignment(at, horizontalOf(code));
    writer.setVerticalAlignment(at, verticalOf(code));
    writer.setWrap(at, grid.wrap(row, column));
    // The grid shrinks numbers and captions to their narrow columns; so does the sheet.
    writer.setShrinkToFit(at, !grid.wrap(row, column));
    writer.setFont(at, grid.font(row, column));
    const quint32 background = grid.background(row, column);
    if (background != GridCell::White)
        writer.setFill(at, background);
}

// The widest number text of each sheet column, in characters.
using NumberWidths = std::map<int, qsizetype>;

// `source` is the grid cell whose text shows at sheet column `column - 1`.
void writeValue(const Grid &grid, int row, int column, int source, WorkbookWriter &writer,
                const NumberCells &numberCells, NumberWidths &widths)
{
    const QString text = exportedText(grid.text(row, source));
    if (numberCells && numberCells(row, source)) {
        if (const std::optional<ShownNumber> n = ShownNumber::parse(text)) {
            writer.writeNumber(row, column - 1, n->value, n->format);
            if (grid.mergedRangeAt(row, source).isSingleCell())
                widths[column - 1] = std::max(widths[column - 1], text.size());
            return;
        }
    }
    writer.writeText(row, column - 1, text);
}

} // namespace

void write(const Grid &grid, WorkbookWriter &writer, const NumberCells &numberCells)
{
    writer.setSheetName(QString::fromLatin1(SheetName));
    if (grid.rowCount() == 0 || grid.columnCount() < 2)
        return;
    writeSizes(grid, writer);
    NumberWidths numberWidths;
    for (const GridRange &range : grid.mergedRanges()) {
        if (range.right >= 1)
            writer.merge({range.top, std::max(range.left, 1) - 1, range.bottom, range.right - 1});
    }
    for (int row = 0; row < grid.rowCount(); ++row) {
        for (int column = 1; column < grid.columnCount(); ++column) {
            writeStyle(grid, row, column, writer);
            // A view shows a merged range's top-left cell over the whole range.
            const GridRange range = grid.mergedRangeAt(row, column);
            if (range.top == row && (range.left == column || (range.left < 1 && column == 1)))
                writeValue(grid, row, column, range.left, writer, numberCells, numberWidths);
        }
    }
    writer.setThinBorders({0, 0, grid.rowCount() - 1, grid.columnCount() - 2});
    // The view shrinks numbers into narrow columns; spreadsheet programs show "###"
    // instead, so a visible column is widened to its widest number.
    for (const auto &[column, characters] : numberWidths) {
        const double width = columnWidthOf(grid.columnWidth(column + 1));
        if (width > 0 && width < characters + 1)
            writer.setColumnWidth(column, double(characters + 1));
    }
}

bool save(const Grid &grid, const QString &path, const NumberCells &numberCells, QString *error)
{
    XlsxWorkbookWriter writer;
    write(grid, writer, numberCells);
    if (writer.save(path))
        return true;
    if (error)
        *error = writer.errorString();
    return false;
}

QString exportedText(const QString &text)
{
    QString out = text;
    out.remove(QChar(0xFFE5));
    return out;
}

double columnWidthOf(int pixels)
{
    // A character of the default font is 7 pixels wide, plus 5 pixels of margin.
    if (pixels <= 0)
        return 0.0;
    return pixels <= 12 ? pixels / 12.0 : (pixels - 5) / 7.0;
}

double rowHeightOf(int pixels)
{
    return pixels * 0.75;
}

} // namespace GridWorkbook
