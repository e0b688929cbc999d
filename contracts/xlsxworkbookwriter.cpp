#include "xlsxworkbookwriter.h"

#include "numericlocaleguard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <cstdio>

namespace {

lxw_color_t rgbOf(quint32 gridColour)
{
    // The grid keeps red in the low byte; xlsx wants it in the high one.
    return lxw_color_t(((gridColour & 0xFF) << 16) | (gridColour & 0xFF00) | ((gridColour >> 16) & 0xFF));
}

quint64 cellKey(int row, int column)
{
    return (quint64(quint32(row)) << 32) | quint32(column);
}

} // namespace

// Turns the gathered cells into libxlsxwriter calls. Every call's first failure
// is kept: libxlsxwriter goes on after an error, the file would be wrong.
class XlsxWorkbookWriter::FileBuilder
{
public:
    FileBuilder(const XlsxWorkbookWriter &book, lxw_workbook *workbook, lxw_worksheet *sheet)
        : m_book(book), m_workbook(workbook), m_sheet(sheet)
    {
    }

    lxw_error build()
    {
        writeSizes();
        writeMerges();
        writeCells();
        return m_failure;
    }

private:
    void check(lxw_error e)
    {
        if (e != LXW_NO_ERROR && m_failure == LXW_NO_ERROR)
            m_failure = e;
    }

    lxw_format *format(const Style &style)
    {
        if (style == Style())
            return nullptr;
        auto found = m_formats.find(style);
        if (found != m_formats.end())
            return found->second;
        lxw_format *f = workbook_add_format(m_workbook);
        describe(f, style);
        m_formats.emplace(style, f);
        return f;
    }

    void describe(lxw_format *f, const Style &s)
    {
        static constexpr uint8_t horizontal[] = {LXW_ALIGN_NONE, LXW_ALIGN_LEFT, LXW_ALIGN_CENTER,
                                                 LXW_ALIGN_RIGHT};
        static constexpr uint8_t vertical[] = {LXW_ALIGN_VERTICAL_BOTTOM, LXW_ALIGN_VERTICAL_CENTER,
                                               LXW_ALIGN_VERTICAL_TOP};
        if (s.horizontal != Horizontal::General)
            format_set_align(f, horizontal[int(s.horizontal)]);
        if (s.vertical != Vertical::Bottom)
            format_set_align(f, vertical[int(s.vertical)]);
        if (s.wrap)
            format_set_text_wrap(f);
        if (s.shrink)
            format_set_shrink(f);
        if (s.border)
            format_set_border(f, LXW_BORDER_THIN);
        if (s.bold)
            format_set_bold(f);
        if (s.filled) {
            format_set_pattern(f, LXW_PATTERN_SOLID);
            format_set_bg_color(f, rgbOf(s.fill));
        }
        if (s.fontSize > 0)
            format_set_font_size(f, s.fontSize);
        if (s.fontName > 0)
            format_set_font_name(f, m_book.m_fontNames.at(s.fontName).toUtf8().constData());
        if (s.numberFormat > 0)
            format_set_num_format(f, m_book.m_numberFormats.at(s.numberFormat).toUtf8().constData());
    }

    void writeSizes()
    {
        lxw_row_col_options hidden{};
        hidden.hidden = 1;
        for (const auto &[column, width] : m_book.m_columnWidths)
            check(worksheet_set_column_opt(m_sheet, lxw_col_t(column), lxw_col_t(column), width, nullptr,
                                           width > 0 ? nullptr : &hidden));
        for (const auto &[row, height] : m_book.m_rowHeights)
            check(worksheet_set_row_opt(m_sheet, lxw_row_t(row), height, nullptr,
                                        height > 0 ? nullptr : &hidden));
    }

    const Cell *cellAt(int row, int column) const
    {
        if (row >= int(m_book.m_rows.size()) || column >= int(m_book.m_rows[std::size_t(row)].size()))
            return nullptr;
        return &m_book.m_rows[std::size_t(row)][std::size_t(column)];
    }

