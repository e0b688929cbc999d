#include "estimate/estimate.h"

#include <gtest/gtest.h>

#include <random>

namespace {

ConstructItem itemOf(const QString &kind, int n)
{
    ConstructItem item;
    item.categoryKind = kind;
    item.itemName = QStringLiteral("项目%1").arg(n);
    item.brand.num = 1.5f + float(n % 7);
    item.brand.material = 3.25f * float(n % 5);
    item.brand.laborcost = 2.0f;
    item.brand.tax = 0.03f;
    return item;
}

// The rooms filled through the placement insertItem uses, and through appendRoomWithItems.
void expectSameFill(const QList<QList<ConstructItem>> &rooms)
{
    RateSettings rates;
    rates.lossEnabled = true;
    rates.loss = QStringLiteral("2%");
    DocumentState oneByOne;
    DocumentState together;
    oneByOne.pendingOperation = together.pendingOperation = PendingOperation::OpenProject;
    Estimate expected;
    Estimate filled;
    for (int r = 0; r < rooms.size(); ++r) {
        RoomData room;
        room.name = QStringLiteral("房间%1").arg(r);
        expected.appendRoom(room);
        for (const ConstructItem &item : rooms.at(r))
            ASSERT_TRUE(expected.insertItem(expected.rowCount() - 1, item, rates, oneByOne).applied);
        filled.appendRoomWithItems(room, rooms.at(r), rates, together);
    }
    ASSERT_EQ(filled.rowCount(), expected.rowCount());
    for (int i = 0; i < expected.rowCount(); ++i)
        ASSERT_EQ(filled.rows().at(i), expected.rows().at(i)) << "row " << i;
    EXPECT_EQ(filled.totals(), expected.totals());
    EXPECT_EQ(together.modified, oneByOne.modified);
    EXPECT_EQ(filled.isIdle(), expected.isIdle());
}

TEST(CategoryRuns, FillsRoomsAsInsertingEachItem)
{
    const QStringList shapes[] = {
        {},
        {QStringLiteral("土方")},
        {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("A"), QStringLiteral("B")},
        // Groups are found regardless of case but walked exactly.
        {QStringLiteral("Ab"), QStringLiteral("ab"), QStringLiteral("AB"), QStringLiteral("ab"),
         QStringLiteral("Ab")},
        {QString(), QStringLiteral("x"), QString(), QStringLiteral("X"), QString()},
    };
    for (const QStringList &kinds : shapes) {
        QList<ConstructItem> items;
        for (int n = 0; n < kinds.size(); ++n)
            items << itemOf(kinds.at(n), n);
        SCOPED_TRACE(kinds.join(u',').toStdString());
        expectSameFill({items, items});
    }
}

TEST(CategoryRuns, RandomRoomsOfFewKindsInMixedCase)
{
    std::mt19937 rng(14);
    const QString kinds[] = {QStringLiteral("a"), QStringLiteral("A"), QStringLiteral("b"),
                             QStringLiteral("B"), QString(),           QStringLiteral("水景"),
                             QStringLiteral("ß")};
    std::uniform_int_distribution<int> pick(0, int(std::size(kinds)) - 1);
    for (int round = 0; round < 60; ++round) {
        QList<QList<ConstructItem>> rooms(1 + round % 3);
        for (QList<ConstructItem> &room : rooms) {
            for (int n = 0; n < round % 25; ++n)
                room << itemOf(kinds[pick(rng)], n);
        }
        SCOPED_TRACE(round);
        expectSameFill(rooms);
    }
}

} // namespace
