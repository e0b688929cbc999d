#include "panesfixture.h"

#include "reports/widgets/cdetaillistdlg.h"
#include "reports/widgets/cparticulars.h"

#include <QPushButton>
#include <QSignalSpy>

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

TEST_F(ListPaneTest, MachineListKeepsOnlyItsThreeButtonsAndThePdfExport)
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
    // 辅材, 上一步 and Excel, and the PDF export beside them.
    EXPECT_EQ(shownButtons, (QStringList{QStringLiteral("BackButton"), QStringLiteral("ExcelButton"),
                                         QStringLiteral("MachinelList_Button"), QStringLiteral("PdfButton")}));
    // Export is not there yet: its button is shown but cannot be pressed.
    EXPECT_FALSE(pane.findChild<QPushButton *>(QStringLiteral("ExcelButton"))->isEnabled());
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
