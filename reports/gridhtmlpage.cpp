#include "gridhtmlpage.h"

#include "contracts/grid.h"
#include "contracts/gridalignment.h"

#include <QHash>
#include <QStringList>

#include <vector>

namespace GridHtmlPage {

namespace {

constexpr int PageMarginMm = 15;
// The text width of a portrait A4 page within those margins, at 96 pixels to the inch.
constexpr int PortraitTextWidthPx = (210 - 2 * PageMarginMm) * 96 * 10 / 254;

QString colourOf(quint32 gridColour)
{
    // Red sits in the low byte of a grid colour.
    return QStringLiteral("#%1%2%3")
        .arg(gridColour & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((gridColour >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((gridColour >> 16) & 0xFF, 2, 16, QLatin1Char('0'));
}

QString alignmentCss(int code)
{
    static const char *const horizontal[] = {"left", "center", "right"};
    static const char *const vertical[] = {"top", "middle", "bottom"};
    return QStringLiteral("text-align:%1;vertical-align:%2;")
        .arg(QLatin1String(horizontal[int(GridAlignment::horizontal(code))]),
             QLatin1String(vertical[int(GridAlignment::vertical(code))]));
}

// Word processors collapse runs of blanks whatever the style says; the signature
// line's spacing survives as no-break spaces after the first blank of a run.
QString keepBlankRuns(const QString &text)
{
    QString out = text;
    for (qsizetype i = 1; i < out.size(); ++i) {
        if (out.at(i) == u' ' && (out.at(i - 1) == u' ' || out.at(i - 1) == QChar(0xA0)))
            out[i] = QChar(0xA0);
    }
    return out;
}

// The cells' looks become a few shared classes instead of a style on every cell.
class PageBuilder
{
public:
    explicit PageBuilder(const Grid &grid) : m_grid(grid)
    {
        m_visible.assign(std::size_t(grid.columnCount()), false);
        for (int column = 1; column < grid.columnCount(); ++column)
            m_visible[std::size_t(column)] = grid.columnWidth(column) > 0;
        m_rowHasCells.assign(std::size_t(grid.rowCount()), false);
        for (int row = 0; row < grid.rowCount(); ++row) {
            for (int column = 1; column < grid.columnCount() && !m_rowHasCells[std::size_t(row)]; ++column)
                m_rowHasCells[std::size_t(row)] = m_visible[std::size_t(column)] && startsCell(row, column);
        }
    }

    QByteArray build()
    {
        QString body;
        body.reserve(m_grid.rowCount() * 256);
        writeColumns(body);
        for (int row = 0; row < m_grid.rowCount(); ++row)
            writeRow(body, row);
        return (head() + body + QStringLiteral("</table>\n</body>\n</html>\n")).toUtf8();
    }

private:
    QString head() const
    {
        const QString font = m_grid.defaultFont().name;
        QString out =
            QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
                           "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n"
                           "<title>%1</title>\n<style>\n"
                           "table{border-collapse:collapse;table-layout:fixed;font-family:%2sans-serif;"
                           "font-size:%3pt}\n"
                           "td{border:1px solid #000000;padding:1px 3px;overflow:hidden}\n"
                           "%4\n")
                .arg(escaped(m_grid.text(0, 1)),
                     font.isEmpty() ? QString() : u'"' + escaped(font) + QStringLiteral("\","),
                     QString::number(m_grid.defaultFont().size > 0 ? m_grid.defaultFont().size : 10),
                     pageRule());
        for (qsizetype i = 0; i < m_classes.size(); ++i)
            out += QStringLiteral(".c%1{%2}\n").arg(i).arg(m_classes.at(i));
        // The border attribute is for word processors, which ignore the style sheet's borders.
        // The table spans the page (or the browser window) and the columns keep the grid's proportions.
        return out +
               QStringLiteral("</style>\n</head>\n<body>\n"
                              "<table border=\"1\" cellspacing=\"0\" width=\"100%\" style=\"width:100%\">\n");
    }

    int visibleWidth() const
    {
        int total = 0;
        for (int column = 1; column < m_grid.columnCount(); ++column)
            total += m_visible[std::size_t(column)] ? m_grid.columnWidth(column) : 0;
        return total;
    }

    // Word processors lay the page out on A4: a table wider than the portrait page's
    // text turns the page on its side rather than running off its right edge.
    QString pageRule() const
    {
        const bool landscape = visibleWidth() > PortraitTextWidthPx;
        return QStringLiteral("@page{size:%1;margin:%2mm}")
            .arg(landscape ? QStringLiteral("297mm 210mm") : QStringLiteral("210mm 297mm"))
            .arg(PageMarginMm);
    }

    void writeColumns(QString &out) const
    {
        const double total = std::max(visibleWidth(), 1);
        out += QStringLiteral("<colgroup>");
        for (int column = 1; column < m_grid.columnCount(); ++column) {
            if (!m_visible[std::size_t(column)])
                continue;
            const double percent = m_grid.columnWidth(column) * 100.0 / total;
            out += QStringLiteral("<col width=\"%1%\" style=\"width:%2%\">")
                       .arg(qRound(percent))
                       .arg(QString::number(percent, 'f', 2));
        }
        out += QStringLiteral("</colgroup>\n");
    }

    // Word processors drop a row without cells and let the row spans above it swallow the
    // next row, so such rows (all under merged ranges) are left out and the spans shortened.
    void writeRow(QString &out, int row)
    {
        if (!m_rowHasCells[std::size_t(row)])
            return;
        out += QStringLiteral("<tr style=\"height:%1px\">").arg(m_grid.rowHeight(row));
        for (int column = 1; column < m_grid.columnCount(); ++column) {
            if (m_visible[std::size_t(column)])
                writeCell(out, row, column);
        }
        out += QStringLiteral("</tr>\n");
    }

    int visibleColumns(const GridRange &range) const
    {
        int count = 0;
        for (int column = std::max(range.left, 1); column <= range.right; ++column)
            count += m_visible[std::size_t(column)] ? 1 : 0;
        return count;
    }

    int firstVisible(const GridRange &range) const
    {
        for (int column = std::max(range.left, 1); column <= range.right; ++column) {
            if (m_visible[std::size_t(column)])
                return column;
        }
        return -1;
    }

    // A range shows once, in its first visible cell of its top row.
    bool startsCell(int row, int column) const
    {
        const GridRange range = m_grid.mergedRangeAt(row, column);
        return range.top == row && firstVisible(range) == column;
    }

    int shownRows(const GridRange &range) const
    {
        int count = 0;
        for (int row = range.top; row <= range.bottom; ++row)
            count += m_rowHasCells[std::size_t(row)] ? 1 : 0;
        return count;
    }

    void writeCell(QString &out, int row, int column)
    {
        if (!startsCell(row, column))
            return;
        const GridRange range = m_grid.mergedRangeAt(row, column);
        out += QStringLiteral("<td class=\"c%1\"").arg(classOf(range.top, range.left));
        if (const int span = visibleColumns(range); span > 1)
            out += QStringLiteral(" colspan=\"%1\"").arg(span);
        if (const int span = shownRows(range); span > 1)
            out += QStringLiteral(" rowspan=\"%1\"").arg(span);
        out += u'>';
        out +=
            escaped(keepBlankRuns(m_grid.text(range.top, range.left))).replace(u'\n', QStringLiteral("<br>"));
        out += QStringLiteral("</td>");
    }

    int classOf(int row, int column)
    {
        QString css = alignmentCss(m_grid.alignment(row, column));
        css += m_grid.wrap(row, column) ? QStringLiteral("white-space:pre-wrap;")
                                        : QStringLiteral("white-space:pre;");
        const quint32 background = m_grid.background(row, column);
        if (background != GridCell::White)
            css += QStringLiteral("background-color:%1;").arg(colourOf(background));
        const GridFont font = m_grid.font(row, column);
        if (font.bold)
            css += QStringLiteral("font-weight:bold;");
        if (font.size > 0)
            css += QStringLiteral("font-size:%1pt;").arg(font.size);
        if (!font.name.isEmpty() && font.name != m_grid.defaultFont().name)
            css += QStringLiteral("font-family:\"%1\",sans-serif;").arg(escaped(font.name));
        const auto found = m_classIds.constFind(css);
        if (found != m_classIds.constEnd())
            return found.value();
        m_classes.append(css);
        return m_classIds[css] = int(m_classes.size() - 1);
    }

    const Grid &m_grid;
    std::vector<bool> m_visible;
    std::vector<bool> m_rowHasCells;
    QStringList m_classes;
    QHash<QString, int> m_classIds;
};

} // namespace

QByteArray page(const Grid &grid)
{
    return PageBuilder(grid).build();
}

QString escaped(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            out += QStringLiteral("&amp;");
            break;
        case u'<':
            out += QStringLiteral("&lt;");
            break;
        case u'>':
            out += QStringLiteral("&gt;");
            break;
        case u'"':
            out += QStringLiteral("&quot;");
            break;
        case u'\'':
            out += QStringLiteral("&#39;");
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace GridHtmlPage
