#include "app/appcontext.h"
#include "app/profilefile.h"
#include "app/widgets/autosave.h"
#include "app/widgets/caddlistdlg.h"
#include "app/widgets/commandids.h"
#include "app/widgets/cquillarydlg.h"
#include "app/widgets/documentcommands.h"
#include "app/widgets/mainpanes.h"
#include "app/widgets/maintoolbar.h"
#include "app/widgets/ratepage.h"
#include "app/widgets/settingsmenu.h"
#include "app/widgets/viewswitcher.h"
#include "contracts/widgets/gridview.h"
#include "estimate/widgets/ctabledlg.h"
#include "library/widgets/citemdlg.h"
#include "reports/griddump.h"
#include "reports/widgets/cdetaillistdlg.h"
#include "reports/widgets/cparticulars.h"
#include "reports/widgets/csetpage.h"
#include "tests/reports/pdfreadback.h"
#include "app/widgets/printactions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

const QString SampleProject = QStringLiteral(PLOTWRIGHT_SOURCE_DIR "/examples/garden.gzj");

// Acts on the next modal dialog as soon as it is open.
void onNextModal(std::function<void(QWidget *)> action)
{
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            action(modal);
        }
    });
    timer->start(10);
}

QStringList tableTexts(Grid &grid)
{
    QStringList texts;
    for (int row = 0; row < grid.rowCount(); ++row) {
        for (int column = 0; column < grid.columnCount(); ++column)
            texts.append(grid.text(row, column));
    }
    return texts;
}

QAction *actionNamed(QMenu *menu, const QString &text)
{
    for (QAction *action : menu->actions()) {
        if (action->text() == text)
            return action;
        if (action->menu()) {
            if (QAction *inner = actionNamed(action->menu(), text))
                return inner;
        }
    }
    return nullptr;
}

// Types the rate into the rate dialog and confirms it at both of its steps.
void enterRateInBothSteps(QWidget *modal, const QString &rate)
{
    auto *page = modal->findChild<RatePage *>();
    ASSERT_NE(page, nullptr);
    page->edit()->setText(rate);
    page->okButton()->click();
    page->okButton()->click();
}

class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_documents.isValid());
        m_context = std::make_unique<AppContext>(
            AppFolders(m_documents.path(), QCoreApplication::applicationDirPath()));
        m_context->startUp();
        m_window = std::make_unique<CQuillaryDlg>(*m_context);
        m_window->show();
    }

    void openProject(const QString &path)
    {
        m_window->documents().setOpenChooser(
            [path](const QString &) { return std::optional<QString>(path); });
        m_window->documents().openProject();
    }

    QMenu *openSettingsMenu()
    {
        m_window->toolbar().button(CommandId::Settings)->click();
        return m_window->settingsMenu().menu();
    }

    QTemporaryDir m_documents;
    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<CQuillaryDlg> m_window;
};

TEST_F(MainWindowTest, PrecisionChosenInTheSettingsMenuRewritesTheTable)
{
    openProject(SampleProject);
    ASSERT_GT(m_context->estimate().rowCount(), 1);
    const QStringList atTwo = tableTexts(m_context->tableGrid());

    QMenu *menu = openSettingsMenu();
    ASSERT_NE(menu, nullptr);
    actionNamed(menu, QStringLiteral("0"))->trigger();
    EXPECT_EQ(m_context->estimate().precision(), 0);
    EXPECT_TRUE(m_context->tableGrid().text(0, 13).startsWith(QStringLiteral("总价：")));
    EXPECT_FALSE(m_context->tableGrid().text(0, 13).contains(u'.'));

    menu = openSettingsMenu();
    EXPECT_TRUE(actionNamed(menu, QStringLiteral("0"))->isChecked());
    EXPECT_FALSE(actionNamed(menu, QStringLiteral("0.00"))->isChecked());
    actionNamed(menu, QStringLiteral("0.00"))->trigger();
    // Nothing stored was rounded: the texts come back, room totals without their trailing blank.
    QStringList expected = atTwo;
    for (QString &text : expected) {
        if (text.startsWith(QStringLiteral("结算：")))
            text = text.trimmed();
    }
    EXPECT_EQ(tableTexts(m_context->tableGrid()), expected);
}

