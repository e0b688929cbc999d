#include "wrappedtextheight.h"

#include <QList>
#include <QStringView>

#include <algorithm>

namespace WrappedTextHeight {

namespace {

constexpr double PixelsPerPoint = 96.0 / 72.0;
// Room the program keeps between a cell's text and its borders.
constexpr double CellPaddingPixels = 4.0;
// CJK fallback fonts set their lines about 1.45 em apart.
constexpr double LineSpacingEm = 1.45;
constexpr double RowPaddingPoints = 3.0;
// Narrow characters as wide as the widest fallback fonts' digits.
constexpr double NarrowAdvanceEm = 0.64;

// East Asian wide and full-width characters take a whole em.
bool isWide(char16_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0xD800 && c <= 0xDFFF);
}

int paragraphLines(QStringView paragraph, double available, double em)
{
    int lines = 1;
    double x = 0.0;
    for (const QChar c : paragraph) {
        const double advance = isWide(c.unicode()) ? em : NarrowAdvanceEm * em;
        if (x > 0.0 && x + advance > available) {
            ++lines;
            x = 0.0;
        }
        x += advance;
    }
    return lines;
}

} // namespace

int lineCount(const QString &text, int widthPixels, double fontPoints)
{
    if (text.isEmpty())
        return 0;
    const double em = (fontPoints > 0 ? fontPoints : DefaultFontPoints) * PixelsPerPoint;
    const double available = std::max(widthPixels - CellPaddingPixels, 1.0);
    int lines = 0;
    for (const QStringView paragraph : QStringView(text).split(u'\n'))
        lines += paragraphLines(paragraph, available, em);
    return lines;
}

double rowPoints(int lines, double fontPoints)
{
    const double size = fontPoints > 0 ? fontPoints : DefaultFontPoints;
    return lines * LineSpacingEm * size + RowPaddingPoints;
}

double neededPoints(const QString &text, int widthPixels, double fontPoints)
{
    const int lines = lineCount(text, widthPixels, fontPoints);
    return lines > 1 ? rowPoints(lines, fontPoints) : 0.0;
}

} // namespace WrappedTextHeight
