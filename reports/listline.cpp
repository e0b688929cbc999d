#include "listline.h"

void ListLine::updateShown(ResourceListKind kind)
{
    // Separate statements keep every product a 32-bit float step in this order.
    if (kind == ResourceListKind::Material) {
        shownQuantity = (1.0f + lossRate) * line.num;
        const float withProfit = (1.0f + profitRate) * line.price;
        shownPrice = withProfit * (1.0f + taxRate);
    } else {
        shownQuantity = line.num;
        shownPrice = (1.0f + profitRate) * line.price;
    }
    amount = shownPrice * shownQuantity;
}