TEST_F(MainWindowTest, TaxEntryOfTheSettingsMenuFollowsTheColumn)
{
    QMenu *menu = openSettingsMenu();
    ASSERT_NE(actionNamed(menu, QStringLiteral("隐藏税金")), nullptr);
    actionNamed(menu, QStringLiteral("隐藏税金"))->trigger();
    EXPECT_FALSE(m_context->budgetTable().showTax());
    menu = openSettingsMenu();
    EXPECT_NE(actionNamed(menu, QStringLiteral("显示税金")), nullptr);
    EXPECT_TRUE(actionNamed(menu, QStringLiteral("设置页面"))->isEnabled());
}

TEST_F(MainWindowTest, ProfitRateSetThroughBothStepsReachesEveryItem)
{
    openProject(SampleProject);
    onNextModal([](QWidget *modal) {
        enterRateInBothSteps(modal, QStringLiteral("10"));
    });
    actionNamed(openSettingsMenu(), QStringLiteral("设置利润"))->trigger();

    EXPECT_EQ(m_context->settings().rates.mainProfit, QStringLiteral("10"));
    EXPECT_TRUE(m_context->settings().rates.profitEnabled);
    int items = 0;
    for (const EstimateRow &row : m_context->estimate().rows()) {
        if (!row.isConstruct())
            continue;
        ++items;
        EXPECT_FLOAT_EQ(row.item.brand.materialprofit, 0.1f);
        EXPECT_FLOAT_EQ(row.item.brand.laborprofit, 0.1f);
    }
    EXPECT_GT(items, 0);
}

TEST_F(MainWindowTest, AProfitRateThatWouldOverflowTheAmountsIsRefusedWithANoticeAndNotStored)
{
    // A project whose amounts are large but in range: a profit of 99999999 % would carry them past what a
    // number can hold.
    QFile sample(SampleProject);
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    QByteArray bytes = sample.readAll();
    ASSERT_TRUE(bytes.contains("num=\"120.000\""));
    bytes.replace("num=\"120.000\"", "num=\"1e32\"");
    const QString path = m_documents.filePath(QStringLiteral("large.gzj"));
    QFile large(path);
    ASSERT_TRUE(large.open(QIODevice::WriteOnly));
    ASSERT_EQ(large.write(bytes), bytes.size());
    large.close();
    openProject(path);
    ASSERT_GT(m_context->estimate().rowCount(), 1);

    const QStringList tableBefore = tableTexts(m_context->tableGrid());
    const QString profitBefore = m_context->settings().rates.mainProfit;
    const bool enabledBefore = m_context->settings().rates.profitEnabled;
    QList<float> profitsBefore;
    for (const EstimateRow &row : m_context->estimate().rows())
        profitsBefore.append(row.isConstruct() ? row.item.brand.materialprofit : -1.0f);
    const QByteArray settingsBefore = [this] {
        QFile file(m_context->folders().settingsFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();

    QString noticeTitle;
    QString noticeText;
    onNextModal([&noticeTitle, &noticeText](QWidget *modal) {
        enterRateInBothSteps(modal, QStringLiteral("99999999%"));
        // The notice comes once the rate dialog has closed.
        auto *poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, [poll, &noticeTitle, &noticeText] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            poll->stop();
            poll->deleteLater();
            noticeTitle = box->windowTitle();
            noticeText = box->text();
            box->button(QMessageBox::Ok)->click();
        });
        poll->start(10);
    });
    actionNamed(openSettingsMenu(), QStringLiteral("设置利润"))->trigger();

    EXPECT_EQ(noticeTitle, QStringLiteral("提示"));
    EXPECT_EQ(noticeText, QStringLiteral("该费率使金额或合计超出范围，未应用。"));
    EXPECT_EQ(m_context->settings().rates.mainProfit, profitBefore);
    EXPECT_EQ(m_context->settings().rates.profitEnabled, enabledBefore);
    QList<float> profitsAfter;
    for (const EstimateRow &row : m_context->estimate().rows())
        profitsAfter.append(row.isConstruct() ? row.item.brand.materialprofit : -1.0f);
    EXPECT_EQ(profitsAfter, profitsBefore);
    EXPECT_EQ(tableTexts(m_context->tableGrid()), tableBefore);
    for (const QString &text : tableTexts(m_context->tableGrid()))
        EXPECT_FALSE(text.contains(QStringLiteral("inf")) || text.contains(QStringLiteral("nan"))) << qPrintable(text);
    QFile settings(m_context->folders().settingsFile());
    EXPECT_EQ(settings.open(QIODevice::ReadOnly) ? settings.readAll() : QByteArray(), settingsBefore);
    EXPECT_FALSE(m_context->document().modified);

    // A rate that fits is still applied afterwards.
    onNextModal([](QWidget *modal) {
        enterRateInBothSteps(modal, QStringLiteral("10"));
    });
    actionNamed(openSettingsMenu(), QStringLiteral("设置利润"))->trigger();
    EXPECT_EQ(m_context->settings().rates.mainProfit, QStringLiteral("10"));
    EXPECT_NE(tableTexts(m_context->tableGrid()), tableBefore);
}

