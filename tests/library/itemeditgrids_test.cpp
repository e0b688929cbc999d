#include "library/itemeditgrids.h"
#include "library/resourceeditor.h"

#include "contracts/grid.h"

#include <gtest/gtest.h>

namespace {

MtLine line(const char *name, const char *classify, float price, float num)
{
    MtLine l;
    l.kind = QStringLiteral("0");
    l.name = QString::fromUtf8(name);
    l.classify = QString::fromUtf8(classify);
    l.unit = QStringLiteral("m²");
    l.code = QStringLiteral("C-") + l.name;
    l.price = price;
    l.num = num;
    return l;
}

ConstructItem lawn()
{
    ConstructItem item;
    item.itemName = QStringLiteral("铺草坪");
    item.itemDesc = QStringLiteral("满铺");
    item.brand.unit = QStringLiteral("m²");
    item.brand.material = 12.345f;
    item.brand.materialprofit = 0.1f;
    item.brand.machine = 2.0f;
    item.brand.laborcost = 8.126f;
    item.brand.laborprofit = 0.5f;
    item.brand.management = 1.0f;
    item.brand.materials = {line("草皮", "", 10.005f, 1.1f), line("种植土", "土方", 45.0f, 0.05f)};
    item.brand.machines = {line("洒水车", "机械", 200.0f, 0.01f)};
    return item;
}

struct GridsFixture : ::testing::Test {
    Grid items;
    Grid lines;
};

TEST_F(GridsFixture, TheTemplateEditorShowsPricesWithProfitInItsLayout)
{
    ItemEditGrids grids(items, lines, ItemEditGrids::templateEditorLayout());
    grids.show(ItemEdit::ofItem(lawn(), ItemEdit::Prices::WithProfit));
    const struct {
        int row, column;
        const char *text;
    } cells[] = {
        {1, 1, "施工项目"},
        {1, 2, "铺草坪"},
        {2, 1, "单位"},
        {2, 2, "m²"},
        {3, 1, "取材标准及施工说明"},
        {3, 2, "满铺"},
        {1, 3, "单价"},
        {1, 4, "材料"},
        {2, 4, "机械台班"},
        {3, 4, "人工"},
        {4, 4, "管理费"},
        {1, 5, "13.58"},
        {2, 5, "2.00"},
        {3, 5, "12.19"},
        {4, 5, "1.00"},
    };
    for (const auto &c : cells)
        EXPECT_EQ(items.text(c.row, c.column), QString::fromUtf8(c.text)) << c.row << "," << c.column;
    EXPECT_EQ(items.columnCount(), 6);
    EXPECT_EQ(items.columnWidth(2), 136);
    EXPECT_EQ(items.background(2, 3), 15921906u);
    EXPECT_EQ(items.mergedRangeAt(4, 3), (GridRange{1, 3, 4, 3}));
    EXPECT_EQ(items.mergedRangeAt(4, 2), (GridRange{3, 2, 4, 2}));
    EXPECT_TRUE(items.locked(1, 5)); // material follows from the lines
    EXPECT_FALSE(items.locked(3, 5));

    ASSERT_EQ(lines.rowCount(), 31);
    EXPECT_EQ(lines.columnCount(), 8);
    EXPECT_EQ(lines.text(1, 7), QStringLiteral("删除"));
    EXPECT_EQ(lines.background(1, 3), 15921906u);
    EXPECT_EQ(lines.text(2, 2), QStringLiteral("请选择"));
    EXPECT_EQ(lines.text(2, 4), QStringLiteral("10.01"));
    EXPECT_EQ(lines.text(4, 1), QStringLiteral("洒水车"));
    EXPECT_EQ(lines.imageKey(4, 7), QStringLiteral("del"));
    EXPECT_TRUE(lines.imageKey(5, 7).isEmpty());
    EXPECT_GE(lines.rowHeight(30), 25);
}

TEST_F(GridsFixture, TheResourceEditorShowsPlainPricesAndKeepsCodesInAHiddenColumn)
{
    ItemEditGrids grids(items, lines, ItemEditGrids::resourceEditorLayout());
    grids.show(ResourceEditor::show(lawn()));
    EXPECT_EQ(items.text(1, 5), QStringLiteral("12.35"));
    EXPECT_EQ(items.text(3, 5), QStringLiteral("8.13"));
    EXPECT_EQ(items.background(1, 1), 15132390u);
    EXPECT_EQ(items.columnWidth(4), 120);
    EXPECT_EQ(lines.columnCount(), 9);
    EXPECT_EQ(lines.columnWidth(8), 0);
    EXPECT_EQ(lines.text(3, 8), QStringLiteral("C-种植土"));
    EXPECT_GE(lines.rowHeight(2), 30);
}

TEST_F(GridsFixture, UntouchedCellsReadBackExactlyAndTypedOnesAsTyped)
{
    ItemEditGrids grids(items, lines, ItemEditGrids::resourceEditorLayout());
    const ConstructItem item = lawn();
    grids.show(ResourceEditor::show(item));
    ConstructItem unchanged = ResourceEditor::save(item, grids.read());
    EXPECT_EQ(unchanged.brand.laborcost, 8.126f);
    EXPECT_EQ(unchanged.brand.materials.at(0).price, 10.005f);

    items.setText(1, 2, QStringLiteral("  铺草皮 "));
    items.setText(3, 5, QStringLiteral("9.5元"));
    lines.setText(3, 4, QStringLiteral("50"));
    lines.setText(5, 1, QStringLiteral("肥料"));
    lines.setText(5, 4, QStringLiteral("2"));
    lines.setText(5, 5, QStringLiteral("3"));
    const ConstructItem saved = ResourceEditor::save(item, grids.read());
    EXPECT_EQ(saved.itemName, QStringLiteral("铺草皮"));
    EXPECT_EQ(saved.brand.laborcost, 9.5f);
    ASSERT_EQ(saved.brand.materials.size(), 3);
    EXPECT_EQ(saved.brand.materials.at(1).price, 50.0f);
    EXPECT_EQ(saved.brand.materials.at(2).name, QStringLiteral("肥料"));
    EXPECT_EQ(saved.brand.material, 0.0f + 10.005f * 1.1f + 50.0f * 0.05f + 2.0f * 3.0f);
}

TEST_F(GridsFixture, DeleteAndKindActOnlyOnLineRowsThatHoldSomething)
{
    ItemEditGrids grids(items, lines, ItemEditGrids::templateEditorLayout());
    grids.show(ItemEdit::ofItem(lawn(), ItemEdit::Prices::Plain));
    EXPECT_FALSE(grids.removeLineRow(1)); // the header row
    EXPECT_FALSE(grids.removeLineRow(6)); // an empty row
    EXPECT_FALSE(grids.kindMenuApplies(6));
    EXPECT_TRUE(grids.kindMenuApplies(2));
    grids.setKind(2, QStringLiteral("机械"));
    ASSERT_TRUE(grids.removeLineRow(3));
    EXPECT_EQ(lines.text(3, 1), QStringLiteral("洒水车"));
    EXPECT_TRUE(lines.text(4, 1).isEmpty());
    const ItemEdit edit = grids.read();
    ASSERT_EQ(edit.lines.size(), 2);
    EXPECT_TRUE(edit.lines.at(0).isMachine());
}

TEST_F(GridsFixture, LinesBeyondTheGridAreKeptAsTheyWere)
{
    ConstructItem many = lawn();
    many.brand.materials.clear();
    for (int i = 0; i < 33; ++i)
        many.brand.materials.append(line(QByteArray::number(i).constData(), "", float(i), 1.0f));
    ItemEditGrids grids(items, lines, ItemEditGrids::resourceEditorLayout());
    grids.show(ResourceEditor::show(many));
    EXPECT_EQ(lines.text(30, 1), QStringLiteral("28"));
    const ConstructItem saved = ResourceEditor::save(many, grids.read());
    ASSERT_EQ(saved.brand.materials.size(), 33);
    EXPECT_EQ(saved.brand.materials.at(32).name, QStringLiteral("32"));
}

} // namespace

