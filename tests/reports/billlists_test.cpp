#include "reports/billgridsetup.h"
#include "reports/billlists.h"
#include "reports/hoverlist.h"
#include "billfixture.h"
#include "testsupport.h"

#include "estimate/budgettable.h"
#include "estimate/celltext.h"
#include "estimate/estimate.h"
#include "estimate/numbertext.h"
#include "estimate/prompter.h"
#include "estimate/roompictures.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utility>

namespace {

MtLine resource(const QString &name, float price, float num)
{
    MtLine line;
    line.name = name;
    line.code = name + QStringLiteral("-code");
    line.unit = QStringLiteral("m2");
    line.price = price;
    line.num = num;
    return line;
}

ConstructItem item(float num)
{
    ConstructItem item;
    item.categoryKind = QStringLiteral("铺装");
    item.itemName = QStringLiteral("花岗岩铺地");
    item.brand.num = num;
    item.brand.material = 100.0f;
    item.brand.loss = 0.05f;
    item.brand.materialprofit = 0.1f;
    item.brand.machineprofit = 0.1f;
    item.brand.materials = {resource("花岗岩", 100.0f, 1.02f), resource("水泥", 0.5f, 12.0f)};
    item.brand.machines = {resource("切割机", 30.0f, 0.1f)};
    return item;
}

// The bill lists next to the budget table, with one priced item in one room.
class BillListsTest : public BillTableFixture
{
protected:
    bool &materialStale = shared.materialListStale;
    bool &machineStale = shared.machineListStale;

