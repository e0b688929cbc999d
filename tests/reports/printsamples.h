#pragma once

#include "estimate/estimaterecords.h"

// A priced paving item with a description long enough to wrap, numbered k.
inline ConstructItem pavingItem(int k)
{
    ConstructItem item;
    item.categoryKind = QStringLiteral("铺装");
    item.itemName = QStringLiteral("花岗岩铺地%1").arg(k);
    item.itemDesc = QStringLiteral("芝麻灰烧面花岗岩600×300×30，30厚1:3干硬性水泥砂浆结合层");
    item.brand.unit = QStringLiteral("m²");
    item.brand.num = 2.0f + float(k % 5);
    item.brand.material = 100.0f;
    item.brand.laborcost = 30.0f;
    return item;
}
