#include "reports/pagesetupform.h"
#include "reports/printpagesetup.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace {

PageSettings settings(const QString &size, const QString &orientation,
                      const QString &top = QStringLiteral("19"))
{
    PageSettings page;
    page.pagesize = size;
    page.pageorientation = orientation;
    page.pagemargintop = top;
    return page;
}

} // namespace

TEST(PageSetupForm, MarginRules)
{
    struct Case {
        const char *text;
        bool valid;
    };
    const Case cases[] = {
        {"", false},
        {"0", false},
        {"-1", false},
        {"abc", false},
        {"0.0", false},
        {"2.5", true},
        {"12mm", true},
        {" 7", true},
        {"50", true},
        {"80", true},
        // Not finite: no printer can keep such a margin.
        {"inf", false},
        {"nan", false},
        {"1e999", false},
    };
    for (const Case &c : cases) {
        PageSetupForm form{PageSettings()};
        form.setMarginText(PageSetupForm::Left, QString::fromUtf8(c.text));
        PageSettings stored;
        const auto refused = form.confirm(stored);
        EXPECT_EQ(!refused.has_value(), c.valid) << c.text;
        EXPECT_EQ(stored.pagemarginleft, c.valid ? QString::fromUtf8(c.text) : QStringLiteral("18"))
            << c.text;
    }
}

TEST(PageSetupForm, FirstInvalidMarginIsRefusedAndNothingIsStored)
{
    PageSettings stored;
    stored.pagemarginright = QStringLiteral("11");
    PageSetupForm form(stored);
    form.setMarginText(PageSetupForm::Top, QStringLiteral("3"));
    form.setMarginText(PageSetupForm::Bottom, QStringLiteral("0"));
    form.setMarginText(PageSetupForm::Right, QString());
    form.checkLandscape();
    const PageSettings before = stored;
    EXPECT_EQ(form.confirm(stored), PageSetupForm::Bottom);
    EXPECT_EQ(stored, before);
    EXPECT_EQ(form.marginText(PageSetupForm::Bottom), QStringLiteral("请输入有效的数字"));
    EXPECT_EQ(form.marginText(PageSetupForm::Top), QStringLiteral("3"));
    // Confirming again without a correction refuses again.
    EXPECT_EQ(form.confirm(stored), PageSetupForm::Bottom);
    form.setMarginText(PageSetupForm::Bottom, QStringLiteral("4"));
    EXPECT_EQ(form.confirm(stored), PageSetupForm::Right);
    form.setMarginText(PageSetupForm::Right, QStringLiteral("2.5"));
    EXPECT_EQ(form.confirm(stored), std::nullopt);
    EXPECT_EQ(stored.pagemargintop, QStringLiteral("3"));
    EXPECT_EQ(stored.pagemarginbottom, QStringLiteral("4"));
    EXPECT_EQ(stored.pagemarginright, QStringLiteral("2.5"));
    EXPECT_EQ(stored.pageorientation, QStringLiteral("Horizon"));
}

TEST(PageSetupForm, OpensOnTheStoredPaperAndOrientation)
{
    struct Case {
        const char *size;
        const char *orientation;
        int index;
        bool portrait;
        const char *confirmedSize;
    };
    const Case cases[] = {
        {"A4", "Vertical", 0, true, "A4"},     {"A3", "Horizon", 1, false, "A3"},
        {"B5", "Vertical", 2, true, "B5"},     {"B4", "Horizon", 3, false, "B4"},
        {"Letter", "Vertical", 0, true, "A4"}, {"", "sideways", 0, true, "A4"},
    };
    for (const Case &c : cases) {
        PageSettings stored = settings(QString::fromUtf8(c.size), QString::fromUtf8(c.orientation));
        PageSetupForm form(stored);
        EXPECT_EQ(form.paperIndex(), c.index) << c.size;
        EXPECT_EQ(form.portrait(), c.portrait) << c.orientation;
        ASSERT_EQ(form.confirm(stored), std::nullopt);
        EXPECT_EQ(stored.pagesize, QString::fromUtf8(c.confirmedSize));
        EXPECT_EQ(stored.pageorientation,
                  c.portrait ? QStringLiteral("Vertical") : QStringLiteral("Horizon"));
    }
}

TEST(PageSetupForm, UpDownStepsStayWholeWithinTheRange)
{
    struct Case {
        const char *text;
        int steps;
        const char *result;
    };
    const Case cases[] = {{"19", 1, "20"}, {"19", -1, "18"}, {"50", 1, "50"},  {"0", -1, "0"},
                          {"2.5", 1, "3"}, {"abc", 1, "1"},  {"70", -1, "49"}, {"-4", 1, "1"}};
    for (const Case &c : cases)
        EXPECT_EQ(PageSetupForm::stepped(QString::fromUtf8(c.text), c.steps), QString::fromUtf8(c.result))
            << c.text;
}

TEST(PrintPageSetup, ReadsPaperOrientationAndMargins)
{
    struct Case {
        const char *size;
        const char *orientation;
        double width;
        double height;
    };
    const Case cases[] = {{"A4", "Vertical", 210, 297},
                          {"A3", "Horizon", 420, 297},
                          {"B5", "Vertical", 176, 250},
                          {"B4", "Horizon", 353, 250},
                          {"Legal", "Vertical", 210, 297}};
    for (const Case &c : cases) {
        const PrintPageSetup setup = PrintPageSetup::fromSettings(
            settings(QString::fromUtf8(c.size), QString::fromUtf8(c.orientation)));
        EXPECT_EQ(setup.paperSize(), QSizeF(c.width, c.height)) << c.size;
        EXPECT_EQ(setup.printableSize(), QSizeF(c.width - 36, c.height - 38)) << c.size;
    }
}

TEST(PrintPageSetup, UnusableMarginsNeverEatThePage)
{
    PageSettings page = settings(QStringLiteral("A4"), QStringLiteral("Vertical"), QStringLiteral("abc"));
    page.pagemarginleft = QStringLiteral("2.5");
    page.pagemarginright = QStringLiteral("400");
    const PrintPageSetup setup = PrintPageSetup::fromSettings(page);
    EXPECT_EQ(setup.top, 19); // not a number: the default
    EXPECT_DOUBLE_EQ(setup.printableSize().width(), 21.0);
    EXPECT_GT(setup.left, 0.0);
    EXPECT_LT(setup.left, 2.5);
}
