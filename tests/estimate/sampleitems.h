#pragma once

#include "estimate/estimaterecords.h"

#include <bit>
#include <cstdint>

// Items shared by the estimate tests.
namespace SampleItems {

// num 10, material 20 (+10 %), loss 5 %, tax 3 %, machine 5 (+10 %), labour 8 (+20 %), management 2 (+50 %).
inline BrandData workedExample()
{
    BrandData b;
    b.unit = QStringLiteral("m²");
    b.num = 10.0f;
    b.material = 20.0f;
    b.materialprofit = 0.1f;
    b.loss = 0.05f;
    b.tax = 0.03f;
    b.machine = 5.0f;
    b.machineprofit = 0.1f;
    b.laborcost = 8.0f;
    b.laborprofit = 0.2f;
    b.management = 2.0f;
    b.managementprofit = 0.5f;
    return b;
}

// Whole-number prices and no rates, so that sums are exact.
inline BrandData plain(float num, float material, float labor = 0.0f, float machine = 0.0f,
                       float management = 0.0f)
{
    BrandData b;
    b.num = num;
    b.material = material;
    b.laborcost = labor;
    b.machine = machine;
    b.management = management;
    return b;
}

inline ConstructItem item(const QString &kind, const QString &name, const BrandData &brand = plain(1, 10))
{
    ConstructItem i;
    i.categoryKind = kind;
    i.itemName = name;
    i.brand = brand;
    return i;
}

inline std::uint32_t bits(float f)
{
    return std::bit_cast<std::uint32_t>(f);
}

} // namespace SampleItems
