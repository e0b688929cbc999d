#include "qttextmeasure.h"

#include "gridqt.h"

#include <QFontMetrics>
#include <QRawFont>
#include <QRect>
#include <climits>
#include <cmath>

namespace {

// Characters whose advance alone tells how much of a line they take: printable Latin, the common
// signs of numbers and units, CJK ideographs and their punctuation. Controls, separators, marks,
// format characters and surrogates always go through the full layout.
bool simpleCharacter(char16_t c)
{
    const bool listed = (c >= 0x20 && c <= 0x7E) || (c >= 0xA1 && c <= 0xFF && c != 0xAD) ||
                        (c >= 0x2010 && c <= 0x2027) || (c >= 0x3000 && c <= 0x303F) ||
                        (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xFF01 && c <= 0xFF5E);
    if (!listed)
        return false;
    switch (QChar::category(char32_t(c))) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Other_Control:
    case QChar::Other_Format:
        return false;
    default:
        return true;
    }
}

} // namespace

int QtTextMeasure::textHeight(const QString &text, const GridFont &font, int width, bool wrap) const
{
    const qreal inner = CellTextFit::textWidth(width);
    if (wrap && plainlyOneLine(text, font, inner))
        return factsFor(font).wrappedLineHeight;
    Key key{text, font, width, wrap};
    const auto known = m_heights.constFind(key);
    if (known != m_heights.constEnd())
        return known.value();
    if (m_heights.size() >= MaxRemembered)
        m_heights.clear();
    const int height = measure(text, factsFor(font).font, width, wrap);
    m_heights.insert(std::move(key), height);
    return height;
}

int QtTextMeasure::laidOutHeight(const QString &text, const GridFont &font, int width, bool wrap)
{
    return measure(text, GridQt::font(font), width, wrap);
}

int QtTextMeasure::linesHeight(int minimum, qreal lineHeight, qsizetype lines)
{
    return std::max(minimum, int(std::ceil(lines * lineHeight))) + CellPadding;
}

int QtTextMeasure::measure(const QString &text, const QFont &qfont, int width, bool wrap)
{
    const QFontMetrics metrics(qfont);
    if (text.isEmpty())
        return metrics.height() + CellPadding;
    const qreal inner = CellTextFit::textWidth(width);
    // A single-line cell keeps its one line; a wrapping one may grow as far as its text needs.
    const qreal height = wrap ? qreal(INT_MAX / 2) : metrics.height();
    const CellTextFit::Layout layout = CellTextFit::fit(text, qfont, inner, height, wrap);
    if (!layout.natural) {
        const QFont scaled = CellTextFit::scaled(qfont, layout.scale);
        return linesHeight(metrics.height(), CellTextFit::lineHeight(scaled), layout.lines.size());
    }
    if (!wrap)
        return metrics.boundingRect(QRect(0, 0, int(inner), INT_MAX / 2), 0, text).height() + CellPadding;
    // Broken exactly where the style will break it, or a line more may end in an ellipsis.
    const qsizetype lines = CellTextFit::breakLines(text, qfont, inner, false).size();
    return linesHeight(metrics.height(), CellTextFit::lineHeight(qfont), lines);
}

QtTextMeasure::FontFacts &QtTextMeasure::factsFor(const GridFont &font) const
{
    const auto known = m_fonts.find(font);
    if (known != m_fonts.end())
        return known.value();
    FontFacts facts;
    facts.font = GridQt::font(font);
    facts.raw = QRawFont::fromFont(facts.font);
    const QFontMetricsF metrics(facts.font);
    facts.wrappedLineHeight = linesHeight(QFontMetrics(facts.font).height(), metrics.height(), 1);
    // Far more than pair kerning or an overhanging last glyph ever take from a line.
    facts.slack = std::max<qreal>(2, metrics.height() / 2);
    facts.ascii.fill(-2); // not looked at yet
    return *m_fonts.insert(font, std::move(facts));
}

qreal QtTextMeasure::advanceOf(FontFacts &facts, char16_t c)
{
    qreal *slot = c < facts.ascii.size() ? &facts.ascii[c] : nullptr;
    if (slot && *slot > -2)
        return *slot;
    if (!slot) {
        const auto known = facts.others.constFind(c);
        if (known != facts.others.constEnd())
            return known.value();
    }
    qreal advance = -1;
    // Only characters of the font itself: a fallback font may be chosen by the neighbours' script.
    if (simpleCharacter(c) && facts.raw.supportsCharacter(QChar(c)))
        advance = QFontMetricsF(facts.font).horizontalAdvance(QChar(c));
    if (slot)
        *slot = advance;
    else
        facts.others.insert(c, advance);
    return advance;
}

bool QtTextMeasure::plainlyOneLine(const QString &text, const GridFont &font, qreal width) const
{
    if (text.isEmpty())
        return false;
    FontFacts &facts = factsFor(font);
    const qreal room = width - facts.slack;
    qreal used = 0;
    for (const QChar c : text) {
        const qreal advance = advanceOf(facts, c.unicode());
        if (advance < 0)
            return false;
        used += advance;
        if (used > room)
            return false;
    }
    return true;
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
    const int width = CellTextFit::legibleWidth(text, factsFor(font).font);
    m_widths.insert(std::move(key), width);
    return width;
}
