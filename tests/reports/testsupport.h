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
