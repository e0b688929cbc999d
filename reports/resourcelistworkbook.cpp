#include "resourcelistworkbook.h"

#include "billtexts.h"
#include "resourcelist.h"

#include "contracts/grid.h"
#include "contracts/gridworkbook.h"
#include "contracts/shownnumber.h"
#include "contracts/workbookwriter.h"
#include "contracts/wrappedtextheight.h"

#include <algorithm>

namespace ResourceListWorkbook {

namespace {

using Horizontal = WorkbookWriter::Horizontal;

constexpr int QuantityColumn = 5;
constexpr int AmountColumn = 7;
constexpr quint32 SectionFill = 0xD5D6DA; // red 218, green 214, blue 213

// The text before the first ":" (else before the first "："), blanks removed.
QString labelOf(const QString &text)
{
    qsizetype colon = text.indexOf(u':');
    if (colon < 0)
        colon = text.indexOf(u'\uFF1A');
    QString label = colon < 0 ? text : text.left(colon);
    label.removeIf([](QChar c) { return c.isSpace(); });
    return label;
}

void writeTitle(const Grid &grid, WorkbookWriter &writer, int lastColumn)
{
    const GridRange title{0, 0, 1, lastColumn};
    writer.merge(title);
    writer.setHorizontalAlignment(GridRange::cell(0, 0), Horizontal::Centre);
    writer.writeText(0, 0, grid.text(0, 1));
    writer.setThinBorders(title);
}

double sheetWidthOf(int column)
{
    if (column == 0)
        return 20;
    return column == 1 ? 25 : 15;
}

void writeWidths(WorkbookWriter &writer)
{
    for (int column = 0; column <= 7; ++column)
        writer.setColumnWidth(column, sheetWidthOf(column));
}

// Sheet row i - 1 gets its height while grid row i is written. That row holds grid
// row i - 1; a wrapped name or remark there taller than the fixed height gets its room.
double heightOf(const Grid &grid, int i, int rows)
{
    if (i < 6)
        return 21.5;
    const double fixed = i < rows - 2 ? 28 : 31.5;
    const int shown = i - 1;
    if (shown < ResourceList::FirstDataRow || shown >= rows - 2)
        return fixed;
    double height = fixed;
    for (int j = 1; j < grid.columnCount() && j <= 8; ++j) {
        // Sheet widths are characters of 7 pixels plus 5 pixels of margin.
        const int pixels = int(sheetWidthOf(j - 1) * 7 + 5);
        const QString text = GridWorkbook::exportedText(grid.text(shown, j));
        height = std::max(height, WrappedTextHeight::neededPoints(text, pixels));
    }
    return height;
}

void writeCell(const Grid &grid, ResourceListKind kind, WorkbookWriter &writer, int i, int j)
{
    const int last = grid.columnCount() - 2;
    writer.setWrap(GridRange::cell(i - 1, j - 1), true);
    const QString text = grid.text(i, j);
    const QString label = labelOf(text);
    const QString value = GridWorkbook::exportedText(text);
    const GridRange cell = GridRange::cell(i, j - 1);
    static const QStringList threeWide{QStringLiteral("项目地址"), QStringLiteral("客户姓名"),
                                       QStringLiteral("项目类型"), QStringLiteral("建筑面积")};
    static const QStringList twoWide{QStringLiteral("设计师"), QStringLiteral("造价员")};
    if (threeWide.contains(label)) {
        writer.merge({i, j - 1, i, j + 1});
        writer.setHorizontalAlignment(cell, Horizontal::Left);
    } else if (twoWide.contains(label)) {
        writer.merge({i, j - 1, i, j});
        writer.setHorizontalAlignment(cell, Horizontal::Left);
    } else if (label == BillTexts::totalWord(kind) || label == QStringLiteral("客户签字")) {
        writer.merge({i, 0, i, last});
        writer.setHorizontalAlignment(cell, Horizontal::Left);
    } else if (text == BillTexts::sectionLabel(kind)) {
        writer.merge({i, 0, i, last});
        writer.setFill(cell, SectionFill);
        writer.setHorizontalAlignment(cell, Horizontal::Centre);
    } else if (!text.isEmpty()) {
        writer.setHorizontalAlignment(cell, Horizontal::Centre);
    }
    const std::optional<ShownNumber> number =
        isNumberCell(grid.rowCount(), i, j) ? ShownNumber::parse(value) : std::nullopt;
    if (number)
        writer.writeNumber(i, j - 1, number->value, number->format);
    else
        writer.writeText(i, j - 1, value);
}

} // namespace

bool isNumberCell(int rows, int row, int column)
{
    return row >= ResourceList::FirstDataRow && row < rows - 2 && column >= QuantityColumn &&
           column <= AmountColumn;
}

void write(const Grid &grid, ResourceListKind kind, WorkbookWriter &writer)
{
    const int columns = grid.columnCount();
    const int rows = grid.rowCount();
    writer.setSheetName(QString::fromLatin1(GridWorkbook::SheetName));
    if (columns < 2 || rows < 1)
        return;
    writeTitle(grid, writer, columns - 2);
    writeWidths(writer);
    for (int i = 2; i < rows; ++i) {
        writer.setRowHeight(i - 1, heightOf(grid, i, rows));
        writer.setThinBorders({i, 0, i, columns - 2});
        for (int j = 1; j < columns; ++j)
            writeCell(grid, kind, writer, i, j);
    }
    writer.setRowHeight(rows - 1, 31.5);
}

} // namespace ResourceListWorkbook
