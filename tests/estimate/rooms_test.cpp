#include "tablefixture.h"

#include <QFile>

namespace {

using RoomsTest = TableFixture;

TEST(RoomNameTest, TypedNames)
{
    const struct {
        const char *typed;
        const char *name;
    } cases[] = {{"  客厅 ", "客厅 "}, {"   ", "新项目"}, {"", "新项目"}, {"主卧", "主卧"}};
    for (const auto &c : cases)
        EXPECT_EQ(BudgetTable::roomNameFromInput(QString::fromUtf8(c.typed)), QString::fromUtf8(c.name))
            << c.typed;
}

TEST_F(RoomsTest, CreatedRoomGetsRowLookNamesAndPicture)
{
    prompter.names = {QStringLiteral("  客厅 ")};
    ASSERT_TRUE(table.createRoom());
    EXPECT_EQ(estimate.rows().at(0).room.name, QStringLiteral("客厅 "));
    EXPECT_EQ(estimate.roomNames(), QStringList({QStringLiteral("客厅 ")}));
    EXPECT_EQ(shared.lastRoomName, QStringLiteral("客厅 "));
    EXPECT_EQ(grid.text(3, 4), QStringLiteral("结算：¥0.00  "));
    EXPECT_EQ(bill.text(6, 4), QStringLiteral("结算：¥0.00 "));
    EXPECT_EQ(bill.text(6, 1), QStringLiteral("客厅 "));
    // The name shows as text; its picture is made and listed all the same.
    EXPECT_EQ(grid.text(3, 1), QStringLiteral("客厅 "));
    EXPECT_TRUE(grid.imageKey(3, 1).isEmpty());
    EXPECT_TRUE(grid.hasImage(QStringLiteral("客厅 ")));
    EXPECT_EQ(grid.imageKey(3, 18), QStringLiteral("del_Dark"));
    EXPECT_EQ(grid.mergedRangeAt(3, 2), GridRange({3, 1, 3, 3}));
    EXPECT_EQ(grid.activeRow(), 3);
    EXPECT_TRUE(QFile::exists(dir.path() + QStringLiteral("/Room0.bmp")));
}

TEST_F(RoomsTest, SkippingThePromptAddsNothing)
{
    prompter.names = {FakePrompter::Skip};
    EXPECT_FALSE(table.createRoom());
    EXPECT_EQ(estimate.rowCount(), 0);
}

TEST_F(RoomsTest, SameNameSharesAPictureAndRenameDrawsTheNextOne)
{
    table.addRoom(QStringLiteral("主卧"));
    table.addRoom(QStringLiteral("主卧"));
    EXPECT_EQ(pictures.pictureCounter(), 1);
    prompter.names = {QStringLiteral("次卧")};
    ASSERT_TRUE(table.renameRoom(4));
    EXPECT_EQ(pictures.pictureCounter(), 2);
    EXPECT_EQ(pictures.pathOf(QStringLiteral("次卧")), dir.path() + QStringLiteral("/Room1.bmp"));
    EXPECT_EQ(grid.text(4, 1), QStringLiteral("次卧"));
    EXPECT_TRUE(grid.hasImage(QStringLiteral("次卧")));
    EXPECT_EQ(bill.text(7, 1), QStringLiteral("次卧"));
    EXPECT_EQ(estimate.roomNames(), QStringList({QStringLiteral("主卧"), QStringLiteral("次卧")}));
    EXPECT_EQ(shared.selectedRoomIndex, 1);
}

TEST_F(RoomsTest, RenameToTheSameNameChangesNothing)
{
    table.addRoom(QStringLiteral("主卧"));
    prompter.names = {QStringLiteral(" 主卧")};
    EXPECT_FALSE(table.renameRoom(3));
    EXPECT_EQ(pictures.pictureCounter(), 1);
    EXPECT_EQ(shared.selectedRoomIndex, -1);
}

TEST_F(RoomsTest, MissingBackgroundLeavesTheRoomWithoutPicture)
{
    RoomPictures none(dir.path(), dir.path() + QStringLiteral("/absent.bmp"));
    Grid otherTable;
    Grid otherBill(8, 18);
    EstimateDocument otherDocument;
    const Estimate &other = otherDocument.estimate();
    BudgetTable bare({otherDocument, otherTable, otherBill, rates, shared, none, prompter});
    bare.setUpGrid(QStringLiteral(PLOTWRIGHT_SOURCE_DIR "/resources"));
    bare.addRoom(QStringLiteral("客厅"));
    EXPECT_TRUE(otherTable.imageKey(3, 1).isEmpty());
    EXPECT_FALSE(otherTable.hasImage(QStringLiteral("客厅")));
    EXPECT_EQ(otherTable.text(3, 1), QStringLiteral("客厅"));
    EXPECT_EQ(other.rows().at(0).room.name, QStringLiteral("客厅"));
}

TEST_F(RoomsTest, SelectRoomByOrdinal)
{
    table.addRoom(QStringLiteral("一"));
    insert(3, QStringLiteral("A"), QStringLiteral("a"));
    table.addRoom(QStringLiteral("二"));
    grid.setActiveCell(4, 5);
    table.selectRoom(1);
    EXPECT_EQ(grid.activeRow(), 5);
    table.selectRoom(7);
    EXPECT_EQ(grid.activeRow(), 5);
}

} // namespace
