#include "estimate/columnlayout.h"

#include <gtest/gtest.h>

namespace {

TEST(ColumnLayoutTest, WindowOf1278PixelsGivesTheDocumentedFirstColumns)
{
    const auto w = ColumnLayout::widthsFor(1278, true, true);
    EXPECT_EQ(w[0], 0);
    EXPECT_EQ(w[1], 55);
    EXPECT_EQ(w[2], 25);
    EXPECT_EQ(w[3], 120);
    EXPECT_EQ(w[4], 36);
    EXPECT_EQ(w[18], 35);
}

struct SwitchCase {
    bool showLoss;
    bool showTax;
    int quantity;  // columns 5 and 6
    int loss;
    int tax;
};

TEST(ColumnLayoutTest, MiddleColumnsShareTwoColumnWidthsByTheSwitches)
{
    // At 1278 pixels g = 75, so the shared room is 150.
    const SwitchCase cases[] = {
        {false, false, 75, 0, 0},
        {true, false, 50, 50, 0},
        {false, true, 50, 0, 50},
        {true, true, 37, 37, 37},
    };
    for (const auto &c : cases) {
        const auto w = ColumnLayout::widthsFor(1278, c.showLoss, c.showTax);
        EXPECT_EQ(w[5], c.quantity) << c.showLoss << c.showTax;
        EXPECT_EQ(w[6], c.quantity);
        EXPECT_EQ(w[7], c.loss);
        EXPECT_EQ(w[8], c.tax);
    }
}

TEST(ColumnLayoutTest, ProjectNameColumnStopsAt130OnWideWindows)
{
    const auto w = ColumnLayout::widthsFor(2278, true, true);  // a = 20, 12a = 240
    EXPECT_EQ(w[3], 130);
    EXPECT_EQ(w[1], 110);
    EXPECT_EQ(w[14], 184);
}

TEST(ColumnLayoutTest, PartialHundredsAreTruncatedBeforeScaling)
{
    auto wider = ColumnLayout::widthsFor(1377, false, false);
    const auto base = ColumnLayout::widthsFor(1278, false, false);
    EXPECT_EQ(wider[4], base[4] + 99);  // only the description column takes the extra pixels
    wider[4] = base[4];
    EXPECT_EQ(wider, base);
}

} // namespace
