// One whole session as a new user lives it, driven only through the windows'
// controls: every prompt is answered where it appears, and what the user sees is
// read from the views.
#include "modalanswers.h"

#include "app/appcontext.h"
#include "app/widgets/caddlistdlg.h"
#include "app/widgets/commandids.h"
#include "app/widgets/cquillarydlg.h"
#include "app/widgets/csetroom.h"
#include "app/widgets/ctipsdlg.h"
#include "app/widgets/longoperation.h"
#include "app/widgets/mainpanes.h"
#include "app/widgets/maintoolbar.h"
#include "app/widgets/ratepage.h"
#include "app/widgets/viewswitcher.h"
#include "contracts/widgets/gridview.h"
#include "estimate/budgettable.h"
#include "estimate/numbertext.h"
#include "estimate/widgets/ctabledlg.h"
#include "library/widgets/citemdlg.h"
#include "progress/progresslauncher.h"
#include "reports/widgets/cdetaillistdlg.h"
#include "treedriving.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>

namespace {

constexpr int FirstRow = BudgetTable::TableHeaderRows;
constexpr int QuantityColumn = 6;
constexpr int ItemTotalColumn = 17;
constexpr int RoomTotalColumn = 4;
constexpr int ProjectTotalColumn = 13;

// Lets queued requests and the dialogs they open run.
void settle()
{
    QTest::qWait(40);
}

// Typing as an input method delivers Chinese text.
void typeText(QWidget *edit, const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(edit, &event);
}

void replaceText(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    typeText(edit, text);
}

void click(QAbstractButton *button)
{
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isVisible()) << button->text().toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
}

QString shown(GridView *view, int row, int column)
{
    return view->model()->index(row, column).data().toString();
}

QStringList viewTexts(GridView *view)
{
    QStringList texts;
    for (int row = 0; row < view->model()->rowCount(); ++row) {
        for (int column = 0; column < view->model()->columnCount(); ++column)
            texts.append(shown(view, row, column));
    }
    return texts;
}

// The first number of a text such as "总价：12.30元" or "结算：¥4.50  ".
double amountIn(const QString &text)
{
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i).isDigit() || text.at(i) == u'-')
            return NumberText::leadingDouble(QStringView(text).mid(i));
    }
    return 0.0;
}

QAction *actionNamed(QMenu *menu, const QString &text)
{
    for (QAction *action : menu->actions()) {
        if (action->text().trimmed() == text)
            return action;
    }
    return nullptr;
}

// Clicks an entry of the menu that has just popped up; a sub-menu entry opens its menu first.
void chooseInPopup(const QStringList &path)
{
    for (const QString &entry : path) {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr) << entry.toStdString();
        QAction *action = actionNamed(menu, entry);
        ASSERT_NE(action, nullptr) << entry.toStdString();
        ASSERT_TRUE(action->isEnabled()) << entry.toStdString();
        const QPoint at = menu->actionGeometry(action).center();
        QTest::mouseMove(menu, at);
        QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, at);
        if (action->menu()) {
            ASSERT_TRUE(QTest::qWaitFor([action] { return action->menu()->isVisible(); }));
        }
    }
    settle();
}

void answerTips(QWidget *modal, const QString &text, QList<int> buttons, int press)
{
    auto *tips = qobject_cast<CTipsDlg *>(modal);
    ASSERT_NE(tips, nullptr) << Prompts::describe(modal).toStdString();
    EXPECT_EQ(tips->text(), text);
    for (int id : {CTipsDlg::OkId, CTipsDlg::NoId, CTipsDlg::CancelId})
        EXPECT_EQ(tips->button(id)->isVisible(), buttons.contains(id)) << "button " << id;
    QTest::mouseClick(tips->button(press), Qt::LeftButton);
}

Prompts::Answer tipsAnswer(const QString &text, QList<int> buttons, int press)
{
    return [=](QWidget *modal) { answerTips(modal, text, buttons, press); };
}

Prompts::Answer roomAnswer(const QString &proposed, const QString &typed)
{
    return [=](QWidget *modal) {
        auto *room = qobject_cast<CSetRoom *>(modal);
        ASSERT_NE(room, nullptr) << Prompts::describe(modal).toStdString();
        EXPECT_EQ(room->edit()->text(), proposed);
        replaceText(room->edit(), typed);
        QTest::mouseClick(room->confirmButton(), Qt::LeftButton);
    };
}

