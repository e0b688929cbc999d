#include "contracts/wrappedtextheight.h"

#include <gtest/gtest.h>

namespace {

TEST(WrappedTextHeight, CountsTheLinesATextWrapsTo)
{
    // At 11 points a CJK character is about 14.7 pixels wide: six fit a 100-pixel cell, seven do not.
    const struct {
        const char *name;
        QString text;
        int width;
        double font;
        int lines;
    } cases[] = {
        {"no text", QString(), 100, 11, 0},
        {"short latin", QStringLiteral("LED"), 100, 11, 1},
        {"six wide", QStringLiteral("花岗岩铺装芝"), 100, 11, 1},
        {"seven wide", QStringLiteral("花岗岩铺装芝麻"), 100, 11, 2},
        {"twenty wide", QString(20, QChar(0x82B1)), 100, 11, 4},
        {"line breaks count", QStringLiteral("第一行\n第二行\n"), 200, 11, 3},
        {"larger font, fewer per line", QStringLiteral("花岗岩铺装芝"), 100, 16, 2},
        {"no font size is the default", QStringLiteral("花岗岩铺装芝麻"), 100, 0, 2},
        {"full-width sign is wide", QStringLiteral("￥￥￥￥￥￥￥"), 100, 11, 2},
        {"cell narrower than a character", QStringLiteral("ab"), 1, 11, 2},
    };
    for (const auto &c : cases)
        EXPECT_EQ(WrappedTextHeight::lineCount(c.text, c.width, c.font), c.lines) << c.name;
}

TEST(WrappedTextHeight, RowsLeaveRoomForFallbackFontLines)
{
    // CJK fallback fonts need more than 1.4 em per line.
    for (int lines = 1; lines <= 4; ++lines) {
        EXPECT_GE(WrappedTextHeight::rowPoints(lines, 11), lines * 11 * 1.4) << lines;
        EXPECT_GE(WrappedTextHeight::rowPoints(lines, 0), WrappedTextHeight::rowPoints(lines, 11)) << lines;
    }
    EXPECT_GT(WrappedTextHeight::rowPoints(2, 13), WrappedTextHeight::rowPoints(2, 11));
}

} // namespace
