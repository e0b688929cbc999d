#include "gridpaginator.h"

#include "printedlines.h"

#include "reports/printoptions.h"

#include "contracts/grid.h"
#include "contracts/gridalignment.h"
#include "contracts/widgets/celltextfit.h"
#include "contracts/widgets/gridqt.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QSet>

#include <algorithm>

namespace {

constexpr qreal MillimetresPerInch = 25.4;
constexpr qreal BandGap = 8;        // paper pixels between a header or footer and the table
constexpr qreal BorderWidth = 0.75; // paper pixels: a thin line at any scale
constexpr quint32 White = 0xFFFFFF;
const QColor BorderColour(0x60, 0x60, 0x60);

qreal paperPixels(qreal millimetres)
{
    return millimetres / MillimetresPerInch * GridPaginator::PaperDpi;
}

QPageSize::PageSizeId pageSizeId(PrintPageSetup::Paper paper)
{
    switch (paper) {
    case PrintPageSetup::Paper::A3:
        return QPageSize::A3;
    case PrintPageSetup::Paper::B5:
        return QPageSize::B5;
    case PrintPageSetup::Paper::B4:
        return QPageSize::B4;
    case PrintPageSetup::Paper::A4:
        break;
    }
    return QPageSize::A4;
}

} // namespace

GridPaginator::GridPaginator(const Grid &grid, const PrintPageSetup &setup)
    : GridPaginator(grid, setup.printableSize())
{
}

GridPaginator::GridPaginator(const Grid &grid, const QSizeF &printable) : m_grid(grid)
{
    m_printable = QSizeF(paperPixels(printable.width()), paperPixels(printable.height()));
    const GridPageSettings &page = grid.pageSettings();
    const PrintFonts fonts(PrintFonts::ScreenDpi);
    int headerLines = option(PrintOption::HeaderLines, page.headerText.isEmpty() ? 0 : 1);
    if (!page.headerText.isEmpty())
        headerLines = std::max(headerLines, 1);
    m_header.font = fonts.measured(page.headerFont);
    m_header.height = headerLines > 0 ? headerLines * CellTextFit::lineHeight(m_header.font) + BandGap : 0;
    m_footer.font = fonts.measured(GridFont{});
    m_footer.height = page.footerText.isEmpty() ? 0 : CellTextFit::lineHeight(m_footer.font) + BandGap;

    m_columnLeft << 0;
    for (int column = 0; column < grid.columnCount(); ++column)
        m_columnLeft << m_columnLeft.last() + grid.columnWidth(column);
    const qreal gridWidth = m_columnLeft.last();
    const bool fit = option(PrintOption::FitToWidth, 1) != 0 && gridWidth > 0;
    // Shrunk to the printable width, never blown up beyond the size it has on screen.
    const qreal scale = fit ? std::min<qreal>(1, m_printable.width() / gridWidth) : 1;
    m_scaleX = scale * page.options.value(PrintOption::HorizontalScale, 1.0).toDouble();
    m_scaleY = scale * page.options.value(PrintOption::VerticalScale, 1.0).toDouble();
    m_tableLeft = std::max<qreal>(0, (m_printable.width() - gridWidth * m_scaleX) / 2);
    const qreal tableHeight = std::max<qreal>(1, m_printable.height() - m_header.height - m_footer.height);
    m_pages = PageBreaks::compute(grid, m_scaleY, tableHeight, option(PrintOption::RepeatFixedRows, 0) == 1);
    m_gridLines = page.options.value(PrintOption::GridLines, true).toBool();
    m_backgrounds = page.options.value(PrintOption::Backgrounds, true).toBool();
    m_images = page.options.value(PrintOption::Images, true).toBool();
}

QPageLayout GridPaginator::pageLayout(const PrintPageSetup &setup)
{
    return QPageLayout(QPageSize(pageSizeId(setup.paper)),
                       setup.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(setup.left, setup.top, setup.right, setup.bottom), QPageLayout::Millimeter);
}

int GridPaginator::option(const QString &name, int fallback) const
{
    return m_grid.pageSettings().options.value(name, fallback).toInt();
}

QString GridPaginator::footerText(int page) const
{
    QString text = m_grid.pageSettings().footerText;
    text.replace(QStringLiteral("&N"), QString::number(pageCount()));
    text.replace(QStringLiteral("&P"), QString::number(page + option(PrintOption::FirstPageNumber, 1)));
    return text;
}

// The painter of one page's table with what it has set last, so that pens, fonts and clips change
// only where a cell needs another one. The thin borders of the cells wait and go out together,
// each still a stroke of its own, until a fill or a picture could cover part of them.
class GridPaginator::Canvas
{
public:
    Canvas(QPainter &painter, const PrintFonts &fonts, qreal borderWidth)
        : painter(painter), fonts(fonts), m_borderPen(BorderColour, borderWidth)
    {
    }

