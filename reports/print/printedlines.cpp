#include "printedlines.h"

#include <QPainter>

namespace {

constexpr qreal UnlimitedWidth = 0x01000000; // a line laid out on its own never breaks

// Lines the painter's own layout treats apart: blanks at either end, control characters,
// mnemonics, length variants and line separators.
bool keepable(const QString &line)
{
    if (line.isEmpty() || line.front().isSpace() || line.back().isSpace())
        return false;
    for (const QChar c : line) {
        if (c.unicode() < 0x20 || c == u'&' || c.unicode() == 0x9c || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            return false;
    }
    return true;
}

// The offset of a width in a rectangle as an alignment places it.
qreal aligned(Qt::Alignment horizontal, qreal room, qreal width)
{
    if (horizontal & Qt::AlignRight)
        return room - width;
    if (horizontal & Qt::AlignHCenter)
        return (room - width) / 2;
    return 0;
}

} // namespace

void PrintedLines::draw(QPainter &painter, const QString &line, const QRectF &rect, Qt::Alignment horizontal)
{
    const int flags = int(horizontal | Qt::AlignVCenter | Qt::TextSingleLine);
    const QTextLayout *layout = kept(painter, line);
    if (!layout) {
        painter.drawText(rect, flags, line);
        return;
    }
    const QTextLine laid = layout->lineAt(0);
    const qreal height = laid.ascent() + laid.descent();
    const qreal width = laid.naturalTextWidth();
    const qreal top = (rect.height() - height) / 2;
    const QRectF bounds(rect.x() + aligned(horizontal, rect.width(), width), rect.y() + top, width, height);
    if (!rect.contains(bounds)) {
        painter.drawText(rect, flags, line); // cut to its rectangle there
        return;
    }
    const qreal left = aligned(horizontal, rect.width(), laid.horizontalAdvance());
    laid.draw(&painter, QPointF(rect.x() + left, rect.y() + top));
}

const QTextLayout *PrintedLines::kept(const QPainter &painter, const QString &line)
{
    if (line.size() > KeptLineLength || !keepable(line))
        return nullptr;
    Key key{line, painter.font()};
    const auto found = m_kept.constFind(key);
    if (found != m_kept.constEnd())
        return found->get();
    if (m_kept.size() >= MaxKept)
        m_kept.clear();
    auto layout = std::make_shared<QTextLayout>(line, key.font);
    QTextOption option;
    option.setTextDirection(painter.layoutDirection());
    option.setAlignment(Qt::AlignLeft);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    layout->beginLayout();
    QTextLine laid = layout->createLine();
    laid.setLineWidth(UnlimitedWidth);
    laid.setPosition(QPointF(0, 0));
    const bool single = !layout->createLine().isValid();
    layout->endLayout();
    if (!single)
        return nullptr;
    return m_kept.insert(std::move(key), std::move(layout))->get();
}
