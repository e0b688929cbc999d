#pragma once

#include "printfonts.h"

#include "reports/pagebreaks.h"
#include "reports/printpagesetup.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QPageLayout>
#include <QRectF>

class Grid;
class QPagedPaintDevice;
class QPainter;

// Lays a grid in its printing form onto pages and paints them: cell texts with
// their fonts, alignments, wrapping and fitting as on screen, merges, backgrounds,
// pictures and thin borders, the columns shrunk to the printable width, the page
// header above and the footer below (&N the pages of this job, &P the page).
// The same pages go to the print preview, the printer and PDF files.
class GridPaginator
{
public:
    // Sizes on paper are counted in pixels of 1/96 inch, as the grid counts them on screen.
    static constexpr qreal PaperDpi = 96;

    GridPaginator(const Grid &grid, const PrintPageSetup &setup);
    // Pages of the printable size a device has now, in millimetres: the preview's own
    // page set-up and orientation buttons change it.
    GridPaginator(const Grid &grid, const QSizeF &printableMillimetres);

    static QPageLayout pageLayout(const PrintPageSetup &setup);

    int pageCount() const { return int(m_pages.size()); }
    const QList<PageBreaks::Page> &pages() const { return m_pages; }
    // Grid pixels to paper pixels.
    qreal scaleX() const { return m_scaleX; }
    qreal scaleY() const { return m_scaleY; }
    // The text of the footer on page `page` (from 0).
    QString footerText(int page) const;

    // Paints every page onto a device whose printable area is the one laid out for. With
    // `startOnNewPage` the first page is begun after what the device already holds.
    void paint(QPainter &painter, QPagedPaintDevice &device, bool startOnNewPage = false) const;

private:
    struct Band {
        QFont font;
        qreal height = 0;
    };
    class Canvas;
    // A cell text as it goes into a text area: its lines and the font they are drawn in.
    struct FittedText {
        QStringList lines;
        QFont font; // measured
        qreal lineHeight = 0;
        bool shrunk = false; // the lines fill the wider fitted area
    };
    struct FitKey {
        QString text;
        int size = 0;
        bool bold = false;
        bool wrap = false;
        qreal width = 0;
        qreal height = 0;
        bool operator==(const FitKey &) const = default;
        friend size_t qHash(const FitKey &key, size_t seed = 0)
        {
            return qHashMulti(seed, key.text, key.size, key.bold, key.wrap, key.width, key.height);
        }
    };

    void paintPage(Canvas &canvas, int page) const;
    void paintRows(Canvas &canvas, const PageBreaks::Page &page) const;
    void paintCell(Canvas &canvas, int row, int column, const QRectF &rect) const;
    void paintText(Canvas &canvas, const QString &text, const GridFont &font, int alignment, bool wrap,
                   const QRectF &rect) const;
    void paintBands(QPainter &painter, const PrintFonts &fonts, int page) const;
    const FittedText &fitted(const PrintFonts &fonts, const FitKey &key, const GridFont &font) const;
    QImage image(const QString &key) const;
    int option(const QString &name, int fallback) const;

    const Grid &m_grid;
    QSizeF m_printable; // paper pixels
    Band m_header;
    Band m_footer;
    qreal m_scaleX = 1;
    qreal m_scaleY = 1;
    qreal m_tableLeft = 0;     // paper pixels: a table narrower than the page stands in its middle
    QList<qreal> m_columnLeft; // grid pixels, one more than the columns
    QList<PageBreaks::Page> m_pages;
    bool m_gridLines = true;
    bool m_backgrounds = true;
    bool m_images = true;
    mutable QHash<QString, QImage> m_decoded;
    // Bills repeat their units, rates and sums row after row: each is fitted once.
    mutable QHash<FitKey, FittedText> m_fitted;
};