TEST_F(GridsFixture, TabAndEnterMoveToCellsTheUserCanSee)
{
    using Pane = ItemEditGrids::Pane;
    using Move = ItemEditGrids::Move;
    ItemEditGrids grids(items, lines, ItemEditGrids::resourceEditorLayout());
    grids.show(ResourceEditor::show(lawn()));
    struct Case {
        Pane pane;
        int row, column;
        Move move;
        int toRow, toColumn;
        bool moved;
    };
    const Case cases[] = {
        {Pane::Lines, 2, 1, Move::Right, 2, 2, true},
        // The code column has no width: the delete column is the last one Tab reaches.
        {Pane::Lines, 2, 7, Move::Right, 2, 7, false},
        {Pane::Lines, 2, 5, Move::Down, 3, 5, true},
        {Pane::Lines, ItemEditGrids::LineRows - 1, 5, Move::Down, ItemEditGrids::LineRows - 1, 5, false},
        {Pane::Items, 1, 1, Move::Right, 1, 2, true},
        {Pane::Items, 1, 2, Move::Down, 2, 2, true},
        // The description spans rows 3 and 4: Enter leaves it below its range, or stays at the edge.
        {Pane::Items, 3, 2, Move::Down, 3, 2, false},
        // Entering a merged range lands on its first cell.
        {Pane::Items, 4, 1, Move::Right, 3, 2, true},
        {Pane::Items, 1, 5, Move::Right, 1, 5, false},
    };
    for (const Case &c : cases) {
        Grid &grid = c.pane == Pane::Lines ? lines : items;
        grid.setActiveCell(c.row, c.column);
        EXPECT_EQ(grids.moveActiveCell(c.pane, c.move), c.moved) << c.row << "," << c.column;
        EXPECT_EQ(grid.activeRow(), c.toRow) << c.row << "," << c.column;
        EXPECT_EQ(grid.activeColumn(), c.toColumn) << c.row << "," << c.column;
    }
}

TEST_F(GridsFixture, KeysActOnTheLineGridFirst)
{
    ItemEditGrids grids(items, lines, ItemEditGrids::resourceEditorLayout());
    grids.show(ResourceEditor::show(lawn()));
    EXPECT_EQ(grids.keyPane(), ItemEditGrids::Pane::Items);
    EXPECT_FALSE(grids.moveActiveCell(ItemEditGrids::Pane::Items, ItemEditGrids::Move::Right));
    items.setActiveCell(1, 2);
    EXPECT_EQ(grids.keyPane(), ItemEditGrids::Pane::Items);
    lines.setActiveCell(2, 1);
    EXPECT_EQ(grids.keyPane(), ItemEditGrids::Pane::Lines);
}