    void writeMerges()
    {
        static const Cell empty;
        for (const GridRange &r : m_book.m_merges) {
            const Cell *anchor = cellAt(r.top, r.left);
            lxw_format *f = format((anchor ? anchor : &empty)->style);
            check(worksheet_merge_range(m_sheet, lxw_row_t(r.top), lxw_col_t(r.left), lxw_row_t(r.bottom),
                                        lxw_col_t(r.right), "", f));
            for (int row = r.top; row <= r.bottom; ++row) {
                for (int column = r.left; column <= r.right; ++column) {
                    if (row != r.top || column != r.left)
                        m_covered.insert(cellKey(row, column));
                }
            }
        }
    }

    void writeCells()
    {
        for (std::size_t row = 0; row < m_book.m_rows.size(); ++row) {
            const std::vector<Cell> &cells = m_book.m_rows[row];
            for (std::size_t column = 0; column < cells.size(); ++column) {
                if (!m_covered.isEmpty() && m_covered.contains(cellKey(int(row), int(column))))
                    continue;
                writeCell(lxw_row_t(row), lxw_col_t(column), cells[column]);
            }
        }
    }

    void writeCell(lxw_row_t row, lxw_col_t column, const Cell &cell)
    {
        lxw_format *f = format(cell.style);
        switch (cell.kind) {
        case Cell::Kind::Text:
            check(worksheet_write_string(m_sheet, row, column, cell.text.toUtf8().constData(), f));
            break;
        case Cell::Kind::Number:
            check(worksheet_write_number(m_sheet, row, column, cell.number, f));
            break;
        case Cell::Kind::Empty:
            if (f)
                check(worksheet_write_blank(m_sheet, row, column, f));
            break;
        }
    }

    const XlsxWorkbookWriter &m_book;
    lxw_workbook *m_workbook;
    lxw_worksheet *m_sheet;
    std::map<Style, lxw_format *> m_formats;
    QSet<quint64> m_covered;
    lxw_error m_failure = LXW_NO_ERROR;
};

XlsxWorkbookWriter::XlsxWorkbookWriter() = default;
XlsxWorkbookWriter::~XlsxWorkbookWriter() = default;

XlsxWorkbookWriter::Cell *XlsxWorkbookWriter::cell(int row, int column)
{
    if (row < 0 || column < 0 || row >= MaxRows || column >= MaxColumns)
        return nullptr;
    if (std::size_t(row) >= m_rows.size())
        m_rows.resize(std::size_t(row) + 1);
    std::vector<Cell> &cells = m_rows[std::size_t(row)];
    if (std::size_t(column) >= cells.size())
        cells.resize(std::size_t(column) + 1);
    return &cells[std::size_t(column)];
}

template <class Change> void XlsxWorkbookWriter::change(const GridRange &range, Change change)
{
    const GridRange sheet{0, 0, MaxRows - 1, MaxColumns - 1};
    const GridRange r = range.intersected(sheet);
    if (!r.isValid())
        return;
    for (int row = r.top; row <= r.bottom; ++row) {
        for (int column = r.left; column <= r.right; ++column)
            change(cell(row, column)->style);
    }
}

int XlsxWorkbookWriter::intern(QStringList &names, const QString &name)
{
    if (name.isEmpty())
        return 0;
    const qsizetype index = names.indexOf(name);
    if (index >= 0)
        return int(index);
    names.append(name);
    return int(names.size() - 1);
}

void XlsxWorkbookWriter::merge(const GridRange &range)
{
    const GridRange sheet{0, 0, MaxRows - 1, MaxColumns - 1};
    if (!range.isValid() || range.isSingleCell() || range.intersected(sheet) != range)
        return;
    // Overlapping merges make a file spreadsheet programs refuse to open.
    std::erase_if(m_merges, [&](const GridRange &old) { return old.intersects(range); });
    m_merges.push_back(range);
}

void XlsxWorkbookWriter::setHorizontalAlignment(const GridRange &range, Horizontal alignment)
{
    change(range, [&](Style &s) { s.horizontal = alignment; });
}

