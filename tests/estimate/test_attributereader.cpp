#include "estimate/attributereader.h"

#include "printers.h"

#include <gtest/gtest.h>

namespace {

const QString Sample =
    QStringLiteral(R"(<item name="地砖" kindname="铺装" num="15%" price="2.5" empty="" broken="x)");

struct TextCase {
    const char *key;
    qsizetype from;
    const char16_t *text;
};

class ReadText : public testing::TestWithParam<TextCase>
{
};

void PrintTo(const TextCase &t, std::ostream *out)
{
    *out << t.key << " from " << t.from;
}

} // namespace

TEST_P(ReadText, FindsTheQuotedValue)
{
    const TextCase &t = GetParam();
    EXPECT_EQ(ReadAttributeText(Sample, QString::fromLatin1(t.key), t.from), QString::fromUtf16(t.text))
        << t.key;
}

INSTANTIATE_TEST_SUITE_P(Table, ReadText,
                         testing::Values(TextCase{"name=", 0, u"地砖"},
                                         // Plain substring search: the second "name=" is inside "kindname=".
                                         TextCase{"name=", 8, u"铺装"}, TextCase{"Name=", 0, u""},
                                         TextCase{"missing=", 0, u""}, TextCase{"empty=", 0, u""},
                                         TextCase{"broken=", 0, u""}, TextCase{"name=", -4, u"地砖"},
                                         TextCase{"name=", 10000, u""}, TextCase{"price=", 0, u"2.5"}));

TEST(ReadNumber, PercentTextsAreFractions)
{
    EXPECT_EQ(ReadAttributeNumber(Sample, u"num="), 15.0f / 100.0f);
    EXPECT_EQ(ReadAttributeNumber(Sample, u"price="), 2.5f);
    EXPECT_EQ(ReadAttributeNumber(Sample, u"name="), 0.0f);
    EXPECT_EQ(ReadAttributeNumber(Sample, u"missing="), 0.0f);
    EXPECT_EQ(ReadAttributeNumber(u"v=\"-3.5abc\"", u"v="), -3.5f);
}
