#include "celltextfit.h"

#include <QFontMetricsF>
#include <QTextLayout>
#include <algorithm>

namespace {

// Ideographs, kana, hangul and their punctuation: a line may break beside any of them.
bool isCjk(char32_t c)
{
    return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xAC00 && c <= 0xD7AF) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFFEF) || (c >= 0x20000 && c <= 0x3FFFF);
}

constexpr int MaximumLines = 1000; // an unlimited height still gives a countable number of lines

} // namespace

bool CellTextFit::isUnbreakable(const QString &text)
{
    const QList<uint> codes = text.toUcs4();
    return std::none_of(codes.begin(), codes.end(),
                        [](uint c) { return QChar::isSpace(c) || isCjk(char32_t(c)); });
}

CellTextFit::Layout CellTextFit::fit(const QString &text, const QFont &font, qreal width, qreal height, bool wrap)
{
    if (text.isEmpty() || text.contains(QLatin1Char('\n')) || width <= 0)
        return {};
    if (QFontMetricsF(font).horizontalAdvance(text) <= width)
        return {};
    const bool unbreakable = isUnbreakable(text);
    if (wrap && !unbreakable)
        return {}; // descriptions wrap at their words and characters as they always did
    width = fittedArea(QRectF(0, 0, width, height)).width();
    const qreal scale = shrinkScale(text, font, width);
    if (scale > 0)
        return {false, scale, {text}, false};
    const QFont smallest = scaled(font, MinimumScale);
    const qreal lines = std::clamp(height / lineHeight(smallest), 1.0, qreal(MaximumLines));
    return cut(text, smallest, width, int(lines), unbreakable);
}

// The largest scale down to the minimum at which the text fits on one line; 0 when none does.
// Scales go in steps, which keeps the number of font sizes in use small.
qreal CellTextFit::shrinkScale(const QString &text, const QFont &font, qreal width)
{
    const int steps = qRound((1 - MinimumScale) / ScaleStep);
    const auto scaleAt = [&](int step) { return step == steps ? MinimumScale : 1 - step * ScaleStep; };
    const auto fits = [&](int step) {
        return QFontMetricsF(scaled(font, scaleAt(step))).horizontalAdvance(text) <= width;
    };
    if (!fits(steps))
        return 0;
    // Widths only roughly follow the size, but they do not shrink as the size grows.
    int tooWide = -1;
    int fitting = steps;
    while (fitting - tooWide > 1) {
        const int middle = (tooWide + fitting) / 2;
        (fits(middle) ? fitting : tooWide) = middle;
    }
    return scaleAt(fitting);
}

QStringList CellTextFit::breakLines(const QString &text, const QFont &font, qreal width, bool anywhere)
{
    QString laid = text;
    laid.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(laid, font);
    QTextOption option;
    option.setWrapMode(anywhere ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << laid.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    return lines;
}

// The text broken into lines at the smallest size; what does not fit the height ends in an ellipsis.
CellTextFit::Layout CellTextFit::cut(const QString &text, const QFont &font, qreal width, int maxLines,
                                     bool anywhere)
{
    Layout layout{false, MinimumScale, breakLines(text, font, width, anywhere), false};
    if (layout.lines.size() > maxLines) {
        const QString rest = layout.lines.mid(maxLines - 1).join(QString());
        layout.lines = layout.lines.mid(0, maxLines - 1);
        layout.lines << QFontMetricsF(font).elidedText(rest, Qt::ElideRight, width);
        layout.elided = true;
    }
    for (QString &line : layout.lines)
        line = line.trimmed();
    return layout;
}

QRectF CellTextFit::textArea(const QRectF &cell)
{
    return cell.adjusted(SideMargin, 0, -SideMargin, 0);
}

QRectF CellTextFit::fittedArea(const QRectF &textArea)
{
    const int extra = SideMargin - FittedSideMargin;
    return textArea.adjusted(-extra, 0, extra, 0);
}

qreal CellTextFit::textWidth(int cellWidth)
{
    return std::max(1, cellWidth - GridLine - 2 * SideMargin);
}

QFont CellTextFit::scaled(const QFont &font, qreal scale)
{
    QFont result = font;
    if (font.pointSizeF() > 0)
        result.setPointSizeF(font.pointSizeF() * scale);
    else if (font.pixelSize() > 0)
        result.setPixelSize(std::max(1, qRound(font.pixelSize() * scale)));
    return result;
}

qreal CellTextFit::lineHeight(const QFont &font)
{
    return QFontMetricsF(font).height();
}
