#include "tablefixture.h"

#include <functional>

namespace {

class ItemOperationsTest : public TableFixture
{
protected:
    qint64 add(const ConstructItem &item)
    {
        library.items << item;
        return 100 + library.items.size() - 1;
    }
    int countNamed(const QString &name) const
    {
        int n = 0;
        for (const EstimateRow &row : estimate.rows())
            n += row.item.itemName == name ? 1 : 0;
        return n;
    }
};

TEST_F(ItemOperationsTest, FirstItemCreatesARoomAndBringsItsCompanionOnce)
{
    const qint64 tile = add(makeItem("地面", "地面铺设地砖"));
    const qint64 tile2 = add(makeItem("地面", "客厅地面斜铺设地砖"));
    add(makeItem("辅料", "地砖 填缝剂"));
    ASSERT_TRUE(operations.addLibraryItem(tile));
    ASSERT_TRUE(operations.addLibraryItem(tile2));
    EXPECT_EQ(estimate.rows().at(0).room.name, QStringLiteral("新项目"));
    EXPECT_EQ(countNamed(QStringLiteral("地砖 填缝剂")), 1);
    EXPECT_EQ(tableRows(), QStringList({"[新项目]", "地面:地面铺设地砖:1", "地面:客厅地面斜铺设地砖:2",
                                        "辅料:地砖 填缝剂:1"}));
    EXPECT_EQ(library.items.at(2).itemName, QStringLiteral("地砖 填缝剂"));  // library unchanged
}

TEST_F(ItemOperationsTest, WallTileBringsWallGrout)
{
    const qint64 wall = add(makeItem("墙面", "墙面铺贴墙砖"));
    add(makeItem("辅料", "墙砖填缝剂"));
    add(makeItem("辅料", "地砖填缝剂"));
    table.addRoom(QStringLiteral("卫生间"));
    grid.setActiveCell(3, 3);
    ASSERT_TRUE(operations.addLibraryItem(wall));
    EXPECT_EQ(countNamed(QStringLiteral("墙砖填缝剂")), 1);
    EXPECT_EQ(countNamed(QStringLiteral("地砖填缝剂")), 0);
}

// The added item is where the user looks next, also when its companion lands above it.
TEST_F(ItemOperationsTest, AddedItemBecomesTheActiveHighlightedRow)
{
    const qint64 wall = add(makeItem("墙面", "墙面铺贴墙砖"));
    add(makeItem("辅料", "墙砖填缝剂"));
    const qint64 other = add(makeItem("辅料", "勾缝剂"));
    table.addRoom(QStringLiteral("卫生间"));
    grid.setActiveCell(3, 3);
    ASSERT_TRUE(operations.addLibraryItem(other));
    EXPECT_EQ(grid.activeRow(), 4);
    EXPECT_EQ(grid.text(4, 3), QStringLiteral("勾缝剂"));
    // The grout joins the 辅料 group above the wall tile, which moves one row down.
    ASSERT_TRUE(operations.addLibraryItem(wall));
    ASSERT_EQ(grid.text(5, 3), QStringLiteral("墙砖填缝剂"));
    EXPECT_EQ(grid.activeRow(), 6);
    EXPECT_EQ(grid.text(6, 3), QStringLiteral("墙面铺贴墙砖"));
    EXPECT_NE(grid.background(6, 3), 0xFFFFFFu);
    EXPECT_EQ(grid.background(4, 3), 0xFFFFFFu);
    EXPECT_EQ(table.receivingRoomOrdinal(), 0);
}

TEST_F(ItemOperationsTest, UnknownNodesAndPlaceholdersDoNothing)
{
    const qint64 placeholder = add(makeItem("A", ""));
    EXPECT_FALSE(operations.addLibraryItem(placeholder));
    EXPECT_FALSE(operations.addLibraryItem(999));
    EXPECT_EQ(estimate.rowCount(), 0);
    EXPECT_FALSE(document.modified);
}

TEST_F(ItemOperationsTest, AddToAllRoomsNeedsARoom)
{
    const qint64 node = add(makeItem("A", "a"));
    EXPECT_FALSE(operations.addToAllRooms(node));
    EXPECT_EQ(prompter.notified, QList<int>{Prompter::NeedRoomFirst});
    table.addRoom(QStringLiteral("一"));
    table.addRoom(QStringLiteral("二"));
    EXPECT_TRUE(operations.addToAllRooms(node));
    EXPECT_EQ(tableRows(), QStringList({"[一]", "A:a:1", "[二]", "A:a:1"}));
}

TEST_F(ItemOperationsTest, CopyToOtherRoomsPutsCopiesAtTheEndOfTheirGroups)
{
    for (const char *room : {"A", "B", "C"}) {
        table.addRoom(QString::fromUtf8(room));
        insert(estimate.rowCount() + 2, QStringLiteral("K"), QStringLiteral("k"));
        insert(estimate.rowCount() + 2, QStringLiteral("Z"), QStringLiteral("z"));
    }
    insert(7, QStringLiteral("K"), QStringLiteral("copied"));  // room B
    grid.setActiveCell(8, 2);
    document.modified = false;
    ASSERT_TRUE(operations.copyToOtherRooms());
    EXPECT_EQ(tableRows(), QStringList({"[A]", "K:k:1", "K:copied:2", "Z:z:1", "[B]", "K:k:1", "K:copied:2",
                                        "Z:z:1", "[C]", "K:k:1", "K:copied:2", "Z:z:1"}));
    EXPECT_TRUE(shared.tableReady);
    EXPECT_TRUE(document.modified);
}

TEST_F(ItemOperationsTest, CopyWithOneRoomTellsTheUser)
{
    table.addRoom(QStringLiteral("A"));
    insert(3, QStringLiteral("K"), QStringLiteral("k"));
    grid.setActiveCell(4, 2);
    EXPECT_FALSE(operations.copyToOtherRooms());
    EXPECT_EQ(prompter.notified, QList<int>{Prompter::NeedTwoRooms});
}

struct MoveCase {
    int clickedRow;  // grid row of the clicked item
    int position;
    QStringList order;
};

TEST_F(ItemOperationsTest, MoveGroupReordersGroupsAndKeepsSums)
{
    const MoveCase cases[] = {
        {7, 1, {"Z", "X", "Y"}},
        {4, 3, {"Y", "Z", "X"}},
        {6, 2, {"X", "Y", "Z"}},
    };
    for (const MoveCase &c : cases) {
        table.clear();
        table.addRoom(QStringLiteral("R"));
        insert(3, QStringLiteral("X"), QStringLiteral("x1"));
        insert(3, QStringLiteral("X"), QStringLiteral("x2"));
        insert(3, QStringLiteral("Y"), QStringLiteral("y"));
        insert(3, QStringLiteral("Z"), QStringLiteral("z"));
        const float total = estimate.totals().projectTotal;
        document.modified = false;
        grid.setActiveCell(c.clickedRow, 1);
        const TableClick click = table.onTableClick(true);
        ASSERT_EQ(click.action, TableClick::Action::MoveMenu);
        ASSERT_TRUE(operations.moveGroup(c.position));
        QStringList kinds;
        for (int i = 1; i < estimate.rowCount(); ++i) {
            if (i == 1 ||
                estimate.rows().at(i).item.categoryKind != estimate.rows().at(i - 1).item.categoryKind)
                kinds << estimate.rows().at(i).item.categoryKind;
            EXPECT_EQ(grid.text(i + 3, 3), estimate.rows().at(i).item.itemName);
            EXPECT_EQ(bill.text(i + 6, 3), estimate.rows().at(i).item.itemName);
        }
        EXPECT_EQ(kinds, c.order) << c.clickedRow << " " << c.position;
        const int x = 1 + int(estimate.rows().indexOf(estimate.rows().at(0)));  // room is row 0
        (void)x;
        EXPECT_EQ(estimate.totals().projectTotal, total);
        // A group that moved leaves the project unlike its file: closing must ask.
        const bool moved = c.order != QStringList({"X", "Y", "Z"});
        EXPECT_EQ(document.modified, moved);
    }
}

TEST_F(ItemOperationsTest, MovedTwoRowGroupIsMergedAgain)
{
    table.addRoom(QStringLiteral("R"));
    insert(3, QStringLiteral("Y"), QStringLiteral("y"));
    insert(3, QStringLiteral("X"), QStringLiteral("x1"));
    insert(3, QStringLiteral("X"), QStringLiteral("x2"));
    grid.setActiveCell(5, 1);
    ASSERT_EQ(table.onTableClick(true).action, TableClick::Action::MoveMenu);
    ASSERT_TRUE(operations.moveGroup(1));
    EXPECT_EQ(tableRows(), QStringList({"[R]", "X:x1:1", "X:x2:2", "Y:y:1"}));
    EXPECT_EQ(grid.mergedRangeAt(5, 1), GridRange({4, 1, 5, 1}));
    EXPECT_EQ(bill.mergedRangeAt(7, 1), GridRange({7, 1, 8, 1}));
    EXPECT_FALSE(grid.isMerged(6, 1));
}

TEST_F(ItemOperationsTest, OneGroupShowsNoMoveMenu)
{
    table.addRoom(QStringLiteral("R"));
    insert(3, QStringLiteral("X"), QStringLiteral("x1"));
    grid.setActiveCell(4, 1);
    EXPECT_EQ(table.onTableClick(true).action, TableClick::Action::Highlighted);
}

TEST_F(ItemOperationsTest, DeletingTheFirstItemOfAGroupRenumbersAndRemerges)
{
    table.addRoom(QStringLiteral("R"));
    for (const char *name : {"a1", "a2", "a3"})
        insert(3, QStringLiteral("A"), QString::fromUtf8(name));
    document.modified = false;
    table.setClickedRow(4);
    ASSERT_TRUE(operations.deleteRow());
    EXPECT_EQ(tableRows(), QStringList({"[R]", "A:a2:1", "A:a3:2"}));
    EXPECT_EQ(bill.text(7, 2), QStringLiteral("1"));
    EXPECT_EQ(grid.mergedRangeAt(4, 1), GridRange({4, 1, 5, 1}));
    EXPECT_EQ(grid.text(3, 4), QStringLiteral("结算：¥52.00 "));
    EXPECT_TRUE(prompter.asked.isEmpty());
    EXPECT_TRUE(document.modified);
}

TEST_F(ItemOperationsTest, DeletingARoomAsksAndSubtractsItsSums)
{
    table.addRoom(QStringLiteral("一"));
    insert(3, QStringLiteral("A"), QStringLiteral("a"));
    table.addRoom(QStringLiteral("二"));
    insert(5, QStringLiteral("A"), QStringLiteral("b"));
    insert(5, QStringLiteral("B"), QStringLiteral("c"));
    table.setClickedRow(3);
    prompter.answer = Prompter::Cancel;
    EXPECT_FALSE(operations.deleteRow());
    EXPECT_EQ(estimate.rowCount(), 5);
    prompter.answer = Prompter::Yes;
    table.setClickedRow(3);
    ASSERT_TRUE(operations.deleteRow());
    EXPECT_EQ(tableRows(), QStringList({"[二]", "A:b:1", "B:c:1"}));
    EXPECT_EQ(prompter.asked, QList<int>({Prompter::AskDeleteRow, Prompter::AskDeleteRow}));
    EXPECT_EQ(estimate.totals().projectTotal, 52.0f);
    EXPECT_EQ(estimate.roomNames(), QStringList({QStringLiteral("二")}));
    EXPECT_EQ(bill.text(6, 1), QStringLiteral("二"));
    EXPECT_EQ(grid.text(0, 13), QStringLiteral("总价：52.00元"));
}

TEST_F(ItemOperationsTest, SaveToCategoryRenamesCustomAndPlacesOrReplaces)
{
    library.items = {makeItem("A", "a-first"), makeItem("A", "same"), makeItem("B", "b-first")};
    table.addRoom(QStringLiteral("R"));
    ConstructItem custom = makeItem("Q", "自定义");
    ASSERT_TRUE(table.insertItem(3, custom));
    ASSERT_TRUE(table.insertItem(3, makeItem("Q", "same", 99.0f)));
    EXPECT_EQ(operations.categoryMenu(), QStringList({"A类", "B类"}));

    grid.setActiveCell(4, 2);
    ASSERT_TRUE(operations.saveToCategory(1));
    EXPECT_EQ(library.items.at(3).itemName, QStringLiteral("自定义_新"));
    EXPECT_EQ(library.items.at(3).categoryKind, QStringLiteral("B"));

    grid.setActiveCell(5, 2);
    ASSERT_TRUE(operations.saveToCategory(0));
    EXPECT_EQ(library.items.size(), 4);
    EXPECT_EQ(library.items.at(1).brand.material, 99.0f);

    library.editable = false;
    EXPECT_FALSE(operations.saveToCategory(0));
    EXPECT_EQ(prompter.notified, QList<int>{Prompter::NoTemplateRights});
    EXPECT_FALSE(document.modified && false);
}

// A list built earlier must not keep showing the materials of items that were added,
// removed or reordered since.
TEST_F(ItemOperationsTest, ChangesOfTheItemsMarkTheResourceListsStale)
{
    struct Case {
        const char *name;
        std::function<bool()> change;
    };
    const Case cases[] = {
        {"insert", [&] { return table.insertItem(4, makeItem("A", "new")); }},
        {"copy",
         [&] {
             grid.setActiveCell(4, 2);
             return operations.copyToOtherRooms();
         }},
        {"move",
         [&] {
             grid.setActiveCell(6, 1);
             return table.onTableClick(true).action == TableClick::Action::MoveMenu &&
                    operations.moveGroup(1);
         }},
        {"delete",
         [&] {
             table.setClickedRow(4);
             return operations.deleteRow();
         }},
    };
    for (const Case &c : cases) {
        table.clear();
        table.addRoom(QStringLiteral("R"));
        table.addRoom(QStringLiteral("S"));
        insert(3, QStringLiteral("A"), QStringLiteral("a"));
        insert(3, QStringLiteral("A"), QStringLiteral("a2"));
        insert(3, QStringLiteral("B"), QStringLiteral("b"));
        shared.materialListStale = false;
        shared.machineListStale = false;
        ASSERT_TRUE(c.change()) << c.name;
        EXPECT_TRUE(shared.materialListStale) << c.name;
        EXPECT_TRUE(shared.machineListStale) << c.name;
    }
}

TEST_F(ItemOperationsTest, RepriceAfterResourceEditKeepsSumsAndMarksModified)
{
    table.addRoom(QStringLiteral("R"));
    insert(3, QStringLiteral("A"), QStringLiteral("a"));
    document.modified = false;
    ConstructItem edited = estimate.rows().at(1).item;
    edited.itemName = QStringLiteral("b");
    edited.brand.material = 20.0f;
    table.setClickedRow(4);
    ASSERT_TRUE(operations.repriceAfterResourceEdit(edited));
    EXPECT_EQ(grid.text(4, 3), QStringLiteral("b"));
    EXPECT_EQ(bill.text(7, 17), QStringLiteral("¥46.00"));
    EXPECT_EQ(grid.text(3, 4), QStringLiteral("结算：¥46.00 "));
    EXPECT_TRUE(shared.materialListStale);
    EXPECT_TRUE(document.modified);
}

} // namespace
