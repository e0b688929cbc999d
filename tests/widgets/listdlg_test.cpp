#include "panesfixture.h"

#include "reports/widgets/cdetaillistdlg.h"
#include "reports/widgets/cparticulars.h"
#include "contracts/widgets/gridview.h"
#include "estimate/budgettable.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QSignalSpy>
#include <QTimer>

#include <functional>

namespace {

class ListPaneTest : public PanesFixture
{
protected:
    ListPaneTest()
    {
        prompter.roomNames = {QStringLiteral("前院")};
        table->addLibraryItem(left->nodeOf(libraryItemNamed(QStringLiteral("潜水泵安装"))));
    }

    CDetailListDlg pane{lists, budget};
};

TEST_F(ListPaneTest, StaleMaterialListIsRebuiltThroughTheMainWindow)
{
    ASSERT_EQ(estimate.rowCount(), 2);
    QSignalSpy build(&pane, &CDetailListDlg::buildRequested);
    QSignalSpy built(&pane, &CDetailListDlg::listBuilt);
    // The item just added is in no list yet.
    pane.showInMainWindow(1250, 819, BillLists::MaterialList);
    ASSERT_EQ(build.count(), 1);
    pane.buildMaterialList();
    pane.showInMainWindow(1250, 819, BillLists::MaterialList);
    EXPECT_EQ(build.count(), 1);

    QAbstractItemModel *model = table->gridView()->model();
    model->setData(model->index(BudgetTable::TableHeaderRows + 1, 6), QStringLiteral("2"));
    pane.showInMainWindow(1250, 819, BillLists::MaterialList);
    ASSERT_EQ(build.count(), 2);
    EXPECT_EQ(build.at(1).at(0).value<PendingOperation>(), PendingOperation::BuildMaterialList);
    EXPECT_FALSE(shared.materialListStale);
    pane.buildMaterialList();
    EXPECT_EQ(built.count(), 2);
    EXPECT_EQ(lists.materialGrid().text(6, 3), QStringLiteral("潜水泵1.5kW"));
    EXPECT_TRUE(pane.gridView(BillLists::BillOfQuantities)->isHidden());
    EXPECT_FALSE(pane.gridView(BillLists::MaterialList)->isHidden());
}

// Numbers whose amounts or totals would leave the float range are refused in
// every grid they are typed in: a warning shows and the cell keeps its value.
TEST_F(ListPaneTest, NumbersThatWouldOverflowAreRefusedInTheTableTheBillAndTheLists)
{
    ConstructItem huge = estimate.rows().at(1).item;
    huge.brand.num = 1e33f;
    ASSERT_TRUE(doc.replaceItem(1, huge).applied);
    const float total = estimate.totals().projectTotal;
    const int tableRow = BudgetTable::TableHeaderRows + 1;
    QAbstractItemModel *tableModel = table->gridView()->model();
    const QString price = tableModel->index(tableRow, 9).data().toString();
    EXPECT_EQ(
        warningShownBy([&] { tableModel->setData(tableModel->index(tableRow, 9), QStringLiteral("99999")); }),
        QStringLiteral("材料单价：数值“99999”使金额或合计超出范围"));
    EXPECT_EQ(tableModel->index(tableRow, 9).data().toString(), price);

    pane.showInMainWindow(1250, 819, BillLists::BillOfQuantities);
    QAbstractItemModel *billModel = pane.gridView(BillLists::BillOfQuantities)->model();
    const int billRow = BudgetTable::BillHeaderRows + 1;
    EXPECT_EQ(
        warningShownBy([&] { billModel->setData(billModel->index(billRow, 11), QStringLiteral("50000")); }),
        QStringLiteral("人工单价：数值“50000”使金额或合计超出范围"));
    EXPECT_EQ(billModel->index(billRow, 11).data().toString(),
              tableModel->index(tableRow, 11).data().toString());
    EXPECT_EQ(estimate.totals().projectTotal, total);

    huge.brand.num = 1.0f;
    ASSERT_TRUE(doc.replaceItem(1, huge).applied);
    pane.showInMainWindow(1250, 819, BillLists::MaterialList);
    pane.buildMaterialList();
    pane.showInMainWindow(1250, 819, BillLists::MaterialList);
    QAbstractItemModel *materialModel = pane.gridView(BillLists::MaterialList)->model();
    const QString quantity = materialModel->index(6, 5).data().toString();
    EXPECT_EQ(
        warningShownBy([&] { materialModel->setData(materialModel->index(6, 5), QStringLiteral("1e39")); }),
        QStringLiteral("数量：数值“1e39”超出范围"));
    EXPECT_EQ(materialModel->index(6, 5).data().toString(), quantity);
    EXPECT_FALSE(
        lists.materialGrid().text(lists.materialGrid().rowCount() - 2, 1).contains(QLatin1String("inf")));
    // An ordinary number is taken without a word.
    EXPECT_EQ(
        warningShownBy([&] { materialModel->setData(materialModel->index(6, 5), QStringLiteral("3")); }),
        QString());
    EXPECT_EQ(materialModel->index(6, 5).data().toString(), QStringLiteral("3"));
}

// In an open cell editor the keys do what they do without one: Tab and Enter make the
// list's own move once, Escape leaves the editor as it is.
TEST_F(ListPaneTest, KeysInAListCellEditorFollowTheListsMoves)
{
    pane.showInMainWindow(1250, 819, BillLists::BillOfQuantities);
    GridView *view = pane.gridView(BillLists::BillOfQuantities);
    Grid &bill = lists.billGrid();
    const int row = BudgetTable::BillHeaderRows + 1;
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Tab}) {
        bill.setActiveCell(row, 6);
        const int expected = lists.nextColumn(row, 6);
        view->edit(view->model()->index(row, 6));
        QTest::qWait(1);
        QLineEdit *editor = openEditor(view);
        ASSERT_NE(editor, nullptr) << key;
        QTest::keyClick(editor, Qt::Key_Escape);
        QTest::qWait(1);
        EXPECT_EQ(openEditor(view), editor) << "Escape closed the editor";
        QTest::keyClick(editor, key);
        QTest::qWait(20);
        EXPECT_EQ(bill.activeColumn(), expected) << key;
        EXPECT_EQ(openEditor(view), nullptr) << key;
    }
}

