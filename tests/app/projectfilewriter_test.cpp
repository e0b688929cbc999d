#include "projectsamples.h"

#include "app/projectfilewriter.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

QString compose(const ProjectSample &s)
{
    return ComposeProjectText(s.info, s.rates, s.page, s.rows);
}

TEST(ProjectFileWriter, MatchesGoldenFileByteForByte)
{
    const ProjectSample s = goldenSample();
    const QByteArray expected = readBytes(QStringLiteral(PLOTWRIGHT_TEST_DATA "/golden_small.gzj"));
    ASSERT_FALSE(expected.isEmpty());
    const QByteArray actual = ComposeProjectFile(s.info, s.rates, s.page, s.rows);
    EXPECT_EQ(actual.toStdString(), expected.toStdString());
}

TEST(ProjectFileWriter, EmptyTableHasRateAndPageButNoRoom)
{
    ProjectSample s;
    const QString text = compose(s);
    EXPECT_TRUE(text.contains(QStringLiteral("<rate Profit=\"0\" Loss=\"0\" Tax=\"0\"/>")));
    EXPECT_TRUE(text.endsWith(
        QStringLiteral("<pagemarginbottom>19</pagemarginbottom>\n</page>\n   </Item>\n</root>")));
    EXPECT_FALSE(text.contains(QStringLiteral("room")));
}

TEST(ProjectFileWriter, ItemBeforeFirstRoomStandsOutsideAnyRoom)
{
    ProjectSample s;
    s.rows = {itemRow(QStringLiteral("a"), QString(), QStringLiteral("1"), 1.0f),
              roomRow(QStringLiteral("r"), 1.0f, 1.0f, 1.0f, 1)};
    const QString text = compose(s);
    const qsizetype item = text.indexOf(QStringLiteral("<construction"));
    const qsizetype close = text.indexOf(QStringLiteral("</room>"));
    const qsizetype room = text.indexOf(QStringLiteral("<room"));
    EXPECT_LT(item, close);
    EXPECT_LT(close, room);
    EXPECT_EQ(text.count(QStringLiteral("</room>")), 2);
}

struct RateCase {
    bool profit, loss, tax;
    const char16_t *element;
};

TEST(ProjectFileWriter, RateElementFollowsEnableFlags)
{
    const RateCase cases[] = {
        {false, false, false, u"<rate Profit=\"0\" Loss=\"0\" Tax=\"0\"/>"},
        {true, false, false, u"<rate Profit=\"5\"  Loss=\"0\" Tax=\"0\"/>"},
        {false, true, false, u"<rate Profit=\"0\" Loss=\"3\" Tax=\"0\"/>"},
        {false, false, true, u"<rate Profit=\"0\" Loss=\"0\" Tax=\"7\"/>"},
        {true, true, true, u"<rate Profit=\"5\"  Loss=\"3\" Tax=\"7\"/>"},
    };
    for (const RateCase &c : cases) {
        ProjectSample s;
        s.rates = {QStringLiteral("5"),
                   QStringLiteral("9"),
                   QStringLiteral("9"),
                   QStringLiteral("3"),
                   QStringLiteral("7"),
                   c.profit,
                   c.loss,
                   c.tax};
        EXPECT_TRUE(compose(s).contains(QString::fromUtf16(c.element)))
            << QString::fromUtf16(c.element).toStdString();
    }
}

struct HeadCase {
    int field;
    const char16_t *value;
    const char16_t *written;
};

TEST(ProjectFileWriter, HeadValuesAreCleanedBeforeWriting)
{
    const HeadCase cases[] = {
        {0, u"", u"<name> 新工程 </name>"},
        {0, u"项目名称", u"<name> 新工程 </name>"},
        {0, u"   ", u"<name>  </name>"}, // only empty text becomes the default name, before trimming
        {0, u" 两 个 词 ", u"<name> 两个词 </name>"},
        {1, u"项目地址", u"<address>  </address>"},
        {1, u"项目地址 ", u"<address> 项目地址 </address>"},
        {6, u"\t李 四\n", u"<writer> 李四 </writer>"},
        {8, u"编制日期", u"<Date>  </Date>"},
    };
    for (const HeadCase &c : cases) {
        ProjectSample s;
        s.info.field(c.field) = QString::fromUtf16(c.value);
        EXPECT_TRUE(compose(s).contains(QString::fromUtf16(c.written)))
            << QString::fromUtf16(c.written).toStdString();
    }
}

TEST(ProjectFileWriter, ValuesAreWrittenVerbatim)
{
    ProjectSample s;
    s.rows = {roomRow(QStringLiteral("%1 <a & \"b\">"), 1.0f, 1.0f, 1.0f, 1)};
    EXPECT_TRUE(compose(s).contains(QStringLiteral("<room name=\"%1 <a & \"b\">\" long=")));
}

} // namespace
