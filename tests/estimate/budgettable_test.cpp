#include "contracts/gridtextmeasure.h"
#include "estimate/columnlayout.h"
#include "tablefixture.h"

#include <QFile>

#include <set>

namespace {

using BudgetTableTest = TableFixture;

TEST_F(BudgetTableTest, GroupsAreKeptTogetherAndColumnOneIsMergedInBothGrids)
{
    table.addRoom(QStringLiteral("客厅"));
    insert(3, QStringLiteral("A"), QStringLiteral("a1"));
    insert(3, QStringLiteral("B"), QStringLiteral("b1"));
    insert(3, QStringLiteral("A"), QStringLiteral("a2"));
    EXPECT_EQ(tableRows(), QStringList({"[客厅]", "A:a1:1", "A:a2:2", "B:b1:1"}));
    EXPECT_EQ(grid.mergedRangeAt(5, 1), GridRange({4, 1, 5, 1}));
    EXPECT_EQ(bill.mergedRangeAt(8, 1), GridRange({7, 1, 8, 1}));
    EXPECT_EQ(bill.text(8, 3), QStringLiteral("a2"));
    EXPECT_FALSE(grid.isMerged(6, 1));
    // The add-room row stays right after the last estimate row.
    EXPECT_EQ(grid.imageKey(7, 1), QStringLiteral("new_file"));
    EXPECT_TRUE(document.modified);
}

TEST_F(BudgetTableTest, GroupFoundWithoutCaseButWalkedExactly)
{
    table.addRoom(QStringLiteral("客厅"));
    insert(3, QStringLiteral("a"), QStringLiteral("x1"));
    insert(3, QStringLiteral("a"), QStringLiteral("x2"));
    insert(3, QStringLiteral("A"), QStringLiteral("y"));
    EXPECT_EQ(tableRows(), QStringList({"[客厅]", "A:y:1", "a:x1:1", "a:x2:2"}));
    EXPECT_FALSE(grid.isMerged(4, 1));
    EXPECT_EQ(grid.mergedRangeAt(5, 1), GridRange({5, 1, 6, 1}));
}

TEST_F(BudgetTableTest, InsertIntoEmptyEstimateFails)
{
    EXPECT_FALSE(table.insertItem(3, makeItem("A", "a")));
    EXPECT_EQ(estimate.rowCount(), 0);
}

TEST_F(BudgetTableTest, ItemGoesToTheRoomOfTheRequestedRow)
{
    table.addRoom(QStringLiteral("一"));
    table.addRoom(QStringLiteral("二"));
    insert(4, QStringLiteral("A"), QStringLiteral("second"));
    insert(3, QStringLiteral("A"), QStringLiteral("first"));
    EXPECT_EQ(tableRows(), QStringList({"[一]", "A:first:1", "[二]", "A:second:1"}));
    EXPECT_EQ(grid.text(3, 4), QStringLiteral("结算：¥26.00 "));
    EXPECT_EQ(bill.text(6, 4), QStringLiteral("结算：¥26.00 "));
    EXPECT_EQ(grid.text(0, 13), QStringLiteral("总价：52.00元"));
}

TEST_F(BudgetTableTest, EditingTextColumns)
{
    table.addRoom(QStringLiteral("客厅"));
    insert(3, QStringLiteral("A"), QStringLiteral("名称"));
    const struct {
        int column;
        const char *typed;
        const char *stored;
    } cases[] = {
        {3, "", "名称"},
        {3, "   新名称", "新名称"},
        {5, "  ", "m²"},
        {4, " 说明 ", "说明 "},
    };
    for (const auto &c : cases) {
        grid.setText(4, c.column, QString::fromUtf8(c.typed));
        table.editCell(4, c.column);
        EXPECT_EQ(grid.text(4, c.column), QString::fromUtf8(c.stored)) << c.typed;
        EXPECT_EQ(bill.text(7, c.column), QString::fromUtf8(c.stored));
    }
    EXPECT_EQ(estimate.rows().at(1).item.itemName, QStringLiteral("新名称"));
}

TEST_F(BudgetTableTest, NumberEditRepricesAndMarksListsStale)
{
    table.addRoom(QStringLiteral("客厅"));
    insert(3, QStringLiteral("A"), QStringLiteral("名称"));
    grid.setText(4, 6, QStringLiteral("4"));
    table.editCell(4, 6);
    EXPECT_EQ(grid.text(4, 17), QStringLiteral("¥52.00"));
    EXPECT_EQ(bill.text(7, 17), QStringLiteral("¥52.00"));
    EXPECT_EQ(grid.text(3, 4), QStringLiteral("结算：¥52.00 "));
    EXPECT_TRUE(shared.materialListStale && shared.machineListStale);
}

TEST_F(BudgetTableTest, EditsOfRoomRowsAndTypingInColumnsOneAndTwoChangeNothing)
{
    table.addRoom(QStringLiteral("客厅"));
    insert(3, QStringLiteral("A"), QStringLiteral("名称"));
    grid.setText(3, 6, QStringLiteral("9"));
    table.editCell(3, 6);
    grid.setText(4, 1, QStringLiteral("typed"));
    table.editCell(4, 1);
    EXPECT_EQ(grid.text(4, 1), QStringLiteral("typed"));
    EXPECT_EQ(estimate.rows().at(1).item.categoryKind, QStringLiteral("A"));
    EXPECT_EQ(estimate.totals().projectTotal, 26.0f);
}

TEST_F(BudgetTableTest, TabSkipsColumns)
{
    const int from[] = {3, 8, 9, 10, 11, 12};
    const int to[] = {4, 10, 10, 12, 13, 13};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(BudgetTable::nextColumnOnTab(from[i]), to[i]) << from[i];
    table.addRoom(QStringLiteral("客厅"));
    insert(3, QStringLiteral("A"), QStringLiteral("a"));
    grid.setActiveCell(4, 8);
    table.onTabOrEnter();
    EXPECT_EQ(grid.activeColumn(), 10);
}

TEST_F(BudgetTableTest, LayoutAppliesOnlyWhileTheBudgetStepShows)
{
    table.layoutColumns(1278, false);
    EXPECT_EQ(grid.columnWidth(4), 96);
    table.layoutColumns(1278, true);
    const ColumnLayout::Widths laid = ColumnLayout::widthsFor(1278, true, true);
    for (int column = 0; column < ColumnLayout::ColumnCount; ++column)
        EXPECT_EQ(grid.columnWidth(column), laid[column]) << column;
    table.setMinimumNumberWidth(60);
    table.layoutColumns(1278, true);
    EXPECT_EQ(grid.columnWidth(6), 60);
    EXPECT_EQ(grid.columnWidth(8), 60);
    table.toggleTax(1278, true);
    EXPECT_EQ(grid.columnWidth(8), 0);
}

// A wrapped text takes one line of 20 pixels per 12 pixels of characters that the cell's width holds.
class WidthMeasure : public GridTextMeasure
{
public:
    int textHeight(const QString &text, const GridFont &, int width, bool wrap) const override
    {
        const int lineWidth = std::max(width - 4, 1);
        const int lines = wrap ? (int(text.size()) * 12 + lineWidth - 1) / lineWidth : 1;
        return 20 * std::max(lines, 1);
    }
};

// Widths follow the window; rows fitted to the widths before are fitted again, so that a
// narrower column shows its text whole and a wider one leaves no empty lines.
TEST_F(BudgetTableTest, ItemRowsAreFittedAgainWhenTheColumnsAreLaidOut)
{
    const WidthMeasure measure;
    table.setTextMeasure(&measure);
    table.addRoom(QStringLiteral("客厅"));
    insert(3, QStringLiteral("A"), QStringLiteral("种植乔木胸径十二厘米带土球"));
    insert(3, QStringLiteral("B"), QStringLiteral("园路"));
    const int roomHeight = grid.rowHeight(3);
    std::set<int> heights{grid.rowHeight(4)};
    for (const int clientWidth : {1278, 1024, 1600}) {
        SCOPED_TRACE(clientWidth);
        table.layoutColumns(clientWidth, true);
        for (int row : {4, 5}) {
            const int shown = grid.rowHeight(row);
            grid.fitRowHeight(row, measure);
            EXPECT_EQ(shown, grid.rowHeight(row)) << row;
        }
        EXPECT_EQ(grid.rowHeight(3), roomHeight);
        heights.insert(grid.rowHeight(4));
    }
    EXPECT_GT(heights.size(), 1u) << "the widths give the long name different heights";
}

TEST_F(BudgetTableTest, ClickAfterColumnResizeIsDropped)
{
    table.addRoom(QStringLiteral("客厅"));
    insert(3, QStringLiteral("A"), QStringLiteral("a"));
    grid.setActiveCell(4, 18);
    table.onColumnResized();
    EXPECT_EQ(table.onTableClick(true).action, TableClick::Action::None);
    const TableClick click = table.onTableClick(true);
    EXPECT_EQ(click.action, TableClick::Action::OperationMenu);
    EXPECT_EQ(shared.selectedRowIndex, 1);
    EXPECT_EQ(table.clickedRow(), 4);
    EXPECT_EQ(grid.background(4, 18), BudgetTable::HighlightColour);
    EXPECT_EQ(grid.imageKey(4, 18), QStringLiteral("More_Blue"));
}

TEST_F(BudgetTableTest, ClicksAreIgnoredOutsideTheCellAndWhileCopying)
{
    table.addRoom(QStringLiteral("客厅"));
    grid.setActiveCell(4, 1);
    EXPECT_EQ(table.onTableClick(false).action, TableClick::Action::None);
    shared.tableReady = false;
    EXPECT_EQ(table.onTableClick(true).action, TableClick::Action::None);
    EXPECT_EQ(estimate.rowCount(), 1);
}

TEST_F(BudgetTableTest, ClickOnAddRoomRowCreatesARoom)
{
    grid.setActiveCell(3, 5);
    prompter.names = {QStringLiteral("书房")};
    EXPECT_EQ(table.onTableClick(true).action, TableClick::Action::RoomCreated);
    EXPECT_EQ(estimate.rows().at(0).room.name, QStringLiteral("书房"));
    EXPECT_EQ(grid.background(4, 5), BudgetTable::RoomGrey);
}

TEST_F(BudgetTableTest, HighlightMovesAndRestoresBackgrounds)
{
    table.addRoom(QStringLiteral("客厅"));
    insert(3, QStringLiteral("A"), QStringLiteral("a1"));
    insert(3, QStringLiteral("A"), QStringLiteral("a2"));
    table.highlightCell(5, 6);
    EXPECT_EQ(grid.background(4, 1), BudgetTable::HighlightColour);  // head of the clicked group
    EXPECT_EQ(grid.background(5, 6), BudgetTable::HighlightColour);
    table.highlightCell(4, 3);
    EXPECT_EQ(grid.background(5, 6), BudgetTable::White);
    EXPECT_EQ(grid.imageKey(5, 18), QStringLiteral("del"));
}

TEST_F(BudgetTableTest, ClearRemovesEveryEstimateRowFromBothGrids)
{
    table.addRoom(QStringLiteral("客厅"));
    insert(3, QStringLiteral("A"), QStringLiteral("a1"));
    const int tableRows = grid.rowCount();
    const int billRows = bill.rowCount();
    table.clear();
    EXPECT_EQ(estimate.rowCount(), 0);
    EXPECT_EQ(grid.rowCount(), tableRows - 2);
    EXPECT_EQ(bill.rowCount(), billRows - 2);
    EXPECT_EQ(grid.imageKey(3, 1), QStringLiteral("new_file"));
}

TEST(BudgetTableCaption, FileNameWithoutFolderAndXml)
{
    EXPECT_EQ(BudgetTable::captionFor(QStringLiteral("C:\\proj\\家.xml.gzj")), QStringLiteral("Sylvaro造价 - 家.gzj"));
    EXPECT_EQ(BudgetTable::captionFor(QStringLiteral("/home/u/a.gzj")), QStringLiteral("Sylvaro造价 - a.gzj"));
}

} // namespace
