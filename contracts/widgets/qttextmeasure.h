#pragma once

#include "celltextfit.h"
#include "contracts/gridtextmeasure.h"

#include <QFont>
#include <QHash>
#include <QRawFont>
#include <array>

inline size_t qHash(const GridFont &font, size_t seed = 0)
{
    return qHashMulti(seed, font.name, font.size, font.bold);
}

// Text heights from the fonts the view really draws with, laid out as the cell
// delegate lays them out, plus the cell's inner margins.
class QtTextMeasure : public GridTextMeasure
{
public:
    static constexpr int CellPadding = CellTextFit::VerticalPadding; // top and bottom margin together

    // Opening a project measures the same numbers, units and names in many rows: each
    // text is laid out once per font, width and wrap setting, and a wrapped text that plainly
    // fits on one line is not laid out at all.
    int textHeight(const QString &text, const GridFont &font, int width, bool wrap) const override;
    // As the cell delegate fits the text: see CellTextFit::legibleWidth.
    int legibleWidth(const QString &text, const GridFont &font) const override;

    // The height laid out in full, without the shortcuts above: what they must always agree with.
    static int laidOutHeight(const QString &text, const GridFont &font, int width, bool wrap);

private:
    struct Key {
        QString text;
        GridFont font;
        int width = 0;
        bool wrap = false;

        bool operator==(const Key &) const = default;
    };
    friend size_t qHash(const Key &key, size_t seed)
    {
        return qHashMulti(seed, key.text, key.font, key.width, key.wrap);
    }
    // What one font needs to tell a one-line text without laying it out.
    struct FontFacts {
        QFont font;
        QRawFont raw; // the font itself, without the fallbacks
        int wrappedLineHeight = 0; // a wrapped cell holding one line
        qreal slack = 0;           // room kept for kerning and glyphs that reach past their advance
        // Advances of the characters met so far; negative for a character that must be laid out.
        std::array<qreal, 128> ascii{};
        QHash<char16_t, qreal> others;
    };
    // Beyond this many texts the remembered heights are dropped and gathered again.
    static constexpr qsizetype MaxRemembered = 200'000;

    static int measure(const QString &text, const QFont &font, int width, bool wrap);
    static int linesHeight(int minimum, qreal lineHeight, qsizetype lines);
    FontFacts &factsFor(const GridFont &font) const;
    static qreal advanceOf(FontFacts &facts, char16_t c);
    // True only when the text surely takes one line of `width` pixels of text area.
    bool plainlyOneLine(const QString &text, const GridFont &font, qreal width) const;

    mutable QHash<Key, int> m_heights;
    // Keyed by text and font alone (width 0, no wrap).
    mutable QHash<Key, int> m_widths;
    mutable QHash<GridFont, FontFacts> m_fonts;
};
