#include "qttextmeasure.h"

#include "gridqt.h"

#include <QFontMetrics>
#include <QRect>
#include <climits>
#include <cmath>

int QtTextMeasure::textHeight(const QString &text, const GridFont &font, int width, bool wrap) const
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
        const qreal lines = layout.lines.size() * CellTextFit::lineHeight(CellTextFit::scaled(qfont, layout.scale));
        return std::max(metrics.height(), int(std::ceil(lines))) + CellPadding;
    }
    const int flags = wrap ? int(Qt::TextWordWrap | Qt::TextWrapAnywhere) : 0;
    return metrics.boundingRect(QRect(0, 0, int(inner), INT_MAX / 2), flags, text).height() + CellPadding;
}
