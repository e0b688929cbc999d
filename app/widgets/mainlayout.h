#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the main window puts its panes, in client pixels of a w × h client area.
namespace MainLayout {

inline constexpr QSize InitialSize(1250, 820);
// Narrower client areas keep the layout they had.
inline constexpr int MinimumLayoutWidth = 500;
inline constexpr int ToolbarHeight = 93;

inline QRect leftPane(int, int h) { return QRect(1, 93, 210, h - 119); }

// The form is centred in the right area but never pushed into the toolbar or the left pane.
inline QRect form(int w, int h)
{
    const int dx = (w - 547) / 2;
    const int dy = (h - 603) / 2;
    return QRect(dx < -2 ? 210 : dx + 212, dy < 20 ? 93 : dy + 73, 335, 485);
}

inline QRect budgetTable(int w, int h) { return QRect(211, 93, w - 213, h - 118); }
inline QRect billLists(int w, int h) { return QRect(211, 92, w - 213, h - 117); }

// The progress window over the bottom of the main window, from the client rectangle in screen pixels.
inline QRect progressWindow(const QRect &clientOnScreen)
{
    return QRect(clientOnScreen.left() + 211, clientOnScreen.bottom() + 1 - 29, clientOnScreen.width() - 212, 10);
}

// The settings menu opens here, in screen pixels.
inline QPoint settingsMenu(const QRect &clientOnScreen)
{
    return QPoint(clientOnScreen.right() + 1 - 360, clientOnScreen.top() + 75);
}

} // namespace MainLayout
