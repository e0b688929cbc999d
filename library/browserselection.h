#pragma once

#include <QString>

// What the library browser remembers so that it can select again, after the
// template editor closes, the item the user was working on.
struct BrowserSelection {
    // The text of the library node clicked last, trimmed of spaces.
    QString lastClickedText;
    // Set by the editor; the next fill of the library tree selects reselectIndex.
    bool reselect = false;
    qsizetype reselectIndex = 0;
};