TEST_F(ListPaneTest, MachineListKeepsOnlyItsNavigationAndExportButtons)
{
    QSignalSpy back(&pane, &CDetailListDlg::backRequested);
    pane.showInMainWindow(1250, 819, BillLists::MachineList);
    EXPECT_FALSE(pane.gridView(BillLists::MachineList)->isHidden());
    QStringList shownButtons;
    for (QPushButton *button : pane.findChildren<QPushButton *>()) {
        if (!button->isHidden())
            shownButtons << button->objectName();
    }
    shownButtons.sort();
    // 辅材, 上一步, Excel, the menu of the other exports and the PDF export.
    EXPECT_EQ(shownButtons,
              (QStringList{QStringLiteral("BackButton"), QStringLiteral("ExcelButton"),
                           QStringLiteral("ExportMenuButton"), QStringLiteral("MachinelList_Button"),
                           QStringLiteral("PdfButton")}));
    EXPECT_TRUE(pane.excelButton()->isEnabled());
    // Purchase is not there yet: its button cannot be pressed.
    EXPECT_FALSE(pane.findChild<QPushButton *>(QStringLiteral("PurchaseButton"))->isEnabled());
    pane.backButton()->click();
    EXPECT_EQ(back.count(), 1);
}

TEST_F(ListPaneTest, HoverListShowsTheItemsMaterialsBesideTheCell)
{
    CParticulars hover;
    const BrandData &brand = estimate.rows().at(1).item.brand;
    hover.showFor(brand, QRect(300, 200, 100, 40));
    EXPECT_EQ(hover.grid().text(2, 1), brand.materials.at(0).name);
    EXPECT_EQ(hover.geometry(), QRect(400, 200, 400, 25 * int(brand.materials.size()) + 56));
}

} // namespace
