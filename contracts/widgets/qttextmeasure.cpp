#include "qttextmeasure.h"

#include "gridqt.h"

#include <QFontMetrics>
#include <QRect>
#include <climits>

int QtTextMeasure::textHeight(const QString &text, const GridFont &font, int width, bool wrap) const
{
    const QFontMetrics metrics(GridQt::font(font));
    if (text.isEmpty())
        return metrics.height() + CellPadding;
    // The delegate keeps a few pixels of margin at the sides too.
    const int inner = std::max(1, width - CellPadding);
    const int flags = wrap ? int(Qt::TextWordWrap | Qt::TextWrapAnywhere) : 0;
    return metrics.boundingRect(QRect(0, 0, inner, INT_MAX / 2), flags, text).height() + CellPadding;
}