TEST_F(MainWindowTest, SavedProjectOpensAgainWithTheSameTable)
{
    openProject(SampleProject);
    const QStringList before = tableTexts(m_context->tableGrid());
    const QString target = m_documents.filePath(QStringLiteral("copy"));
    m_window->documents().setSaveChooser(
        [target](const QString &) { return std::optional<QString>(target); });
    ASSERT_TRUE(m_window->documents().saveProject());
    ASSERT_TRUE(QFileInfo::exists(target + QStringLiteral(".gzj")));

    m_window->documents().newProject();
    EXPECT_EQ(m_context->estimate().rowCount(), 0);
    EXPECT_EQ(m_window->views().currentView(), ViewSwitcher::FormView);

    openProject(target + QStringLiteral(".gzj"));
    EXPECT_EQ(m_window->views().currentView(), ViewSwitcher::TableView);
    EXPECT_EQ(tableTexts(m_context->tableGrid()), before);
    EXPECT_FALSE(m_context->document().modified);
}

TEST_F(MainWindowTest, CancelInTheUnsavedChangesPromptKeepsTheProject)
{
    openProject(SampleProject);
    const int rows = m_context->estimate().rowCount();
    m_context->document().modified = true;

    onNextModal([](QWidget *modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    m_window->documents().newProject();
    EXPECT_EQ(m_context->estimate().rowCount(), rows);
    EXPECT_TRUE(m_context->document().modified);

    onNextModal(
        [](QWidget *modal) { modal->findChild<QPushButton *>(QStringLiteral("TipsDlgCancel"))->click(); });
    m_window->close();
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_EQ(m_context->estimate().rowCount(), rows);
}

TEST_F(MainWindowTest, EnterAndEscapeDoNotCloseTheWindow)
{
    QTest::keyClick(m_window.get(), Qt::Key_Escape);
    QTest::keyClick(m_window.get(), Qt::Key_Return);
    EXPECT_TRUE(m_window->isVisible());
}

} // namespace

TEST_F(MainWindowTest, HoveringAnItemsDescriptionShowsItsMaterialsUntilTheMouseLeaves)
{
    openProject(SampleProject);
    const QList<EstimateRow> &rows = m_context->estimate().rows();
    int item = -1;
    for (int i = 0; i < rows.size() && item < 0; ++i) {
        if (rows.at(i).isConstruct() && !rows.at(i).item.brand.materials.isEmpty())
            item = i;
    }
    ASSERT_GE(item, 0);
    CParticulars *hover = m_window->panes().particulars();
    ASSERT_NE(hover, nullptr);
    EXPECT_FALSE(hover->isVisible());

    GridView *view = m_window->panes().table()->gridView();
    emit view->mouseMoved(item + 3, 4, QPoint());
    EXPECT_TRUE(hover->isVisible());
    EXPECT_EQ(hover->grid().text(2, 1), rows.at(item).item.brand.materials.at(0).name);

    emit view->mouseLeft();
    EXPECT_FALSE(hover->isVisible());
}

namespace {

// Acts on the modal dialog titled `title` once it is open.
void onModalTitled(const QString &title, std::function<void(QWidget *)> action)
{
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, title, action] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal->windowTitle() == title) {
            timer->stop();
            timer->deleteLater();
            action(modal);
        }
    });
    timer->start(10);
}

// The pages a print preview shows, laid out afresh.
int previewPages(QWidget *dialog)
{
    auto *view = dialog->findChild<QPrintPreviewWidget *>();
    if (!view)
        return -1;
    view->updatePreview();
    return view->pageCount();
}

struct PreviewSeen {
    bool shown = false;
    int pages = 0;
    int fixedRows = -1;
    QString firstCaption;
    int titleHeight = -1;
};

