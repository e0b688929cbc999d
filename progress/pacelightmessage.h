#pragma once

#include <QRect>

// One line of the conversation between the main program and Pacelight.
struct PacelightMessage {
    enum class Kind {
        Invalid,
        Report,  // Pacelight has started (code 30); id is its process id
        Place,   // the main program gives Pacelight its screen rectangle
        Close,   // the operation is over: Pacelight ends
    };
    Kind kind = Kind::Invalid;
    qint64 id = 0;
    QRect rect;

    bool operator==(const PacelightMessage &) const = default;
};
