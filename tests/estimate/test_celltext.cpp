#include "estimate/celltext.h"
#include "estimate/pricing.h"

#include "sampleitems.h"

#include "printers.h"

#include <gtest/gtest.h>

namespace {

struct PrecisionTexts {
    Precision precision;
    std::array<const char16_t *, 12> columns6to17;
    const char16_t *roomTotal;
    const char16_t *roomTotalAfterPrecisionChange;
    const char16_t *projectTotal;
    const char16_t *summary;
};

class WorkedExampleTexts : public testing::TestWithParam<PrecisionTexts>
{
};

void PrintTo(const PrecisionTexts &t, std::ostream *out)
{
    *out << "precision " << t.precision;
}

} // namespace

TEST_P(WorkedExampleTexts, EveryCellAtItsPrecision)
{
    const PrecisionTexts &t = GetParam();
    EstimateRow row;
    row.kind = QStringLiteral("construct");
    row.item.brand = SampleItems::workedExample();
    row.costs = Pricing::priceRow(row.item.brand);
    for (int column = 6; column <= 17; ++column)
        EXPECT_EQ(CellText::itemCell(row, column, t.precision),
                  QString::fromUtf16(t.columns6to17[column - 6]))
            << "column " << column;

    EXPECT_EQ(CellText::roomTotal(row.costs.total, t.precision), QString::fromUtf16(t.roomTotal));
    EXPECT_EQ(CellText::roomTotal(row.costs.total, t.precision, CellText::RoomTotalForm::WithoutBlank),
              QString::fromUtf16(t.roomTotalAfterPrecisionChange));
    ProjectTotals totals{row.costs.total, row.costs.machineSubtotal, row.costs.laborSubtotal,
                         row.costs.managementSubtotal};
    EXPECT_EQ(CellText::projectTotal(totals.projectTotal, t.precision), QString::fromUtf16(t.projectTotal));
    EXPECT_EQ(CellText::summaryLine(totals, t.precision), QString::fromUtf16(t.summary));
}

INSTANTIATE_TEST_SUITE_P(
    Precisions, WorkedExampleTexts,
    testing::Values(
        PrecisionTexts{2,
                       {u"10.00", u"5.00%", u"3.00%", u"22.00", u"5.50", u"9.60", u"3.00", u"¥237.93",
                        u"¥56.65", u"¥98.88", u"¥20.60", u"¥414.06"},
                       u"结算：¥414.06 ",
                       u"结算：¥414.06",
                       u"总价：414.06元",
                       u"工程总价: ¥414.06 元=材料237.93元 + 机械台班56.65元 + 人工98.88元 + 管理费20.60元"},
        PrecisionTexts{1,
                       {u"10.0", u"5.0%", u"3.0%", u"22.0", u"5.5", u"9.6", u"3.0", u"¥237.9", u"¥56.6",
                        u"¥98.9", u"¥20.6", u"¥414.1"},
                       u"结算：¥414.1 ",
                       u"结算：¥414.1",
                       u"总价：414.1元",
                       u"工程总价: ¥414.1 元=材料237.9元 + 机械台班56.6元 + 人工98.9元 + 管理费20.6元"},
        PrecisionTexts{
            0,
            {u"10", u"5%", u"3%", u"22", u"6", u"10", u"3", u"¥238", u"¥57", u"¥99", u"¥21", u"¥414"},
            u"结算：¥414 ",
            u"结算：¥414",
            u"总价：414元",
            u"工程总价: ¥414 元=材料238元 + 机械台班57元 + 人工99元 + 管理费21元"}),
    [](const auto &info) { return "precision" + std::to_string(info.param.precision); });

TEST(CellText, NewRoomTextsIgnoreThePrecision)
{
    EXPECT_EQ(CellText::newRoomTableTotal(), QString::fromUtf16(u"结算：¥0.00  "));
    EXPECT_EQ(CellText::newRoomBillTotal(), QString::fromUtf16(u"结算：¥0.00 "));
}

TEST(CellText, PercentColumnsShowTheFractionTimesHundred)
{
    EXPECT_EQ(CellText::formatCell(CellText::LossColumn, 0.125f, 1), QStringLiteral("12.5%"));
    EXPECT_EQ(CellText::formatCell(CellText::TaxColumn, 0.0f, 2), QStringLiteral("0.00%"));
    // Exact halves round to even like printf: 0.125 -> 0.12.
    EXPECT_EQ(CellText::formatCell(CellText::QuantityColumn, 0.125f, 2), QStringLiteral("0.12"));
}

TEST(CellText, TextColumnsOfAnItemRow)
{
    EstimateRow row;
    row.item = SampleItems::item(QStringLiteral("铺装"), QStringLiteral("花岗岩"));
    row.item.itemDesc = QStringLiteral("30mm");
    row.item.brand.unit = QStringLiteral("m²");
    EXPECT_EQ(CellText::itemCell(row, 1, 2), QStringLiteral("铺装"));
    EXPECT_EQ(CellText::itemCell(row, 3, 2), QStringLiteral("花岗岩"));
    EXPECT_EQ(CellText::itemCell(row, 4, 2), QStringLiteral("30mm"));
    EXPECT_EQ(CellText::itemCell(row, 5, 2), QStringLiteral("m²"));
    EXPECT_EQ(CellText::itemNumberText(3), QStringLiteral("3"));
}
