// The list pane's exports driven as a user drives them: the button, the save
// dialog, the notice, and the file on disk read back.
#include "app/appcontext.h"
#include "app/widgets/cquillarydlg.h"
#include "app/widgets/ctemp_information.h"
#include "app/widgets/ctipsdlg.h"
#include "app/widgets/documentcommands.h"
#include "app/widgets/longoperation.h"
#include "app/widgets/mainpanes.h"
#include "app/widgets/viewswitcher.h"
#include "library/xlsxsheetreader.h"
#include "progress/progresslauncher.h"
#include "reports/billlists.h"
#include "reports/widgets/cdetaillistdlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>

namespace {

const QString SampleProject = QStringLiteral(PLOTWRIGHT_SOURCE_DIR "/examples/garden.gzj");

// Answers the dialogs an action opens, one step per dialog in the order they come.
class DialogSteps : public QObject
{
public:
    using Step = std::function<void(QWidget *)>;

    explicit DialogSteps(std::deque<Step> steps) : m_steps(std::move(steps))
    {
        connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
        m_timer.start(10);
    }
    bool done() const { return m_steps.empty(); }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || m_answered.contains(modal) || m_steps.empty())
            return;
        m_answered.append(modal);
        QTimer::singleShot(0, modal, [modal, step = std::move(m_steps.front())] { step(modal); });
        m_steps.pop_front();
    }

    QTimer m_timer;
    std::deque<Step> m_steps;
    QList<QPointer<QWidget>> m_answered;
};

QLineEdit *fileNameEdit(QWidget *modal)
{
    auto *dialog = qobject_cast<QFileDialog *>(modal);
    return dialog ? dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")) : nullptr;
}

// Checks what the save dialog proposes, then saves under `path`.
DialogSteps::Step saveAs(const QString &path, const QString &filter, const QString &proposedName,
                         const QString &proposedFolder)
{
    return [=](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        ASSERT_NE(dialog, nullptr) << modal->metaObject()->className();
        EXPECT_EQ(dialog->nameFilters(), QStringList{filter});
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(fileNameEdit(modal)->text(), proposedName);
        EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), QDir(proposedFolder).canonicalPath());
        fileNameEdit(modal)->setText(path);
        QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Save),
                          Qt::LeftButton);
    };
}

// Checks what the save dialog proposes, then cancels it.
DialogSteps::Step cancelProposing(const QString &proposedName, const QString &proposedFolder)
{
    return [=](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        ASSERT_NE(dialog, nullptr) << modal->metaObject()->className();
        EXPECT_EQ(fileNameEdit(modal)->text(), proposedName);
        EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), QDir(proposedFolder).canonicalPath());
        dialog->reject();
    };
}

DialogSteps::Step confirmOverwrite()
{
    return [](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        ASSERT_NE(box, nullptr) << modal->metaObject()->className();
        QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
    };
}

DialogSteps::Step expectNotice(QString *seen)
{
    return [seen](QWidget *modal) {
        if (auto *status = qobject_cast<CTemp_Information *>(modal)) {
            *seen = status->messageText();
            QTest::mouseClick(status->okButton(), Qt::LeftButton);
        } else if (auto *tips = qobject_cast<CTipsDlg *>(modal)) {
            *seen = tips->text() + u'|' + tips->secondText();
            QTest::mouseClick(tips->button(CTipsDlg::OkId), Qt::LeftButton);
        } else {
            *seen = QString::fromLatin1(modal->metaObject()->className());
            modal->close();
        }
    };
}

class ListExportWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_documents.isValid() && m_out.isValid());
        start();
    }

    // A run of the program on the same documents folder, with the sample project open.
    void start()
    {
        m_window.reset();
        m_context.reset();
        m_context = std::make_unique<AppContext>(
            AppFolders(m_documents.path(), QCoreApplication::applicationDirPath()));
        m_context->startUp();
        m_window = std::make_unique<CQuillaryDlg>(*m_context);
        m_window->longOperation().launcher().setProgram(m_documents.filePath(QStringLiteral("no-pacelight")));
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->documents().setOpenChooser(
            [](const QString &) { return std::optional<QString>(SampleProject); });
        m_window->documents().openProject();
    }

    // The offscreen platform delivers no key to a window's shortcuts: the shortcut is fired as the key would.
    std::function<void()> pressKeys(const QKeySequence &keys)
    {
        return [this, keys] {
            for (QShortcut *shortcut : m_window->findChildren<QShortcut *>()) {
                if (shortcut->key() == keys) {
                    emit shortcut->activated();
                    return;
                }
            }
            ADD_FAILURE() << "no shortcut " << keys.toString().toStdString();
        };
    }

    CDetailListDlg *pane() { return m_window->panes().bills(); }

    // 1 bill of quantities, 2 material list, 3 machinery list, built as the window builds them.
    void showList(int code)
    {
        QSignalSpy built(pane(), &CDetailListDlg::listBuilt);
        m_window->showBillList(code);
        if (code > 1) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return built.count() == 1; }, 5000));
        }
        QTest::qWait(20);
    }

    // Runs `action`, answering its dialogs with `steps`; false when a step never came.
    bool runAnswering(const std::function<void()> &action, std::deque<DialogSteps::Step> steps)
    {
        DialogSteps answers(std::move(steps));
        action();
        const bool answered = QTest::qWaitFor([&] { return answers.done(); }, 3000);
        QTest::qWait(20);
        return answered;
    }

    QString documentsFolder() const { return m_documents.path(); }

    QTemporaryDir m_documents;
    QTemporaryDir m_out;
    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<CQuillaryDlg> m_window;
};