// Watches the two previews of a print run on `grid` and closes each as a user would.
void watchPreviews(Grid &grid, PreviewSeen &cover, PreviewSeen &list)
{
    onModalTitled(QStringLiteral("打印预览 - 封面页"), [&grid, &cover, &list](QWidget *dialog) {
        cover = {true, previewPages(dialog), grid.fixedRowCount(), grid.text(4, 1), grid.rowHeight(0)};
        onModalTitled(QStringLiteral("打印预览 - 清单"), [&grid, &list](QWidget *second) {
            list = {true, previewPages(second), grid.fixedRowCount(), grid.text(4, 1), grid.rowHeight(0)};
            static_cast<QDialog *>(second)->reject();
        });
        static_cast<QDialog *>(dialog)->reject();
    });
}

// The table row of the project's first item, -1 without one.
int firstItemRow(AppContext &context)
{
    for (int i = 0; i < context.estimate().rowCount(); ++i) {
        if (context.estimate().rows().at(i).isConstruct())
            return i + BudgetTable::TableHeaderRows;
    }
    return -1;
}

// What the table shows in a cell, through the view's model.
QString shownInTable(CQuillaryDlg &window, int row, int column)
{
    QAbstractItemModel *model = window.panes().table()->gridView()->model();
    return model->data(model->index(row, column)).toString();
}

