#include "estimate/estimate.h"

#include "sampleitems.h"

#include "printers.h"

#include <gtest/gtest.h>

using SampleItems::bits;
using SampleItems::item;
using SampleItems::plain;

namespace {

class EstimateTest : public testing::Test
{
protected:
    EstimateChange add(int at, const QString &kind, const QString &name,
                       const BrandData &brand = plain(1, 10))
    {
        return m_estimate.insertItem(at, item(kind, name, brand), m_rates, m_document);
    }

    // Room names and item names in row order.
    QStringList names() const
    {
        QStringList out;
        for (const EstimateRow &row : m_estimate.rows())
            out << (row.isRoom() ? row.room.name : row.item.itemName);
        return out;
    }

    QList<int> numbers() const
    {
        QList<int> out;
        for (int r = 0; r < m_estimate.rowCount(); ++r)
            out << (m_estimate.rows()[r].isRoom() ? 0 : m_estimate.itemNumber(r));
        return out;
    }

    // Every room holds the sums of its items and the project the sums of all items.
    void expectSumsFollowItems() const
    {
        ProjectTotals expected;
        const auto &rows = m_estimate.rows();
        for (int k = 0; k < rows.size(); ++k) {
            if (!rows[k].isRoom())
                continue;
            RowCosts room;
            for (int r = k + 1; r < rows.size() && rows[r].isConstruct(); ++r) {
                room.total += rows[r].costs.total;
                room.laborSubtotal += rows[r].costs.laborSubtotal;
                room.machineSubtotal += rows[r].costs.machineSubtotal;
                room.managementSubtotal += rows[r].costs.managementSubtotal;
            }
            EXPECT_FLOAT_EQ(rows[k].costs.total, room.total) << "room " << k;
            EXPECT_FLOAT_EQ(rows[k].costs.laborSubtotal, room.laborSubtotal) << "room " << k;
            EXPECT_FLOAT_EQ(rows[k].costs.machineSubtotal, room.machineSubtotal) << "room " << k;
            EXPECT_FLOAT_EQ(rows[k].costs.managementSubtotal, room.managementSubtotal) << "room " << k;
            EXPECT_EQ(rows[k].costs.materialSubtotal, 0.0f);
            expected.projectTotal += room.total;
            expected.projectLabor += room.laborSubtotal;
            expected.projectMachine += room.machineSubtotal;
            expected.projectManagement += room.managementSubtotal;
        }
        const ProjectTotals &t = m_estimate.totals();
        EXPECT_FLOAT_EQ(t.projectTotal, expected.projectTotal);
        EXPECT_FLOAT_EQ(t.projectLabor, expected.projectLabor);
        EXPECT_FLOAT_EQ(t.projectMachine, expected.projectMachine);
        EXPECT_FLOAT_EQ(t.projectManagement, expected.projectManagement);
    }

    Estimate m_estimate;
    RateSettings m_rates;
    DocumentState m_document;
};

} // namespace

TEST_F(EstimateTest, InsertIntoAnEmptyEstimateIsRefused)
{
    const EstimateChange change = add(0, "A", "i0");
    EXPECT_FALSE(change.applied);
    EXPECT_EQ(m_estimate.rowCount(), 0);
    EXPECT_FALSE(m_estimate.isIdle());
}

TEST_F(EstimateTest, InsertPricesAddsAndMarksTheDocument)
{
    m_estimate.appendRoom(QStringLiteral("客厅"));
    const EstimateChange change = add(0, "A", "i0", SampleItems::workedExample());
    ASSERT_TRUE(change.applied);
    EXPECT_TRUE(m_document.modified);
    EXPECT_TRUE(m_estimate.isIdle());
    EXPECT_EQ(change.insertedRow, 1);
    EXPECT_EQ(change.insertedNumber, 1);
    EXPECT_EQ(change.groupFirstRow, -1);
    EXPECT_EQ(change.roomRows, QList<int>{0});
    EXPECT_TRUE(change.totalsChanged);
    EXPECT_EQ(bits(m_estimate.rows()[1].costs.total), bits(414.059967f));
    EXPECT_EQ(bits(m_estimate.rows()[0].costs.total), bits(414.059967f));
    EXPECT_EQ(bits(m_estimate.totals().projectTotal), bits(414.059967f));
    EXPECT_EQ(m_estimate.summaryLine(),
              QString::fromUtf16(
                  u"工程总价: ¥414.06 元=材料237.93元 + 机械台班56.65元 + 人工98.88元 + 管理费20.60元"));
}