// Types a path into the file dialog and presses its Save or Open button.
Prompts::Answer fileAnswer(const QString &path)
{
    return [=](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        ASSERT_NE(dialog, nullptr) << Prompts::describe(modal).toStdString();
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        replaceText(name, path);
        auto *buttons = dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
        ASSERT_NE(buttons, nullptr);
        QPushButton *accept = buttons->button(QDialogButtonBox::Save);
        if (!accept)
            accept = buttons->button(QDialogButtonBox::Open);
        ASSERT_NE(accept, nullptr);
        QTest::mouseClick(accept, Qt::LeftButton);
    };
}

Prompts::Answer cancelFileDialog()
{
    return [](QWidget *modal) {
        ASSERT_NE(qobject_cast<QFileDialog *>(modal), nullptr) << Prompts::describe(modal).toStdString();
        QTest::keyClick(modal, Qt::Key_Escape);
    };
}

class JourneyTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_documents.isValid());
        startProgram();
    }

    void TearDown() override
    {
        if (m_window) {
            // Whatever the journey left open must not ask anything on the way out.
            m_context->document().modified = false;
            m_window->close();
        }
    }

    // The program's start: one context and one main window over the same documents folder.
    void startProgram()
    {
        m_context = std::make_unique<AppContext>(
            AppFolders(m_documents.path(), QCoreApplication::applicationDirPath()));
        m_context->startUp();
        m_window = std::make_unique<CQuillaryDlg>(*m_context);
        // Without the progress program the operations go ahead after its short wait.
        m_window->longOperation().launcher().setProgram(m_documents.filePath(QStringLiteral("no-pacelight")));
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void quitProgram()
    {
        m_window.reset();
        m_context.reset();
    }

    void checkPrompts(const char *step)
    {
        settle();
        EXPECT_TRUE(m_prompts.allAnswered()) << step << ": an expected dialog never appeared";
        EXPECT_EQ(m_prompts.takeUnexpected(), QStringList()) << step;
        // The offscreen platform has no window manager to give the focus back after a dialog.
        if (m_window->isVisible() && !m_window->isActiveWindow()) {
            m_window->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
        }
    }

    void toolbar(int id) { click(m_window->toolbar().button(id)); settle(); }

    void settingsMenu(const QStringList &entries)
    {
        toolbar(CommandId::Settings);
        chooseInPopup(entries);
    }

    CItemDlg *left() { return m_window->panes().left(); }
    GridView *table() { return m_window->panes().table()->gridView(); }
    GridView *list(int which) { return m_window->panes().bills()->gridView(which); }
    QString tableText(int row, int column) { return shown(table(), row, column); }
    double projectTotal() { return amountIn(tableText(0, ProjectTotalColumn)); }

    int rowOf(const QString &itemName)
    {
        for (int row = FirstRow; row < table()->model()->rowCount(); ++row) {
            if (tableText(row, 3) == itemName)
                return row;
        }
        return -1;
    }

    void clickCell(int row, int column)
    {
        const QModelIndex index = table()->model()->index(row, column);
        table()->scrollTo(index);
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, Qt::NoModifier, table()->visualRect(index).center());
        settle();
    }

    // Every room total is the sum of its items, and the project total the sum of the rooms.
    void expectTotalsAgree()
    {
        double rooms = 0.0;
        double items = 0.0;
        int roomRow = -1;
        const auto closeRoom = [&] {
            if (roomRow >= 0) {
                EXPECT_NEAR(amountIn(tableText(roomRow, RoomTotalColumn)), items, 0.02) << "room row " << roomRow;
            }
        };
        for (int row = FirstRow; row < FirstRow + m_context->estimate().rowCount(); ++row) {
            if (tableText(row, RoomTotalColumn).startsWith(QStringLiteral("结算"))) {
                closeRoom();
                roomRow = row;
                items = 0.0;
                rooms += amountIn(tableText(row, RoomTotalColumn));
            } else {
                items += amountIn(tableText(row, ItemTotalColumn));
            }
        }
        closeRoom();
        EXPECT_NEAR(projectTotal(), rooms, 0.02);
    }

    QTemporaryDir m_documents;
    Prompts m_prompts;
    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<CQuillaryDlg> m_window;
};