TEST_F(ListExportWindowTest, ExcelButtonWritesTheListOnShow)
{
    showList(2);
    const QString target = m_out.filePath(QStringLiteral("材料.xlsx"));
    QString notice;
    ASSERT_TRUE(runAnswering(
        [&] { QTest::mouseClick(pane()->excelButton(), Qt::LeftButton); },
        {saveAs(target, QStringLiteral("园林项目(*.xlsx)"), QStringLiteral("新建.xlsx"), documentsFolder()),
         expectNotice(&notice)}));
    EXPECT_EQ(notice, QStringLiteral("导出成功"));
    EXPECT_FALSE(m_window->statusWindow().isVisible());
    const SheetReadResult sheet = XlsxSheetReader::read(target);
    ASSERT_TRUE(sheet.ok()) << sheet.error.toStdString();
    const Grid &material = m_context->billLists().materialGrid();
    ASSERT_GE(sheet.rows.size(), 7);
    EXPECT_EQ(sheet.rows.at(0).cell(0)->text, material.text(0, 1));
    const SheetRow *firstData = nullptr;
    for (const SheetRow &row : sheet.rows)
        firstData = row.number == 7 ? &row : firstData;
    ASSERT_NE(firstData, nullptr);
    EXPECT_EQ(firstData->cell(2)->text, material.text(6, 3));
    EXPECT_TRUE(firstData->cell(4)->isNumber);
    EXPECT_FALSE(firstData->cell(1)->isNumber); // the code keeps its zeros

    // Again onto the same file, from the machinery list: the dialog opens in the folder of the
    // first export and asks before replacing the file.
    showList(3);
    ASSERT_TRUE(runAnswering(
        [&] { QTest::mouseClick(pane()->excelButton(), Qt::LeftButton); },
        {saveAs(target, QStringLiteral("园林项目(*.xlsx)"), QStringLiteral("新建.xlsx"), m_out.path()),
         confirmOverwrite(), expectNotice(&notice)}));
    EXPECT_EQ(notice, QStringLiteral("导出成功"));
    const SheetReadResult again = XlsxSheetReader::read(target);
    ASSERT_TRUE(again.ok());
    bool machineSection = false;
    for (const SheetRow &row : again.rows)
        machineSection =
            machineSection || (row.number == 6 && row.cell(0)->text == QStringLiteral("机械台班"));
    EXPECT_TRUE(machineSection);
}

TEST_F(ListExportWindowTest, FailedExportIsReportedWithItsReason)
{
    showList(1);
    // A folder where no file can be made.
    const QString target = QStringLiteral("/proc/清单.xlsx");
    QString notice;
    ASSERT_TRUE(runAnswering(
        [&] { QTest::mouseClick(pane()->excelButton(), Qt::LeftButton); },
        {saveAs(target, QStringLiteral("园林项目(*.xlsx)"), QStringLiteral("新建.xlsx"), documentsFolder()),
         expectNotice(&notice)}));
    EXPECT_TRUE(notice.startsWith(QStringLiteral("导出失败|"))) << notice.toStdString();
    EXPECT_GT(notice.size(), 6);
    EXPECT_FALSE(QFileInfo::exists(target));
    // A failed export is no place to go back to.
    ASSERT_TRUE(runAnswering([&] { QTest::mouseClick(pane()->excelButton(), Qt::LeftButton); },
                             {cancelProposing(QStringLiteral("新建.xlsx"), documentsFolder())}));
}

