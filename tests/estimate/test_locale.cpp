// Number texts must read and write the same whatever the user's locale:
// a German locale uses a decimal comma in printf and strtod.
#include "estimate/celltext.h"
#include "estimate/estimate.h"
#include "estimate/numberedit.h"
#include "estimate/numbertext.h"
#include "estimate/ratetext.h"

#include "sampleitems.h"

#include <QCoreApplication>

#include "printers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>

namespace {

const char *const German = "de_DE.UTF-8";

// Every text and parse the estimate produces for the worked example.
QStringList numberTexts()
{
    Estimate estimate;
    RateSettings rates;
    rates.mainProfit = QStringLiteral("12.5");
    rates.profitEnabled = true;
    DocumentState document;
    estimate.appendRoom(QStringLiteral("R"));
    estimate.insertItem(0, SampleItems::item("A", "a", SampleItems::workedExample()), rates, document);
    estimate.editCell(1, 11, QStringLiteral("8.8"));
    QStringList out{estimate.summaryLine(),
                    estimate.projectTotalText(),
                    CellText::roomTotal(estimate.rows()[0].costs.total, 2),
                    NumberText::fixed(NumberText::leadingDouble(u"1234.5e-1"), 3),
                    NumberText::shortest(NumberText::leadingFloat(u"0.1")),
                    QString::number(NumberEdit::enteredValue(u"7.25") * 4.0f),
                    isValidRateText(u"12.5") ? QStringLiteral("valid") : QStringLiteral("refused")};
    for (int c = 6; c <= 17; ++c)
        out << CellText::itemCell(estimate.rows()[1], c, 2);
    return out;
}

std::string printfOneAndHalf()
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", 1.5);
    return buffer;
}

class GermanLocale : public testing::Test
{
protected:
    void SetUp() override { m_expected = numberTexts(); }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
    QStringList m_expected;
};

} // namespace

TEST_F(GermanLocale, TextsDoNotFollowSetlocale)
{
    ASSERT_NE(std::setlocale(LC_ALL, German), nullptr) << "locale " << German << " is missing";
    ASSERT_EQ(printfOneAndHalf(), "1,5"); // the locale really is in force
    EXPECT_EQ(numberTexts(), m_expected);
    EXPECT_EQ(NumberText::leadingDouble(u"2.5"), 2.5);
    EXPECT_EQ(NumberText::fixed(2.5, 1), QStringLiteral("2.5"));
}

TEST_F(GermanLocale, TextsDoNotFollowTheEnvironmentThroughQt)
{
    // QCoreApplication takes the process locale from the environment.
    ASSERT_EQ(setenv("LC_ALL", German, 1), 0);
    ASSERT_EQ(setenv("LC_NUMERIC", German, 1), 0);
    int argc = 1;
    char name[] = "estimate_locale_tests";
    char *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    ASSERT_EQ(printfOneAndHalf(), "1,5") << "locale " << German << " is missing";
    EXPECT_EQ(numberTexts(), m_expected);
    unsetenv("LC_ALL");
    unsetenv("LC_NUMERIC");
}

TEST(CLocale, ExpectedTextsAreThePointForms)
{
    const QStringList texts = numberTexts();
    EXPECT_EQ(texts.at(3), QStringLiteral("123.450"));
    EXPECT_EQ(texts.at(4), QStringLiteral("0.1"));
    EXPECT_EQ(texts.at(5), QStringLiteral("29"));
    EXPECT_EQ(texts.at(6), QStringLiteral("refused"));
}
