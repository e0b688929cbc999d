#include "progress/pacelightlinereader.h"
#include "progress/pacelightprotocol.h"

#include <gtest/gtest.h>

namespace {

using Kind = PacelightMessage::Kind;

TEST(PacelightProtocol, CommandLineNamesTheEndpoint)
{
    const struct {
        const char *text;
        qint64 endpoint;
    } cases[] = {
        {" 4242", 4242},   {"4242", 4242},  {"\t 17 extra", 17}, {" 12abc", 12},
        {" 0", 0},         {"", 0},         {"  ", 0},           {"abc", 0},
        {" -5", 0},        {"+5", 0},       {" 99999999999999999999999", 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PacelightProtocol::endpointFromCommandLine(QString::fromLatin1(c.text)), c.endpoint) << c.text;
    EXPECT_EQ(PacelightProtocol::endpointFromCommandLine(PacelightProtocol::commandLineFor(77)), 77);
}

TEST(PacelightProtocol, MessagesSurviveTheRoundTrip)
{
    const PacelightMessage messages[] = {
        {Kind::Report, 31337, {}},
        {Kind::Place, 0, QRect(211, 790, 1038, 10)},
        {Kind::Place, 0, QRect(-1200, -5, 300, 10)},
        {Kind::Close, 0, {}},
    };
    for (const PacelightMessage &m : messages) {
        QByteArray line = PacelightProtocol::encode(m);
        ASSERT_TRUE(line.endsWith('\n'));
        line.chop(1);
        EXPECT_EQ(PacelightProtocol::decode(line), m) << line.constData();
    }
}

TEST(PacelightProtocol, MalformedLinesAreIgnored)
{
    for (const char *line : {"", "30", "30 0", "30 -4", "30 x", "31 12", "close now", "place 1 2 3",
                             "place 1 2 0 10", "place a b c d", "place 1 2 3 4 5", "CLOSE"})
        EXPECT_EQ(PacelightProtocol::decode(line).kind, Kind::Invalid) << line;
}

TEST(PacelightLineReader, JoinsPiecesAndDropsOverlongLines)
{
    PacelightLineReader reader;
    EXPECT_TRUE(reader.feed("30 1").isEmpty());
    EXPECT_EQ(reader.feed("2\nclo"), QList<QByteArray>{"30 12"});
    EXPECT_EQ(reader.feed("se\n"), QList<QByteArray>{"close"});

    EXPECT_TRUE(reader.feed(QByteArray(PacelightLineReader::MaxLine + 10, 'x')).isEmpty());
    EXPECT_EQ(reader.feed("yy\nclose\n"), QList<QByteArray>{"close"});
}

} // namespace
