#include "app/projectfilereader.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray goldenBytes()
{
    QFile f(QStringLiteral(PLOTWRIGHT_TEST_DATA "/golden_small.gzj"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every case must come back; the counts show the reader kept its footing.
struct MalformedCase {
    const char *name;
    QByteArray bytes;
    qsizetype rooms;
};

TEST(ProjectFileMalformed, EveryInputEndsInAResult)
{
    const MalformedCase cases[] = {
        {"empty", "", 0},
        {"only a mark", "\xEF\xBB\xBF", 0},
        {"room without close", "<room name=\"a\"><construction name=\"x\"><mt name=\"m\" />", 1},
        {"second room without close", "<room></room><room name=\"b\"", 2},
        {"door without >", "<room><door doorName=\"d\" long=\"1\"", 1},
        {"window without >", "<room><window", 1},
        {"mt without />", "<room><construction><mt name=\"m\" classify=\"机械\"", 1},
        {"construction without close", "<room><construction name=\"a\"><construction name=\"b\"></room>", 1},
        {"rate without />", "<rate Profit=\"5\" Loss=\"3\"", 0},
        {"head key at the end", "<name>", 0},
        {"head key without <", "<name> abc <address", 0},
        {"tags only", "<room<door<window<construction<mt/>/>", 1},
        {"quote at the end", "<room name=\"", 1},
        {"unpaired surrogates and junk", QByteArray("\xED\xA0\x80\xFF\xFE\x00\x01<room\x00>", 13), 1},
        {"nested rooms", "<room name=\"a\"><room name=\"b\"></room></room>", 1},
        {"huge numbers", "<room checkType=\"1e40\" long=\"-1e400\"><door long=\"nan\" /></room>", 1},
    };
    for (const MalformedCase &c : cases) {
        const ProjectDocument doc = ParseProjectBytes(c.bytes);
        EXPECT_EQ(doc.rooms.size(), c.rooms) << c.name;
    }
}

TEST(ProjectFileMalformed, OpeningsWithoutEndAreReadOnce)
{
    const ProjectDocument doc = ParseProjectBytes("<room><door doorName=\"d\" long=\"1.5\" width=\"2");
    ASSERT_EQ(doc.rooms.size(), 1);
    ASSERT_EQ(doc.rooms[0].room.doors.size(), 1);
    EXPECT_EQ(doc.rooms[0].room.doors[0].long_, 1.5f);
}

TEST(ProjectFileMalformed, MtLineWithoutEndRunsToTheEnd)
{
    const ProjectDocument doc = ParseProjectBytes("<room><construction name=\"a\"><mt name=\"m\" num=\"2\"");
    ASSERT_EQ(doc.rooms.value(0).items.size(), 1);
    const BrandData &b = doc.rooms[0].items[0].brand;
    ASSERT_EQ(b.materials.size(), 1);
    EXPECT_EQ(b.materials[0].num, 2.0f);
}

TEST(ProjectFileMalformed, WholeNumberOutOfRangeIsClamped)
{
    const ProjectDocument doc =
        ParseProjectBytes("<room checkType=\"1e40\"></room><room checkType=\"-3.9\"></room>");
    ASSERT_EQ(doc.rooms.size(), 2);
    EXPECT_EQ(doc.rooms[0].room.checkType, 2147483647);
    EXPECT_EQ(doc.rooms[1].room.checkType, -3);
}

TEST(ProjectFileMalformed, HeadWithoutTagsGivesLabels)
{
    const ProjectDocument doc = ParseProjectBytes("<root><Item></Item></root>");
    for (int i = 0; i < ProjectInfo::FieldCount; ++i)
        EXPECT_EQ(doc.info.field(i), ProjectInfo::fieldLabel(i)) << i;
}

// A file cut short anywhere reads as far as it goes and never reads more
// rooms, doors or items than the whole file holds.
TEST(ProjectFileMalformed, EveryTruncationOfAFileReads)
{
    const QByteArray whole = goldenBytes();
    ASSERT_FALSE(whole.isEmpty());
    const ProjectDocument full = ParseProjectBytes(whole);
    for (qsizetype n = 0; n <= whole.size(); ++n) {
        const ProjectDocument part = ParseProjectBytes(whole.first(n));
        ASSERT_LE(part.rooms.size(), full.rooms.size()) << n;
        for (qsizetype r = 0; r < part.rooms.size(); ++r) {
            ASSERT_LE(part.rooms[r].items.size(), full.rooms[r].items.size()) << n;
            ASSERT_LE(part.rooms[r].room.doors.size(), full.rooms[r].room.doors.size()) << n;
        }
    }
    EXPECT_EQ(ParseProjectBytes(whole.first(whole.size() - 1)).rooms, full.rooms);
}

} // namespace
