#include "estimate/ratedialoglogic.h"
#include "estimate/ratetext.h"

#include "printers.h"

#include <gtest/gtest.h>

namespace {

struct RateTextCase {
    const char16_t *text;
    bool valid;
};

class RateTextCheck : public testing::TestWithParam<RateTextCase>
{
};

void PrintTo(const RateTextCase &t, std::ostream *out)
{
    *out << '"' << QString::fromUtf16(t.text).toStdString() << '"';
}

} // namespace

TEST_P(RateTextCheck, AcceptsDigitsUpToHundredOrOnePercentSign)
{
    const RateTextCase &t = GetParam();
    EXPECT_EQ(isValidRateText(QStringView(t.text)), t.valid) << QString::fromUtf16(t.text).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Table, RateTextCheck,
    testing::Values(RateTextCase{u"15", true}, RateTextCase{u"15%", true}, RateTextCase{u"150%", true},
                    RateTextCase{u"150", false}, RateTextCase{u"12.5", false}, RateTextCase{u"", false},
                    RateTextCase{u"   ", false}, RateTextCase{u"100", true}, RateTextCase{u"101", false},
                    RateTextCase{u"0", true}, RateTextCase{u" 1 5 ", true}, RateTextCase{u"-5", false},
                    RateTextCase{u"5%%", false}, RateTextCase{u"12.5%", false}, RateTextCase{u"abc", false},
                    RateTextCase{u"1a", false},
                    // Non-ASCII characters are two or more non-digits.
                    RateTextCase{u"１５", false}, RateTextCase{u"15％", false}, RateTextCase{u"é%", false}));

namespace {

RateSettings startRates()
{
    RateSettings rates;
    rates.mainProfit = QStringLiteral("5");
    rates.loss = QStringLiteral("2");
    rates.tax = QStringLiteral("3");
    return rates;
}

} // namespace

TEST(RateDialogLogic, OpensWithTheCurrentRate)
{
    const RateDialogLogic dialog(RateKind::Loss, startRates());
    const RateDialogView view = dialog.view();
    EXPECT_EQ(view.title, QStringLiteral("设置损耗"));
    EXPECT_EQ(view.labelText, QStringLiteral("损耗率(%)"));
    EXPECT_EQ(view.label, QRect(70, 95, 70, 25));
    EXPECT_EQ(view.edit, QRect(155, 94, 190, 25));
    EXPECT_EQ(view.editText, QStringLiteral("2"));
    EXPECT_TRUE(view.editVisible);
    EXPECT_FALSE(view.noticeVisible);
    EXPECT_EQ(view.focus, 1022);
    EXPECT_EQ(view.cancelButton, QPoint(209, 176));
    EXPECT_EQ(view.okButton, QPoint(314, 176));
    EXPECT_EQ(RateDialogLogic::skinElement(1022), QStringLiteral("SetProfit_LossEdit"));
}

TEST(RateDialogLogic, ConfirmedProfitIsStoredWithoutPercent)
{
    RateSettings rates = startRates();
    RateDialogLogic dialog(RateKind::Profit, rates);
    dialog.setEditText(QStringLiteral("15%"));
    dialog.pressOk(rates);
    ASSERT_EQ(dialog.step(), RateDialogLogic::Step::Confirm);
    EXPECT_EQ(rates, startRates());
    const RateDialogView view = dialog.view();
    EXPECT_FALSE(view.editVisible);
    EXPECT_EQ(view.labelText, QStringLiteral("确定统一设置项目利润?"));
    EXPECT_EQ(view.label, QRect(128, 94, 200, 25));
    EXPECT_EQ(view.cancelButton, QPoint(123, 166));
    EXPECT_EQ(view.okButton, QPoint(248, 166));

    dialog.pressOk(rates);
    EXPECT_EQ(dialog.step(), RateDialogLogic::Step::Closed);
    EXPECT_EQ(rates.mainProfit, QStringLiteral("15"));
    EXPECT_TRUE(rates.profitEnabled);
    EXPECT_FALSE(rates.lossEnabled);
    EXPECT_EQ(dialog.sentCode(), 13);
    EXPECT_TRUE(dialog.settingsChanged());
}

TEST(RateDialogLogic, ConfirmedRateIsTheCheckedText)
{
    RateSettings rates = startRates();
    RateDialogLogic dialog(RateKind::Tax, rates);
    dialog.setEditText(QStringLiteral("1 5"));
    dialog.pressOk(rates);
    EXPECT_EQ(dialog.view().okButton, QPoint(228, 166));
    dialog.pressOk(rates);
    EXPECT_EQ(rates.tax, QStringLiteral("15"));
    EXPECT_TRUE(rates.taxEnabled);
    EXPECT_EQ(dialog.sentCode(), 17);
}

TEST(RateDialogLogic, RefusedTextShowsTheNoticeUntilClickedAway)
{
    RateSettings rates = startRates();
    RateDialogLogic dialog(RateKind::Profit, rates);
    dialog.setEditText(QStringLiteral("12.5"));
    dialog.pressOk(rates);
    ASSERT_EQ(dialog.step(), RateDialogLogic::Step::Refused);
    RateDialogView view = dialog.view();
    EXPECT_FALSE(view.editVisible);
    EXPECT_TRUE(view.noticeVisible);
    EXPECT_EQ(view.notice, QRect(170, 94, 190, 25));
    EXPECT_EQ(view.noticeText, QStringLiteral("请输入有效的数字"));
    EXPECT_EQ(view.focus, RateDialogLogic::OkId);
    dialog.pressOk(rates);
    EXPECT_EQ(dialog.step(), RateDialogLogic::Step::Refused);

    dialog.focusNotice();
    view = dialog.view();
    EXPECT_TRUE(view.editVisible);
    EXPECT_FALSE(view.noticeVisible);
    EXPECT_TRUE(view.editText.isEmpty());
    EXPECT_EQ(view.focus, 1101);
    EXPECT_EQ(rates, startRates());
}

namespace {

struct CancelCase {
    RateKind kind;
    bool atConfirmation;
    int sentCode;
};

class RateDialogCancel : public testing::TestWithParam<CancelCase>
{
};

void PrintTo(const CancelCase &t, std::ostream *out)
{
    *out << (t.kind == RateKind::Profit ? "profit"
             : t.kind == RateKind::Loss ? "loss"
                                        : "tax")
         << (t.atConfirmation ? " at confirmation" : " at entry");
}

} // namespace

TEST_P(RateDialogCancel, ChangesNoRate)
{
    const CancelCase &t = GetParam();
    RateSettings rates = startRates();
    RateDialogLogic dialog(t.kind, rates);
    dialog.setEditText(QStringLiteral("20"));
    if (t.atConfirmation)
        dialog.pressOk(rates);
    dialog.pressCancel();
    EXPECT_EQ(dialog.step(), RateDialogLogic::Step::Closed);
    EXPECT_EQ(dialog.sentCode(), t.sentCode);
    EXPECT_FALSE(dialog.settingsChanged());
    EXPECT_EQ(rates, startRates());
}

INSTANTIATE_TEST_SUITE_P(Cases, RateDialogCancel,
                         testing::Values(CancelCase{RateKind::Profit, false, -1},
                                         CancelCase{RateKind::Profit, true, 15},
                                         CancelCase{RateKind::Loss, true, 15},
                                         CancelCase{RateKind::Tax, true, -1},
                                         CancelCase{RateKind::Tax, false, -1}));