TEST_F(ListExportWindowTest, DocumentAndPageFromTheExportMenu)
{
    showList(1);
    QMenu *menu = pane()->exportMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 2);
    const QString document = m_out.filePath(QStringLiteral("清单.doc"));
    const QString examples = QStringLiteral(PLOTWRIGHT_SOURCE_DIR "/examples");
    QString notice;
    ASSERT_TRUE(runAnswering(
        [&] { menu->actions().at(0)->trigger(); },
        {saveAs(document, QStringLiteral("园林项目(*.doc)"), QStringLiteral("garden.doc"), examples),
         expectNotice(&notice)}));
    EXPECT_EQ(notice, QStringLiteral("导出成功"));
    const QString page = m_out.filePath(QStringLiteral("清单.html"));
    ASSERT_TRUE(runAnswering(
        [&] { menu->actions().at(1)->trigger(); },
        {saveAs(page, QStringLiteral("网页(*.html *.htm)"), QStringLiteral("garden.html"), m_out.path()),
         expectNotice(&notice)}));
    EXPECT_EQ(notice, QStringLiteral("导出成功"));
    for (const QString &path : {document, page}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        const QString html = QString::fromUtf8(file.readAll());
        EXPECT_TRUE(html.startsWith(QStringLiteral("<!DOCTYPE html>")));
        EXPECT_TRUE(html.contains(m_context->billLists().billGrid().text(0, 1)));
        EXPECT_TRUE(html.contains(QStringLiteral("花岗岩铺装30厚芝麻灰")));
    }
}

TEST_F(ListExportWindowTest, MainWindowCommandsMoveToTheListStepAndWriteTheBill)
{
    m_window->showForm();
    const QString workbook = m_out.filePath(QStringLiteral("清单.xlsx"));
    QString notice;
    ASSERT_TRUE(runAnswering(
        pressKeys(QKeySequence(Qt::CTRL | Qt::Key_E)),
        {saveAs(workbook, QStringLiteral("园林项目(*.xlsx)"), QStringLiteral("新建.xlsx"), documentsFolder()),
         expectNotice(&notice)}));
    EXPECT_EQ(notice, QStringLiteral("导出成功"));
    EXPECT_EQ(m_window->views().currentView(), ViewSwitcher::BillView);
    EXPECT_EQ(m_context->billLists().currentList(), BillLists::BillOfQuantities);
    EXPECT_TRUE(pane()->isVisible());
    const Grid &bill = m_context->billLists().billGrid();
    const SheetReadResult sheet = XlsxSheetReader::read(workbook);
    ASSERT_TRUE(sheet.ok()) << sheet.error.toStdString();
    ASSERT_FALSE(sheet.rows.isEmpty());
    EXPECT_EQ(sheet.rows.at(0).cell(0)->text, bill.text(0, 1));
    bool itemFound = false;
    for (const SheetRow &row : sheet.rows) {
        for (const SheetCell &cell : row.cells)
            itemFound = itemFound || cell.text.contains(QStringLiteral("花岗岩铺装30厚芝麻灰"));
    }
    EXPECT_TRUE(itemFound);

    // The document command from the budget table: the dialog opens where the workbook went.
    m_window->showTable();
    const QString document = m_out.filePath(QStringLiteral("清单.doc"));
    ASSERT_TRUE(runAnswering(
        pressKeys(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E)),
        {saveAs(document, QStringLiteral("园林项目(*.doc)"), QStringLiteral("garden.doc"), m_out.path()),
         expectNotice(&notice)}));
    EXPECT_EQ(notice, QStringLiteral("导出成功"));
    EXPECT_EQ(m_window->views().currentView(), ViewSwitcher::BillView);
    QFile file(document);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(html.contains(bill.text(0, 1)));
    EXPECT_TRUE(html.contains(QStringLiteral("花岗岩铺装30厚芝麻灰")));
}

TEST_F(ListExportWindowTest, NextRunProposesTheFolderOfTheLastExport)
{
    showList(2);
    const QString folder = m_out.filePath(QStringLiteral("导出 清单"));
    ASSERT_TRUE(QDir().mkpath(folder));
    QString notice;
    ASSERT_TRUE(
        runAnswering([&] { QTest::mouseClick(pane()->excelButton(), Qt::LeftButton); },
                     {saveAs(folder + QStringLiteral("/材料.xlsx"), QStringLiteral("园林项目(*.xlsx)"),
                             QStringLiteral("新建.xlsx"), documentsFolder()),
                      expectNotice(&notice)}));
    ASSERT_EQ(notice, QStringLiteral("导出成功"));
    start();
    showList(3);
    const QString machine = folder + QStringLiteral("/机械.xlsx");
    ASSERT_TRUE(runAnswering(
        [&] { QTest::mouseClick(pane()->excelButton(), Qt::LeftButton); },
        {saveAs(machine, QStringLiteral("园林项目(*.xlsx)"), QStringLiteral("新建.xlsx"), folder),
         expectNotice(&notice)}));
    EXPECT_EQ(notice, QStringLiteral("导出成功"));
    EXPECT_TRUE(XlsxSheetReader::read(machine).ok());
}

} // namespace
