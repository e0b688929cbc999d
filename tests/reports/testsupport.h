#pragma once

#include "contracts/gridtextmeasure.h"

#include <QString>
#include <ostream>

// Readable failure messages for texts.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

// Twenty pixels per text line, so single-line rows are raised to the minimum height.
class LineCountMeasure : public GridTextMeasure
{
public:
    int textHeight(const QString &text, const GridFont &, int, bool) const override
    {
        return 20 * int(text.count(u'\n') + 1);
    }
};

// As LineCountMeasure, and one-line widths of seven pixels a Latin character, twelve a CJK one,
// plus three for the margins and the grid line.
class CharacterWidthMeasure : public LineCountMeasure
{
public:
    int legibleWidth(const QString &text, const GridFont &) const override
    {
        int width = 3;
        for (const QChar c : text)
            width += c.unicode() >= 0x2E80 ? 12 : 7;
        return width;
    }
};
