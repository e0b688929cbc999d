#pragma once

#include "estimate/estimaterecords.h"
#include "resourcelistkind.h"

// One line of the material or machinery list. In a list line `num` is the summed
// quantity over the whole project; the rates are those of the item where the
// resource was first met.
struct ListLine {
    MtLine line;
    float profitRate = 0.0f;
    float lossRate = 0.0f;
    float taxRate = 0.0f;
    float shownQuantity = 0.0f;
    float shownPrice = 0.0f;
    float amount = 0.0f;

    // Recomputes the shown quantity, price and amount from the stored values.
    void updateShown(ResourceListKind kind);

    bool operator==(const ListLine &) const = default;
};
