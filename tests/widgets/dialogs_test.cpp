#include "app/widgets/csetroom.h"
#include "app/widgets/ctemp_information.h"
#include "app/widgets/ctipsdlg.h"
#include "app/widgets/ratepage.h"
#include "library/widgets/templatestatusdialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct PromptCase {
    int style;
    int pressed; // button id, or 0 for Escape, -1 for the close box
    int answer;
};

TEST(CTipsDlgTest, AnswersFollowTheButtonPressedAndEscapeMeansCancel)
{
    const PromptCase cases[] = {
        {0, CTipsDlg::OkId, 1}, {0, CTipsDlg::NoId, 7},     {0, CTipsDlg::CancelId, 2}, {0, 0, 2}, {0, -1, 2},
        {7, CTipsDlg::OkId, 1}, {7, CTipsDlg::CancelId, 2}, {1, CTipsDlg::OkId, 1},     {1, 0, 2},
    };
    for (const PromptCase &c : cases) {
        CTipsDlg dialog(QString(), QString(), CTipsDlg::AskSaveChanges, c.style, nullptr);
        dialog.show();
        if (c.pressed > 0)
            QTest::mouseClick(dialog.button(c.pressed), Qt::LeftButton);
        else if (c.pressed == 0)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.close();
        EXPECT_EQ(dialog.answer(), c.answer) << "style " << c.style << " pressed " << c.pressed;
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST(TemplateStatusDialogTest, EnterClosesANoticeAndNeverConfirmsAQuestion)
{
    struct Case {
        QStringList buttons;
        int chosen;
        int result;
    };
    const Case cases[] = {
        {{QStringLiteral("确定")}, 0, QDialog::Accepted},
        {{QStringLiteral("确定"), QStringLiteral("取消")}, 1, QDialog::Rejected},
    };
    for (const Case &c : cases) {
        TemplateStatusDialog dialog(QStringLiteral("保存模板"), {QStringLiteral("模板已保存成功。")}, c.buttons,
                                    nullptr);
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible()) << c.buttons.size();
        EXPECT_EQ(dialog.chosen(), c.chosen);
        EXPECT_EQ(dialog.result(), c.result);
    }
}

TEST(CTipsDlgTest, StylesShowTheirButtonsAndTheMessageText)
{
    CTipsDlg single(QString(), QString(), 10, 1, nullptr);
    single.show();
    EXPECT_EQ(single.text(), QStringLiteral("你没有权限操作此模板"));
    EXPECT_EQ(single.button(CTipsDlg::OkId)->text(), QStringLiteral("是"));
    EXPECT_FALSE(single.button(CTipsDlg::NoId)->isVisible());
    EXPECT_FALSE(single.button(CTipsDlg::CancelId)->isVisible());

    CTipsDlg three(QString(), QString(), CTipsDlg::AskSaveChanges, 5, nullptr);
    three.show();
    EXPECT_EQ(three.text(), QStringLiteral("项目已更改，是否保存？"));
    EXPECT_EQ(three.button(CTipsDlg::CancelId)->pos(), QPoint(58, 168));
    EXPECT_EQ(three.button(CTipsDlg::NoId)->pos(), QPoint(176, 168));
    EXPECT_EQ(three.button(CTipsDlg::OkId)->pos(), QPoint(294, 168));
}

TEST(RateDialogTest, ProfitRateIsStoredOnlyAfterTheConfirmation)
{
    RateSettings rates;
    CTemp_Information dialog(RateKind::Profit, rates, nullptr);
    dialog.show();
    RatePage *page = dialog.ratePage();

    page->edit()->setText(QStringLiteral("12.5"));
    QTest::mouseClick(page->okButton(), Qt::LeftButton);
    EXPECT_TRUE(page->notice()->isVisible());
    EXPECT_FALSE(page->edit()->isVisible());
    EXPECT_EQ(page->notice()->text(), QStringLiteral("请输入有效的数字"));
    QTest::mouseClick(page->notice(), Qt::LeftButton);
    EXPECT_TRUE(page->edit()->isVisible());
    EXPECT_TRUE(page->edit()->text().isEmpty());

    page->edit()->setText(QStringLiteral("15"));
    QTest::mouseClick(page->okButton(), Qt::LeftButton);
    EXPECT_EQ(page->label()->text(), QStringLiteral("确定统一设置项目利润?"));
    EXPECT_EQ(page->okButton()->pos(), QPoint(248, 166));
    EXPECT_FALSE(rates.profitEnabled);
    EXPECT_EQ(rates.mainProfit, QStringLiteral("0"));

    QTest::mouseClick(page->okButton(), Qt::LeftButton);
    EXPECT_TRUE(rates.profitEnabled);
    EXPECT_EQ(rates.mainProfit, QStringLiteral("15"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(page->logic().sentCode(), 13);
}

TEST(RateDialogTest, EscapeAtTheConfirmationChangesNothing)
{
    RateSettings rates;
    CTemp_Information dialog(RateKind::Loss, rates, nullptr);
    dialog.show();
    dialog.ratePage()->edit()->setText(QStringLiteral("8"));
    QTest::mouseClick(dialog.ratePage()->okButton(), Qt::LeftButton);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(rates, RateSettings());
    EXPECT_EQ(dialog.ratePage()->logic().sentCode(), -1);
}

TEST(CSetRoomTest, ConfirmTrimsLeadingBlanksAndSkipGivesNoName)
{
    CSetRoom named(QStringLiteral("新项目"), nullptr);
    named.show();
    named.edit()->setText(QStringLiteral("  客厅 "));
    QTest::mouseClick(named.confirmButton(), Qt::LeftButton);
    EXPECT_EQ(named.roomName(), QStringLiteral("客厅 "));

    CSetRoom skipped(QStringLiteral("新项目"), nullptr);
    skipped.show();
    QTest::mouseClick(skipped.skipButton(), Qt::LeftButton);
    EXPECT_FALSE(skipped.roomName().has_value());
}

TEST(CSetRoomTest, ANameTheFileWouldMisreadIsRefusedInTheCaption)
{
    CSetRoom dialog(QStringLiteral("新项目"), nullptr);
    dialog.show();
    dialog.edit()->setText(QStringLiteral("主卧 name=\"A\""));
    QTest::mouseClick(dialog.confirmButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.roomName().has_value());
    EXPECT_EQ(dialog.caption()->text(), QStringLiteral("房间名称不能含有引号或尖括号（\" ' < >）"));
    dialog.edit()->setText(QStringLiteral("主卧 brand"));
    QTest::mouseClick(dialog.confirmButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.caption()->text(), QStringLiteral("房间名称不能含有“brand”（文件读回时会读错）"));
    dialog.edit()->setText(QStringLiteral("主卧"));
    QTest::mouseClick(dialog.confirmButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.roomName(), QStringLiteral("主卧"));
}

} // namespace