    void SetUp() override
    {
        setUpGrids();
        table.addRoom(QStringLiteral("前院"));
        ASSERT_TRUE(table.insertItem(3, item(4.0f)));
        ASSERT_TRUE(estimate.isIdle());
        // The new item made both lists stale; start as if they had just been built.
        ASSERT_TRUE(materialStale && machineStale);
        materialStale = machineStale = false;
    }
};

TEST_F(BillListsTest, ShowingAStaleListAsksForOneBuild)
{
    EXPECT_EQ(lists.currentList(), BillLists::BillOfQuantities);
    EXPECT_EQ(lists.showList(BillLists::MaterialList), PendingOperation::None);
    materialStale = machineStale = true;
    EXPECT_EQ(lists.showList(BillLists::BillOfQuantities), PendingOperation::None);
    EXPECT_EQ(lists.showList(BillLists::MachineList), PendingOperation::BuildMachineList);
    EXPECT_FALSE(machineStale);
    EXPECT_TRUE(materialStale);
    EXPECT_EQ(lists.currentList(), BillLists::MachineList);
    EXPECT_EQ(lists.onStaleTimer(), PendingOperation::BuildMaterialList);
    EXPECT_EQ(lists.onStaleTimer(), PendingOperation::None);
    EXPECT_EQ(lists.showList(7), PendingOperation::None);
    EXPECT_EQ(lists.currentList(), BillLists::MachineList);
}

TEST_F(BillListsTest, BuildLeavesTheEstimateIdle)
{
    lists.buildMaterialList(estimate);
    lists.buildMachineList(estimate);
    EXPECT_TRUE(estimate.isIdle());
    EXPECT_EQ(lists.materialList().dataRowCount(), 2);
    EXPECT_EQ(lists.machineGrid().text(6, 3), QStringLiteral("切割机"));
}

TEST_F(BillListsTest, ResourceEditsWaitForAnIdleEstimateAtTheListStep)
{
    lists.buildMaterialList(estimate);
    Grid &grid = lists.materialGrid();
    grid.setText(6, 4, QString());
    EXPECT_FALSE(lists.onResourceCellEdited(BillLists::MaterialList, 6, 4, estimate, false));
    estimate.setIdle(false);
    EXPECT_FALSE(lists.onResourceCellEdited(BillLists::MaterialList, 6, 4, estimate, true));
    EXPECT_EQ(grid.text(6, 4), QString());
    estimate.setIdle(true);
    EXPECT_TRUE(lists.onResourceCellEdited(BillLists::MaterialList, 6, 4, estimate, true));
    EXPECT_EQ(grid.text(6, 4), QStringLiteral("m2"));
}

TEST_F(BillListsTest, RateMessageRepricesInPlace)
{
    lists.buildMaterialList(estimate);
    lists.buildMachineList(estimate);
    rates.auxiProfit = QStringLiteral("20%");
    rates.loss = QStringLiteral("10");
    lists.onRateMessage(0, rates, 2);
    EXPECT_EQ(lists.materialList().lines()[0].profitRate, 0.2f);
    EXPECT_EQ(lists.machineList().lines()[0].profitRate, 0.2f);
    EXPECT_EQ(lists.machineGrid().text(6, 6), NumberText::fixed((1.0f + 0.2f) * 30.0f, 2));
    lists.onRateMessage(1, rates, 2);
    EXPECT_EQ(lists.materialList().lines()[1].lossRate, 0.1f);
    EXPECT_EQ(lists.machineList().lines()[0].lossRate, 0.05f);
    const ListLine &cement = lists.materialList().lines()[1];
    EXPECT_EQ(lists.materialGrid().text(7, 5), NumberText::fixed((1.0f + 0.1f) * (12.0f * 4.0f), 2));
    EXPECT_EQ(lists.materialGrid().text(7, 7), u'\u00A5' + NumberText::fixed(cement.amount, 2));
}

TEST_F(BillListsTest, BillEditGoesToTheEstimate)
{
    Grid &bill = lists.billGrid();
    ASSERT_EQ(bill.text(7, 3), QStringLiteral("花岗岩铺地"));
    bill.setText(7, 6, QStringLiteral("3"));
    EXPECT_FALSE(lists.onBillCellEdited(table, 7, 6, false).handled);
    EXPECT_EQ(estimate.rows()[1].item.brand.num, 4.0f);

    const CellEdit edit = lists.onBillCellEdited(table, 7, 6, true);
    EXPECT_TRUE(edit.change.applied);
    EXPECT_EQ(estimate.rows()[1].item.brand.num, 3.0f);
    EXPECT_EQ(bill.text(7, 6), "3.00");
    EXPECT_EQ(tableGrid.text(4, 6), "3.00");
    EXPECT_EQ(tableGrid.text(4, 17), bill.text(7, 17));
    EXPECT_EQ(bill.text(7, 17), CellText::itemCell(estimate.rows()[1], 17, 2));
    EXPECT_EQ(bill.text(6, 4), CellText::roomTotal(estimate.rows()[0].costs.total, 2));
    EXPECT_EQ(bill.text(bill.rowCount() - 2, 1), CellText::summaryLine(estimate.totals(), 2));
    EXPECT_TRUE(materialStale);
    EXPECT_TRUE(machineStale);
}

TEST_F(BillListsTest, BillEditOutsideNumberColumnsChangesNothing)
{
    Grid &bill = lists.billGrid();
    for (int column : {3, 5, 13, 17}) {
        bill.setText(7, column, QStringLiteral("9"));
        EXPECT_FALSE(lists.onBillCellEdited(table, 7, column, true).handled) << column;
    }
    bill.setText(6, 6, QStringLiteral("9"));
    EXPECT_FALSE(lists.onBillCellEdited(table, 6, 6, true).change.applied);
    EXPECT_FALSE(lists.onBillCellEdited(table, bill.rowCount() - 2, 6, true).handled);
    EXPECT_FALSE(materialStale);
}

TEST_F(BillListsTest, HeadersAndTabFollowTheListOnShow)
{
    ProjectInfo info;
    info.name = QStringLiteral("东湖");
    info.address = QStringLiteral("武汉");
    lists.fillHeaders(info);
    EXPECT_EQ(lists.machineGrid().text(0, 1), QStringLiteral("东湖-机械台班清单"));
    EXPECT_EQ(lists.nextColumn(2, 6), 12);
    lists.showList(BillLists::MaterialList);
    EXPECT_EQ(lists.nextColumn(2, 4), 8);
}

// A bill whose numbers are wider than the written columns: a large quantity, prices and rates.
class BillNumberWidths : public BillTableFixture
{
protected:
    void SetUp() override
    {
        setUpGrids();
        table.addRoom(QStringLiteral("后院草坪及水景"));
        ConstructItem big = item(1234.56f);
        big.brand.material = 12345.67f;
        big.brand.laborcost = 987.5f;
        big.brand.loss = 0.125f;
        big.brand.tax = 0.0675f;
        ASSERT_TRUE(table.insertItem(3, big));
        ASSERT_TRUE(table.insertItem(3, item(2.0f)));
    }

