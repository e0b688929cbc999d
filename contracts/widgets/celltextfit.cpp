#include "celltextfit.h"

#include <QFontMetricsF>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

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
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t code = text.at(i).unicode();
        if (QChar::isHighSurrogate(code) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            code = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            ++i;
        }
        if (QChar::isSpace(code) || isCjk(code))
            return false;
    }
    return true;
}

CellTextFit::Layout CellTextFit::fit(const QString &text, const QFont &font, qreal width, qreal height,
                                     bool wrap)
{
    if (text.isEmpty() || text.contains(QLatin1Char('\n')) || width <= 0)
        return {};
    // Checked before measuring: long descriptions are the dearest texts to measure.
    const bool unbreakable = isUnbreakable(text);
    if (wrap && !unbreakable)
        return {}; // descriptions wrap at their words and characters as they always did
    const qreal natural = QFontMetricsF(font).horizontalAdvance(text);
    if (natural <= width)
        return {};
    width = fittedArea(QRectF(0, 0, width, height)).width();
    const qreal minimum = minimumScale(font);
    const qreal scale = shrinkScale(text, font, natural, width, minimum);
    if (scale > 0)
        return {false, scale, {text}, false};
    const QFont smallest = scaled(font, minimum);
    // A number broken over two lines reads as two numbers.
    const qreal lines =
        unbreakable ? 1.0 : std::clamp(height / lineHeight(smallest), 1.0, qreal(MaximumLines));
    return cut(text, smallest, minimum, width, int(lines));
}

qreal CellTextFit::minimumScale(const QFont &font)
{
    qreal legible = 0;
    if (font.pointSizeF() > 0)
        legible = LegiblePointSize / font.pointSizeF();
    else if (font.pixelSize() > 0)
        legible = qreal(LegiblePixelSize) / font.pixelSize();
    return std::clamp(legible, MinimumScale, 1.0);
}

int CellTextFit::legibleWidth(const QString &text, const QFont &font)
{
    const QFont legible = scaled(font, minimumScale(font));
    const qreal advance = QFontMetricsF(legible).horizontalAdvance(text);
    return int(std::ceil(advance)) + 2 * FittedSideMargin + GridLine;
}

int CellTextFit::legibleNumberWidth(const QFont &font)
{
    return legibleWidth(QStringLiteral("000.00"), font);
}

// The largest scale down to the minimum at which the text fits on one line; 0 when none does.
// Scales go in steps, which keeps the number of font sizes in use small. Widths follow the size
// closely but not exactly, so the search starts at the step the proportion names and measures from there.
qreal CellTextFit::shrinkScale(const QString &text, const QFont &font, qreal natural, qreal width,
                               qreal minimum)
{
    constexpr qreal Slack = 0.1; // hinting never moves a width this far from the proportion
    const qreal ratio = width / natural;
    if (ratio < minimum * (1 - Slack))
        return 0;
    const int steps = int(std::ceil((1 - minimum) / ScaleStep - 1e-9));
    const auto scaleAt = [&](int step) { return step == steps ? minimum : 1 - step * ScaleStep; };
    const auto fits = [&](int step) {
        return QFontMetricsF(scaled(font, scaleAt(step))).horizontalAdvance(text) <= width;
    };
    int step = std::clamp(int(std::ceil((1 - ratio) / ScaleStep - 1e-9)), 0, steps);
    if (fits(step)) {
        while (step > 0 && fits(step - 1))
            --step;
        return scaleAt(step);
    }
    while (++step <= steps) {
        if (fits(step))
            return scaleAt(step);
    }
    return 0;
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
CellTextFit::Layout CellTextFit::cut(const QString &text, const QFont &font, qreal scale, qreal width,
                                     int maxLines)
{
    if (maxLines == 1) {
        const QString line = QFontMetricsF(font).elidedText(text, Qt::ElideRight, width);
        return {false, scale, {line.trimmed()}, line != text};
    }
    Layout layout{false, scale, breakLines(text, font, width, false), false};
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
