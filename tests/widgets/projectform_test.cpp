#include "app/projectform.h"
#include "app/widgets/caddlistdlg.h"
#include "contracts/grid.h"
#include "contracts/gridtextmeasure.h"
#include "estimate/documentstate.h"
#include "estimate/estimatedocument.h"
#include "reports/billlists.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct FixedMeasure : GridTextMeasure {
    int textHeight(const QString &, const GridFont &, int, bool) const override { return 20; }
};

class ProjectFormTest : public testing::Test
{
protected:
    ProjectFormTest()
    {
        table.setText(0, 1, QStringLiteral("新工程"));
        lists.setUp(2);
    }

    // Types into a field as the user does: click, type, press a key that moves on.
    void type(int index, const QString &text, int key = Qt::Key_Return)
    {
        QTest::mouseClick(dialog.fieldButton(index), Qt::LeftButton);
        QLineEdit *edit = dialog.editBox(index);
        edit->selectAll();
        edit->insert(text);
        QTest::keyClick(edit, Qt::Key(key));
    }

    EstimateDocument edited;
    DocumentState &document = edited.state();
    Grid table{5, 19};
    FixedMeasure measure;
    TableSharedState shared;
    BillLists lists{measure, shared};
    ProjectInfo &texts = edited.head();
    ProjectForm form{edited, &table, &lists};
    CAddListDlg dialog{form};
};

TEST_F(ProjectFormTest, EmptyFieldOpensEmptyBoxAndLeavingItEmptyChangesNothing)
{
    QTest::mouseClick(dialog.fieldButton(1), Qt::LeftButton);
    EXPECT_TRUE(dialog.fieldButton(1)->isHidden());
    EXPECT_FALSE(dialog.editBox(1)->isHidden());
    EXPECT_EQ(dialog.editBox(1)->text(), QString());
    dialog.finishEdit();
    EXPECT_EQ(dialog.fieldButton(1)->text(), QStringLiteral("项目地址"));
    EXPECT_FALSE(document.modified);
}

TEST_F(ProjectFormTest, TypedNameReachesTableAndBillTitles)
{
    type(0, QStringLiteral("湖畔花园"));
    EXPECT_TRUE(document.modified);
    EXPECT_EQ(dialog.fieldButton(0)->text(), QStringLiteral("湖畔花园"));
    // Saving reads the record the form writes.
    EXPECT_EQ(texts.name, QStringLiteral("湖畔花园"));
    EXPECT_EQ(table.text(0, 1), QStringLiteral("湖畔花园"));
    EXPECT_EQ(lists.billGrid().text(0, 1), QStringLiteral("湖畔花园-工程量清单"));
    EXPECT_EQ(lists.materialGrid().text(0, 1), QStringLiteral("湖畔花园-材料清单"));
    EXPECT_EQ(lists.machineGrid().text(0, 1), QStringLiteral("湖畔花园-机械台班清单"));
    // Enter moved on to the address.
    EXPECT_EQ(dialog.editedField(), 1);
}

TEST_F(ProjectFormTest, AHeadValueWithAnAngleBracketIsRefusedAndTheOldValueKept)
{
    type(1, QStringLiteral("湖畔路1号"));
    document.modified = false;
    QString shown;
    // The refusal is a message box; read it and close it as the user would.
    QTimer::singleShot(0, [&shown] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    type(1, QStringLiteral("湖畔路<2号>"));
    EXPECT_EQ(shown, QStringLiteral("项目地址不能含有“<”"));
    EXPECT_EQ(dialog.fieldButton(1)->text(), QStringLiteral("湖畔路1号"));
    EXPECT_EQ(texts.address, QStringLiteral("湖畔路1号"));
    EXPECT_FALSE(document.modified);
}

TEST_F(ProjectFormTest, ValueEqualToItsLabelCountsAsEmpty)
{
    type(1, QStringLiteral("项目地址"), Qt::Key_Tab);
    EXPECT_FALSE(document.modified);
    EXPECT_TRUE(form.isEmpty(1));
    EXPECT_EQ(form.projectInfo().address, QString());
    EXPECT_EQ(form.projectInfo().name, QStringLiteral("新工程"));
}

TEST_F(ProjectFormTest, EnterInTheLastFieldAsksForTheTable)
{
    QSignalSpy next(&dialog, &CAddListDlg::nextRequested);
    type(8, QStringLiteral("2026-12-10"));
    EXPECT_EQ(next.count(), 1);
    EXPECT_EQ(dialog.editedField(), -1);
    EXPECT_EQ(form.projectInfo().Date, QStringLiteral("2026-12-10"));
    EXPECT_EQ(dialog.fieldButton(8)->text(), QStringLiteral("2026-12-10"));
}

TEST_F(ProjectFormTest, EscapeMovesOnLikeTab)
{
    type(3, QStringLiteral("庭院"), Qt::Key_Escape);
    EXPECT_EQ(dialog.editedField(), 4);
    EXPECT_EQ(form.text(3), QStringLiteral("庭院"));
}

TEST_F(ProjectFormTest, ReadProjectShowsValuesAndLabels)
{
    ProjectInfo info;
    info.name = QStringLiteral("北区绿化");
    info.address = QStringLiteral("项目地址");
    form.setProjectInfo(info);
    dialog.showFieldTexts();
    EXPECT_EQ(dialog.fieldButton(0)->text(), QStringLiteral("北区绿化"));
    EXPECT_EQ(dialog.fieldButton(1)->text(), QStringLiteral("项目地址"));
    EXPECT_EQ(dialog.fieldButton(6)->text(), QStringLiteral("编制人"));
    EXPECT_EQ(lists.billGrid().text(0, 1), QStringLiteral("北区绿化-工程量清单"));
    form.resetProjectInfo();
    EXPECT_EQ(form.text(0), QStringLiteral("项目名称"));
    EXPECT_EQ(form.projectInfo().name, QStringLiteral("新工程"));
}

} // namespace
