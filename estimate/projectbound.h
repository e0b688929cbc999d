#pragma once

#include "estimaterecords.h"

#include <QList>

// A bound, computed in double on magnitudes, on every number the budget table,
// the bill of quantities and the resource lists derive from the items of a
// project: unit prices with profit, the subtotal chains, room and project sums,
// the summed quantities and amounts of the lists. While it stays below an
// eighth of the float range, no float step on the way can overflow, whatever
// the order of the sums, so nothing shown or written becomes inf or nan.
class ProjectBound
{
public:
    // Adds an item's numbers; false, with nothing added, when the bound would
    // pass the limit.
    bool add(const BrandData &brand);

    // Adds an item read from a file. One that does not fit gets its quantity
    // read as 0 (priced as 1 when inserted); if that is not enough, its
    // prices and rates, and then its lines' prices and quantities, read as 0.
    // Returns how many numbers became 0.
    int admit(BrandData &brand);

    // Whether every item of these rows fits together (room rows are skipped).
    static bool fits(const QList<EstimateRow> &rows);
    // The same with the item of row `index` replaced by `brand`.
    static bool fitsWith(const QList<EstimateRow> &rows, int index, const BrandData &brand);
    // The same with an item of `brand` added.
    static bool fitsWithAdded(const QList<EstimateRow> &rows, const BrandData &brand);

private:
    struct Part {
        double largest = 0.0; // one number on its own: a unit price, a quantity
        double budget = 0.0;  // the item's subtotals summed
        double quantities = 0.0;
        double amounts = 0.0;
        double prices = 0.0;
        double factor = 1.0; // the list rates of the item, as one multiplier
        bool hasLines = false;
    };
    static Part partOf(const BrandData &brand);
    bool fitsWith(const Part &part) const;
    void addPart(const Part &part);

    double m_budget = 0.0;
    double m_quantities = 0.0;
    double m_amounts = 0.0;
    double m_prices = 0.0;
    double m_factor = 1.0;
};
