// Hostile project files and texts: each either reads back equal or is refused
// with the message a user sees; numbers no float holds read as 0 with a notice.
#include "projectsamples.h"

#include "app/projectfilereader.h"
#include "app/projectfilewriter.h"
#include "estimate/filetextrule.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

QByteArray roomWithItem(const QByteArray &brandAttributes, const QByteArray &roomAttributes = "long=\"3.00\"")
{
    return "<root>\n<Item>\n<room name=\"a\" " + roomAttributes +
           ">\n<construction name=\"x\" desc=\"\" kind=\"k\">\n<brand unit=\"m\" " + brandAttributes +
           ">\n<mt kind=\"0\" id=\"\" name=\"sand\" classify=\"\" code=\"\" unit=\"\" price=\"2.000000\" "
           "num=\"1.000000\" desc=\"\" />\n</brand>\n</construction>\n</room>\n</Item>\n</root>";
}

struct HostileFile {
    const char *what;
    QByteArray bytes;
    bool loaded;
    const char *text; // the refusal, or the notice after loading
};

TEST(ProjectHostileFiles, AreRefusedOrReadWithANotice)
{
    const HostileFile cases[] = {
        {"quantity beyond float", roomWithItem("num=\"1e39\""), true,
         "文件中有 1 个数值超出范围，已按 0 读入。"},
        {"negative length beyond float", roomWithItem("num=\"2\"", "long=\"-1e40\""), true,
         "文件中有 1 个数值超出范围，已按 0 读入。"},
        {"rate whose percentage overflows", roomWithItem("num=\"2\" loss=\"1e37\""), true,
         "文件中有 1 个数值超出范围，已按 0 读入。"},
        {"three of them", roomWithItem("num=\"1e39\" tax=\"1e39%\" material=\"-1e39\""), true,
         "文件中有 3 个数值超出范围，已按 0 读入。"},
        {"quantity times price beyond float", roomWithItem("num=\"3e38\" material=\"10\""), true,
         "文件中有 1 个数值超出范围，已按 0 读入。"},
        {"price with its profit beyond float",
         roomWithItem("num=\"2\" material=\"3e38\" materialprofit=\"1\""), true,
         "文件中有 3 个数值超出范围，已按 0 读入。"},
        {"line amount beyond float",
         roomWithItem("num=\"3e37\" laborcost=\"1\"").replace("price=\"2.000000\"", "price=\"3e37\""), true,
         "文件中有 1 个数值超出范围，已按 0 读入。"},
        {"plain file", roomWithItem("num=\"2\""), true, ""},
        {"millions of empty lines", "<room>" + QByteArray("<mt/>").repeated(1 << 20) + "</room>", false,
         "文件过大或已损坏"},
        {"millions of empty rooms", QByteArray("<room/></room>").repeated(400000), false, "文件过大或已损坏"},
        {"empty items", "<room>" + QByteArray("<construction></construction>").repeated(200000) + "</room>",
         false, "文件过大或已损坏"},
    };
    for (const HostileFile &c : cases) {
        const ProjectLoadResult read = ReadProjectBytes(c.bytes);
        EXPECT_EQ(read.status == ProjectLoadStatus::Loaded, c.loaded) << c.what;
        EXPECT_EQ(c.loaded ? read.noticeText : read.errorText, QString::fromUtf8(c.text)) << c.what;
        if (!c.loaded) {
            EXPECT_TRUE(read.document.rooms.isEmpty()) << c.what;
        }
    }
}

TEST(ProjectHostileFiles, NumbersBeyondFloatReadAsZeroAndNeverWriteInf)
{
    const ProjectLoadResult read = ReadProjectBytes(roomWithItem("num=\"1e39\" laborcost=\"5\""));
    ASSERT_EQ(read.status, ProjectLoadStatus::Loaded);
    ASSERT_EQ(read.document.rooms.size(), 1);
    const ConstructItem &item = read.document.rooms.first().items.first();
    EXPECT_EQ(item.brand.num, 0.0f);
    EXPECT_EQ(item.brand.laborcost, 5.0f);
    QList<EstimateRow> rows = {roomRow(QStringLiteral("a"), 3.0f, 0.0f, 0.0f, 0)};
    EstimateRow row = itemRow(QStringLiteral("x"), {}, QStringLiteral("k"), 0.0f);
    row.item = item;
    rows.append(row);
    const QString text = ComposeProjectText(ProjectInfo{}, RateSettings{}, PageSettings{}, rows);
    EXPECT_FALSE(text.contains(QLatin1String("inf")));
    EXPECT_FALSE(text.contains(QLatin1String("nan")));
}

