#include "estimate/sharedcelltexts.h"

#include "estimate/celltext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// An item row whose every number column shows `value` (prices include no profit).
EstimateRow rowShowing(float value)
{
    EstimateRow row;
    row.kind = QStringLiteral("construct");
    row.item.itemName = QStringLiteral("项目");
    row.item.itemDesc = QStringLiteral("说明");
    row.item.brand.unit = QStringLiteral("m²");
    BrandData &b = row.item.brand;
    b.num = b.loss = b.tax = b.material = b.machine = b.laborcost = b.management = value;
    row.costs = {value, value, value, value, value};
    return row;
}

// The shared texts are the very texts CellText gives, for values that format alike
// and unlike (signed zeros, rounding edges, the ends of float range, not-a-number).
TEST(SharedCellTexts, GiveExactlyTheTextsOfEachColumnAndPrecision)
{
    const float values[] = {0.0f,     -0.0f,    0.005f,   0.015f,  1.0f,      -1.0f,   87.5f,   0.125f,
                            1234567.f, 1e-7f,    1e30f,    -3.4e38f, std::numeric_limits<float>::max(),
                            std::numeric_limits<float>::infinity(), std::nanf("")};
    SharedCellTexts shared;
    for (int pass = 0; pass < 2; ++pass) { // the second pass answers from what the first kept
        for (float value : values) {
            const EstimateRow row = rowShowing(value);
            for (int precision : {-1, 0, 1, 2, 3}) {
                for (int column = CellText::CategoryColumn; column <= CellText::TotalColumn + 1; ++column) {
                    if (column == CellText::NumberColumn)
                        continue;
                    EXPECT_EQ(shared.itemCell(row, column, precision), CellText::itemCell(row, column, precision))
                        << "value " << value << " column " << column << " precision " << precision;
                }
            }
        }
    }
    for (int number : {1, 2, 99, 100000, 0, -5, std::numeric_limits<int>::max(), std::numeric_limits<int>::min()})
        EXPECT_EQ(shared.itemNumber(number), CellText::itemNumberText(number));
}

TEST(SharedCellTexts, RepeatedTextsShareOneCopy)
{
    SharedCellTexts shared;
    const QString first = shared.itemCell(rowShowing(87.5f), CellText::TotalColumn, 2);
    const QString again = shared.itemCell(rowShowing(87.5f), CellText::TotalColumn, 2);
    EXPECT_EQ(first, QStringLiteral(u"¥87.50"));
    EXPECT_TRUE(first.isSharedWith(again));
    // The same value in another column or precision is another text.
    EXPECT_EQ(shared.itemCell(rowShowing(87.5f), CellText::MaterialPriceColumn, 2), QStringLiteral("87.50"));
    EXPECT_EQ(shared.itemCell(rowShowing(87.5f), CellText::TotalColumn, 1), QStringLiteral(u"¥87.5"));
    EXPECT_TRUE(shared.itemNumber(7).isSharedWith(shared.itemNumber(7)));
}

TEST(SharedCellTexts, AProjectOfAllDifferentNumbersKeepsABoundedTable)
{
    SharedCellTexts shared;
    for (int i = 0; i < 3 * int(SharedCellTexts::MaxTexts); ++i) {
        const EstimateRow row = rowShowing(float(i) / 8.0f);
        ASSERT_EQ(shared.itemCell(row, CellText::QuantityColumn, 2), CellText::itemCell(row, CellText::QuantityColumn, 2));
        ASSERT_LE(shared.size(), SharedCellTexts::MaxTexts);
    }
    EXPECT_GT(shared.size(), 0);
}

} // namespace
