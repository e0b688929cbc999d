#pragma once

#include "estimate/estimaterecords.h"
#include "listline.h"

#include <QList>

// Merges the resource lines of every priced item into one line per distinct
// resource (equal name, unit and exact price), in order of first occurrence.
namespace ResourceAggregator {

// The first row heads the estimate and is never visited; rows that are not
// construct rows or whose quantity is not positive contribute nothing.
// The shown values of the result are not filled in.
QList<ListLine> aggregate(const QList<EstimateRow> &rows, ResourceListKind kind);

} // namespace ResourceAggregator
