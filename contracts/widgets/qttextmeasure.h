#pragma once

#include "celltextfit.h"
#include "contracts/gridtextmeasure.h"

#include <QHash>

// Text heights from the fonts the view really draws with, laid out as the cell
// delegate lays them out, plus the cell's inner margins.
class QtTextMeasure : public GridTextMeasure
{
public:
    static constexpr int CellPadding = CellTextFit::VerticalPadding; // top and bottom margin together

    // Opening a project measures the same numbers, units and names in many rows: each
    // text is laid out once per font, width and wrap setting.
    int textHeight(const QString &text, const GridFont &font, int width, bool wrap) const override;
    // As the cell delegate fits the text: see CellTextFit::legibleWidth.
    int legibleWidth(const QString &text, const GridFont &font) const override;

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
        return qHashMulti(seed, key.text, key.font.name, key.font.size, key.font.bold, key.width, key.wrap);
    }
    // Beyond this many texts the remembered heights are dropped and gathered again.
    static constexpr qsizetype MaxRemembered = 200'000;

    static int measure(const QString &text, const GridFont &font, int width, bool wrap);

    mutable QHash<Key, int> m_heights;
    // Keyed by text and font alone (width 0, no wrap).
    mutable QHash<Key, int> m_widths;
};