    QPainter &painter;
    const PrintFonts &fonts;

    void begin()
    {
        m_pen = Pen::Unknown;
        m_hasFont = false;
        painter.setBrush(Qt::NoBrush);
    }
    // Before anything that paints over what is already there.
    void coverAhead()
    {
        flushBorders();
        m_pen = Pen::Unknown;
    }
    void addBorder(const QRectF &rect) { m_borders << rect; }
    void flushBorders()
    {
        if (m_borders.isEmpty())
            return;
        usePen(Pen::Border);
        for (const QRectF &rect : std::as_const(m_borders))
            painter.drawRect(rect);
        m_borders.clear();
    }
    void useTextPen() { usePen(Pen::Text); }
    void useFont(const QFont &measured)
    {
        if (m_hasFont && measured == m_font)
            return;
        m_font = measured;
        m_hasFont = true;
        painter.setFont(fonts.drawn(measured));
    }

    void drawLine(const QString &line, const QRectF &rect, Qt::Alignment horizontal)
    {
        m_lines.draw(painter, line, rect, horizontal);
    }

private:
    enum class Pen { Unknown, Text, Border };
    void usePen(Pen pen)
    {
        if (m_pen == pen)
            return;
        m_pen = pen;
        if (pen == Pen::Border)
            painter.setPen(m_borderPen);
        else
            painter.setPen(Qt::black);
    }

    QPen m_borderPen;
    Pen m_pen = Pen::Unknown;
    QFont m_font;
    bool m_hasFont = false;
    QList<QRectF> m_borders;
    PrintedLines m_lines;
};

void GridPaginator::paint(QPainter &painter, QPagedPaintDevice &device, bool startOnNewPage) const
{
    const PrintFonts fonts(device.logicalDpiY());
    Canvas canvas(painter, fonts, BorderWidth / std::max<qreal>(m_scaleX, 0.01));
    for (int page = 0; page < pageCount(); ++page) {
        if (page > 0 || startOnNewPage)
            device.newPage();
        painter.save();
        painter.scale(device.logicalDpiX() / PaperDpi, device.logicalDpiY() / PaperDpi);
        paintPage(canvas, page);
        painter.restore();
    }
}

void GridPaginator::paintPage(Canvas &canvas, int page) const
{
    QPainter &painter = canvas.painter;
    paintBands(painter, canvas.fonts, page);
    painter.save();
    painter.translate(m_tableLeft, m_header.height);
    painter.scale(m_scaleX, m_scaleY);
    canvas.begin();
    paintRows(canvas, m_pages.at(page));
    canvas.flushBorders();
    painter.restore();
}

void GridPaginator::paintBands(QPainter &painter, const PrintFonts &fonts, int page) const
{
    painter.setPen(Qt::black);
    const QString header = m_grid.pageSettings().headerText;
    if (!header.isEmpty()) {
        painter.setFont(fonts.drawn(m_header.font));
        painter.drawText(QRectF(0, 0, m_printable.width(), m_header.height - BandGap),
                         int(Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine), header);
    }
    if (m_footer.height <= 0)
        return;
    const int alignment = option(PrintOption::FooterAlignment, 2);
    const Qt::Alignment horizontal = alignment == 1   ? Qt::AlignLeft
                                     : alignment == 3 ? Qt::AlignRight
                                                      : Qt::AlignHCenter;
    painter.setFont(fonts.drawn(m_footer.font));
    const qreal top = m_printable.height() - m_footer.height + BandGap;
    painter.drawText(QRectF(0, top, m_printable.width(), m_footer.height - BandGap),
                     int(horizontal | Qt::AlignVCenter | Qt::TextSingleLine), footerText(page));
}

void GridPaginator::paintRows(Canvas &canvas, const PageBreaks::Page &page) const
{
    QList<qreal> tops;
    qreal y = 0;
    for (int row : page.rows) {
        tops << y;
        y += m_grid.rowHeight(row);
    }
    QSet<quint64> painted;
    for (qsizetype i = 0; i < page.rows.size(); ++i) {
        const int row = page.rows.at(i);
        for (int column = 0; column < m_grid.columnCount(); ++column) {
            if (m_grid.columnWidth(column) <= 0)
                continue;
            const GridRange range = m_grid.mergedRangeAt(row, column);
            const quint64 anchor = (quint64(quint32(range.top)) << 32) | quint32(range.left);
            if (painted.contains(anchor))
                continue;
            painted.insert(anchor);
            // A range begun on an earlier page is painted from its first row here.
            // The range's rows on this page follow this one, repeated fixed rows aside.
            qsizetype end = i;
            while (end + 1 < page.rows.size() && page.rows.at(end + 1) > page.rows.at(end) &&
                   page.rows.at(end + 1) <= range.bottom)
                ++end;
            const qreal left = m_columnLeft.at(range.left);
            const qreal right =
                m_columnLeft.at(std::min<qsizetype>(range.right + 1, m_columnLeft.size() - 1));
            const qreal bottom = tops.at(end) + m_grid.rowHeight(page.rows.at(end));
            const QRectF rect(left, tops.at(i), right - left, bottom - tops.at(i));
            if (rect.width() > 0 && rect.height() > 0)
                paintCell(canvas, range.top, range.left, rect);
        }
    }
}

