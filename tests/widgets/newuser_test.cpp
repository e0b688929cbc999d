// What a new user meets in the first hour, driven through the main window and read
// from what it shows: the title, the dialogs, the views and the painted tables.
#include "paintedfonts.h"
#include "treedriving.h"

#include "app/appcontext.h"
#include "app/documentlifecycle.h"
#include "app/widgets/caddlistdlg.h"
#include "app/widgets/commandids.h"
#include "app/widgets/cquillarydlg.h"
#include "app/widgets/ctipsdlg.h"
#include "app/widgets/documentcommands.h"
#include "app/widgets/longoperation.h"
#include "app/widgets/mainpanes.h"
#include "app/widgets/maintoolbar.h"
#include "app/widgets/viewswitcher.h"
#include "contracts/widgets/celltextfit.h"
#include "contracts/widgets/gridmodel.h"
#include "contracts/widgets/gridview.h"
#include "contracts/widgets/qttextmeasure.h"
#include "estimate/budgettable.h"
#include "estimate/celltext.h"
#include "estimate/widgets/ctabledlg.h"
#include "library/widgets/citemdlg.h"
#include "progress/progresslauncher.h"
#include "reports/billgridsetup.h"
#include "reports/billlists.h"
#include "reports/widgets/cdetaillistdlg.h"

#include <QAbstractButton>
#include <QScrollBar>
#include <QMenu>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>

namespace {

const QString SampleProject = QStringLiteral(PLOTWRIGHT_SOURCE_DIR "/examples/garden.gzj");

// Runs `action` on the next modal dialog, from the event loop, and reports whether one came.
class NextModal
{
public:
    explicit NextModal(std::function<void(QWidget *)> action)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this, action] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            m_timer.stop();
            m_seen = true;
            action(modal);
        });
        m_timer.start(10);
    }
    bool seen() const { return m_seen; }

private:
    QTimer m_timer;
    bool m_seen = false;
};

QString messageBoxText(QWidget *modal)
{
    auto *box = qobject_cast<QMessageBox *>(modal);
    return box ? box->text() : QString();
}

// One cell of a view as its delegate lays the text out: the same rectangle, font and fitting.
struct PaintedCell {
    QString text;
    QFont font;       // the font the lines are drawn with
    QRectF area;      // the text area
    CellTextFit::Layout layout;
    bool cut = false; // drawn with an ellipsis or with lines below the cell's bottom
};

PaintedCell paintedCell(const GridView *view, int row, int column)
{
    const QModelIndex index = view->model()->index(row, column);
    // Without the grid line, as the view hands the cell to its delegate.
    const QRect rect = view->visualRect(index);
    QFont font = view->font();
    const QVariant cellFont = index.data(Qt::FontRole);
    if (cellFont.isValid())
        font = qvariant_cast<QFont>(cellFont).resolve(font);
    const bool wrap = index.data(GridModel::WrapRole).toBool();
    PaintedCell cell;
    cell.text = index.data(Qt::DisplayRole).toString();
    cell.area = CellTextFit::textArea(rect);
    cell.layout = CellTextFit::fit(cell.text, font, cell.area.width(), cell.area.height(), wrap);
    cell.font = cell.layout.natural ? font : CellTextFit::scaled(font, cell.layout.scale);
    int lines = int(cell.layout.lines.size());
    if (cell.layout.natural) {
        lines = wrap ? int(CellTextFit::breakLines(cell.text, font, cell.area.width(), false).size()) : 1;
        cell.cut = !wrap && QFontMetricsF(font).horizontalAdvance(cell.text) > cell.area.width();
    }
    cell.cut = cell.cut || cell.layout.elided ||
               lines * CellTextFit::lineHeight(cell.font) > cell.area.height() + 0.5;
    return cell;
}

QString tipsText(QWidget *modal)
{
    auto *tips = qobject_cast<CTipsDlg *>(modal);
    return tips ? tips->text() : QString();
}

class NewUserTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_documents.isValid());
        m_context = std::make_unique<AppContext>(
            AppFolders(m_documents.path(), QCoreApplication::applicationDirPath()));
        m_context->startUp();
        m_window = std::make_unique<CQuillaryDlg>(*m_context);
        m_window->longOperation().launcher().setProgram(m_documents.filePath(QStringLiteral("no-pacelight")));
        m_window->resize(1250, 820);
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void TearDown() override
    {
        m_context->document().modified = false;
        m_window->close();
    }

    void openProject(const QString &path)
    {
        m_window->documents().setOpenChooser(
            [path](const QString &) { return std::optional<QString>(path); });
        m_window->documents().openProject();
        QTest::qWait(20);
    }

    QString writeSampleCopy(const QString &name, qsizetype keptBytes)
    {
        QFile sample(SampleProject);
        EXPECT_TRUE(sample.open(QIODevice::ReadOnly));
        const QString path = m_documents.filePath(name);
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(sample.readAll().left(keptBytes));
        return path;
    }

    void typeIntoField(int index, const QString &text)
    {
        CAddListDlg *form = m_window->panes().form();
        QTest::mouseClick(form->fieldButton(index), Qt::LeftButton);
        // Chinese arrives through the input method, as a user's typing does.
        QInputMethodEvent typed;
        typed.setCommitString(text);
        QApplication::sendEvent(form->editBox(index), &typed);
    }

    QList<QWidget *> visibleViews() const
    {
        QList<QWidget *> shown;
        for (int view : {ViewSwitcher::FormView, ViewSwitcher::TableView, ViewSwitcher::BillView}) {
            if (m_window->views().pane(view)->isVisible())
                shown << m_window->views().pane(view);
        }
        return shown;
    }

    QTemporaryDir m_documents;
    QtTextMeasure m_measure;
    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<CQuillaryDlg> m_window;
};

TEST_F(NewUserTest, SavedFileBecomesTheOneTheTitleNamesAndTheNextSaveProposes)
{
    const QString garden = m_documents.filePath(QStringLiteral("花园"));
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Sylvaro造价 - 新建.gzj"));
    typeIntoField(0, QStringLiteral("ABC"));
    m_window->panes().form()->nextButton()->click();
    QTest::qWait(20);
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Sylvaro造价 - 新建.gzj *"));

    QString cancelText;
    NextModal save([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        // Qt's own dialog speaks Chinese too.
        auto *buttons = dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
        cancelText = buttons->button(QDialogButtonBox::Cancel)->text();
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        name->setText(garden);
        QTest::keyClick(name, Qt::Key_Return);
    });
    m_window->toolbar().button(CommandId::SaveProject)->click();
    ASSERT_TRUE(save.seen());
    EXPECT_EQ(cancelText, QStringLiteral("取消"));
    QTest::qWait(20);
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Sylvaro造价 - 花园.gzj"));

    QString proposed;
    NextModal again([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        proposed = dialog->selectedFiles().value(0);
        dialog->reject();
    });
    m_window->toolbar().button(CommandId::SaveProject)->click();
    ASSERT_TRUE(again.seen());
    EXPECT_EQ(proposed, garden + QStringLiteral(".gzj"));
}