    int rangeWidth(int row, int column)
    {
        const Grid &bill = lists.billGrid();
        const GridRange range = bill.mergedRangeAt(row, column);
        int width = 0;
        for (int c = range.left; c <= range.right; ++c)
            width += bill.columnWidth(c);
        return width;
    }
};

// Each switch set, shown the bill: every text of an estimate row stays whole in what it is drawn
// in, the room row's name and total included, and the description keeps a column that wraps.
TEST_F(BillNumberWidths, EveryTextOfTheBillFitsAtEachSwitchSet)
{
    const Grid &bill = lists.billGrid();
    const int roomRow = BillGridSetup::HeaderRows;
    for (const auto &[loss, tax] : {std::pair(true, true), std::pair(true, false), std::pair(false, true),
                                    std::pair(false, false)}) {
        lists.setLossTaxColumns(loss, tax);
        lists.showList(BillLists::BillOfQuantities);
        EXPECT_EQ(bill.columnWidth(7) > 0, loss);
        EXPECT_EQ(bill.columnWidth(8) > 0, tax);
        EXPECT_GE(bill.columnWidth(BillGridSetup::DescriptionColumn), BillGridSetup::NarrowestDescription);
        for (int row = roomRow + 1; row < bill.rowCount() - 2; ++row) {
            for (const int column : BillGridSetup::OneLineColumns) {
                if (bill.columnWidth(column) == 0)
                    continue;
                const QString text = bill.text(row, column);
                EXPECT_LE(measure.legibleWidth(text, bill.font(row, column)), rangeWidth(row, column))
                    << text.toStdString() << " row " << row << " column " << column << " loss " << loss
                    << " tax " << tax;
            }
        }
        const QString total = bill.text(roomRow, 4);
        ASSERT_TRUE(total.startsWith(QStringLiteral("结算：¥"))) << total.toStdString();
        EXPECT_LE(measure.legibleWidth(total, bill.font(roomRow, 4)), rangeWidth(roomRow, 4));
        const QString name = bill.text(roomRow, 1);
        EXPECT_LE(measure.legibleWidth(name, bill.font(roomRow, 1)), rangeWidth(roomRow, 1));
    }
}

TEST_F(BillNumberWidths, ALongerNumberTypedIntoTheBillWidensItsColumn)
{
    Grid &bill = lists.billGrid();
    lists.showList(BillLists::BillOfQuantities);
    const int row = BillGridSetup::HeaderRows + 2;
    const int before = bill.columnWidth(6);
    bill.setText(row, 6, QStringLiteral("99999"));
    ASSERT_TRUE(lists.onBillCellEdited(table, row, 6, true).change.applied);
    EXPECT_EQ(bill.text(row, 6), QStringLiteral("99999.00"));
    EXPECT_GE(bill.columnWidth(6), measure.legibleWidth(bill.text(row, 6), bill.font(row, 6)));
    EXPECT_GT(bill.columnWidth(6), before);
}

TEST(HoverList, ShowsAtMostTenLinesWithOneDecimal)
{
    Grid grid;
    HoverList::setUp(grid);
    BrandData brand;
    for (int i = 0; i < 12; ++i)
        brand.materials.append(resource(QStringLiteral("料%1").arg(i), 2.25f + float(i), 1.0f));
    EXPECT_EQ(HoverList::fill(grid, brand), 10);
    EXPECT_EQ(grid.text(0, 1), QStringLiteral("材料明细"));
    EXPECT_EQ(grid.text(1, 4), QStringLiteral("单价"));
    EXPECT_EQ(grid.text(2, 4), "2.2");
    EXPECT_EQ(grid.text(11, 1), QStringLiteral("料9"));
    EXPECT_EQ(HoverList::windowHeight(10), 306);

    brand.materials.resize(1);
    EXPECT_EQ(HoverList::fill(grid, brand), 1);
    EXPECT_EQ(grid.text(3, 1), QString());
    EXPECT_EQ(grid.text(3, 4), QString());
}

} // namespace
