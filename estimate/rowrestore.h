#pragma once

#include "estimaterecords.h"

#include <QList>

#include <utility>

// What puts the estimate back exactly as it stood before one operation: stored
// rows and sums, never the reverse arithmetic (which does not give the same bits).
// Applied in this order: the move, the rows taken out, the rows put back, the
// rows overwritten (indices after the splice), the project sums.
struct RowRestore {
    int moveFrom = -1;
    int moveCount = 0;
    int moveTo = -1;

    int first = -1;
    int takeCount = 0;
    QList<EstimateRow> putBack;
    QList<std::pair<int, EstimateRow>> replaced;

    ProjectTotals totals;

    bool operator==(const RowRestore &) const = default;
};
