#include "panesfixture.h"

#include "contracts/widgets/gridview.h"

#include <QApplication>
#include <QTimer>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

constexpr int FirstRow = BudgetTable::TableHeaderRows;

} // namespace

void PanesFixture::clickCell(int row, int column)
{
    GridView *view = table->gridView();
    const QModelIndex index = view->model()->index(row, column);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->visualRect(index).center());
}

namespace {

class TablePaneTest : public PanesFixture
{
protected:
    void addFirstItem()
    {
        prompter.roomNames = {QStringLiteral("前院")};
        QTreeWidgetItem *item = libraryItemNamed(QStringLiteral("场地平整"));
        ASSERT_NE(item, nullptr);
        emit left->libraryTree()->itemDoubleClicked(item, 0);
    }
    QString shown(int row, int column) const
    {
        return table->gridView()->model()->index(row, column).data().toString();
    }
};

TEST_F(TablePaneTest, DoubleClickOnAnEmptyEstimateAsksForARoomThenShowsTheRow)
{
    addFirstItem();
    EXPECT_EQ(prompter.roomPrompts, 1);
    ASSERT_EQ(estimate.rowCount(), 2);
    EXPECT_EQ(shown(FirstRow + 1, 3), QStringLiteral("场地平整"));
    EXPECT_EQ(shown(FirstRow + 1, 1), QStringLiteral("土方工程"));
    EXPECT_FALSE(shown(FirstRow + 1, 17).isEmpty());
    EXPECT_TRUE(shown(FirstRow, 4).contains(QStringLiteral("结算")));
    EXPECT_GT(estimate.totals().projectTotal, 0.0f);
    EXPECT_EQ(shown(0, 13), estimate.projectTotalText());
    EXPECT_TRUE(document.modified);
    ASSERT_EQ(left->roomsTree()->topLevelItemCount(), 1);
    EXPECT_EQ(left->roomsTree()->topLevelItem(0)->text(0), QStringLiteral("前院"));
}

TEST_F(TablePaneTest, SkippingTheRoomNameInsertsNothing)
{
    emit left->libraryTree()->itemDoubleClicked(libraryItemNamed(QStringLiteral("场地平整")), 0);
    EXPECT_EQ(prompter.roomPrompts, 1);
    EXPECT_EQ(estimate.rowCount(), 0);
    EXPECT_EQ(left->roomsTree()->topLevelItemCount(), 0);
}

TEST_F(TablePaneTest, QuantityTypedIntoTheViewRepricesRowRoomAndProject)
{
    addFirstItem();
    const QString rowTotal = shown(FirstRow + 1, 17);
    const QString roomTotal = shown(FirstRow, 4);
    const QString projectTotal = shown(0, 13);
    QAbstractItemModel *model = table->gridView()->model();
    ASSERT_TRUE(model->setData(model->index(FirstRow + 1, 6), QStringLiteral("12")));
    EXPECT_EQ(estimate.rows().at(1).item.brand.num, 12.0f);
    EXPECT_NE(shown(FirstRow + 1, 17), rowTotal);
    EXPECT_NE(shown(FirstRow, 4), roomTotal);
    EXPECT_NE(shown(0, 13), projectTotal);
    EXPECT_TRUE(shared.materialListStale);
    // The bill of quantities shows the same quantity three rows lower.
    EXPECT_EQ(lists.billGrid().text(FirstRow + 1 + 3, 6), grid.text(FirstRow + 1, 6));
}

// The view hands the typed text to the table, which writes what the estimate stores: the grid
// never holds the raw text, not even for a moment.
TEST_F(TablePaneTest, ATypedNumberReachesTheCellOnlyAsTheEstimateStoresIt)
{
    addFirstItem();
    const int row = FirstRow + 1;
    QStringList written;
    QObject::connect(&grid, &Grid::cellsChanged, [&](int top, int left, int bottom, int right) {
        if (top <= row && row <= bottom && left <= 6 && 6 <= right)
            written.append(grid.text(row, 6));
    });
    QAbstractItemModel *model = table->gridView()->model();
    ASSERT_TRUE(model->setData(model->index(row, 6), QStringLiteral("12.5")));
    EXPECT_EQ(estimate.rows().at(1).item.brand.num, 12.5f);
    EXPECT_EQ(shown(row, 6), QStringLiteral("12.50"));
    EXPECT_FALSE(written.contains(QStringLiteral("12.5"))) << qPrintable(written.join(u'|'));

    // Blanks typed before a number are not kept: the cell shows the stored value straight away.
    written.clear();
    ASSERT_TRUE(model->setData(model->index(row, 6), QStringLiteral("  7")));
    EXPECT_EQ(estimate.rows().at(1).item.brand.num, 7.0f);
    EXPECT_EQ(shown(row, 6), QStringLiteral("7.00"));
    EXPECT_FALSE(written.contains(QStringLiteral("  7")));
}

TEST_F(TablePaneTest, NewRoomThenRenameThroughTheOperationMenu)
{
    prompter.roomNames = {QStringLiteral("后院")};
    left->newRoomButton()->click();
    ASSERT_EQ(estimate.rowCount(), 1);
    ASSERT_EQ(left->roomsTree()->topLevelItemCount(), 1);

    prompter.roomNames = {QStringLiteral("  花园")};
    chooseFromMenu(FirstRow, BudgetTable::OperationColumn, QStringLiteral("编辑"));
    EXPECT_EQ(estimate.rows().at(0).room.name, QStringLiteral("花园"));
    EXPECT_EQ(left->roomsTree()->topLevelItem(0)->text(0), QStringLiteral("花园"));
    EXPECT_EQ(lists.billGrid().text(BudgetTable::BillHeaderRows, 1), QStringLiteral("花园"));
}

TEST_F(TablePaneTest, DeleteThroughTheOperationMenuRemovesTheRowAndItsCosts)
{
    addFirstItem();
    chooseFromMenu(FirstRow + 1, BudgetTable::OperationColumn, QStringLiteral("删除"));
    EXPECT_EQ(estimate.rowCount(), 1);
    EXPECT_TRUE(shown(FirstRow + 1, 3).isEmpty());
    EXPECT_EQ(estimate.totals().projectTotal, 0.0f);
    // Deleting the room asks first; answering 否 keeps it.
    prompter.answers = {Prompter::No};
    chooseFromMenu(FirstRow, BudgetTable::OperationColumn, QStringLiteral("删除"));
    EXPECT_EQ(prompter.questions, QList<int>{Prompter::AskDeleteRow});
    EXPECT_EQ(estimate.rowCount(), 1);
}

TEST_F(TablePaneTest, ClickOnTheAddRoomRowCreatesARoom)
{
    prompter.roomNames = {QStringLiteral("露台")};
    clickCell(budget.addRoomGridRow(), 5);
    EXPECT_EQ(estimate.roomNames(), QStringList{QStringLiteral("露台")});
    EXPECT_EQ(left->roomsTree()->topLevelItemCount(), 1);
}

TEST_F(TablePaneTest, TabSkipsTheMaterialPriceColumnAfterTheTax)
{
    addFirstItem();
    grid.setActiveCell(FirstRow + 1, 8);
    QTest::keyClick(table->gridView(), Qt::Key_Tab);
    EXPECT_EQ(grid.activeColumn(), 10);
}

// Enter or Tab typed into a cell editor keeps the typed text and moves one cell on, once.
TEST_F(TablePaneTest, KeysInACellEditorCommitAndMoveOneCell)
{
    struct Case {
        int column;
        Qt::Key key;
        int next;
    };
    const Case cases[] = {{6, Qt::Key_Return, 7}, {6, Qt::Key_Tab, 7}, {8, Qt::Key_Return, 10}, {8, Qt::Key_Tab, 10}};
    addFirstItem();
    GridView *view = table->gridView();
    table->show();
    for (const Case &c : cases) {
        const QModelIndex index = view->model()->index(FirstRow + 1, c.column);
        grid.setActiveCell(index.row(), index.column());
        view->edit(index);
        QTest::qWait(1);  // a user cannot type before the editor is set up
        QLineEdit *editor = openEditor(view);
        ASSERT_NE(editor, nullptr) << c.column;
        editor->setText(QStringLiteral("3"));
        QTest::keyClick(editor, c.key);
        QTest::qWait(20);
        EXPECT_EQ(grid.activeColumn(), c.next) << c.column << " " << c.key;
        EXPECT_TRUE(grid.text(index.row(), c.column).startsWith(u'3')) << grid.text(index.row(), c.column).toStdString();
        EXPECT_EQ(openEditor(view), nullptr) << c.column;
    }
}

TEST_F(TablePaneTest, ListButtonsAskTheMainWindow)
{
    QSignalSpy next(table.get(), &CTableDlg::nextRequested);
    QSignalSpy material(table.get(), &CTableDlg::materialListRequested);
    QSignalSpy machine(table.get(), &CTableDlg::machineListRequested);
    table->nextButton()->click();
    table->materialButton()->click();
    table->machineButton()->click();
    EXPECT_EQ(next.count(), 1);
    EXPECT_EQ(material.count(), 1);
    EXPECT_EQ(machine.count(), 1);
}

} // namespace