TEST_F(MainWindowTest, CtrlZTakesBackAQuantityCtrlYPutsItBackAndTheCloseAsksOnlyThen)
{
    openProject(SampleProject);
    const int row = firstItemRow(*m_context);
    ASSERT_GE(row, 0);
    const QString quantity = shownInTable(*m_window, row, 6);
    const QString total = shownInTable(*m_window, 0, 13);
    QAbstractButton *undo = m_window->toolbar().button(CommandId::Undo);
    QAbstractButton *redo = m_window->toolbar().button(CommandId::Redo);
    EXPECT_FALSE(undo->isEnabled());

    QAbstractItemModel *model = m_window->panes().table()->gridView()->model();
    ASSERT_TRUE(model->setData(model->index(row, 6), QStringLiteral("123")));
    ASSERT_NE(shownInTable(*m_window, row, 6), quantity);
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_TRUE(undo->toolTip().startsWith(QStringLiteral("撤销 修改工程量")));

    // Shortcuts reach the active window only.
    QApplication::setActiveWindow(m_window.get());
    QTest::keyClick(m_window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(shownInTable(*m_window, row, 6), quantity);
    EXPECT_EQ(shownInTable(*m_window, 0, 13), total);
    EXPECT_FALSE(m_context->document().modified);
    EXPECT_TRUE(redo->toolTip().startsWith(QStringLiteral("重做 修改工程量")));

    QTest::keyClick(m_window.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_NE(shownInTable(*m_window, row, 6), quantity);
    QTest::keyClick(m_window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_NE(shownInTable(*m_window, row, 6), quantity) << "nothing left to redo";

    // Modified again: closing puts the question, and Cancel keeps the window.
    bool asked = false;
    onNextModal([&asked](QWidget *modal) {
        asked = true;
        modal->findChild<QPushButton *>(QStringLiteral("TipsDlgCancel"))->click();
    });
    m_window->close();
    EXPECT_TRUE(asked);
    EXPECT_TRUE(m_window->isVisible());

    // Undone back to the opened state: the close is silent.
    undo->click();
    EXPECT_EQ(shownInTable(*m_window, row, 6), quantity);
    m_window->close();
    EXPECT_FALSE(m_window->isVisible());
}

// The names the rooms tree of the left pane lists, top to bottom.
QStringList roomsTreeNames(CQuillaryDlg &window)
{
    QStringList names;
    QTreeWidget *tree = window.panes().left()->roomsTree();
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        names.append(tree->topLevelItem(i)->text(0));
    return names;
}

TEST_F(MainWindowTest, UndoAndRedoOfADeletedRoomUpdateTheRoomsTree)
{
    openProject(SampleProject);
    const QStringList rooms = roomsTreeNames(*m_window);
    ASSERT_GE(rooms.size(), 2);
    int roomRow = -1;
    const QList<EstimateRow> &rows = m_context->estimate().rows();
    for (int i = 0, ordinal = 0; i < rows.size() && roomRow < 0; ++i) {
        if (rows.at(i).isRoom() && ordinal++ == 1)
            roomRow = i + 3;
    }
    ASSERT_GE(roomRow, 0);

    m_context->budgetTable().setClickedRow(roomRow);
    onNextModal([](QWidget *modal) { modal->findChild<QPushButton *>(QStringLiteral("TipsDlgOK"))->click(); });
    actionNamed(m_window->panes().table()->operationMenu(), QStringLiteral("删除               "))->trigger();
    QStringList withoutSecond = rooms;
    withoutSecond.removeAt(1);
    EXPECT_EQ(roomsTreeNames(*m_window), withoutSecond);

    QApplication::setActiveWindow(m_window.get());
    QTest::keyClick(m_window.get(), Qt::Key_Z, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(roomsTreeNames(*m_window), rooms);
    QTest::keyClick(m_window.get(), Qt::Key_Y, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(roomsTreeNames(*m_window), withoutSecond);
}

TEST_F(MainWindowTest, AProjectNameTypedIntoTheFormIsUndoneLikeAnyEdit)
{
    openProject(SampleProject);
    m_window->showForm();
    CAddListDlg *form = m_window->panes().form();
    const QString name = form->fieldButton(0)->text();
    const QString title = m_context->tableGrid().text(0, 1);
    QTest::mouseClick(form->fieldButton(0), Qt::LeftButton);
    form->editBox(0)->setText(QStringLiteral("湖畔花园"));
    form->finishEdit();
    ASSERT_EQ(form->fieldButton(0)->text(), QStringLiteral("湖畔花园"));
    ASSERT_EQ(m_context->tableGrid().text(0, 1), QStringLiteral("湖畔花园"));
    QAbstractButton *undo = m_window->toolbar().button(CommandId::Undo);
    ASSERT_TRUE(undo->isEnabled());
    EXPECT_TRUE(undo->toolTip().startsWith(QStringLiteral("撤销 修改项目信息")));

    undo->click();
    EXPECT_EQ(form->fieldButton(0)->text(), name);
    EXPECT_EQ(m_context->tableGrid().text(0, 1), title);
    EXPECT_EQ(m_context->projectInfo().name, name);
    EXPECT_FALSE(m_context->document().modified) << "back at the opened state";
    m_window->toolbar().button(CommandId::Redo)->click();
    EXPECT_EQ(form->fieldButton(0)->text(), QStringLiteral("湖畔花园"));
    EXPECT_EQ(m_context->tableGrid().text(0, 1), QStringLiteral("湖畔花园"));
    EXPECT_TRUE(m_context->document().modified);
}

} // namespace

TEST_F(MainWindowTest, PrintFromTheFormMovesToTheBillAndShowsTheCoverThenTheListPreview)
{
    openProject(SampleProject);
    m_window->showForm();
    Grid &bill = m_context->billGrid();
    const QString before = dumpGrid(bill);
    PreviewSeen cover;
    PreviewSeen list;
    watchPreviews(bill, cover, list);
    QAbstractButton *print = m_window->toolbar().button(CommandId::Print);
    ASSERT_TRUE(print->isEnabled());
    print->click();

    EXPECT_EQ(m_window->views().currentView(), ViewSwitcher::BillView);
    EXPECT_EQ(m_context->billLists().currentList(), BillLists::BillOfQuantities);
    ASSERT_TRUE(cover.shown);
    EXPECT_EQ(cover.pages, 1);
    EXPECT_EQ(cover.fixedRows, 1);
    EXPECT_EQ(cover.firstCaption, QStringLiteral("项目地址:"));
    ASSERT_TRUE(list.shown);
    EXPECT_GE(list.pages, 1);
    EXPECT_EQ(list.titleHeight, 0);
    // The list on screen is as before, its title band 32 high.
    EXPECT_EQ(dumpGrid(bill), before);
    EXPECT_EQ(bill.rowHeight(0) + bill.rowHeight(1), 32);
    EXPECT_EQ(bill.fixedRowCount(), 6);
}

TEST_F(MainWindowTest, TurningThePageInsideThePreviewLaysTheListOutAgain)
{
    openProject(SampleProject);
    // A bill long enough to fill several pages.
    const int first = firstItemRow(*m_context) - BudgetTable::TableHeaderRows;
    ASSERT_GE(first, 0);
    const ConstructItem item = m_context->estimate().rows().at(first).item;
    for (int copy = 0; copy < 120; ++copy)
        m_context->estimateDocument().insertItem(first + 1, item, m_context->settings().rates);
    int portrait = -1;
    int landscape = -1;
    onModalTitled(QStringLiteral("打印预览 - 封面页"), [&portrait, &landscape](QWidget *dialog) {
        onModalTitled(QStringLiteral("打印预览 - 清单"), [&portrait, &landscape](QWidget *second) {
            portrait = previewPages(second);
            // The preview's own orientation button.
            second->findChild<QPrintPreviewWidget *>()->setLandscapeOrientation();
            landscape = previewPages(second);
            static_cast<QDialog *>(second)->reject();
        });
        static_cast<QDialog *>(dialog)->reject();
    });
    m_window->toolbar().button(CommandId::Print)->click();
    ASSERT_GT(portrait, 1);
    // A landscape page holds fewer of the rows, shrunk less to its wider printable width.
    EXPECT_GT(landscape, portrait);
}

TEST_F(MainWindowTest, CtrlPAtTheMaterialListPrintsTheMaterialList)
{
    openProject(SampleProject);
    m_window->showBillList(2);
    ASSERT_EQ(m_context->billLists().currentList(), BillLists::MaterialList);
    // The offscreen platform delivers no key to a window's shortcuts: the shortcut is fired as the key would.
    QShortcut *printKeys = nullptr;
    for (QShortcut *shortcut : m_window->findChildren<QShortcut *>()) {
        if (shortcut->key() == QKeySequence(Qt::CTRL | Qt::Key_P))
            printKeys = shortcut;
    }
    ASSERT_NE(printKeys, nullptr);
    PreviewSeen cover;
    PreviewSeen list;
    watchPreviews(m_context->billLists().materialGrid(), cover, list);
    emit printKeys->activated();
    EXPECT_TRUE(cover.shown);
    EXPECT_EQ(cover.fixedRows, 1);
    EXPECT_TRUE(list.shown);
    EXPECT_EQ(list.fixedRows, 5);
    // The bill grid was not touched.
    EXPECT_EQ(m_context->billGrid().fixedRowCount(), 6);
    EXPECT_EQ(m_context->billGrid().rowHeight(0), 8);
}

TEST_F(MainWindowTest, PageSetupRefusesAZeroMarginThenChangesThePaperOfTheNextPdf)
{
    openProject(SampleProject);
    bool refusedInPlace = false;
    onNextModal([&refusedInPlace](QWidget *modal) {
        auto *dialog = qobject_cast<CSetPage *>(modal);
        ASSERT_NE(dialog, nullptr);
        QLineEdit *bottom = dialog->marginEdit(PageSetupForm::Bottom);
        bottom->setText(QStringLiteral("0"));
        dialog->findChild<QPushButton *>(QStringLiteral("1"))->click();
        refusedInPlace = dialog->isVisible() && bottom->text() == QStringLiteral("请输入有效的数字") &&
                         dialog->focusWidget() == bottom;
        bottom->setText(QStringLiteral("12.5"));
        dialog->paperList()->setCurrentIndex(1);
        QTest::mouseClick(dialog->landscapeButton(), Qt::LeftButton);
        dialog->findChild<QPushButton *>(QStringLiteral("1"))->click();
    });
    QAction *entry = actionNamed(openSettingsMenu(), QStringLiteral("设置页面"));
    ASSERT_NE(entry, nullptr);
    ASSERT_TRUE(entry->isEnabled());
    entry->trigger();
    EXPECT_TRUE(refusedInPlace);
    const PageSettings &page = m_context->settings().page;
    EXPECT_EQ(page.pagesize, QStringLiteral("A3"));
    EXPECT_EQ(page.pageorientation, QStringLiteral("Horizon"));
    EXPECT_EQ(page.pagemarginbottom, QStringLiteral("12.5"));
    QFile ini(m_context->folders().settingsFile());
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(ini.readAll()).contains(QStringLiteral("PageSize=A3")));

    // The next PDF from the list pane is on landscape A3; a bare name gets its extension.
    m_window->showBillList(1);
    const QString target = m_documents.filePath(QStringLiteral("清单"));
    m_window->printing().setPathChooser([target](const QString &) { return target; });
    m_window->panes().bills()->pdfButton()->click();
    const QString pdf = target + QStringLiteral(".pdf");
    ASSERT_TRUE(QFileInfo::exists(pdf));
    EXPECT_TRUE(PdfReadBack::info(pdf, QStringLiteral("Page size")).startsWith(QStringLiteral("1191 x 842")));
    EXPECT_TRUE(PdfReadBack::pageText(pdf, 1).contains(QStringLiteral("- 封面页 -")));
    EXPECT_TRUE(PdfReadBack::pageText(pdf, 2).contains(QRegularExpression(QStringLiteral("共 \\d+ 页，第 1 页"))));
    EXPECT_EQ(m_context->billGrid().rowHeight(0), 32);
}
namespace {

// A run ends without closing (its copy stays behind); the next start offers the copy
// and 确定 brings the edit back as the modified project of its own file.
TEST_F(MainWindowTest, AnEditLeftByARunThatDidNotEndIsRecoveredAtTheNextStart)
{
    openProject(SampleProject);
    const int row = firstItemRow(*m_context);
    ASSERT_GE(row, 0);
    QAbstractItemModel *model = m_window->panes().table()->gridView()->model();
    ASSERT_TRUE(model->setData(model->index(row, 6), QStringLiteral("123")));
    const QString edited = shownInTable(*m_window, row, 6);
    EXPECT_EQ(m_window->autosave().intervalSeconds(), Autosave::DefaultIntervalSeconds);
    ASSERT_TRUE(m_window->autosave().writeIfModified());
    const QString copy = m_window->autosave().store().copyPath();
    ASSERT_TRUE(QFileInfo::exists(copy));
    EXPECT_NE(copy, SampleProject);

    // No close: the window and the context simply go, as with a killed program.
    m_window.reset();
    m_context =
        std::make_unique<AppContext>(AppFolders(m_documents.path(), QCoreApplication::applicationDirPath()));
    m_context->startUp();
    m_window = std::make_unique<CQuillaryDlg>(*m_context);
    m_window->show();
    QString question;
    onNextModal([&question](QWidget *modal) {
        for (QLabel *label : modal->findChildren<QLabel *>())
            question += label->text();
        modal->findChild<QPushButton *>(QStringLiteral("TipsDlgOK"))->click();
    });
    ASSERT_TRUE(m_window->offerRecovery());
    EXPECT_TRUE(question.contains(QStringLiteral("发现上次未正常关闭时自动保存的工程，是否恢复？")));
    EXPECT_EQ(shownInTable(*m_window, row, 6), edited);
    EXPECT_EQ(m_context->document().currentProjectPath, SampleProject);
    EXPECT_TRUE(m_context->document().modified);
    EXPECT_TRUE(QFileInfo::exists(copy)) << "kept until the project is saved";

    // Closed cleanly without saving: nothing is offered any more.
    onNextModal(
        [](QWidget *modal) { modal->findChild<QPushButton *>(QStringLiteral("TipsDlgNO"))->click(); });
    m_window->close();
    EXPECT_FALSE(QFileInfo::exists(copy));
}

const char RecoveryChildDocuments[] = "PLOTWRIGHT_RECOVERY_DOCUMENTS";

// Not run on its own: the test after it starts it in a process of its own and kills that
// process once the window's autosave timer has written the recovery copy.
TEST(RecoveryChild, DISABLED_EditsAndWaitsToBeKilled)
{
    const QString documents = qEnvironmentVariable(RecoveryChildDocuments);
    ASSERT_FALSE(documents.isEmpty());
    AppContext context(AppFolders(documents, QCoreApplication::applicationDirPath()));
    context.startUp();
    CQuillaryDlg window(context);
    window.show();
    window.documents().setOpenChooser([](const QString &) { return std::optional<QString>(SampleProject); });
    window.documents().openProject();
    const int row = firstItemRow(context);
    ASSERT_GE(row, 0);
    QAbstractItemModel *model = window.panes().table()->gridView()->model();
    ASSERT_TRUE(model->setData(model->index(row, 6), QStringLiteral("123")));
    std::printf("edited: %s\n", qPrintable(shownInTable(window, row, 6)));
    const QString copy = window.autosave().store().copyPath();
    ASSERT_TRUE(QTest::qWaitFor([&copy] { return QFileInfo::exists(copy); }, 20000));
    std::printf("copy written\n");
    std::fflush(stdout);
    QTest::qWait(60000);
    ADD_FAILURE() << "never killed";
}

TEST_F(MainWindowTest, AnEditOfAKilledProgramIsOfferedAtTheNextStart)
{
    // The killed run must hold the recovery lock, so this one lets go of it first.
    m_window.reset();
    m_context.reset();
    const AppFolders folders(m_documents.path(), QCoreApplication::applicationDirPath());
    ASSERT_TRUE(folders.createMissingFolders());
    ProfileFile settings(folders.settingsFile());
    settings.writeString(Autosave::Section, Autosave::IntervalKey, QStringLiteral("1"));
    ASSERT_TRUE(settings.save());

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(RecoveryChildDocuments), m_documents.path());
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_also_run_disabled_tests"),
                 QStringLiteral("--gtest_filter=RecoveryChild.DISABLED_EditsAndWaitsToBeKilled")});
    ASSERT_TRUE(child.waitForStarted());
    QByteArray output;
    const bool written = QTest::qWaitFor(
        [&] {
            child.waitForReadyRead(100);
            output += child.readAllStandardOutput();
            return output.contains("copy written") || child.state() == QProcess::NotRunning;
        },
        60000);
    ASSERT_TRUE(written && output.contains("copy written")) << output.constData();
    child.kill();
    ASSERT_TRUE(child.waitForFinished());
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);
    const QRegularExpression editedLine(QStringLiteral("edited: (\\S+)"));
    const QString edited = editedLine.match(QString::fromUtf8(output)).captured(1);
    ASSERT_FALSE(edited.isEmpty()) << output.constData();

    m_context = std::make_unique<AppContext>(folders);
    m_context->startUp();
    m_window = std::make_unique<CQuillaryDlg>(*m_context);
    m_window->show();
    onNextModal(
        [](QWidget *modal) { modal->findChild<QPushButton *>(QStringLiteral("TipsDlgOK"))->click(); });
    ASSERT_TRUE(m_window->offerRecovery());
    const int row = firstItemRow(*m_context);
    ASSERT_GE(row, 0);
    EXPECT_EQ(shownInTable(*m_window, row, 6), edited);
    EXPECT_EQ(m_context->document().currentProjectPath, SampleProject);
    EXPECT_TRUE(m_context->document().modified);
}

} // namespace

