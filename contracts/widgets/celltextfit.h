#pragma once

#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>

// How a cell's text goes into its cell when it is wider than the cell: one place
// decides it, so the painted text and the measured row heights agree.
// Numbers, sums and Latin words are never broken: they shrink down to a legible size and are
// cut with an ellipsis beyond it, which tells the user to widen the column.
class CellTextFit
{
public:
    static constexpr int SideMargin = 3;         // left and right of the text, as the style keeps them
    static constexpr int FittedSideMargin = 1;   // narrow columns give shrunk text all the room they have
    static constexpr int VerticalPadding = 6;    // top and bottom together, added to measured heights
    static constexpr int GridLine = 1;           // the view draws it inside the cell's width and height
    static constexpr qreal MinimumScale = 0.65;  // smaller than this is no longer read at a glance
    static constexpr qreal LegiblePointSize = 9; // no text is shrunk below this
    static constexpr int LegiblePixelSize = 12;
    static constexpr qreal ScaleStep = 0.025;

    struct Layout {
        bool natural = true; // drawn as the style draws any text; the fields below are unused
        qreal scale = 1.0;   // of the cell's font
        QStringList lines;   // drawn one under another; the last one is elided when the text was cut
        bool elided = false;
    };

    // A text with no place a reader accepts as a line break: no blanks and no CJK characters.
    static bool isUnbreakable(const QString &text);
    // The text in an area `width` x `height` (text area, margins already taken off); `wrap` is the cell's own
    // setting. The lines of a fitted layout fill the wider fittedArea().
    static Layout fit(const QString &text, const QFont &font, qreal width, qreal height, bool wrap);
    // The text area of a cell as the view paints it.
    static QRectF textArea(const QRectF &cell);
    static QRectF fittedArea(const QRectF &textArea);
    // The width of the text area in a cell `cellWidth` wide in the grid, grid line included.
    static qreal textWidth(int cellWidth);
    // The lines of a text broken as the style breaks wrapped cell text, or anywhere.
    static QStringList breakLines(const QString &text, const QFont &font, qreal width, bool anywhere);
    static QFont scaled(const QFont &font, qreal scale);
    // The smallest scale of `font` that is still legible: never below MinimumScale nor the legible size.
    static qreal minimumScale(const QFont &font);
    // The narrowest cell in which `text` stays whole on one line, shrunk at most to the legible size.
    static int legibleWidth(const QString &text, const QFont &font);
    // The narrowest cell in which a quantity or price such as "120.00" stays whole at the legible size.
    static int legibleNumberWidth(const QFont &font);
    static qreal lineHeight(const QFont &font);

private:
    static qreal shrinkScale(const QString &text, const QFont &font, qreal natural, qreal width,
                             qreal minimum);
    static Layout cut(const QString &text, const QFont &font, qreal scale, qreal width, int maxLines);
};
