#pragma once

#include <QString>

// How tall a wrapped cell's text stands in a spreadsheet program. The program
// draws with its own fonts (a CJK fallback for Chinese, whose lines sit far
// apart), so the grid's own fitted height can be too low for the same text.
// The estimate leans to the generous side: a little room to spare looks better
// than a cut-off line.
namespace WrappedTextHeight {

inline constexpr double DefaultFontPoints = 11.0;

// Lines the text takes in a cell `widthPixels` wide; explicit line breaks count. 0 for no text.
int lineCount(const QString &text, int widthPixels, double fontPoints = DefaultFontPoints);
// Row height in points for that many lines.
double rowPoints(int lines, double fontPoints = DefaultFontPoints);
// The row height a text needs when it wraps to more than one line; 0 when one line will do.
double neededPoints(const QString &text, int widthPixels, double fontPoints = DefaultFontPoints);

} // namespace WrappedTextHeight
