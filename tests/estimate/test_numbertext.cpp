#include "estimate/numbertext.h"

#include "printers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>

namespace {

struct FixedCase {
    double value;
    int decimals;
    const char *text;
};

class Fixed : public testing::TestWithParam<FixedCase>
{
};

void PrintTo(const FixedCase &t, std::ostream *out)
{
    *out << t.value << " with " << t.decimals << " decimals";
}

struct LeadingCase {
    QString text;
    double value;
};

class LeadingDouble : public testing::TestWithParam<LeadingCase>
{
};

void PrintTo(const LeadingCase &t, std::ostream *out)
{
    *out << '"' << t.text.left(20).toStdString() << (t.text.size() > 20 ? "…" : "") << '"';
}

} // namespace

TEST_P(Fixed, MatchesPrintf)
{
    const FixedCase &t = GetParam();
    EXPECT_EQ(NumberText::fixed(t.value, t.decimals), QString::fromLatin1(t.text));
}

INSTANTIATE_TEST_SUITE_P(Table, Fixed,
                         testing::Values(FixedCase{0.5, 0, "0"}, FixedCase{1.5, 0, "2"},
                                         FixedCase{2.5, 0, "2"}, FixedCase{0.125, 2, "0.12"},
                                         FixedCase{double(56.649998f), 1, "56.6"},
                                         FixedCase{-0.001, 2, "-0.00"}, FixedCase{-0.0, 0, "-0"},
                                         FixedCase{1e20, 2, "100000000000000000000.00"},
                                         FixedCase{std::numeric_limits<double>::infinity(), 2, "inf"}));

TEST(Fixed, LongTextsAreComplete)
{
    // The largest doubles with many decimals run to more than 400 characters.
    char expected[1000];
    std::snprintf(expected, sizeof expected, "%0.100f", -1e308);
    EXPECT_EQ(NumberText::fixed(-1e308, 100), QString::fromLatin1(expected));
}

TEST_P(LeadingDouble, ReadsLikeAtofInTheCLocale)
{
    const LeadingCase &t = GetParam();
    EXPECT_EQ(NumberText::leadingDouble(t.text), t.value) << t.text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Table, LeadingDouble,
    testing::Values(LeadingCase{"  12.5abc", 12.5}, LeadingCase{"+3", 3.0}, LeadingCase{"-.5", -0.5},
                    LeadingCase{"5.", 5.0}, LeadingCase{".", 0.0}, LeadingCase{"abc", 0.0},
                    LeadingCase{"", 0.0}, LeadingCase{"1e3x", 1000.0}, LeadingCase{"2e", 2.0},
                    LeadingCase{"2e+", 2.0}, LeadingCase{"1,5", 1.0}, LeadingCase{"15%", 15.0},
                    LeadingCase{"1e400", std::numeric_limits<double>::infinity()},
                    LeadingCase{"-1e400", -std::numeric_limits<double>::infinity()},
                    LeadingCase{"1e-400", 0.0},
                    // Too small to represent without an exponent.
                    LeadingCase{"0." + QString(400, u'0') + "1", 0.0},
                    LeadingCase{"1" + QString(400, u'0'), std::numeric_limits<double>::infinity()}));

TEST(LeadingFloat, SaturatesAndUnderflowsLikeStrtof)
{
    EXPECT_EQ(NumberText::leadingFloat(u"1e39"), std::numeric_limits<float>::infinity());
    EXPECT_EQ(NumberText::leadingFloat(u"1e-50"), 0.0f);
    EXPECT_EQ(NumberText::leadingFloat(QString("0." + QString(50, u'0') + "1")), 0.0f);
    EXPECT_EQ(NumberText::leadingFloat(u"8.8"), 8.8f);
}

TEST(Shortest, ReadsBackToTheSameFloat)
{
    for (float f : {0.1f, 56.649998f, 414.059967f, 1e-7f, 3.0f}) {
        const QString text = NumberText::shortest(f);
        EXPECT_EQ(NumberText::leadingFloat(text), f) << text.toStdString();
    }
    EXPECT_EQ(NumberText::shortest(0.1f), QStringLiteral("0.1"));
}
