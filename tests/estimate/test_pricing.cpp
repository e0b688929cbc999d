#include "estimate/pricing.h"

#include "sampleitems.h"

#include "printers.h"

#include <gtest/gtest.h>

using SampleItems::bits;

TEST(PriceRow, WorkedExampleComesOutBitForBit)
{
    const RowCosts c = Pricing::priceRow(SampleItems::workedExample());
    EXPECT_EQ(bits(c.materialSubtotal), bits(237.929977f));
    EXPECT_EQ(bits(c.laborSubtotal), bits(98.879997f));
    EXPECT_EQ(bits(c.machineSubtotal), bits(56.649998f));
    EXPECT_EQ(bits(c.managementSubtotal), bits(20.599998f));
    EXPECT_EQ(bits(c.total), bits(414.059967f));
}

TEST(PriceRow, LossOnMaterialOnlyAndNoManagementProfit)
{
    BrandData b = SampleItems::plain(2, 10, 10, 10, 10);
    b.loss = 0.5f;
    b.managementprofit = 1.0f;
    const RowCosts c = Pricing::priceRow(b);
    EXPECT_EQ(c.materialSubtotal, 30.0f);
    EXPECT_EQ(c.laborSubtotal, 20.0f);
    EXPECT_EQ(c.machineSubtotal, 20.0f);
    EXPECT_EQ(c.managementSubtotal, 20.0f);
    EXPECT_EQ(c.total, 90.0f);
}

TEST(RateFraction, DividesInDoublePrecision)
{
    // 0.7 / 100 rounds differently in float and in double arithmetic.
    ASSERT_NE(bits(float(0.7 / 100.0)), bits(0.7f / 100.0f));
    EXPECT_EQ(bits(Pricing::rateFraction(u"0.7")), bits(float(0.7 / 100.0)));
    EXPECT_EQ(Pricing::rateFraction(u"15abc"), 0.15f);
    EXPECT_EQ(Pricing::rateFraction(u""), 0.0f);
}

struct InsertRatesCase {
    const char *name;
    float num;
    bool enabled;
    PendingOperation pending;
    float expectedNum;
    bool ratesApplied;
};

class ApplyRatesOnInsert : public testing::TestWithParam<InsertRatesCase>
{
};

void PrintTo(const InsertRatesCase &t, std::ostream *out)
{
    *out << t.name;
}

TEST_P(ApplyRatesOnInsert, QuantityAndRates)
{
    const InsertRatesCase &t = GetParam();
    RateSettings rates;
    rates.mainProfit = QStringLiteral("15");
    rates.loss = QStringLiteral("4");
    rates.tax = QStringLiteral("0.7");
    rates.profitEnabled = rates.lossEnabled = rates.taxEnabled = t.enabled;
    BrandData b = SampleItems::workedExample();
    b.num = t.num;
    const BrandData before = b;
    Pricing::applyRatesOnInsert(b, rates, t.pending);

    EXPECT_EQ(b.num, t.expectedNum);
    EXPECT_EQ(b.managementprofit, before.managementprofit);
    if (t.ratesApplied) {
        EXPECT_EQ(b.materialprofit, 0.15f);
        EXPECT_EQ(b.machineprofit, 0.15f);
        EXPECT_EQ(b.laborprofit, 0.15f);
        EXPECT_EQ(b.loss, 0.04f);
        EXPECT_EQ(bits(b.tax), bits(float(0.7 / 100.0)));
    } else {
        BrandData expected = before;
        expected.num = t.expectedNum;
        EXPECT_EQ(b, expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ApplyRatesOnInsert,
    testing::Values(
        InsertRatesCase{"zero_quantity_becomes_one", 0.0f, false, PendingOperation::None, 1.0f, false},
        InsertRatesCase{"negative_quantity_becomes_one", -2.0f, false, PendingOperation::None, 1.0f, false},
        InsertRatesCase{"positive_quantity_stays", 0.25f, false, PendingOperation::None, 0.25f, false},
        InsertRatesCase{"enabled_rates_apply", 3.0f, true, PendingOperation::None, 3.0f, true},
        InsertRatesCase{"reading_a_project_keeps_item_rates", 0.0f, true, PendingOperation::OpenProject, 1.0f,
                        false},
        InsertRatesCase{"building_a_list_keeps_item_rates", 3.0f, true, PendingOperation::BuildMachineList,
                        3.0f, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ApplyRatesOnInsert, EachFlagAppliesOnlyItsRate)
{
    RateSettings rates;
    rates.mainProfit = QStringLiteral("15");
    rates.loss = QStringLiteral("4");
    rates.tax = QStringLiteral("9");
    rates.lossEnabled = true;
    BrandData b = SampleItems::workedExample();
    Pricing::applyRatesOnInsert(b, rates, PendingOperation::None);
    EXPECT_EQ(b.loss, 0.04f);
    EXPECT_EQ(b.tax, 0.03f);
    EXPECT_EQ(b.materialprofit, 0.1f);
}
