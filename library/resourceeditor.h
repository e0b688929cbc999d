#pragma once

#include "itemedit.h"

// Editing one construction item of the estimate: its name, unit, description,
// labour and management prices and its lines. Only the estimate item changes;
// the budget table prices it again with the result.
class ResourceEditor
{
public:
    // The grids' content for the item: plain prices, without profit.
    static ItemEdit show(const ConstructItem &item);
    // "保存": the item with the edit read back. num and the rates stay; the
    // material and machine prices become the sums of the lines.
    static ConstructItem save(const ConstructItem &item, const ItemEdit &edit);
    // Why "保存" cannot take the edit: its own refusal, or, with the estimate's
    // rows, amounts and sums the saved item at row `index` would take beyond
    // the float range. Empty when it can.
    static QString refusal(const ItemEdit &edit, const ConstructItem &saved,
                           const QList<EstimateRow> &rows = {}, int index = -1);
};
