#include "projectsamples.h"

#include "app/projectfileencoding.h"
#include "app/projectfilereader.h"
#include "app/projectfilewriter.h"
#include "estimate/finitenumbers.h"

#include <QFile>

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <string>

namespace {

QString u(const char16_t *s)
{
    return QString::fromUtf16(s);
}

ProjectDocument roundTrip(const ProjectSample &s)
{
    return ParseProjectBytes(ComposeProjectFile(s.info, s.rates, s.page, s.rows));
}

// What the golden sample reads back as: the item ahead of the first room is
// lost, numbers keep the decimals written, "机械" lines join the machines.
QList<ProjectRoom> expectedGoldenRooms()
{
    ProjectRoom living;
    living.room = {u(u"客厅"), 3.46f, 2.5f, 2.8f, {}, {}, 1};
    living.room.doors = {Opening{0.9f, 2.1f, u(u"大门")}, Opening{0.8f, 2.0f, QString()}};
    living.room.windows = {Opening{1.5f, 1.2f, u(u"南窗")}};
    ConstructItem lawn;
    lawn.itemName = u(u"铺草坪");
    lawn.itemDesc = u(u"含 "); // a quote inside a value ends it
    lawn.categoryKind = u(u"1");
    // A percent text reads as its float divided by 100, not as the nearest float to the fraction.
    lawn.brand = BrandData{u(u"m2"), 12.5f,
                           0.05f,    3.45f / 100.0f,
                           8.25f,    0.2f / 100.0f,
                           1.5f,     0.28f / 100.0f,
                           20.0f,    0.1f,
                           3.333f,   0.125f,
                           {},       {}};
    MtLine turf{u(u"0"),    u(u"草皮"), u(u"材料"),   u(u"C01"), u(u"m2"),
                12.345678f, 1.05f,      u(u"马尼拉"), u(u"M1")};
    MtLine sand{u(u"0"), u(u"沙"), u(u"机械"), u(u"C02"), u(u"t"), 80.0f, 0.1f, QString(), u(u"M2")};
    MtLine roller{u(u"1"), u(u"压路机"), u(u"机械"), u(u"K01"), u(u"台班"),
                  350.5f,  0.002f,       QString(),  u(u"J1")};
    lawn.brand.materials = {turf};
    lawn.brand.machines = {sand, roller};
    ConstructItem tree;
    tree.itemName = u(u"种树");
    tree.categoryKind = u(u"2");
    tree.brand.unit = u(u"株");
    tree.brand.num = 3.0f;
    living.items = {lawn, tree};

    ProjectRoom yard;
    yard.room = {u(u"后院"), 40.0f, 26.0f, 0.0f, {}, {}, 0};
    ConstructItem fence;
    fence.itemName = u(u"围栏");
    fence.itemDesc = u(u"木质");
    fence.categoryKind = u(u"4");
    fence.brand.unit = u(u"m");
    fence.brand.num = -2.5f;
    fence.brand.loss = 1.0f;
    yard.items = {fence};
    return {living, yard};
}

TEST(ProjectFileReader, GoldenFileReadsIntoRecords)
{
    QFile f(QStringLiteral(PLOTWRIGHT_TEST_DATA "/golden_small.gzj"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const ProjectDocument doc = ParseProjectBytes(f.readAll());

    ProjectInfo info;
    const char16_t *values[] = {u"花园一期", u"北京市朝阳区", u"客户姓名", u"项目类型",  u"120.5",
                                u"A-1",      u"张三",         u"联系电话", u"2024-05-01"};
    for (int i = 0; i < ProjectInfo::FieldCount; ++i)
        info.field(i) = u(values[i]);
    EXPECT_EQ(doc.info, info);
    ASSERT_TRUE(doc.rates.has_value());
    EXPECT_EQ(*doc.rates, (ProjectRateTexts{u(u"5"), u(u"0"), u(u"7")}));
    const QList<ProjectRoom> expected = expectedGoldenRooms();
    ASSERT_EQ(doc.rooms.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(doc.rooms[i].room, expected[i].room) << i;
        ASSERT_EQ(doc.rooms[i].items.size(), expected[i].items.size()) << i;
        for (qsizetype k = 0; k < expected[i].items.size(); ++k)
            EXPECT_EQ(doc.rooms[i].items[k], expected[i].items[k]) << i << ' ' << k;
    }
}

TEST(ProjectFileReader, WrittenEstimateReadsBackAndWritesTheSameFile)
{
    ProjectSample s = goldenSample();
    s.rows.removeFirst();                        // items ahead of a room are not read back
    s.rows[1].item.itemDesc = u(u"含找平");      // nor are quotes inside values
    s.rows[1].item.brand.materials.removeLast(); // a "机械" line moves lists
    s.rows[1].item.brand.materialprofit = 0.25f;
    s.rows[1].item.brand.machineprofit = 0.5f;
    s.rows[1].item.brand.tax = 0.07f;
    s.rows[0].room.long_ = 3.5f;
    s.rows[0].room.doors[1].name = u(u"侧门");
    s.rows.removeLast();
    const ProjectDocument doc = roundTrip(s);

    ProjectSample again = s;
    again.rows.clear();
    for (const ProjectRoom &r : doc.rooms) {
        EstimateRow room;
        room.kind = u(u"room");
        room.room = r.room;
        again.rows.append(room);
        for (const ConstructItem &item : r.items) {
            EstimateRow row;
            row.kind = u(u"construct");
            row.item = item;
            again.rows.append(row);
        }
    }
    ASSERT_EQ(again.rows.size(), s.rows.size());
    for (qsizetype i = 0; i < s.rows.size(); ++i) {
        EXPECT_EQ(again.rows[i].room, s.rows[i].room) << i;
        EXPECT_EQ(again.rows[i].item.brand, s.rows[i].item.brand) << i;
        EXPECT_EQ(again.rows[i].item.itemName, s.rows[i].item.itemName) << i;
    }
    EXPECT_EQ(ComposeProjectFile(s.info, s.rates, s.page, again.rows),
              ComposeProjectFile(s.info, s.rates, s.page, s.rows));
}

TEST(ProjectFileReader, EmptyTableReadsBackWithoutRooms)
{
    const ProjectDocument doc = roundTrip(ProjectSample{});
    EXPECT_TRUE(doc.rooms.isEmpty());
    EXPECT_EQ(doc.info.name, u(u"新工程"));
    EXPECT_EQ(doc.info.address, u(u"项目地址"));
}

TEST(ProjectFileReader, HeadValuesReadBackCleaned)
{
    ProjectSample s;
    s.info.name = u(u"两 个词");
    s.info.customer = u(u"  ");
    const ProjectDocument doc = roundTrip(s);
    EXPECT_EQ(doc.info.name, u(u"两个词"));
    EXPECT_EQ(doc.info.customer, u(u"客户姓名"));
}

TEST(ProjectFileReader, HeadValueEndsAtAngleBracket)
{
    const ProjectInfo info = ParseProjectHead(u"<name> a<b </name><address> x </address>");
    EXPECT_EQ(info.name, u(u"a"));
    EXPECT_EQ(info.address, u(u"x"));
}

TEST(ProjectFileReader, RoomLengthKeepsTwoDecimals)
{
    ProjectSample s;
    s.rows = {roomRow(u(u"r"), 3.456f, 0.004f, 9.999f, 1)};
    const ProjectDocument doc = roundTrip(s);
    ASSERT_EQ(doc.rooms.size(), 1);
    EXPECT_EQ(doc.rooms[0].room.long_, 3.46f);
    EXPECT_EQ(doc.rooms[0].room.width, 0.0f);
    EXPECT_EQ(doc.rooms[0].room.height, 10.0f);
}

TEST(ProjectFileReader, UnnamedOpeningsAreNumberedPerList)
{
    const QList<ProjectRoom> rooms =
        ParseProjectItems(u"<room name=\"r\"><door long=\"1\" width=\"2\" /><door long=\"3\" width=\"4\" />"
                          u"<window long=\"5\" width=\"6\" /><window long=\"7\" width=\"8\" /></room>"
                          u"<room name=\"s\"><door long=\"1\" width=\"1\" /></room>");
    ASSERT_EQ(rooms.size(), 2);
    const RoomData &r = rooms[0].room;
    EXPECT_EQ(r.doors, (QList<Opening>{{1.0f, 2.0f, u(u"门1")}, {3.0f, 4.0f, u(u"门2")}}));
    EXPECT_EQ(r.windows, (QList<Opening>{{5.0f, 6.0f, u(u"窗1")}, {7.0f, 8.0f, u(u"窗2")}}));
    EXPECT_EQ(rooms[1].room.doors.value(0).name, u(u"门1"));
}

TEST(ProjectFileReader, UnnamedDoorTakesNameOfALaterDoor)
{
    const QList<ProjectRoom> rooms = ParseProjectItems(
        u"<room><door long=\"1\" /><door doorName=\"后门\" long=\"2\" /><door long=\"3\" /></room>");
    ASSERT_EQ(rooms.size(), 1);
    const QList<Opening> &d = rooms[0].room.doors;
    ASSERT_EQ(d.size(), 3);
    EXPECT_EQ(d[0].name, u(u"后门"));
    EXPECT_EQ(d[1].name, u(u"后门"));
    EXPECT_EQ(d[2].name, u(u"门1"));
}

struct NumberCase {
    const char16_t *value;
    float expected;
};

TEST(ProjectFileReader, NumbersReadAsWrittenWithPercentAsFraction)
{
    const NumberCase cases[] = {
        {u"loss=\"5.00%\"", 0.05f}, {u"loss=\"12.5\"", 12.5f}, {u"loss=\"\"", 0.0f},      {u"", 0.0f},
        {u"loss=\"abc\"", 0.0f},    {u"loss=\"-3%\"", -0.03f}, {u"loss=\"1e2\"", 100.0f},
    };
    for (const NumberCase &c : cases) {
        const QString text = u(u"<room><construction ") + u(c.value) + u(u"></construction></room>");
        const QList<ProjectRoom> rooms = ParseProjectItems(text);
        ASSERT_EQ(rooms.size(), 1);
        ASSERT_EQ(rooms[0].items.size(), 1);
        EXPECT_EQ(rooms[0].items[0].brand.loss, c.expected) << text.toStdString();
    }
}

TEST(ProjectFileReader, MachineClassifyWinsOverKind)
{
    const QList<ProjectRoom> rooms = ParseProjectItems(
        u"<room><construction name=\"a\"><mt kind=\"0\" classify=\"机械\" name=\"x\" /><mt kind=\"1\" "
        u"classify=\"材料\" name=\"y\" /><mt kind=\"0\" classify=\"机械 \" name=\"z\" "
        u"/></construction></room>");
    ASSERT_EQ(rooms.value(0).items.size(), 1);
    const BrandData &b = rooms[0].items[0].brand;
    ASSERT_EQ(b.machines.size(), 1);
    EXPECT_EQ(b.machines[0].name, u(u"x"));
    EXPECT_EQ(b.machines[0].kind, u(u"0"));
    ASSERT_EQ(b.materials.size(), 2);
    EXPECT_EQ(b.materials[0].kind, u(u"1"));
    EXPECT_EQ(b.materials[1].name, u(u"z"));
}

TEST(ProjectFileReader, ItemLackingAnAttributeTakesTheNextItemsValue)
{
    const QList<ProjectRoom> rooms =
        ParseProjectItems(u"<room name=\"r\"><construction name=\"a\"><brand num=\"1\" /></construction>"
                          u"<construction name=\"b\"><brand num=\"2\" unit=\"m\" tax=\"5%\" /></construction>"
                          u"<construction name=\"c\"><brand num=\"3\" /></construction></room>"
                          u"<room><construction name=\"d\"><brand unit=\"株\" /></construction></room>");
    ASSERT_EQ(rooms.size(), 2);
    const QList<ConstructItem> &items = rooms[0].items;
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0].brand.unit, u(u"m"));
    EXPECT_EQ(items[0].brand.tax, 0.05f);
    EXPECT_EQ(items[1].brand.unit, u(u"m"));
    EXPECT_EQ(items[2].brand.unit, QString()); // the search stops at the room's end
    EXPECT_EQ(items[2].brand.tax, 0.0f);
    EXPECT_EQ(items[2].itemDesc, QString());
    EXPECT_EQ(items[0].brand.num, 1.0f);
}

TEST(ProjectFileReader, MtLinesBelongOnlyToTheirItem)
{
    const QList<ProjectRoom> rooms =
        ParseProjectItems(u"<room><construction name=\"a\"></construction>"
                          u"<construction name=\"b\"><mt name=\"x\" /></construction></room>");
    ASSERT_EQ(rooms.value(0).items.size(), 2);
    EXPECT_TRUE(rooms[0].items[0].brand.materials.isEmpty());
    EXPECT_EQ(rooms[0].items[1].brand.materials.size(), 1);
}

// Items whose mt lines read alike share one copy of their lists; any difference in the
// lines' text, or a line that only one of them has, gives each its own.
TEST(ProjectFileReader, ItemsWithTheSameMtLinesShareTheirLists)
{
    const char16_t *line = u"<mt name=\"草皮\" classify=\"材料\" price=\"12.5\" num=\"1\" />"
                           u"<mt name=\"压路机\" classify=\"机械\" price=\"350\" num=\"0.1\" />";
    struct Case {
        const char16_t *second;
        bool shared;
    };
    const Case cases[] = {
        {line, true},
        {u"<mt name=\"草皮\" classify=\"材料\" price=\"12.5\" num=\"2\" />"
         u"<mt name=\"压路机\" classify=\"机械\" price=\"350\" num=\"0.1\" />",
         false},
        {u"<mt name=\"草皮\" classify=\"材料\" price=\"12.5\" num=\"1\" />", false},
        {u"<mt name=\"草皮\" classify=\"材料\" price=\"12.5\" num=\"1\" />"
         u"<mt name=\"压路机\" classify=\"机械\" price=\"350\" num=\"0.1\" /><mt name=\"x\" />",
         false},
    };
    for (const Case &c : cases) {
        for (const char16_t *between : {u"", u"</room><room name=\"b\">"}) {
            const QString text = u(u"<room name=\"a\"><construction name=\"p\"><brand num=\"1\">") + u(line) +
                                 u(u"</brand></construction>") + u(between) +
                                 u(u"<construction name=\"q\"><brand num=\"2\">") + u(c.second) +
                                 u(u"</brand></construction></room>");
            SCOPED_TRACE(text.toStdString());
            const QList<ProjectRoom> rooms = ParseProjectItems(text);
            QList<ConstructItem> items;
            for (const ProjectRoom &room : rooms)
                items += room.items;
            ASSERT_EQ(items.size(), 2);
            const BrandData &p = items[0].brand;
            const BrandData &q = items[1].brand;
            ASSERT_EQ(p.materials.size(), 1);
            ASSERT_EQ(p.machines.size(), 1);
            EXPECT_EQ(p.materials[0].price, 12.5f);
            EXPECT_EQ(p.machines[0].name, u(u"压路机"));
            EXPECT_EQ(q.num, 2.0f);
            EXPECT_EQ(p.materials.isSharedWith(q.materials), c.shared);
            EXPECT_EQ(p.machines.isSharedWith(q.machines), c.shared);
            EXPECT_EQ(p.materials == q.materials && p.machines == q.machines, c.shared);
            // Each item still reads as it would alone.
            const QString alone = u(u"<room><construction><brand>") + u(c.second) + u(u"</brand></construction></room>");
            const BrandData single = ParseProjectItems(alone).value(0).items.value(0).brand;
            EXPECT_EQ(q.materials, single.materials);
            EXPECT_EQ(q.machines, single.machines);
        }
    }
}

// Clearing numbers that no float holds must not reach an item that shares the lists, and
// an item with nothing to clear keeps sharing them.
TEST(ProjectFileReader, ClearingOneItemsNumbersLeavesItsSharersAlone)
{
    BrandData broken;
    broken.materials = {MtLine{u(u"0"), u(u"沙"), u(u"材料"), {}, u(u"t"), std::numeric_limits<float>::infinity(), 1.0f, {}, {}}};
    broken.machines = {MtLine{u(u"1"), u(u"机"), u(u"机械"), {}, {}, 5.0f, 0.1f, {}, {}}};
    BrandData sharer = broken;
    EXPECT_EQ(FiniteNumbers::clear(broken), 1);
    EXPECT_EQ(broken.materials[0].price, 0.0f);
    EXPECT_EQ(sharer.materials[0].price, std::numeric_limits<float>::infinity());
    EXPECT_TRUE(broken.machines.isSharedWith(sharer.machines));
    BrandData sound = sharer;
    sound.materials[0].price = 3.0f;
    const BrandData soundSharer = sound;
    EXPECT_EQ(FiniteNumbers::clear(sound), 0);
    EXPECT_TRUE(sound.materials.isSharedWith(soundSharer.materials));
}

TEST(ProjectFileReader, RateTextsOnlyWhenTheFileHasARateElement)
{
    EXPECT_FALSE(ParseProjectRates(u"<root><Item><room></room></Item></root>").has_value());
    const auto rates = ParseProjectRates(u"<rate Profit=\"5\"  Loss=\"\" Tax=\"7\"/><x Loss=\"9\"/>");
    ASSERT_TRUE(rates.has_value());
    EXPECT_EQ(*rates, (ProjectRateTexts{u(u"5"), QString(), u(u"7")}));

    RateSettings settings;
    settings.lossEnabled = true;
    rates->applyTo(settings);
    EXPECT_EQ(settings.mainProfit, u(u"5"));
    EXPECT_TRUE(settings.lossEnabled);
    EXPECT_FALSE(settings.profitEnabled);
}

TEST(ProjectFileReader, ItemBeforeTheFirstRoomIsNotRead)
{
    ProjectSample s;
    s.rows = {itemRow(u(u"a"), QString(), u(u"1"), 1.0f), roomRow(u(u"r"), 1.0f, 1.0f, 1.0f, 1)};
    const ProjectDocument doc = roundTrip(s);
    ASSERT_EQ(doc.rooms.size(), 1);
    EXPECT_TRUE(doc.rooms[0].items.isEmpty());
}

TEST(ProjectFileReader, DecodingSkipsMarkAndJoinsLineEnds)
{
    EXPECT_EQ(ProjectFileEncoding::decode("\xEF\xBB\xBF"
                                          "a\r\nb\rc\n"),
              u(u"a\nb\rc\n"));
    EXPECT_EQ(ProjectFileEncoding::decode("a\r\n"), u(u"a\n"));
    EXPECT_EQ(ProjectFileEncoding::encode(u"a\nb"), QByteArray("\xEF\xBB\xBF"
                                                               "a\r\nb"));
}

// Numbers are written and read with a point whatever the user's locale.
TEST(ProjectFileReader, LocaleWithDecimalCommaChangesNothing)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "the de_DE.UTF-8 locale must be installed";
    const ProjectSample s = goldenSample();
    const QByteArray bytes = ComposeProjectFile(s.info, s.rates, s.page, s.rows);
    const ProjectDocument doc = ParseProjectBytes(bytes);
    std::setlocale(LC_ALL, previous.c_str());

    QFile f(QStringLiteral(PLOTWRIGHT_TEST_DATA "/golden_small.gzj"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(bytes, f.readAll());
    ASSERT_EQ(doc.rooms.size(), 2);
    EXPECT_EQ(doc.rooms[0].room.long_, 3.46f);
    EXPECT_EQ(doc.rooms[0].items.value(0).brand.loss, 0.05f);
}

} // namespace