TEST_F(NewUserTest, DamagedFileIsReportedAndClosingAsksFirst)
{
    const QString cut = writeSampleCopy(QStringLiteral("cut.gzj"), 6000);
    QString notice;
    NextModal report([&](QWidget *modal) {
        notice = messageBoxText(modal);
        QTest::keyClick(modal, Qt::Key_Return);
    });
    openProject(cut);
    ASSERT_TRUE(report.seen());
    EXPECT_EQ(notice, DocumentLifecycle::DamagedFileText);
    EXPECT_GT(m_context->estimate().rowCount(), 0);
    QTest::qWait(20);
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Sylvaro造价 - cut.gzj *"));

    QString asked;
    NextModal guard([&](QWidget *modal) {
        asked = tipsText(modal);
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    m_window->close();
    ASSERT_TRUE(guard.seen());
    EXPECT_EQ(asked, Prompter::messageText(Prompter::AskSaveChanges));
    EXPECT_TRUE(m_window->isVisible());
}

TEST_F(NewUserTest, MissingFileOnTheCommandLineIsReported)
{
    QString notice;
    NextModal report([&](QWidget *modal) {
        notice = messageBoxText(modal);
        QTest::keyClick(modal, Qt::Key_Return);
    });
    m_window->startWithCommandLine(m_documents.filePath(QStringLiteral("不在.gzj")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return report.seen(); }, 3000));
    EXPECT_EQ(notice, DocumentLifecycle::MissingFileText);
    EXPECT_EQ(m_context->estimate().rowCount(), 0);
}

TEST_F(NewUserTest, EnterInAPromptPressesItsDefaultButton)
{
    struct Case {
        int message;
        int style;
        int answer;
    };
    const Case cases[] = {
        {Prompter::AskSaveChanges, 0, Prompter::Yes},
        {Prompter::NeedRoomFirst, 1, Prompter::Yes},
        {Prompter::AskDeleteRow, 7, Prompter::Cancel},
        {Prompter::AskOverwriteName, 7, Prompter::Cancel},
    };
    for (const Case &c : cases) {
        CTipsDlg tips(QString(), QString(), c.message, c.style, m_window.get());
        QTimer::singleShot(0, &tips, [&tips] { QTest::keyClick(&tips, Qt::Key_Return); });
        tips.exec();
        EXPECT_EQ(tips.answer(), c.answer) << c.message;
    }
}

TEST_F(NewUserTest, NewProjectWithAFieldStillBeingTypedAsksFirst)
{
    typeIntoField(0, QStringLiteral("ABC"));
    QString asked;
    NextModal guard([&](QWidget *modal) {
        asked = tipsText(modal);
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    m_window->toolbar().button(CommandId::NewProject)->click();
    ASSERT_TRUE(guard.seen());
    EXPECT_EQ(asked, Prompter::messageText(Prompter::AskSaveChanges));
    EXPECT_EQ(m_window->panes().form()->fieldButton(0)->text(), QStringLiteral("ABC"));
}

TEST_F(NewUserTest, FormFieldsKeepTheirCaptionsWhenFilled)
{
    typeIntoField(1, QStringLiteral("杭州"));
    m_window->panes().form()->finishEdit();
    CAddListDlg *form = m_window->panes().form();
    for (int i = 0; i < 9; ++i) {
        QLabel *caption = form->caption(i);
        ASSERT_NE(caption, nullptr);
        EXPECT_TRUE(caption->isVisible()) << i;
        EXPECT_EQ(caption->text(), ProjectInfo::fieldLabel(i));
        // Beside the button, not under it.
        EXPECT_LE(caption->geometry().right(), form->fieldButton(i)->geometry().left()) << i;
        EXPECT_EQ(caption->geometry().center().y(), form->fieldButton(i)->geometry().center().y()) << i;
    }
    EXPECT_EQ(form->fieldButton(1)->text(), QStringLiteral("杭州"));
}

TEST_F(NewUserTest, SwitchingViewsInANarrowWindowShowsExactlyOneView)
{
    m_window->resize(450, 600);
    QTest::qWait(20);
    const std::pair<std::function<void()>, int> switches[] = {
        {[this] { m_window->showTable(); }, ViewSwitcher::TableView},
        {[this] { m_window->showBillList(1); }, ViewSwitcher::BillView},
        {[this] { m_window->showForm(); }, ViewSwitcher::FormView},
        {[this] { m_window->showBillList(3); }, ViewSwitcher::BillView},
    };
    for (const auto &[show, view] : switches) {
        show();
        QTest::qWait(20);
        const QList<QWidget *> shown = visibleViews();
        ASSERT_EQ(shown.size(), 1) << view;
        EXPECT_EQ(shown.first(), m_window->views().pane(view));
    }
}

TEST_F(NewUserTest, MachineListShownWhileTheMaterialListIsBuiltIsBuiltToo)
{
    openProject(SampleProject);
    BillLists &lists = m_context->billLists();
    const int materialEmpty = lists.grid(BillLists::MaterialList).rowCount();
    const int machineEmpty = lists.grid(BillLists::MachineList).rowCount();
    m_window->showBillList(2);
    m_window->showBillList(3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m_window->longOperation().isRunning(); }, 10000));
    EXPECT_GT(lists.grid(BillLists::MaterialList).rowCount(), materialEmpty);
    EXPECT_GT(lists.grid(BillLists::MachineList).rowCount(), machineEmpty);
}

TEST_F(NewUserTest, AddedItemIsScrolledIntoViewAndHighlighted)
{
    openProject(SampleProject);
    GridView *view = m_window->panes().table()->gridView();
    view->scrollToTop();
    QTreeWidget *library = m_window->panes().left()->libraryTree();
    // The last room receives the item, far below the first screen of the table.
    m_context->tableGrid().setActiveCell(m_context->estimate().rowCount() + 2, 3);
    view->scrollToTop();
    const int before = m_context->estimate().rowCount();
    doubleClickNode(library, nodeNamed(library, QStringLiteral("土方工程")));
    QTreeWidgetItem *item = nodeNamed(library, QStringLiteral("机械挖一般土方"));
    doubleClickNode(library, item);
    ASSERT_GT(m_context->estimate().rowCount(), before);
    const int row = m_context->budgetTable().lastInsertedGridRow();
    EXPECT_EQ(m_context->tableGrid().text(row, 3), QStringLiteral("机械挖一般土方"));
    const QRect cell = view->visualRect(view->model()->index(row, 3));
    EXPECT_TRUE(view->viewport()->rect().contains(cell))
        << cell.top() << " in " << view->viewport()->height();
    EXPECT_NE(m_context->tableGrid().background(row, 3), 0xFFFFFFu);
}

TEST_F(NewUserTest, RoomsTreeMarksTheReceivingRoomAndAClickScrollsTheTableToIt)
{
    // Rows as high as the program makes them, so that the rooms lie far apart.
    m_context->setTextMeasure(&m_measure);
    openProject(SampleProject);
    m_window->showTable();
    QTest::qWait(40);
    QTreeWidget *rooms = m_window->panes().left()->roomsTree();
    ASSERT_GE(rooms->topLevelItemCount(), 3);
    GridView *view = m_window->panes().table()->gridView();
    const int last = rooms->topLevelItemCount() - 1;
    for (const int ordinal : {last, 0, last}) {
        clickNode(rooms, rooms->topLevelItem(ordinal));
        EXPECT_EQ(m_window->panes().left()->markedRoom(), ordinal);
        for (int i = 0; i <= last; ++i)
            EXPECT_EQ(rooms->topLevelItem(i)->font(0).bold(), i == ordinal) << ordinal << " " << i;
        const int roomRow = m_context->tableGrid().activeRow();
        ASSERT_GE(roomRow, BudgetTable::TableHeaderRows);
        EXPECT_TRUE(m_context->estimate().rows().at(roomRow - BudgetTable::TableHeaderRows).isRoom());
        const QRect cell = view->visualRect(view->model()->index(roomRow, 4));
        EXPECT_TRUE(view->viewport()->rect().intersects(cell)) << ordinal << " row " << roomRow;
        // The room heads the view, with its first item under it in sight.
        const QRect item = view->visualRect(view->model()->index(roomRow + 1, 4));
        EXPECT_TRUE(view->viewport()->rect().contains(item.topLeft())) << ordinal << " row " << roomRow;
    }
    // A click on the room that holds the active row brings it back into sight too.
    view->scrollToTop();
    clickNode(rooms, rooms->topLevelItem(last));
    const int roomRow = m_context->tableGrid().activeRow();
    const QRect cell = view->visualRect(view->model()->index(roomRow, 4));
    EXPECT_TRUE(view->viewport()->rect().intersects(cell)) << "row " << roomRow;
    // The marked room is the one that gets the next double-clicked item.
    QTreeWidget *library = m_window->panes().left()->libraryTree();
    doubleClickNode(library, nodeNamed(library, QStringLiteral("土方工程")));
    doubleClickNode(library, nodeNamed(library, QStringLiteral("机械挖一般土方")));
    const int inserted = m_context->budgetTable().lastInsertedGridRow() - BudgetTable::TableHeaderRows;
    int ordinal = -1;
    for (int i = 0; i <= m_context->estimate().roomOf(inserted); ++i)
        ordinal += m_context->estimate().rows().at(i).isRoom() ? 1 : 0;
    EXPECT_EQ(ordinal, last);
}

TEST_F(NewUserTest, LeftPaneNamesTheCurrentTemplate)
{
    QTreeWidget *library = m_window->panes().left()->libraryTree();
    const QString path = m_context->settings().currentTemplatePath;
    ASSERT_FALSE(path.isEmpty());
    EXPECT_FALSE(library->isHeaderHidden());
    // The main library goes by the name the template menus give it.
    EXPECT_EQ(path, m_context->settings().templateList.at(0));
    EXPECT_EQ(library->headerItem()->text(0), QStringLiteral("当前模板：Verdalis定额库"));
}

// The smallest size any number or Chinese text is painted at, in each table the user reads.
TEST_F(NewUserTest, NumbersAndNamesArePaintedAtALegibleSize)
{
    openProject(SampleProject);
    for (const QSize size : {QSize(1250, 820), QSize(1024, 700)}) {
        m_window->resize(size);
        QTest::qWait(20);
        m_window->showTable();
        QTest::qWait(40);
        GridView *table = m_window->panes().table()->gridView();
        const PaintedFonts::Summary tableFonts = PaintedFonts::of(table->viewport());
        EXPECT_GT(tableFonts.textCount, 20);
        EXPECT_GE(tableFonts.smallestPointSize, 9 - 0.01) << "budget table at " << size.width();
        for (int list = 1; list <= 3; ++list) {
            m_window->showBillList(list);
            ASSERT_TRUE(QTest::qWaitFor([&] { return !m_window->longOperation().isRunning(); }, 10000));
            QTest::qWait(40);
            GridView *bill = m_window->panes().bills()->gridView(list - 1);
            const PaintedFonts::Summary billFonts = PaintedFonts::of(bill->viewport());
            EXPECT_GT(billFonts.textCount, 5) << list;
            EXPECT_GE(billFonts.smallestPointSize, 9 - 0.01) << "list " << list << " at " << size.width();
        }
    }
}

// The bill at the reference size and at a small screen: every text of every estimate row, the
// room rows' names and totals among them, is drawn whole at a legible size, and the wider window
// keeps the description column at least as wide.
TEST_F(NewUserTest, BillShowsEveryNumberWholeAtALegibleSize)
{
    // As the program measures its texts.
    m_context->setTextMeasure(&m_measure);
    openProject(SampleProject);
    std::map<int, int> descriptionWidths;
    for (const QSize size : {QSize(1024, 700), QSize(1250, 820)}) {
        m_window->resize(size);
        QTest::qWait(20);
        m_window->showBillList(1);
        QTest::qWait(40);
        GridView *view = m_window->panes().bills()->gridView(0);
        ASSERT_TRUE(view->isVisible());
        const Grid &bill = m_context->billLists().billGrid();
        int numbers = 0;
        int roomTotals = 0;
        for (int row = BillGridSetup::HeaderRows; row < bill.rowCount() - 2; ++row) {
            for (int column = 1; column < bill.columnCount(); ++column) {
                const GridRange range = bill.mergedRangeAt(row, column);
                if (range.top != row || range.left != column || bill.columnWidth(column) == 0 ||
                    bill.text(row, column).isEmpty())
                    continue;
                const PaintedCell cell = paintedCell(view, row, column);
                EXPECT_FALSE(cell.cut) << cell.text.toStdString() << " row " << row << " column " << column
                                       << " at " << size.width() << " in " << cell.area.width() << "x"
                                       << cell.area.height();
                EXPECT_GE(cell.font.pointSizeF(), CellTextFit::LegiblePointSize - 0.01) << cell.text.toStdString();
                numbers += CellTextFit::isUnbreakable(cell.text) ? 1 : 0;
                roomTotals += cell.text.startsWith(QStringLiteral("结算：")) ? 1 : 0;
            }
        }
        EXPECT_GT(numbers, 100) << size.width();
        EXPECT_EQ(roomTotals, 3) << size.width();
        descriptionWidths[size.width()] = bill.columnWidth(BillGridSetup::DescriptionColumn);
        if (const QString folder = qEnvironmentVariable("PLOTWRIGHT_TEST_SHOTS"); !folder.isEmpty())
            view->grab().save(QStringLiteral("%1/bill-%2.png").arg(folder).arg(size.width()));
    }
    EXPECT_GE(descriptionWidths[1250], descriptionWidths[1024]);
}

} // namespace

