#pragma once

#include "printfonts.h"

#include "contracts/gridtextmeasure.h"

#include <QHash>

// Widths for grids that are printed as well as shown: a text must stay whole in the font it is
// drawn with on the screen and in the one of the printed page. Heights are the screen's.
class PrintTextMeasure : public GridTextMeasure
{
public:
    explicit PrintTextMeasure(const GridTextMeasure &screen) : m_screen(screen) {}

    int textHeight(const QString &text, const GridFont &font, int width, bool wrap) const override;
    // Laying out a bill measures the same numbers row after row: each text is measured once per font.
    int legibleWidth(const QString &text, const GridFont &font) const override;

private:
    struct Key {
        QString text;
        int size = 0; // the printed page has one family: sizes and weights tell its fonts apart
        bool bold = false;

        bool operator==(const Key &) const = default;
        friend size_t qHash(const Key &key, size_t seed = 0)
        {
            return qHashMulti(seed, key.text, key.size, key.bold);
        }
    };
    // Beyond this many texts the remembered widths are dropped and gathered again.
    static constexpr qsizetype MaxRemembered = 200'000;

    const GridTextMeasure &m_screen;
    // The page is laid out in screen pixels, so its fonts are measured at the screen's resolution.
    const PrintFonts m_fonts{PrintFonts::ScreenDpi};
    mutable QHash<Key, int> m_widths;
};