void GridPaginator::paintCell(Canvas &canvas, int row, int column, const QRectF &rect) const
{
    QPainter &painter = canvas.painter;
    const quint32 background = m_grid.background(row, column);
    if (background != White && m_backgrounds) {
        canvas.coverAhead();
        painter.fillRect(rect, GridQt::colour(background));
    }
    if (m_images) {
        const QString key = m_grid.imageKey(row, column);
        const QImage picture = key.isEmpty() ? QImage() : image(key);
        if (!picture.isNull()) {
            QSizeF size = picture.size();
            if (size.width() > rect.width() || size.height() > rect.height())
                size = size.scaled(rect.size(), Qt::KeepAspectRatio);
            QRectF target(QPointF(), size);
            target.moveCenter(rect.center());
            canvas.coverAhead();
            painter.drawImage(target, picture);
        }
    }
    paintText(canvas, m_grid.text(row, column), m_grid.font(row, column), m_grid.alignment(row, column),
              m_grid.wrap(row, column), rect);
    if (m_gridLines)
        canvas.addBorder(rect);
}

const GridPaginator::FittedText &GridPaginator::fitted(const PrintFonts &fonts, const FitKey &key,
                                                       const GridFont &font) const
{
    const auto found = m_fitted.constFind(key);
    if (found != m_fitted.constEnd())
        return *found;
    const QFont measured = fonts.measured(font);
    const CellTextFit::Layout layout = CellTextFit::fit(key.text, measured, key.width, key.height, key.wrap);
    FittedText text;
    if (layout.natural) {
        text.font = measured;
        text.lines = key.wrap ? CellTextFit::breakLines(key.text, measured, key.width, false)
                              : key.text.split(QLatin1Char('\n'));
    } else {
        text.font = CellTextFit::scaled(measured, layout.scale);
        text.lines = layout.lines;
        text.shrunk = true;
    }
    text.lineHeight = CellTextFit::lineHeight(text.font);
    return *m_fitted.insert(key, text);
}

void GridPaginator::paintText(Canvas &canvas, const QString &text, const GridFont &font, int alignment,
                              bool wrap, const QRectF &rect) const
{
    if (text.isEmpty())
        return;
    const QRectF area = CellTextFit::textArea(rect);
    const FittedText &fit =
        fitted(canvas.fonts, FitKey{text, font.size, font.bold, wrap, area.width(), area.height()}, font);
    const QRectF lineArea = fit.shrunk ? CellTextFit::fittedArea(area) : area;
    const qreal lineHeight = fit.lineHeight;
    const qreal block = lineHeight * fit.lines.size();
    qreal top = lineArea.top() + (lineArea.height() - block) / 2;
    using namespace GridAlignment;
    if (vertical(alignment) == Vertical::Top)
        top = lineArea.top();
    else if (vertical(alignment) == Vertical::Bottom)
        top = lineArea.bottom() - block;
    const Qt::Alignment horizontal = GridQt::alignment(alignment) & Qt::AlignHorizontal_Mask;
    // Lines fitted or broken to the area stay inside the cell; only what may not is clipped: lines
    // taller than the cell, lines of their own that are not wrapped, wrapped areas narrower than a character.
    const bool clip = top < rect.top() || top + block > rect.bottom() || lineArea.width() <= 0 ||
                      (!fit.shrunk && !wrap && fit.lines.size() > 1) ||
                      (!fit.shrunk && wrap && lineArea.width() < lineHeight);
    canvas.useTextPen();
    canvas.useFont(fit.font);
    if (clip) {
        canvas.painter.save();
        canvas.painter.setClipRect(rect, Qt::IntersectClip);
    }
    for (const QString &line : fit.lines) {
        canvas.drawLine(line, QRectF(lineArea.left(), top, lineArea.width(), lineHeight), horizontal);
        top += lineHeight;
    }
    if (clip)
        canvas.painter.restore(); // back to the pen and font set above
}

QImage GridPaginator::image(const QString &key) const
{
    const auto found = m_decoded.constFind(key);
    if (found != m_decoded.constEnd())
        return *found;
    const QImage decoded = m_grid.hasImage(key) ? QImage::fromData(m_grid.image(key).data) : QImage();
    return *m_decoded.insert(key, decoded);
}