namespace {

// The × of an item, then 删除: the item goes and the table stays where it stood; the room's row
// above it is not pushed under the fixed header rows.
TEST_F(NewUserTest, DeletingAnItemLeavesTheTableWhereItStood)
{
    m_context->setTextMeasure(&m_measure);
    openProject(SampleProject);
    m_window->showTable();
    QTest::qWait(40);
    GridView *view = m_window->panes().table()->gridView();
    const QList<EstimateRow> &rows = m_context->estimate().rows();
    int second = -1;
    for (int i = 0, items = 0; i < rows.size() && second < 0; ++i) {
        if (rows.at(i).isConstruct() && items++ == 1)
            second = i + BudgetTable::TableHeaderRows;
    }
    ASSERT_GT(second, 0);
    const QString following = m_context->tableGrid().text(second + 1, CellText::NameColumn);
    const int scrolled = view->verticalScrollBar()->value();
    const QRect cross = view->visualRect(view->model()->index(second, BudgetTable::OperationColumn));
    ASSERT_TRUE(view->viewport()->rect().contains(cross.center()));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cross.center());
    QTest::qWait(20);
    QAction *remove = nullptr;
    for (QAction *action : m_window->panes().table()->operationMenu()->actions()) {
        if (action->text().trimmed() == QStringLiteral("删除"))
            remove = action;
    }
    ASSERT_NE(remove, nullptr);
    remove->trigger();
    QTest::qWait(20);
    EXPECT_EQ(m_context->tableGrid().text(second, CellText::NameColumn), following);
    EXPECT_EQ(view->verticalScrollBar()->value(), scrolled);
}

} // namespace
