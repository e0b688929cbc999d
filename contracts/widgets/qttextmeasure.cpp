#include "qttextmeasure.h"

#include "gridqt.h"

#include <QFontMetrics>
#include <QRect>
#include <climits>
#include <cmath>

int QtTextMeasure::textHeight(const QString &text, const GridFont &font, int width, bool wrap) const
{
    Key key{text, font, width, wrap};
    const auto known = m_heights.constFind(key);
    if (known != m_heights.constEnd())
        return known.value();
    if (m_heights.size() >= MaxRemembered)
        m_heights.clear();
    const int height = measure(text, font, width, wrap);
    m_heights.insert(std::move(key), height);
    return height;
}

int QtTextMeasure::measure(const QString &text, const GridFont &font, int width, bool wrap)
{
    const QFont qfont = GridQt::font(font);
    const QFontMetrics metrics(qfont);
    if (text.isEmpty())
        return metrics.height() + CellPadding;
    const qreal inner = CellTextFit::textWidth(width);
    // A single-line cell keeps its one line; a wrapping one may grow as far as its text needs.
    const qreal height = wrap ? qreal(INT_MAX / 2) : metrics.height();
    const CellTextFit::Layout layout = CellTextFit::fit(text, qfont, inner, height, wrap);
    if (!layout.natural) {
        const qreal lines =
            layout.lines.size() * CellTextFit::lineHeight(CellTextFit::scaled(qfont, layout.scale));
        return std::max(metrics.height(), int(std::ceil(lines))) + CellPadding;
    }
    if (!wrap)
        return metrics.boundingRect(QRect(0, 0, int(inner), INT_MAX / 2), 0, text).height() + CellPadding;
    // Broken exactly where the style will break it, or a line more may end in an ellipsis.
    const qreal lines =
        CellTextFit::breakLines(text, qfont, inner, false).size() * CellTextFit::lineHeight(qfont);
    return std::max(metrics.height(), int(std::ceil(lines))) + CellPadding;
}

int QtTextMeasure::legibleWidth(const QString &text, const GridFont &font) const
{
    if (text.isEmpty())
        return 0;
    Key key{text, font, 0, false};
    const auto known = m_widths.constFind(key);
    if (known != m_widths.constEnd())
        return known.value();
    if (m_widths.size() >= MaxRemembered)
        m_widths.clear();
    const int width = CellTextFit::legibleWidth(text, GridQt::font(font));
    m_widths.insert(std::move(key), width);
    return width;
}