TEST_F(EstimateTest, ZeroQuantityIsPricedAsOne)
{
    m_estimate.appendRoom(QStringLiteral("客厅"));
    add(0, "A", "i0", plain(0, 10));
    EXPECT_EQ(m_estimate.rows()[1].item.brand.num, 1.0f);
    EXPECT_EQ(m_estimate.rows()[1].costs.total, 10.0f);
}

namespace {

struct PlacementCase {
    const char *name;
    QStringList kinds; // inserted in this order as items i0, i1, ...
    QStringList names; // resulting order after the room
    QList<int> numbers;
    int lastNumber;
};

class GroupPlacement : public EstimateTest, public testing::WithParamInterface<PlacementCase>
{
};

void PrintTo(const PlacementCase &t, std::ostream *out)
{
    *out << t.name;
}

} // namespace

TEST_P(GroupPlacement, ItemsGoToTheEndOfTheirGroup)
{
    const PlacementCase &t = GetParam();
    m_estimate.appendRoom(QStringLiteral("R"));
    EstimateChange last;
    for (int i = 0; i < t.kinds.size(); ++i)
        last = add(0, t.kinds[i], QStringLiteral("i%1").arg(i));
    EXPECT_EQ(names(), QStringList{"R"} + t.names);
    EXPECT_EQ(numbers(), QList<int>{0} + t.numbers);
    EXPECT_EQ(last.insertedNumber, t.lastNumber);
    EXPECT_EQ(last.insertedNumber, m_estimate.itemNumber(last.insertedRow));
    if (last.groupFirstRow >= 0) {
        EXPECT_EQ(last.groupFirstRow, m_estimate.groupFirstRow(last.insertedRow));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GroupPlacement,
    testing::Values(
        PlacementCase{"a_a_b", {"A", "A", "B"}, {"i0", "i1", "i2"}, {1, 2, 1}, 1},
        PlacementCase{"a_b_a", {"A", "B", "A"}, {"i0", "i2", "i1"}, {1, 2, 1}, 2},
        PlacementCase{"three_numbered_with_others_between",
                      {"X", "Y", "X", "Z", "X"},
                      {"i0", "i2", "i4", "i1", "i3"},
                      {1, 2, 3, 1, 1},
                      3},
        // Found without regard to case, walked exactly: the new item heads the old group.
        PlacementCase{"upper_into_lower_group", {"a", "a", "A"}, {"i2", "i0", "i1"}, {1, 1, 2}, 1},
        PlacementCase{"lower_into_upper_group", {"B", "A", "a"}, {"i0", "i2", "i1"}, {1, 1, 1}, 1}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(EstimateTest, InsertGoesToTheRoomOfTheRequestedRow)
{
    m_estimate.appendRoom(QStringLiteral("R1"));
    add(0, "A", "a1");
    add(0, "B", "b1");
    m_estimate.appendRoom(QStringLiteral("R2"));
    add(3, "A", "a2");

    add(2, "A", "a1'"); // on an item of R1
    add(99, "B", "b2"); // past the end: the last room
    add(-5, "C", "c1"); // before the start: the first room
    EXPECT_EQ(names(), (QStringList{"R1", "a1", "a1'", "b1", "c1", "R2", "a2", "b2"}));
    EXPECT_EQ(m_estimate.roomOf(7), 5);
    EXPECT_EQ(m_estimate.roomOf(5), 5);
    EXPECT_EQ(m_estimate.roomOrdinal(5), 1);
    EXPECT_EQ(m_estimate.roomEnd(0), 5);
    expectSumsFollowItems();
}

TEST_F(EstimateTest, ReadingAProjectKeepsTheItemRates)
{
    m_rates.mainProfit = QStringLiteral("50");
    m_rates.profitEnabled = true;
    m_estimate.appendRoom(QStringLiteral("R"));
    add(0, "A", "enabled");
    m_document.pendingOperation = PendingOperation::OpenProject;
    add(0, "A", "reading");
    EXPECT_EQ(m_estimate.rows()[1].costs.total, 15.0f);
    EXPECT_EQ(m_estimate.rows()[2].costs.total, 10.0f);
}

TEST_F(EstimateTest, RemovingAGroupHeadRenumbersTheRest)
{
    m_estimate.appendRoom(QStringLiteral("R"));
    add(0, "A", "a0", plain(1, 10, 1, 2, 3));
    add(0, "A", "a1", plain(2, 10, 1, 2, 3));
    add(0, "B", "b0", plain(3, 10, 1, 2, 3));
    add(0, "A", "a2", plain(4, 10, 1, 2, 3));

    const EstimateChange change = m_estimate.removeRow(1);
    ASSERT_TRUE(change.applied);
    EXPECT_EQ(change.removedFirst, 1);
    EXPECT_EQ(change.removedCount, 1);
    EXPECT_EQ(change.renumberedRows, (QList<int>{1, 2}));
    EXPECT_TRUE(change.groupHeadRemoved);
    EXPECT_EQ(change.roomRows, QList<int>{0});
    EXPECT_EQ(names(), (QStringList{"R", "a1", "a2", "b0"}));
    EXPECT_EQ(numbers(), (QList<int>{0, 1, 2, 1}));
    expectSumsFollowItems();

    const EstimateChange tail = m_estimate.removeRow(2);
    EXPECT_TRUE(tail.renumberedRows.isEmpty());
    EXPECT_FALSE(tail.groupHeadRemoved);
    expectSumsFollowItems();
}

TEST_F(EstimateTest, RemovingARoomTakesItsItemsAndSums)
{
    m_estimate.appendRoom(QStringLiteral("R1"));
    add(0, "A", "a1", plain(1, 10, 1, 2, 3));
    add(0, "B", "b1", plain(2, 10, 1, 2, 3));
    m_estimate.appendRoom(QStringLiteral("R2"));
    add(3, "A", "a2", plain(3, 10, 1, 2, 3));

    const EstimateChange change = m_estimate.removeRow(0);
    EXPECT_EQ(change.removedFirst, 0);
    EXPECT_EQ(change.removedCount, 3);
    EXPECT_EQ(names(), (QStringList{"R2", "a2"}));
    expectSumsFollowItems();
    EXPECT_EQ(m_estimate.totals().projectTotal, 3 * 16.0f);
}

TEST_F(EstimateTest, RemovingTheLastItemLeavesZeroSums)
{
    m_estimate.appendRoom(QStringLiteral("R"));
    add(0, "A", "a", SampleItems::workedExample());
    m_estimate.removeRow(1);
    EXPECT_EQ(m_estimate.rows()[0].costs.total, 0.0f);
    EXPECT_EQ(m_estimate.totals(), ProjectTotals{});
    EXPECT_EQ(m_estimate.projectTotalText(), QString::fromUtf16(u"总价：0.00元"));
}

TEST_F(EstimateTest, NegativeProjectTotalBecomesZero)
{
    // Rates read from a project file are not checked, so a total can go below zero.
    m_document.pendingOperation = PendingOperation::OpenProject;
    m_estimate.appendRoom(QStringLiteral("R"));
    add(0, "A", "a", plain(1, 10));
    BrandData negative = plain(1, 10);
    negative.tax = -2.001f;
    add(0, "A", "b", negative);
    EXPECT_LT(m_estimate.rows()[0].costs.total, 0.0f);
    EXPECT_EQ(bits(m_estimate.totals().projectTotal), bits(0.0f));
    EXPECT_EQ(m_estimate.projectTotalText(), QString::fromUtf16(u"总价：0.00元"));
}

TEST_F(EstimateTest, ProfitRateLeavesManagementAlone)
{
    m_estimate.appendRoom(QStringLiteral("R1"));
    add(0, "A", "a1", SampleItems::workedExample());
    add(0, "B", "b1", SampleItems::workedExample());
    m_estimate.appendRoom(QStringLiteral("R2"));
    add(3, "A", "a2", SampleItems::workedExample());
    const QString managementText = CellText::itemCell(m_estimate.rows()[1], 12, 2);

    m_rates.mainProfit = QStringLiteral("10");
    EXPECT_FALSE(m_estimate.applyRateToAll(RateKind::Profit, m_rates).applied);
    m_rates.profitEnabled = true;
    const EstimateChange change = m_estimate.applyRateToAll(RateKind::Profit, m_rates);
    ASSERT_TRUE(change.applied);
    EXPECT_EQ(change.billNoticeCode, 0);
    EXPECT_EQ(change.itemRows, (QList<int>{1, 2, 4}));
    EXPECT_EQ(change.roomRows, (QList<int>{0, 3}));
    EXPECT_EQ(change.itemColumns, (QList<int>{9, 10, 11, 13, 14, 15, 16, 17}));
    for (int r : change.itemRows) {
        const BrandData &b = m_estimate.rows()[r].item.brand;
        EXPECT_EQ(b.materialprofit, 0.1f);
        EXPECT_EQ(b.machineprofit, 0.1f);
        EXPECT_EQ(b.laborprofit, 0.1f);
        EXPECT_EQ(b.managementprofit, 0.5f);
        EXPECT_EQ(CellText::itemCell(m_estimate.rows()[r], 12, 2), managementText);
        EXPECT_EQ(CellText::itemCell(m_estimate.rows()[r], 11, 2), QStringLiteral("8.80"));
    }
    expectSumsFollowItems();
    EXPECT_TRUE(m_estimate.isIdle());
}

TEST_F(EstimateTest, LossAndTaxRatesRewriteTheirColumns)
{
    m_estimate.appendRoom(QStringLiteral("R"));
    add(0, "A", "a", SampleItems::workedExample());
    m_rates.loss = QStringLiteral("0.7");
    m_rates.tax = QStringLiteral("9");
    m_rates.lossEnabled = m_rates.taxEnabled = true;
    const EstimateChange loss = m_estimate.applyRateToAll(RateKind::Loss, m_rates);
    EXPECT_EQ(loss.billNoticeCode, 1);
    EXPECT_EQ(loss.itemColumns.first(), 7);
    EXPECT_EQ(bits(m_estimate.rows()[1].item.brand.loss), bits(float(0.7 / 100.0)));
    EXPECT_EQ(m_estimate.rows()[1].item.brand.tax, 0.03f);
    const EstimateChange tax = m_estimate.applyRateToAll(RateKind::Tax, m_rates);
    EXPECT_EQ(tax.itemColumns.first(), 8);
    EXPECT_EQ(m_estimate.rows()[1].item.brand.tax, 0.09f);
    EXPECT_EQ(m_estimate.rows()[1].costs, Pricing::priceRow(m_estimate.rows()[1].item.brand));
    expectSumsFollowItems();
}

TEST_F(EstimateTest, PrecisionRoundTripShowsTheSameTexts)
{
    m_estimate.appendRoom(QStringLiteral("R"));
    add(0, "A", "a", SampleItems::workedExample());
    BrandData odd = SampleItems::workedExample();
    odd.num = 3.3333f;
    add(0, "B", "b", odd);
    auto texts = [this] {
        QStringList out{m_estimate.projectTotalText(), m_estimate.summaryLine()};
        for (const EstimateRow &row : m_estimate.rows()) {
            if (row.isRoom())
                out << CellText::roomTotal(row.costs.total, m_estimate.precision());
            for (int c = 6; c <= 17 && row.isConstruct(); ++c)
                out << CellText::itemCell(row, c, m_estimate.precision());
        }
        return out;
    };
    const QStringList before = texts();
    const QList<EstimateRow> rowsBefore = m_estimate.rows();

    const EstimateChange toZero = m_estimate.setPrecision(0);
    ASSERT_TRUE(toZero.applied);
    EXPECT_EQ(toZero.roomTotalForm, CellText::RoomTotalForm::WithoutBlank);
    EXPECT_EQ(toZero.roomRows, QList<int>{0});
    EXPECT_EQ(toZero.itemRows, (QList<int>{1, 2}));
    EXPECT_NE(texts(), before);
    m_estimate.setPrecision(2);
    EXPECT_EQ(texts(), before);
    EXPECT_EQ(m_estimate.rows(), rowsBefore);
    EXPECT_FALSE(m_estimate.setPrecision(3).applied);
    EXPECT_EQ(m_estimate.precision(), 2);
}

TEST_F(EstimateTest, ClearKeepsThePrecision)
{
    m_estimate.appendRoom(QStringLiteral("R"));
    add(0, "A", "a");
    m_estimate.setPrecision(0);
    m_estimate.clear();
    EXPECT_EQ(m_estimate.rowCount(), 0);
    EXPECT_EQ(m_estimate.totals(), ProjectTotals{});
    EXPECT_EQ(m_estimate.precision(), 0);
}

class CellEditTest : public EstimateTest
{
protected:
    void SetUp() override
    {
        m_estimate.appendRoom(QStringLiteral("R"));
        add(0, "A", "name", SampleItems::workedExample());
    }
    const EstimateRow &itemRow() const { return m_estimate.rows()[1]; }
};

TEST_F(CellEditTest, TypedLabourPriceDropsItsProfit)
{
    const CellEdit edit = m_estimate.editCell(1, 11, QStringLiteral("8.8"));
    ASSERT_TRUE(edit.handled);
    EXPECT_TRUE(edit.change.applied);
    EXPECT_EQ(edit.cellText, QStringLiteral("8.80"));
    EXPECT_EQ(itemRow().item.brand.laborcost, 8.8f);
    EXPECT_EQ(itemRow().item.brand.laborprofit, 0.0f);
    EXPECT_EQ(edit.change.itemColumns, (QList<int>{11, 13, 14, 15, 16, 17}));
    EXPECT_EQ(edit.change.roomRows, QList<int>{0});
    EXPECT_EQ(bits(itemRow().costs.total), bits(Pricing::priceRow(itemRow().item.brand).total));
    EXPECT_EQ(bits(m_estimate.totals().projectTotal), bits(itemRow().costs.total));
    EXPECT_EQ(bits(m_estimate.rows()[0].costs.total), bits(itemRow().costs.total));
}

TEST_F(CellEditTest, PercentAndOutOfRangeEntries)
{
    EXPECT_EQ(m_estimate.editCell(1, 7, QStringLiteral("5")).cellText, QStringLiteral("5.00%"));
    EXPECT_EQ(itemRow().item.brand.loss, 0.05f);
    EXPECT_EQ(m_estimate.editCell(1, 6, QStringLiteral("100000")).cellText, QStringLiteral("1.00"));
    EXPECT_EQ(itemRow().item.brand.num, 1.0f);
    expectSumsFollowItems();
}

TEST_F(CellEditTest, EmptyEntriesShowTheStoredValueAgain)
{
    const CellEdit number = m_estimate.editCell(1, 6, QStringLiteral("  "));
    EXPECT_TRUE(number.handled);
    EXPECT_FALSE(number.change.applied);
    EXPECT_EQ(number.cellText, QStringLiteral("10.00"));
    const CellEdit name = m_estimate.editCell(1, 3, QString());
    EXPECT_EQ(name.cellText, QStringLiteral("name"));
    const CellEdit renamed = m_estimate.editCell(1, 3, QStringLiteral("  new name"));
    EXPECT_EQ(renamed.cellText, QStringLiteral("new name"));
    EXPECT_EQ(itemRow().item.itemName, QStringLiteral("new name"));
    m_estimate.editCell(1, 5, QStringLiteral("m"));
    EXPECT_EQ(itemRow().item.brand.unit, QStringLiteral("m"));
}

TEST_F(CellEditTest, CellsThatTakeNoEdit)
{
    const EstimateRow before = itemRow();
    EXPECT_FALSE(m_estimate.editCell(1, 1, QStringLiteral("X")).handled);
    EXPECT_FALSE(m_estimate.editCell(1, 2, QStringLiteral("7")).handled);
    EXPECT_FALSE(m_estimate.editCell(1, 13, QStringLiteral("7")).handled);
    EXPECT_FALSE(m_estimate.editCell(0, 6, QStringLiteral("7")).handled);
    EXPECT_FALSE(m_estimate.editCell(2, 6, QStringLiteral("7")).handled);
    m_estimate.setIdle(false);
    EXPECT_FALSE(m_estimate.editCell(1, 6, QStringLiteral("7")).handled);
    EXPECT_EQ(itemRow(), before);
}

TEST_F(CellEditTest, RepriceAfterResourceEditKeepsSums)
{
    ConstructItem edited = itemRow().item;
    edited.brand.material = 40.0f;
    const EstimateChange change = m_estimate.repriceItem(1, edited);
    EXPECT_TRUE(change.applied);
    EXPECT_EQ(itemRow().item.brand.material, 40.0f);
    expectSumsFollowItems();
}
