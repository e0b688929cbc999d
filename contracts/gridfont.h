#pragma once

#include <QString>

// The font a cell is drawn with, resolved against the grid's default font.
struct GridFont {
    QString name;
    int size = 0;
    bool bold = false;

    bool operator==(const GridFont &) const = default;
};
