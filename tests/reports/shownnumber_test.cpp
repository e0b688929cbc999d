#include "contracts/shownnumber.h"

#include <gtest/gtest.h>

namespace {

struct NumberCase {
    const char16_t *text;
    double value;
    const char16_t *format;
};

TEST(ShownNumber, NumberTextsOfTheListsBecomeValuesWithTheirFormat)
{
    const NumberCase cases[] = {
        {u"12", 12.0, u"0"},
        {u"0", 0.0, u"0"},
        {u"1928.50", 1928.5, u"0.00"},
        {u"2.8", 2.8, u"0.0"},
        {u"-3.25", -3.25, u"0.00"},
        {u"¥1928.50", 1928.5, u"\"¥\"0.00;\"¥\"-0.00"},
        {u"¥12", 12.0, u"\"¥\"0;\"¥\"-0"},
        {u"¥-7.5", -7.5, u"\"¥\"0.0;\"¥\"-0.0"},
        {u"5.00%", 0.05, u"0.00%"},
        {u"150%", 1.5, u"0%"},
        {u"0.5", 0.5, u"0.0"},
    };
    for (const NumberCase &c : cases) {
        const QString text = QString::fromUtf16(c.text);
        const std::optional<ShownNumber> n = ShownNumber::parse(text);
        ASSERT_TRUE(n) << text.toStdString();
        EXPECT_DOUBLE_EQ(n->value, c.value) << text.toStdString();
        EXPECT_EQ(n->format, QString::fromUtf16(c.format)) << text.toStdString();
    }
}

TEST(ShownNumber, TextsANumberFormatWouldNotGiveBackStayTexts)
{
    const char16_t *texts[] = {
        u"",        u"abc",   u"0502006", u"007", u"-0.00", u"¥-0",   u"1.2.3",
        u"¥",       u"%",     u" 12",     u"12 ", u"1e5",   u"１２",  u"12.",
        u".5",      u"+3",    u"¥¥3",     u"3%%", u"3 元",  u"12:00", u"1234567890123456",
        u"￥12.00", u"12.5¥", u"--1",     u"1,5", u"∞",     u"nan",
    };
    for (const char16_t *t : texts)
        EXPECT_FALSE(ShownNumber::parse(QString::fromUtf16(t))) << QString::fromUtf16(t).toStdString();
}

} // namespace
