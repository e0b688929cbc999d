#pragma once

#include "documentstate.h"
#include "estimaterecords.h"

#include <QStringView>

// Which project-wide rate a dialog or a repricing is about.
enum class RateKind { Profit, Loss, Tax };

// Pricing of one item. Every step is a 32-bit float operation in a fixed
// order so that prices come out bit for bit on every machine.
namespace Pricing {

// The five costs of an item from its breakdown; loss applies to material only
// and the management profit never enters the management subtotal.
RowCosts priceRow(const BrandData &brand);

// A rate text as a fraction: its leading number / 100, divided in double
// precision and stored as a float.
float rateFraction(QStringView percentText);

// A double narrowed to float without undefined behaviour outside float range.
float narrow(double value);

// Sets the item's fields of one project rate (profit: material, machine and
// labour profit; the management profit stays).
void setRate(BrandData &brand, RateKind kind, const RateSettings &rates);

// Quantity and project rates of an item about to be inserted. While a
// pending operation runs (a project being read) the item keeps its own rates.
void applyRatesOnInsert(BrandData &brand, const RateSettings &rates, PendingOperation pending);

} // namespace Pricing
