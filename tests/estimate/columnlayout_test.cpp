#include "estimate/columnlayout.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

TEST(ColumnLayoutTest, WindowOf1278PixelsGivesTheDocumentedFirstColumns)
{
    const auto w = ColumnLayout::formulaWidths(1278, true, true);
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
        const auto w = ColumnLayout::formulaWidths(1278, c.showLoss, c.showTax);
        EXPECT_EQ(w[5], c.quantity) << c.showLoss << c.showTax;
        EXPECT_EQ(w[6], c.quantity);
        EXPECT_EQ(w[7], c.loss);
        EXPECT_EQ(w[8], c.tax);
    }
}

TEST(ColumnLayoutTest, ProjectNameColumnStopsAt130OnWideWindows)
{
    const auto w = ColumnLayout::formulaWidths(2278, true, true); // a = 20, 12a = 240
    EXPECT_EQ(w[3], 130);
    EXPECT_EQ(w[1], 110);
    EXPECT_EQ(w[14], 184);
}

TEST(ColumnLayoutTest, PartialHundredsAreTruncatedBeforeScaling)
{
    auto wider = ColumnLayout::formulaWidths(1377, false, false);
    const auto base = ColumnLayout::formulaWidths(1278, false, false);
    EXPECT_EQ(wider[4], base[4] + 99); // only the description column takes the extra pixels
    wider[4] = base[4];
    EXPECT_EQ(wider, base);
}

// The description column at every width from the default up to a wide screen, with and without
// a minimum for the number columns.
TEST(ColumnLayoutTest, DescriptionNeverGetsNarrowerAsTheWindowGrows)
{
    for (const int minimum : {0, 48, 60}) {
        for (const auto &[loss, tax] :
             {std::pair(false, false), std::pair(true, false), std::pair(true, true)}) {
            int previous = 0;
            for (int width = ColumnLayout::DefaultClientWidth; width <= 2600; ++width) {
                const ColumnLayout::Widths w = ColumnLayout::widthsFor(width, loss, tax, minimum);
                ASSERT_GE(w[4], previous)
                    << width << " min " << minimum << " loss " << loss << " tax " << tax;
                previous = w[4];
                int sum = 0;
                for (int column = 0; column < ColumnLayout::ColumnCount; ++column)
                    sum += w[column];
                const ColumnLayout::Widths stepped = ColumnLayout::formulaWidths(width, loss, tax);
                int steppedSum = 0;
                for (int column = 0; column < ColumnLayout::ColumnCount; ++column)
                    steppedSum += stepped[column];
                // The room is moved between columns; it is only added where the numbers need more.
                if (minimum == 0) {
                    ASSERT_EQ(sum, steppedSum) << width;
                } else {
                    ASSERT_GE(sum, steppedSum) << width;
                }
            }
        }
    }
}

TEST(ColumnLayoutTest, StepsThatCutTheDescriptionAreMended)
{
    struct Case {
        int width;
        int steppedDescription; // what the steps alone give
    };
    // One pixel wider than the end of a step, the steps take the description below the step before.
    const Case cases[] = {{1278, 36}, {1378, 47}, {1478, 56}};
    for (const Case &c : cases) {
        EXPECT_EQ(ColumnLayout::formulaWidths(c.width, false, false)[4], c.steppedDescription);
        const int before = ColumnLayout::widthsFor(c.width - 1, false, false)[4];
        EXPECT_GE(ColumnLayout::widthsFor(c.width, false, false)[4], before) << c.width;
        EXPECT_GE(ColumnLayout::widthsFor(c.width, false, false)[4], 112) << c.width;
    }
    // At the default width, and where the steps leave enough, every column keeps its stepped width.
    for (const int width : {ColumnLayout::DefaultClientWidth, 1277, 1477})
        EXPECT_EQ(ColumnLayout::widthsFor(width, false, false),
                  ColumnLayout::formulaWidths(width, false, false))
            << width;
    EXPECT_EQ(ColumnLayout::widthsFor(ColumnLayout::DefaultClientWidth, true, true)[4], 112);
}

TEST(ColumnLayoutTest, NumberColumnsTakeTheirMinimumFromTheDescription)
{
    struct Case {
        int width;
        bool loss;
        bool tax;
        int minimum;
    };
    const Case cases[] = {
        {1024, true, true, 48}, {1250, true, true, 48}, {1250, false, false, 40}, {1600, true, true, 60}};
    for (const Case &c : cases) {
        const ColumnLayout::Widths stepped = ColumnLayout::formulaWidths(c.width, c.loss, c.tax);
        const ColumnLayout::Widths w = ColumnLayout::widthsFor(c.width, c.loss, c.tax, c.minimum);
        int raised = 0;
        for (int column = ColumnLayout::FirstNumberColumn; column <= ColumnLayout::LastNumberColumn;
             ++column) {
            if (stepped[column] == 0) {
                EXPECT_EQ(w[column], 0) << "hidden column " << column;
                continue;
            }
            EXPECT_GE(w[column], c.minimum) << c.width << " column " << column;
            raised += std::max(0, c.minimum - stepped[column]);
        }
        // Below the default width only the description pays, down to a narrow column that still wraps.
        if (c.width <= ColumnLayout::DefaultClientWidth) {
            EXPECT_EQ(w[4], std::max(std::min(stepped[4], 36), stepped[4] - raised)) << c.width;
        }
    }
}

} // namespace
