#pragma once

#include <QString>

// Some library items need a second item in the same room: laminate floors their
// levelling layer, tiles their grout.
class CompanionRule {
public:
    // The companion's item name, or an empty text when the item has none.
    static QString companionFor(const QString &itemName);
};
