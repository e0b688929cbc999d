#pragma once

#include "gridfont.h"

#include <QString>
#include <QVariantMap>

// What the print preview of a grid is given. Footer texts may hold &N (page
// count) and &P (page number). The printer keeps its fixed options under names
// of its own choosing.
struct GridPageSettings {
    QString headerText;
    QString footerText;
    GridFont headerFont;
    // Rows 0 … lastPrintRow are printed; -1 prints every row.
    int lastPrintRow = -1;
    QVariantMap options;

    bool operator==(const GridPageSettings &) const = default;
};