void XlsxWorkbookWriter::setVerticalAlignment(const GridRange &range, Vertical alignment)
{
    change(range, [&](Style &s) { s.vertical = alignment; });
}

void XlsxWorkbookWriter::setWrap(const GridRange &range, bool on)
{
    change(range, [&](Style &s) { s.wrap = on; });
}

void XlsxWorkbookWriter::setShrinkToFit(const GridRange &range, bool on)
{
    change(range, [&](Style &s) { s.shrink = on; });
}

void XlsxWorkbookWriter::setFill(const GridRange &range, quint32 colour)
{
    change(range, [&](Style &s) {
        s.filled = true;
        s.fill = colour & 0xFFFFFF;
    });
}

void XlsxWorkbookWriter::setThinBorders(const GridRange &range)
{
    change(range, [](Style &s) { s.border = true; });
}

void XlsxWorkbookWriter::setFont(const GridRange &range, const GridFont &font)
{
    const int name = intern(m_fontNames, font.name);
    change(range, [&](Style &s) {
        s.bold = font.bold;
        s.fontSize = font.size;
        s.fontName = name;
    });
}

void XlsxWorkbookWriter::setColumnWidth(int column, double width)
{
    if (column >= 0 && column < MaxColumns)
        m_columnWidths[column] = std::max(0.0, width);
}

void XlsxWorkbookWriter::setRowHeight(int row, double height)
{
    if (row >= 0 && row < MaxRows)
        m_rowHeights[row] = std::max(0.0, height);
}

void XlsxWorkbookWriter::writeText(int row, int column, const QString &text)
{
    if (Cell *c = cell(row, column)) {
        c->kind = text.isEmpty() ? Cell::Kind::Empty : Cell::Kind::Text;
        c->text = text;
    }
}

void XlsxWorkbookWriter::writeNumber(int row, int column, double value, const QString &format)
{
    if (Cell *c = cell(row, column)) {
        c->kind = Cell::Kind::Number;
        c->number = value;
        c->text.clear();
        c->style.numberFormat = intern(m_numberFormats, format);
    }
}

bool XlsxWorkbookWriter::save(const QString &path)
{
    // libxlsxwriter writes the file itself: it goes to a neighbour of the target,
    // which then replaces the target in one rename.
    const QFileInfo target(path);
    if (target.isDir()) {
        m_error = QStringLiteral("%1 is a folder").arg(path);
        return false;
    }
    QTemporaryFile built(target.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX").arg(target.fileName())));
    if (!built.open()) {
        m_error = QStringLiteral("cannot write in %1: %2").arg(target.absolutePath(), built.errorString());
        return false;
    }
    built.close();
    if (!writeFile(built.fileName()))
        return false;
    built.setPermissions(target.exists()
                             ? target.permissions()
                             : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    if (std::rename(QFile::encodeName(built.fileName()).constData(), QFile::encodeName(path).constData()) !=
        0) {
        m_error = QStringLiteral("cannot replace %1").arg(path);
        return false;
    }
    built.setAutoRemove(false);
    return true;
}

bool XlsxWorkbookWriter::writeFile(const QString &file)
{
    const NumericLocaleGuard numbers;
    lxw_workbook *workbook = workbook_new(QFile::encodeName(file).constData());
    lxw_worksheet *sheet =
        workbook ? workbook_add_worksheet(workbook, m_sheetName.toUtf8().constData()) : nullptr;
    const lxw_error built = sheet ? FileBuilder(*this, workbook, sheet).build() : LXW_NO_ERROR;
    const lxw_error closed = workbook ? workbook_close(workbook) : LXW_ERROR_CREATING_XLSX_FILE;
    const lxw_error failure = built != LXW_NO_ERROR ? built : closed;
    if (workbook && !sheet)
        m_error = QStringLiteral("invalid sheet name \"%1\"").arg(m_sheetName);
    else if (failure != LXW_NO_ERROR)
        m_error = QString::fromUtf8(lxw_strerror(failure));
    else
        return true;
    return false;
}