// Texts the rule lets through come back from the file exactly as typed, in
// every place a text is stored.
TEST(ProjectHostileTexts, AcceptedTextsReadBackEqual)
{
    const char *texts[] = {"a = b", "Brand 品牌", "名称=甲", "x&y;", "50%",
                           "门/窗", "NAME=",      "kind =",  "a\\b"};
    for (const char *raw : texts) {
        const QString t = QString::fromUtf8(raw);
        ASSERT_TRUE(FileTextRule::refusal(t).isEmpty()) << raw;
        EstimateRow room = roomRow(t, 3.0f, 4.0f, 2.8f, 1);
        room.room.doors = {{1.0f, 2.0f, t}};
        room.room.windows = {{1.5f, 1.2f, t}};
        EstimateRow row = itemRow(t, t, t, 2.0f);
        row.item.brand.unit = t;
        MtLine line = mtLine(t, t, t, 2.0f, 3.0f);
        line.code = line.unit = line.desc = line.kind = t;
        row.item.brand.materials = {line};
        ProjectInfo info;
        info.address = t;
        const ProjectDocument back =
            ParseProjectDocument(ComposeProjectText(info, RateSettings{}, PageSettings{}, {room, row}));
        ASSERT_EQ(back.rooms.size(), 1) << raw;
        EXPECT_EQ(back.rooms.first().room.name, t) << raw;
        EXPECT_EQ(back.rooms.first().room.doors.first().name, t) << raw;
        EXPECT_EQ(back.rooms.first().room.windows.first().name, t) << raw;
        ASSERT_EQ(back.rooms.first().items.size(), 1) << raw;
        const ConstructItem &item = back.rooms.first().items.first();
        EXPECT_EQ(item.itemName, t) << raw;
        EXPECT_EQ(item.itemDesc, t) << raw;
        EXPECT_EQ(item.categoryKind, t) << raw;
        EXPECT_EQ(item.brand.unit, t) << raw;
        EXPECT_EQ(item.brand.num, 2.0f) << raw;
        ASSERT_EQ(item.brand.materials.size(), 1) << raw;
        const MtLine &l = item.brand.materials.first();
        EXPECT_EQ(QStringList({l.id, l.name, l.classify, l.code, l.unit, l.desc}), QStringList(6, t)) << raw;
        EXPECT_EQ(l.price, 2.0f) << raw;
        EXPECT_EQ(back.info.address, QString(t).remove(u' ')) << raw;
    }
}

// Each refused text really would come back changed: the rule refuses no more
// than it must for these.
TEST(ProjectHostileTexts, RefusedTextsWouldNotReadBack)
{
    const char *texts[] = {"a num=", "x desc=", "y kind=", "6\"", "tax=", "unit="};
    for (const char *raw : texts) {
        const QString t = QString::fromUtf8(raw);
        EXPECT_FALSE(FileTextRule::refusal(t).isEmpty()) << raw;
        EstimateRow row = itemRow(t, {}, QStringLiteral("k"), 2.0f);
        row.item.itemDesc = t;
        row.item.brand.unit = t;
        row.item.brand.tax = 0.05f;
        const ProjectDocument back = ParseProjectDocument(ComposeProjectText(
            ProjectInfo{}, RateSettings{}, PageSettings{}, {roomRow(QStringLiteral("r"), 1, 1, 1, 1), row}));
        const ConstructItem &item = back.rooms.first().items.first();
        EXPECT_FALSE(item.itemName == t && item.itemDesc == t && item.brand.unit == t &&
                     item.brand.num == 2.0f && item.brand.tax == 0.05f &&
                     item.categoryKind == QLatin1String("k"))
            << raw;
    }
    EXPECT_EQ(FileTextRule::refusal(u"栽植 brand lawn"),
              QStringLiteral("不能含有“brand”（文件读回时会读错）"));
    EXPECT_EQ(FileTextRule::refusal(u"a<b", FileTextRule::Kind::HeadField), QStringLiteral("不能含有“<”"));
    EXPECT_TRUE(FileTextRule::refusal(u"6\" a>b", FileTextRule::Kind::HeadField).isEmpty());
}

} // namespace