namespace {

void dropFiles(QWidget *window, const QStringList &paths)
{
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    QMimeData data;
    data.setUrls(urls);
    const QPointF place(window->width() / 2.0, window->height() / 2.0);
    QDragEnterEvent enter(place.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(place, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &drop);
}

// Files dragged from a file manager onto the window: the project among them opens, other files
// are passed over; with unsaved edits the prompt comes first, and 取消 keeps the project as it is.
TEST_F(MainWindowTest, AProjectDroppedOnTheWindowOpensAfterTheUnsavedEditsWereAskedAbout)
{
    const QString copy = m_documents.filePath(QStringLiteral("dropped.gzj"));
    ASSERT_TRUE(QFile::copy(SampleProject, copy));
    const QString note = m_documents.filePath(QStringLiteral("readme.txt"));
    {
        QFile text(note);
        ASSERT_TRUE(text.open(QIODevice::WriteOnly));
        text.write("not a project");
    }
    ASSERT_EQ(m_context->estimate().rowCount(), 0);
    dropFiles(m_window.get(), {note, copy});
    EXPECT_EQ(m_context->document().currentProjectPath, copy);
    EXPECT_GT(m_context->estimate().rowCount(), 3);
    EXPECT_TRUE(m_window->windowTitle().contains(QStringLiteral("dropped.gzj"))) << m_window->windowTitle().toStdString();
    EXPECT_EQ(roomsTreeNames(*m_window), m_context->estimate().roomNames());
    EXPECT_FALSE(m_context->document().modified);

    // An edit, then the same file dropped again: asked first; 取消 leaves the edit in place.
    const int row = firstItemRow(*m_context);
    ASSERT_GE(row, 0);
    QAbstractItemModel *model = m_window->panes().table()->gridView()->model();
    ASSERT_TRUE(model->setData(model->index(row, 6), QStringLiteral("123")));
    const QString edited = shownInTable(*m_window, row, 6);
    QString question;
    onNextModal([&question](QWidget *modal) {
        for (QLabel *label : modal->findChildren<QLabel *>())
            question += label->text();
        modal->findChild<QPushButton *>(QStringLiteral("TipsDlgCancel"))->click();
    });
    dropFiles(m_window.get(), {copy});
    EXPECT_TRUE(question.contains(QStringLiteral("是否保存"))) << question.toStdString();
    EXPECT_EQ(shownInTable(*m_window, row, 6), edited);
    EXPECT_TRUE(m_context->document().modified);

    // 否: the file is read again as it is on disk.
    onNextModal([](QWidget *modal) { modal->findChild<QPushButton *>(QStringLiteral("TipsDlgNO"))->click(); });
    dropFiles(m_window.get(), {copy});
    EXPECT_NE(shownInTable(*m_window, row, 6), edited);
    EXPECT_FALSE(m_context->document().modified);
}

} // namespace