TEST_F(JourneyTest, NewUserEstimatesSavesClosesAndReopensAProject)
{
    // ---- start: the form comes first, the title names the new project file.
    EXPECT_EQ(m_window->views().currentView(), ViewSwitcher::FormView);
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Sylvaro造价 - 新建.gzj"));
    EXPECT_EQ(tableText(0, 1), QStringLiteral("新工程"));

    // ---- 新建 on a clean program asks nothing and shows the empty form.
    toolbar(CommandId::NewProject);
    checkPrompts("new");
    CAddListDlg *form = m_window->panes().form();
    ASSERT_TRUE(form->isVisible());

    // ---- the nine fields, Enter moving from one to the next, the last one to the table.
    const QStringList fields = {QStringLiteral("湖畔花园"), QStringLiteral("滨湖路8号"), QStringLiteral("王先生"),
                                QStringLiteral("别墅庭院"), QStringLiteral("320"), QStringLiteral("GZ-2024-01"),
                                QStringLiteral("李工"), QStringLiteral("13800000000"), QStringLiteral("2024-05-01")};
    click(form->fieldButton(0));
    for (int i = 0; i < fields.size(); ++i) {
        QLineEdit *edit = form->editBox(i);
        ASSERT_TRUE(edit->isVisible()) << "field " << i;
        ASSERT_TRUE(edit->hasFocus()) << "field " << i;
        EXPECT_TRUE(edit->text().isEmpty());
        typeText(edit, fields.at(i));
        QTest::keyClick(edit, Qt::Key_Return);
    }
    settle();
    for (int i = 0; i < fields.size(); ++i)
        EXPECT_EQ(form->fieldButton(i)->text(), fields.at(i));
    EXPECT_EQ(m_window->views().currentView(), ViewSwitcher::TableView);
    ASSERT_TRUE(table()->isVisible());
    EXPECT_EQ(tableText(0, 1), QStringLiteral("湖畔花园"));
    EXPECT_EQ(shown(list(0), 0, 1), QStringLiteral("湖畔花园-工程量清单"));
    EXPECT_EQ(shown(list(1), 0, 1), QStringLiteral("湖畔花园-材料清单"));
    EXPECT_EQ(shown(list(2), 0, 1), QStringLiteral("湖畔花园-机械台班清单"));
    checkPrompts("form");

    // ---- a double-click on a category opens it; one on an item asks for the first room.
    QTreeWidget *library = left()->libraryTree();
    doubleClickNode(library, nodeNamed(library, QStringLiteral("土方工程")));
    EXPECT_EQ(m_context->estimate().rowCount(), 0);
    m_prompts.expect(roomAnswer(QStringLiteral("新项目"), QStringLiteral("前院")));
    doubleClickNode(library, nodeNamed(library, QStringLiteral("机械挖一般土方")));
    checkPrompts("first item");
    ASSERT_EQ(m_context->estimate().rowCount(), 2);
    EXPECT_TRUE(tableText(FirstRow, RoomTotalColumn).startsWith(QStringLiteral("结算")));
    EXPECT_EQ(tableText(FirstRow + 1, 3), QStringLiteral("机械挖一般土方"));
    EXPECT_GT(projectTotal(), 0.0);
    EXPECT_NEAR(projectTotal(), amountIn(tableText(FirstRow + 1, ItemTotalColumn)), 0.005);
    ASSERT_EQ(left()->roomsTree()->topLevelItemCount(), 1);
    EXPECT_EQ(left()->roomsTree()->topLevelItem(0)->text(0), QStringLiteral("前院"));

    // ---- 新建房间, then 编辑 on the room row renames it.
    m_prompts.expect(roomAnswer(QStringLiteral("新项目"), QStringLiteral("后院")));
    click(left()->newRoomButton());
    checkPrompts("new room");
    ASSERT_EQ(left()->roomsTree()->topLevelItemCount(), 2);
    const int backRoomRow = FirstRow + 2;
    EXPECT_TRUE(tableText(backRoomRow, RoomTotalColumn).startsWith(QStringLiteral("结算")));
    m_prompts.expect(roomAnswer(QStringLiteral("后院"), QStringLiteral("菜园")));
    clickCell(backRoomRow, BudgetTable::OperationColumn);
    chooseInPopup({QStringLiteral("编辑")});
    checkPrompts("rename room");
    EXPECT_EQ(left()->roomsTree()->topLevelItem(1)->text(0), QStringLiteral("菜园"));
    EXPECT_EQ(shown(list(0), backRoomRow + 3, 1), QStringLiteral("菜园"));

    // ---- search: 搜索 puts the focus into the box, the results replace the tree.
    click(left()->searchButton());
    EXPECT_TRUE(left()->searchBox()->hasFocus());
    EXPECT_TRUE(left()->clearButton()->isVisible());
    EXPECT_FALSE(left()->searchButton()->isVisible());
    typeText(left()->searchBox(), QStringLiteral("火箭"));
    QTreeWidget *results = left()->resultTree();
    EXPECT_TRUE(results->isVisible());
    EXPECT_FALSE(library->isVisible());
    ASSERT_EQ(results->topLevelItemCount(), 1);
    EXPECT_EQ(results->topLevelItem(0)->text(0).trimmed(), QStringLiteral("无搜索结果..."));
    doubleClickNode(results, results->topLevelItem(0));
    EXPECT_EQ(m_context->estimate().rowCount(), 3);
    checkPrompts("search without result");

    replaceText(left()->searchBox(), QStringLiteral("香樟"));
    QStringList found;
    for (int i = 0; i < results->topLevelItemCount(); ++i)
        found.append(results->topLevelItem(i)->text(0).trimmed());
    EXPECT_TRUE(found.contains(QStringLiteral("栽植乔木香樟胸径12cm"))) << found.join(u',').toStdString();
    // The renamed room is the active one: the result goes there.
    doubleClickNode(results, nodeNamed(results, QStringLiteral("栽植乔木香樟胸径12cm")));
    checkPrompts("search result");
    const int treeRow = rowOf(QStringLiteral("栽植乔木香樟胸径12cm"));
    EXPECT_EQ(treeRow, backRoomRow + 1);
    click(left()->clearButton());
    EXPECT_TRUE(left()->searchBox()->text().isEmpty());
    EXPECT_TRUE(library->isVisible());
    EXPECT_FALSE(results->isVisible());
    EXPECT_TRUE(left()->searchButton()->isVisible());
    EXPECT_FALSE(left()->clearButton()->isVisible());

    // A click on a room of the left pane makes it the room that receives the next item.
    clickNode(left()->roomsTree(), left()->roomsTree()->topLevelItem(0));
    doubleClickNode(library, nodeNamed(library, QStringLiteral("园路及铺装")));
    doubleClickNode(library, nodeNamed(library, QStringLiteral("花岗岩铺装30厚芝麻灰")));
    checkPrompts("item into the first room");
    EXPECT_EQ(rowOf(QStringLiteral("花岗岩铺装30厚芝麻灰")), FirstRow + 2);
    expectTotalsAgree();

    // ---- profit rate through both steps of its dialog; a refused text is shown first.
    const double beforeProfit = projectTotal();
    m_prompts.expect([](QWidget *modal) {
        RatePage *page = modal->findChild<RatePage *>();
        ASSERT_NE(page, nullptr) << Prompts::describe(modal).toStdString();
        EXPECT_EQ(modal->windowTitle(), QStringLiteral("设置利润"));
        EXPECT_EQ(page->label()->text(), QStringLiteral("利润率(%)"));
        EXPECT_EQ(page->edit()->text(), QStringLiteral("0"));
        replaceText(page->edit(), QStringLiteral("1.5"));
        QTest::mouseClick(page->okButton(), Qt::LeftButton);
        EXPECT_TRUE(page->notice()->isVisible());
        EXPECT_EQ(page->notice()->text(), QStringLiteral("请输入有效的数字"));
        QTest::mouseClick(page->notice(), Qt::LeftButton);
        EXPECT_TRUE(page->edit()->isVisible());
        EXPECT_TRUE(page->edit()->text().isEmpty());
        QTest::keyClicks(page->edit(), QStringLiteral("10"));
        QTest::mouseClick(page->okButton(), Qt::LeftButton);
        EXPECT_EQ(page->label()->text(), QStringLiteral("确定统一设置项目利润?"));
        QTest::mouseClick(page->okButton(), Qt::LeftButton);
    });
    settingsMenu({QStringLiteral("设置利润")});
    checkPrompts("profit");
    EXPECT_GT(projectTotal(), beforeProfit);
    expectTotalsAgree();

    // ---- the tax and loss columns, and the menu that follows them.
    const int taxWidth = table()->columnWidth(8);
    EXPECT_GT(taxWidth, 0);
    settingsMenu({QStringLiteral("隐藏税金")});
    EXPECT_EQ(table()->columnWidth(8), 0);
    settingsMenu({QStringLiteral("隐藏损耗")});
    EXPECT_EQ(table()->columnWidth(7), 0);
    settingsMenu({QStringLiteral("显示损耗")});
    EXPECT_GT(table()->columnWidth(7), 0);
    toolbar(CommandId::Settings);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_NE(actionNamed(menu, QStringLiteral("显示税金")), nullptr);
    EXPECT_NE(actionNamed(menu, QStringLiteral("隐藏损耗")), nullptr);
    menu->close();
    checkPrompts("columns");

    // ---- precision: the same stored numbers with 0, 1 and 2 decimals.
    const QStringList atTwo = viewTexts(table());
    const QString total = tableText(0, ProjectTotalColumn);
    settingsMenu({QStringLiteral("设置精度"), QStringLiteral("0")});
    EXPECT_FALSE(tableText(0, ProjectTotalColumn).contains(u'.'));
    EXPECT_EQ(tableText(0, ProjectTotalColumn),
              QStringLiteral("总价：") + NumberText::fixed(amountIn(total), 0) + QStringLiteral("元"));
    settingsMenu({QStringLiteral("设置精度"), QStringLiteral("0.0")});
    EXPECT_EQ(tableText(0, ProjectTotalColumn),
              QStringLiteral("总价：") + NumberText::fixed(amountIn(total), 1) + QStringLiteral("元"));
    settingsMenu({QStringLiteral("设置精度"), QStringLiteral("0.00")});
    EXPECT_EQ(tableText(0, ProjectTotalColumn), total);
    QStringList atTwoAgain = viewTexts(table());
    QStringList expected = atTwo;
    for (QString &text : expected) {
        if (text.startsWith(QStringLiteral("结算：")))
            text = text.trimmed();
    }
    for (QString &text : atTwoAgain) {
        if (text.startsWith(QStringLiteral("结算：")))
            text = text.trimmed();
    }
    EXPECT_EQ(atTwoAgain, expected);
    checkPrompts("precision");

    // ---- a quantity typed into the table reprices the row, its room and the project.
    const int paving = rowOf(QStringLiteral("花岗岩铺装30厚芝麻灰"));
    const double oneUnit = amountIn(tableText(paving, ItemTotalColumn));
    const double roomBefore = amountIn(tableText(FirstRow, RoomTotalColumn));
    const QModelIndex quantity = table()->model()->index(paving, QuantityColumn);
    table()->scrollTo(quantity);
    const QPoint cellCentre = table()->visualRect(quantity).center();
    QTest::mouseClick(table()->viewport(), Qt::LeftButton, Qt::NoModifier, cellCentre);
    QTest::mouseDClick(table()->viewport(), Qt::LeftButton, Qt::NoModifier, cellCentre);
    auto *cellEditor = table()->viewport()->findChild<QLineEdit *>();
    ASSERT_NE(cellEditor, nullptr);
    QTest::keyClick(cellEditor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(cellEditor, QStringLiteral("12"));
    QTest::keyClick(cellEditor, Qt::Key_Return);
    settle();
    EXPECT_EQ(tableText(paving, QuantityColumn), QStringLiteral("12.00"));
    EXPECT_NEAR(amountIn(tableText(paving, ItemTotalColumn)), oneUnit * 12, 0.05);
    EXPECT_NEAR(amountIn(tableText(FirstRow, RoomTotalColumn)), roomBefore + oneUnit * 11, 0.05);
    expectTotalsAgree();
    checkPrompts("edit quantity");

    // ---- deleting an item asks nothing; deleting a room asks first.
    clickCell(rowOf(QStringLiteral("栽植乔木香樟胸径12cm")), BudgetTable::OperationColumn);
    chooseInPopup({QStringLiteral("删除")});
    checkPrompts("delete item");
    EXPECT_EQ(rowOf(QStringLiteral("栽植乔木香樟胸径12cm")), -1);
    m_prompts.expect(tipsAnswer(QStringLiteral("是否删除该项？"), {CTipsDlg::OkId, CTipsDlg::CancelId}, CTipsDlg::CancelId));
    const int gardenRow = FirstRow + 3;
    EXPECT_TRUE(tableText(gardenRow, RoomTotalColumn).startsWith(QStringLiteral("结算")));
    clickCell(gardenRow, BudgetTable::OperationColumn);
    chooseInPopup({QStringLiteral("删除")});
    checkPrompts("delete room, cancelled");
    EXPECT_EQ(left()->roomsTree()->topLevelItemCount(), 2);
    m_prompts.expect(tipsAnswer(QStringLiteral("是否删除该项？"), {CTipsDlg::OkId, CTipsDlg::CancelId}, CTipsDlg::OkId));
    clickCell(gardenRow, BudgetTable::OperationColumn);
    chooseInPopup({QStringLiteral("删除")});
    checkPrompts("delete room");
    EXPECT_EQ(left()->roomsTree()->topLevelItemCount(), 1);
    EXPECT_EQ(m_context->estimate().rowCount(), 3);
    expectTotalsAgree();

    // ---- the bill of quantities carries the table's total.
    click(m_window->panes().table()->nextButton());
    settle();
    EXPECT_EQ(m_window->views().currentView(), ViewSwitcher::BillView);
    ASSERT_TRUE(list(0)->isVisible());
    const int billTotalRow = list(0)->model()->rowCount() - 2;
    EXPECT_TRUE(shown(list(0), billTotalRow, 1).startsWith(QStringLiteral("工程总价")));
    EXPECT_NEAR(amountIn(shown(list(0), billTotalRow, 1)), projectTotal(), 0.005);
    EXPECT_EQ(shown(list(0), BudgetTable::BillHeaderRows + 2, 3), QStringLiteral("花岗岩铺装30厚芝麻灰"));

    // ---- the material and machinery lists are built behind the (missing) progress window.
    QSignalSpy built(m_window->panes().bills(), &CDetailListDlg::listBuilt);
    click(left()->stepButton(CItemDlg::MaterialStep));
    EXPECT_TRUE(QTest::qWaitFor([&] { return built.count() == 1; }, 4000));
    settle();
    ASSERT_TRUE(list(1)->isVisible());
    EXPECT_TRUE(m_window->isEnabled());
    const auto listSum = [&](GridView *view, double *rowsSum) {
        const int totalRow = view->model()->rowCount() - 2;
        *rowsSum = 0.0;
        for (int row = 6; row < totalRow; ++row)
            *rowsSum += amountIn(shown(view, row, 7));
        return amountIn(shown(view, totalRow, 1));
    };
    double materialRows = 0.0;
    const double materialTotal = listSum(list(1), &materialRows);
    EXPECT_GT(list(1)->model()->rowCount(), 8);
    EXPECT_GT(materialTotal, 0.0);
    EXPECT_NEAR(materialTotal, materialRows, 0.05);

    click(left()->stepButton(CItemDlg::MachineStep));
    EXPECT_TRUE(QTest::qWaitFor([&] { return built.count() == 2; }, 4000));
    settle();
    ASSERT_TRUE(list(2)->isVisible());
    double machineRows = 0.0;
    const double machineTotal = listSum(list(2), &machineRows);
    EXPECT_GT(machineTotal, 0.0);
    EXPECT_NEAR(machineTotal, machineRows, 0.05);
    QStringList machines;
    for (int row = 6; row < list(2)->model()->rowCount() - 2; ++row)
        machines.append(shown(list(2), row, 3));
    EXPECT_TRUE(machines.contains(QStringLiteral("履带式单斗挖掘机1m³"))) << machines.join(u',').toStdString();
    checkPrompts("lists");

    click(left()->stepButton(CItemDlg::BudgetStep));
    settle();
    EXPECT_EQ(m_window->views().currentView(), ViewSwitcher::TableView);

    // ---- 保存: the name typed without extension gets ".gzj"; the title names the file written.
    EXPECT_TRUE(m_context->document().modified);
    const QString savedPath = m_documents.filePath(QStringLiteral("湖畔花园.gzj"));
    m_prompts.expect(fileAnswer(m_documents.filePath(QStringLiteral("湖畔花园"))));
    toolbar(CommandId::SaveProject);
    checkPrompts("save");
    EXPECT_TRUE(QFileInfo::exists(savedPath));
    EXPECT_FALSE(m_context->document().modified);
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Sylvaro造价 - 湖畔花园.gzj"));

    // Saving again over the same name asks before the file is replaced.
    m_prompts.expect(fileAnswer(m_documents.filePath(QStringLiteral("湖畔花园"))));
    m_prompts.expect([](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        ASSERT_NE(box, nullptr) << Prompts::describe(modal).toStdString();
        QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
    });
    toolbar(CommandId::SaveProject);
    checkPrompts("save over");
    const QStringList saved = viewTexts(table());

    // ---- an item added after the save makes the close ask: 取消 keeps the window,
    // 确定 with a cancelled save dialog keeps it too, 否 closes without saving.
    doubleClickNode(library, nodeNamed(library, QStringLiteral("碎石垫层")));
    EXPECT_TRUE(m_context->document().modified);
    const QString askSave = QStringLiteral("项目已更改，是否保存？");
    const QList<int> threeButtons = {CTipsDlg::OkId, CTipsDlg::NoId, CTipsDlg::CancelId};
    m_window->resize(1320, 860);
    settle();
    m_prompts.expect(tipsAnswer(askSave, threeButtons, CTipsDlg::CancelId));
    m_window->close();
    checkPrompts("close, cancelled");
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_NE(rowOf(QStringLiteral("碎石垫层")), -1);
    m_prompts.expect(tipsAnswer(askSave, threeButtons, CTipsDlg::OkId));
    m_prompts.expect(cancelFileDialog());
    m_window->close();
    checkPrompts("close, save cancelled");
    EXPECT_TRUE(m_window->isVisible());
    m_prompts.expect(tipsAnswer(askSave, threeButtons, CTipsDlg::NoId));
    m_window->close();
    checkPrompts("close");
    EXPECT_FALSE(m_window->isVisible());

    // ---- start again: the remembered settings, then the saved project.
    quitProgram();
    startProgram();
    EXPECT_EQ(m_window->size(), QSize(1320, 860));
    EXPECT_EQ(m_window->views().currentView(), ViewSwitcher::FormView);
    EXPECT_EQ(m_context->estimate().rowCount(), 0);
    EXPECT_FALSE(m_context->settings().rates.profitEnabled);
    toolbar(CommandId::Settings);
    menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_NE(actionNamed(menu, QStringLiteral("显示税金")), nullptr);
    EXPECT_NE(actionNamed(menu, QStringLiteral("隐藏损耗")), nullptr);
    ASSERT_NE(actionNamed(menu, QStringLiteral("设置精度")), nullptr);
    EXPECT_TRUE(actionNamed(actionNamed(menu, QStringLiteral("设置精度"))->menu(), QStringLiteral("0.00"))->isChecked());
    menu->close();
    // The profit dialog offers the rate set in the last session; 取消 changes nothing.
    m_prompts.expect([](QWidget *modal) {
        RatePage *page = modal->findChild<RatePage *>();
        ASSERT_NE(page, nullptr) << Prompts::describe(modal).toStdString();
        EXPECT_EQ(page->edit()->text(), QStringLiteral("10"));
        QTest::mouseClick(page->cancelButton(), Qt::LeftButton);
    });
    settingsMenu({QStringLiteral("设置利润")});
    checkPrompts("profit remembered");
    EXPECT_FALSE(m_context->settings().rates.profitEnabled);

    m_prompts.expect(fileAnswer(savedPath));
    toolbar(CommandId::OpenProject);
    checkPrompts("open");
    EXPECT_EQ(m_window->views().currentView(), ViewSwitcher::TableView);
    EXPECT_EQ(viewTexts(table()), saved);
    EXPECT_FALSE(m_window->panes().form()->isVisible());
    EXPECT_EQ(m_window->panes().form()->fieldButton(0)->text(), QStringLiteral("湖畔花园"));
    EXPECT_EQ(m_window->panes().form()->fieldButton(8)->text(), QStringLiteral("2024-05-01"));
    EXPECT_EQ(left()->roomsTree()->topLevelItemCount(), 1);
    EXPECT_FALSE(m_context->document().modified);

    // A clean project closes without a question.
    m_window->close();
    checkPrompts("close clean");
    EXPECT_FALSE(m_window->isVisible());
}

} // namespace
