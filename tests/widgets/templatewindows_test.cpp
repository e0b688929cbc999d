#include "modalanswers.h"

#include "app/appcontext.h"
#include "app/widgets/commandids.h"
#include "app/widgets/cquillarydlg.h"
#include "app/widgets/ctipsdlg.h"
#include "app/widgets/documentcommands.h"
#include "app/widgets/mainpanes.h"
#include "app/widgets/maintoolbar.h"
#include "app/widgets/platformactions.h"
#include "app/widgets/signindialog.h"
#include "app/widgets/templatecommands.h"
#include "contracts/widgets/gridview.h"
#include "estimate/budgettable.h"
#include "estimate/widgets/ctabledlg.h"
#include "library/librarytree.h"
#include "library/quotalibrary.h"
#include "library/quotasheetexporter.h"
#include "library/widgets/cedititemroomdlg.h"
#include "library/widgets/cedittempitemdlg.h"
#include "library/widgets/citemdlg.h"
#include "library/widgets/csaveitemxml.h"
#include "library/widgets/templatestatusdialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <functional>

namespace {

const QString SampleProject = QStringLiteral(PLOTWRIGHT_SOURCE_DIR "/examples/garden.gzj");
const QString MainLibrary = QStringLiteral(PLOTWRIGHT_SOURCE_DIR "/resources/Plotwright.xml");

void pause()
{
    QTest::qWait(40);
}

// A status notice with this title and text, closed with its first button.
Prompts::Answer statusAnswer(const QString &title, const QString &text,
                             const QString &press = QStringLiteral("确定"))
{
    return [=](QWidget *modal) {
        auto *status = qobject_cast<TemplateStatusDialog *>(modal);
        ASSERT_NE(status, nullptr) << modal->metaObject()->className();
        EXPECT_EQ(status->title(), title);
        EXPECT_EQ(status->text(), text);
        ASSERT_NE(status->button(press), nullptr) << press.toStdString();
        QTest::mouseClick(status->button(press), Qt::LeftButton);
    };
}

template <class Dialog> Prompts::Answer answerWith(std::function<void(Dialog *)> act)
{
    return [=](QWidget *modal) {
        auto *dialog = qobject_cast<Dialog *>(modal);
        ASSERT_NE(dialog, nullptr) << modal->metaObject()->className();
        act(dialog);
    };
}

QTreeWidgetItem *treeNode(QTreeWidget *tree, const QString &name, int category = -1)
{
    for (int top = 0; top < tree->topLevelItemCount(); ++top) {
        if (category >= 0 && top != category)
            continue;
        QTreeWidgetItem *c = tree->topLevelItem(top);
        for (int child = 0; child < c->childCount(); ++child) {
            if (c->child(child)->text(0).trimmed() == name)
                return c->child(child);
        }
    }
    return nullptr;
}

void edit(GridView *view, int row, int column, const QString &text)
{
    view->model()->setData(view->model()->index(row, column), text, Qt::EditRole);
}

void clickCell(GridView *view, int row, int column)
{
    const QModelIndex index = view->model()->index(row, column);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->visualRect(index).center());
}

void choose(const QStringList &path)
{
    for (const QString &entry : path) {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr) << entry.toStdString();
        QAction *found = nullptr;
        for (QAction *action : menu->actions()) {
            if (action->text().trimmed() == entry)
                found = action;
        }
        ASSERT_NE(found, nullptr) << entry.toStdString();
        const QPoint at = menu->actionGeometry(found).center();
        QTest::mouseMove(menu, at);
        QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, at);
        if (found->menu()) {
            ASSERT_TRUE(QTest::qWaitFor([found] { return found->menu()->isVisible(); }));
        }
    }
    pause();
}

class TemplateWindowsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_documents.isValid());
        m_context = std::make_unique<AppContext>(
            AppFolders(m_documents.path(), QCoreApplication::applicationDirPath()));
        m_context->startUp();
        m_window = std::make_unique<CQuillaryDlg>(*m_context);
        m_window->templates().hooks().chooseSavePath = [](const QString &proposed, const QString &) {
            return std::optional<QString>(proposed);
        };
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void TearDown() override
    {
        finish("tear-down");
        m_context->document().modified = false;
        m_window->close();
    }

    void finish(const char *step)
    {
        pause();
        EXPECT_TRUE(m_answers.allAnswered()) << step << ": an expected dialog never appeared";
        EXPECT_EQ(m_answers.takeUnexpected(), QStringList()) << step;
        if (m_window->isVisible() && !m_window->isActiveWindow()) {
            m_window->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
        }
    }

    void toolbar(int id)
    {
        QTest::mouseClick(m_window->toolbar().button(id), Qt::LeftButton);
        pause();
    }

    QString dataFile(const QString &name) const
    {
        return QDir(m_context->folders().dataFolder()).filePath(name);
    }
    CItemDlg *left() { return m_window->panes().left(); }
    AppSettings &settings() { return m_context->settings(); }

    // A copy of the main library as a template of its own, made current.
    QString openCopyOfTheLibrary(const QString &name = QStringLiteral("园林.xml"))
    {
        const QString path = dataFile(name);
        QFile::remove(path);
        EXPECT_TRUE(QFile::copy(MainLibrary, path));
        QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        m_answers.expect(statusAnswer(QStringLiteral("导入模板"), QStringLiteral("导入成功，模板已更新。")));
        left()->openTemplateFile(path);
        finish("open a copy");
        return path;
    }

    void openProject()
    {
        m_window->documents().setOpenChooser(
            [](const QString &) { return std::optional<QString>(SampleProject); });
        m_window->documents().openProject();
        pause();
    }

    // The estimate index of the first item with material lines, -1 when there is none.
    int firstItemWithMaterials() const
    {
        const QList<EstimateRow> &rows = m_context->estimate().rows();
        for (int index = 0; index < rows.size(); ++index) {
            if (rows.at(index).isConstruct() && !rows.at(index).item.brand.materials.isEmpty())
                return index;
        }
        return -1;
    }

    // 编辑 from the row menu of a table row.
    void openResourceEditor(int row)
    {
        clickCell(m_window->panes().table()->gridView(), row, BudgetTable::OperationColumn);
        pause();
        choose({QStringLiteral("编辑")});
    }

    QTemporaryDir m_documents;
    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<CQuillaryDlg> m_window;
    Prompts m_answers;
};

TEST_F(TemplateWindowsTest, ABrokenTemplateIsRefusedAndAGoodOneGoesIntoTheSettingsAtOnce)
{
    const QString broken = dataFile(QStringLiteral("坏.xml"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("no template here");
    file.close();
    const QStringList listBefore = settings().templateList;
    left()->setOpenPathChooser([broken](const QString &) { return std::optional<QString>(broken); });
    m_answers.expect(statusAnswer(QStringLiteral("导入模板"), QStringLiteral("请导入正确的模板文件")));
    QTest::mouseClick(left()->templateButton(), Qt::LeftButton);
    choose({QStringLiteral("打开模板")});
    finish("broken template");
    EXPECT_EQ(settings().templateList, listBefore);
    EXPECT_EQ(settings().selectedTemplate, 0);

    const QString good = openCopyOfTheLibrary();
    EXPECT_EQ(settings().currentTemplatePath, good);
    QFile ini(m_context->folders().settingsFile());
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(ini.readAll()).contains(QStringLiteral("园林.xml")));
}

TEST_F(TemplateWindowsTest, DeletingAnItemOfTheMainLibraryOpensTheSaveDialogAndKeepsTheTreeOpen)
{
    const QList<QuotaItem> &items = m_context->library().items();
    qsizetype index = 0;
    while (index < items.size() && (LibraryTree::isPlaceholder(items.at(index)) || index == 0))
        ++index;
    ASSERT_LT(index, items.size());
    const QString name = items.at(index).itemName;
    QTreeWidgetItem *node = left()->libraryItemOfNode(items.at(index).treeNode);
    ASSERT_NE(node, nullptr);
    node->parent()->setExpanded(true);
    QTreeWidgetItem *category = node->parent();
    const int childrenBefore = category->childCount();

    m_answers.expect(answerWith<CSaveItemXML>([](CSaveItemXML *dialog) {
        EXPECT_EQ(dialog->mode(), CSaveItemXML::Mode::Save);
        EXPECT_TRUE(dialog->alternativeBackground()->isVisible());
        EXPECT_EQ(dialog->size(), QSize(342, 520));
        QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
    }));
    left()->itemMenu(int(index), true)->actions().at(2)->trigger();
    finish("delete");
    EXPECT_EQ(category->childCount(), childrenBefore - 1);
    EXPECT_TRUE(category->isExpanded());
    EXPECT_EQ(treeNode(left()->libraryTree(), name), nullptr);
}

TEST_F(TemplateWindowsTest, ALockedTemplateSavedWhileSignedInIsReadOnlyForAnotherUser)
{
    m_window->platform().setUser(QStringLiteral("甲"));
    m_answers.expect(answerWith<CSaveItemXML>([](CSaveItemXML *dialog) {
        EXPECT_FALSE(dialog->alternativeBackground()->isVisible());
        dialog->nameEdit()->setText(QStringLiteral("  甲的库.备份 "));
        QTest::mouseClick(dialog->lockLabel(), Qt::LeftButton);
        EXPECT_TRUE(dialog->lockBox()->isChecked());
        EXPECT_TRUE(dialog->lockHint()->isVisible());
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    }));
    m_answers.expect(statusAnswer(QStringLiteral("保存模板"), QStringLiteral("模板已保存成功。")));
    toolbar(CommandId::SaveTemplate);
    finish("save locked");
    const QString saved = dataFile(QStringLiteral("甲的库.oml"));
    ASSERT_TRUE(QFile::exists(saved));
    EXPECT_EQ(settings().currentTemplatePath, saved);

    m_window->platform().setUser(QStringLiteral("乙"));
    EXPECT_FALSE(m_context->library().canEditTemplate());
    m_answers.expect(answerWith<CTipsDlg>([](CTipsDlg *tips) {
        EXPECT_EQ(tips->text(), QStringLiteral("你没有权限操作此模板"));
        QTest::mouseClick(tips->button(CTipsDlg::OkId), Qt::LeftButton);
    }));
    toolbar(CommandId::EditTemplate);
    finish("edit as another user");
    m_window->platform().setUser(QStringLiteral("甲"));
    EXPECT_TRUE(m_context->library().canEditTemplate());
}

TEST_F(TemplateWindowsTest, LockingWhileSignedOutAsksForTheAccountFirst)
{
    m_window->platform().setUser(QString());
    m_answers.expect(answerWith<CSaveItemXML>([](CSaveItemXML *dialog) {
        dialog->nameEdit()->setText(QStringLiteral("丙的库"));
        QTest::mouseClick(dialog->lockBox(), Qt::LeftButton);
        ASSERT_TRUE(dialog->lockBox()->isChecked());
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    }));
    m_answers.expect(answerWith<SignInDialog>([](SignInDialog *signIn) {
        signIn->nameEdit()->setText(QStringLiteral("丙"));
        QTest::mouseClick(signIn->signInButton(), Qt::LeftButton);
    }));
    m_answers.expect(statusAnswer(QStringLiteral("保存模板"), QStringLiteral("模板已保存成功。")));
    toolbar(CommandId::SaveTemplate);
    finish("save locked after signing in");
    QFile saved(dataFile(QStringLiteral("丙的库.oml")));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(saved.readAll()).contains(QStringLiteral("<PassWord user=\"丙\"/>")));
    EXPECT_EQ(m_window->platform().account().userName(), QStringLiteral("丙"));
}

TEST_F(TemplateWindowsTest, DownloadingTheBlankSheetSavesItAndOpensIt)
{
    const QString target = m_documents.filePath(QStringLiteral("我的定额.xlsx"));
    QString opened;
    m_window->templates().hooks().chooseSavePath = [target](const QString &, const QString &) {
        return std::optional<QString>(target);
    };
    m_window->templates().hooks().openWithDesktop = [&opened](const QString &path) {
        opened = path;
        return true;
    };
    m_answers.expect(statusAnswer(QStringLiteral("导入模板"), QStringLiteral("请按照正确模板格式导入"),
                                  QStringLiteral("下载模板")));
    toolbar(CommandId::ImportTemplate);
    finish("download");
    EXPECT_EQ(opened, target);
    QFile copy(target);
    QFile blank(QDir(m_context->folders().programFolder()).filePath(QStringLiteral("定额导入模板.xlsx")));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    ASSERT_TRUE(blank.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), blank.readAll());
}

TEST_F(TemplateWindowsTest, TheFloatingMenuOpensATemplateAndClosesOnOtherCommands)
{
    openCopyOfTheLibrary();
    toolbar(CommandId::OpenTemplate);
    CSaveItemXML *menu = m_window->templates().floatingMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->geometry(), QRect(209, 93, 160, 294));
    ASSERT_EQ(menu->slotList().size(), 2);
    EXPECT_EQ(menu->slotButton(0)->text(), QStringLiteral("园林"));
    EXPECT_EQ(menu->slotList().at(0).icon, TemplateSlots::Icon::Current);
    EXPECT_EQ(menu->slotButton(1)->text(), QStringLiteral("Verdalis定额库"));
    EXPECT_TRUE(menu->openButton()->isVisible());

    m_answers.expect(statusAnswer(QStringLiteral("导入模板"), QStringLiteral("导入成功，模板已更新。")));
    QTest::mouseClick(menu->slotButton(1), Qt::LeftButton);
    finish("slot click");
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(settings().selectedTemplate, 0);
    EXPECT_EQ(settings().currentTemplatePath, settings().templateList.at(0));

    toolbar(CommandId::OpenTemplate);
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->slotButton(0)->text(), QStringLiteral("Verdalis定额库"));
    m_window->runCommand(CommandId::PrecisionZero + 2);
    EXPECT_FALSE(menu->isVisible());
    toolbar(CommandId::OpenTemplate);
    QTest::mouseClick(left(), Qt::LeftButton, Qt::NoModifier, QPoint(CItemDlg::PaneWidth - 1, 200));
    EXPECT_FALSE(menu->isVisible());
    // A click into the budget table, which the menu lies over, closes it too.
    toolbar(CommandId::OpenTemplate);
    ASSERT_TRUE(menu->isVisible());
    GridView *table = m_window->panes().table()->gridView();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(600, 200));
    EXPECT_FALSE(menu->isVisible());
}

TEST_F(TemplateWindowsTest, TheFloatingMenuOffersATemplateThatAnotherRunSaved)
{
    const QString ours = openCopyOfTheLibrary();
    settings().rates.tax = QStringLiteral("3");
    toolbar(CommandId::OpenTemplate);
    CSaveItemXML *menu = m_window->templates().floatingMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->slotList().size(), 2);
    m_window->runCommand(CommandId::PrecisionZero + 2);
    ASSERT_FALSE(menu->isVisible());

    // A second copy of the program on the same folders saves a template of its own.
    const QString theirs = dataFile(QStringLiteral("屋顶花园.xml"));
    ASSERT_TRUE(QFile::copy(MainLibrary, theirs));
    {
        AppContext other(AppFolders(m_documents.path(), QCoreApplication::applicationDirPath()));
        other.startUp();
        other.settings().templateList.append(theirs);
        other.settings().rates.tax = QStringLiteral("9");
        ASSERT_TRUE(other.saveSettings());
    }

    toolbar(CommandId::OpenTemplate);
    ASSERT_TRUE(menu->isVisible());
    ASSERT_EQ(menu->slotList().size(), 3);
    EXPECT_EQ(menu->slotButton(0)->text(), QStringLiteral("园林"));
    EXPECT_EQ(menu->slotList().at(0).icon, TemplateSlots::Icon::Current);
    EXPECT_EQ(menu->slotButton(2)->text(), QStringLiteral("屋顶花园"));
    EXPECT_EQ(settings().currentTemplatePath, ours);
    // The re-read takes the list only: this run's rate is not replaced by the file's.
    EXPECT_EQ(settings().rates.tax, QStringLiteral("3"));

    m_answers.expect(statusAnswer(QStringLiteral("导入模板"), QStringLiteral("导入成功，模板已更新。")));
    QTest::mouseClick(menu->slotButton(2), Qt::LeftButton);
    finish("open the other run's template");
    EXPECT_EQ(settings().currentTemplatePath, theirs);
    EXPECT_EQ(left()->libraryTree()->headerItem()->text(0), QStringLiteral("当前模板：屋顶花园"));
    AppContext next(AppFolders(m_documents.path(), QCoreApplication::applicationDirPath()));
    next.startUp();
    EXPECT_EQ(next.settings().currentTemplatePath, theirs);
}

TEST_F(TemplateWindowsTest, AListedTemplateThatNoLongerReadsIsNotConfirmedAsOpened)
{
    const QString copy = openCopyOfTheLibrary();
    m_answers.expect(statusAnswer(QStringLiteral("导入模板"), QStringLiteral("导入成功，模板已更新。")));
    left()->openTemplateFile(settings().templateList.at(0));
    finish("back to the main library");
    QFile damaged(copy);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("damaged");
    damaged.close();
    toolbar(CommandId::OpenTemplate);
    CSaveItemXML *menu = m_window->templates().floatingMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->slotList().size(), 2);
    m_answers.expect(statusAnswer(QStringLiteral("导入模板"), QStringLiteral("请导入正确的模板文件")));
    QTest::mouseClick(menu->slotButton(1), Qt::LeftButton);
    finish("damaged slot");
    EXPECT_EQ(settings().selectedTemplate, 0);
    EXPECT_EQ(settings().currentTemplatePath, settings().templateList.at(0));
}

TEST_F(TemplateWindowsTest, DeletingTheCurrentTemplateFromASlotFallsBackToTheMainLibrary)
{
    const QString copy = openCopyOfTheLibrary();
    m_context->library().items().removeLast();
    const qsizetype mainCount = m_context->library().items().size() + 1;
    QPointer<CSaveItemXML> saveDialog;
    m_answers.expect(answerWith<CSaveItemXML>([&saveDialog](CSaveItemXML *dialog) {
        saveDialog = dialog;
        ASSERT_EQ(dialog->slotList().size(), 2);
        EXPECT_TRUE(dialog->slotButton(1)->text().startsWith(QStringLiteral("园林")));
        // Outside the delete zone the name only goes into the box.
        QTest::mouseClick(dialog->slotButton(1), Qt::LeftButton, Qt::NoModifier, QPoint(100, 20));
        QTest::qWait(20);
        EXPECT_EQ(dialog->nameEdit()->text(), QStringLiteral("园林"));
        // The slot button starts 2 pixels into the dialog.
        QTest::mouseClick(dialog->slotButton(1), Qt::LeftButton, Qt::NoModifier,
                          QPoint(CSaveItemXML::DeleteZoneLeft + 1, 20));
    }));
    m_answers.expect([&saveDialog](QWidget *modal) {
        statusAnswer(QStringLiteral("删除模板"), QStringLiteral("\"园林\"为当前项目,确定删除?"))(modal);
        // The save dialog stays open with the remaining slots.
        QTimer::singleShot(50, [&saveDialog] {
            ASSERT_TRUE(saveDialog);
            EXPECT_EQ(saveDialog->slotList().size(), 1);
            QTest::mouseClick(saveDialog->cancelButton(), Qt::LeftButton);
        });
    });
    toolbar(CommandId::SaveTemplate);
    finish("delete current");
    EXPECT_FALSE(QFile::exists(copy));
    EXPECT_EQ(settings().selectedTemplate, 0);
    EXPECT_EQ(settings().templateList.size(), 1);
    EXPECT_EQ(m_context->library().items().size(), mainCount);
    EXPECT_EQ(left()->libraryTree()->topLevelItemCount(), 11);
}

TEST_F(TemplateWindowsTest, AnEditInTheTemplateEditorIsWrittenToTheTemplateFile)
{
    const QString path = openCopyOfTheLibrary();
    const QuotaItem second = m_context->library().items().at(1);
    const int newLineRow = int(second.brand.materials.size() + second.brand.machines.size()) + 2;
    m_answers.expect(answerWith<CEditTempItemDlg>([&](CEditTempItemDlg *editor) {
        EXPECT_EQ(editor->size(), QSize(800, 515));
        EXPECT_EQ(editor->nameButton()->text(), QStringLiteral("园林"));
        EXPECT_EQ(editor->itemGrid().text(1, 2), second.itemName);
        edit(editor->itemView(), 3, 5, QStringLiteral("99"));
        edit(editor->lineView(), newLineRow, 1, QStringLiteral("细沙"));
        edit(editor->lineView(), newLineRow, 4, QStringLiteral("7.5"));
        edit(editor->lineView(), newLineRow, 5, QStringLiteral("2"));
        // A stray Escape keeps the editor and its edits.
        QTest::keyClick(editor, Qt::Key_Escape);
        EXPECT_TRUE(editor->isVisible());
        QTest::mouseClick(editor->okButton(), Qt::LeftButton);
    }));
    toolbar(CommandId::EditTemplate);
    finish("edit");
    QuotaLibrary written;
    ASSERT_TRUE(written.LoadTemplate(path, MainLibrary));
    const QuotaItem &item = written.items().at(1);
    EXPECT_EQ(item.itemName, second.itemName);
    EXPECT_EQ(item.brand.laborcost, 99.0f);
    EXPECT_EQ(item.brand.laborprofit, 0.0f);
    ASSERT_EQ(item.brand.materials.size(), second.brand.materials.size() + 1);
    EXPECT_EQ(item.brand.materials.last().name, QStringLiteral("细沙"));
    EXPECT_EQ(item.brand.materials.last().price, 7.5f);
    float lines = 0.0f;
    for (const MtLine &l : second.brand.materials)
        lines += l.price * l.num;
    // The editor prices the item by its lines.
    EXPECT_FLOAT_EQ(item.brand.material, lines + 15.0f);
    EXPECT_NE(treeNode(left()->libraryTree(), second.itemName), nullptr);
}

TEST_F(TemplateWindowsTest, AddItemMakesACustomItemAndARenameOntoAnExistingNameCanBeDeclined)
{
    const QString path = openCopyOfTheLibrary();
    QTreeWidget *tree = left()->libraryTree();
    QTreeWidgetItem *add = treeNode(tree, QStringLiteral("添加定额"), 0);
    ASSERT_NE(add, nullptr);
    const QString existing = tree->topLevelItem(0)->child(1)->text(0).trimmed();
    add->parent()->setExpanded(true);
    m_answers.expect(answerWith<CEditTempItemDlg>([&](CEditTempItemDlg *editor) {
        EXPECT_EQ(editor->itemGrid().text(1, 2), QStringLiteral("自定义1"));
        ASSERT_NE(treeNode(editor->tree(), QStringLiteral("自定义1")), nullptr);
        clickCell(editor->itemView(), 1, 2);
        // The prompt is answered while the edit waits for it.
        edit(editor->itemView(), 1, 2, existing);
        EXPECT_EQ(editor->itemGrid().text(1, 2), QStringLiteral("自定义1"));
        EXPECT_NE(treeNode(editor->tree(), existing), nullptr);
        QTest::mouseClick(editor->okButton(), Qt::LeftButton);
    }));
    m_answers.expect(answerWith<CTipsDlg>([](CTipsDlg *tips) {
        EXPECT_EQ(tips->text(), QStringLiteral("项目名称已存在，是否覆盖？"));
        QTest::mouseClick(tips->button(CTipsDlg::CancelId), Qt::LeftButton);
    }));
    tree->scrollToItem(add);
    const QPoint at = tree->visualItemRect(add).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    finish("add item");
    QuotaLibrary written;
    ASSERT_TRUE(written.LoadTemplate(path, MainLibrary));
    const QStringList categoryItems = [&] {
        QStringList names;
        for (const QuotaItem &item : written.items()) {
            if (item.categoryName == written.items().at(0).categoryName)
                names.append(item.itemName);
        }
        return names;
    }();
    EXPECT_TRUE(categoryItems.contains(QStringLiteral("自定义1")));
    EXPECT_TRUE(categoryItems.contains(existing));
    EXPECT_NE(treeNode(tree, QStringLiteral("自定义1"), 0), nullptr);
}

TEST_F(TemplateWindowsTest, TheResourceEditorSavesTheLinesAndTheRowIsPricedAgain)
{
    openProject();
    GridView *table = m_window->panes().table()->gridView();
    const int index = firstItemWithMaterials();
    ASSERT_GE(index, 0);
    const int row = index + BudgetTable::TableHeaderRows;
    const ConstructItem before = m_context->estimate().rows().at(index).item;
    const auto rowTexts = [table, row] {
        QStringList texts;
        for (int column = 0; column < table->model()->columnCount(); ++column)
            texts.append(table->model()->index(row, column).data().toString());
        return texts;
    };
    const QStringList rowBefore = rowTexts();
    m_answers.expect(answerWith<CEditItemRoomDlg>([&](CEditItemRoomDlg *editor) {
        EXPECT_EQ(editor->size(), QSize(789, 515));
        EXPECT_EQ(editor->itemGrid().text(1, 2), before.itemName);
        QTest::keyClick(editor, Qt::Key_Escape);
        EXPECT_TRUE(editor->isVisible());
        edit(editor->lineView(), 2, 4, QStringLiteral("1000"));
        QTest::mouseClick(editor->saveButton(), Qt::LeftButton);
    }));
    openResourceEditor(row);
    finish("resource edit");
    const ConstructItem &after = m_context->estimate().rows().at(index).item;
    EXPECT_EQ(after.brand.materials.at(0).price, 1000.0f);
    EXPECT_GT(after.brand.material, before.brand.material);
    EXPECT_NE(rowTexts(), rowBefore);
}

TEST_F(TemplateWindowsTest, TabAndEnterInTheResourceEditorMoveInTheGridTypedIn)
{
    openProject();
    const int index = firstItemWithMaterials();
    ASSERT_GE(index, 0);
    const auto typeAndPress = [](GridView *view, int row, int column, const QString &text, Qt::Key key) {
        view->setFocus();
        view->setCurrentIndex(view->model()->index(row, column));
        view->edit(view->model()->index(row, column));
        pause();
        QWidget *editor = QApplication::focusWidget();
        ASSERT_NE(editor, nullptr);
        ASSERT_NE(editor, view);
        // Chinese text arrives through an input method, not as key presses.
        auto *line = qobject_cast<QLineEdit *>(editor);
        ASSERT_NE(line, nullptr) << editor->metaObject()->className();
        line->selectAll();
        line->insert(text);
        QTest::keyClick(editor, key);
        pause();
    };
    m_answers.expect(answerWith<CEditItemRoomDlg>([&](CEditItemRoomDlg *editor) {
        Grid &lines = editor->lineGrid();
        clickCell(editor->lineView(), 2, 1);
        typeAndPress(editor->lineView(), 2, 1, QStringLiteral("改良草皮"), Qt::Key_Tab);
        EXPECT_EQ(lines.text(2, 1), QStringLiteral("改良草皮"));
        EXPECT_EQ(lines.activeRow(), 2);
        EXPECT_EQ(lines.activeColumn(), 2);
        typeAndPress(editor->lineView(), 2, 4, QStringLiteral("88"), Qt::Key_Return);
        EXPECT_EQ(lines.text(2, 4), QStringLiteral("88"));
        EXPECT_EQ(lines.activeRow(), 3);
        EXPECT_EQ(lines.activeColumn(), 4);
        // Without an editor: Tab stops at the delete column, the hidden code column is never entered.
        clickCell(editor->lineView(), 3, 7);
        QTest::keyClick(editor->lineView(), Qt::Key_Tab);
        pause();
        EXPECT_EQ(lines.activeColumn(), 7);
        // Escape in an open editor neither closes the dialog nor leaves the cell.
        editor->lineView()->edit(editor->lineView()->model()->index(3, 5));
        pause();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        pause();
        EXPECT_TRUE(editor->isVisible());
        // The item grid moves its own active cell, although the line grid has one.
        Grid &items = editor->itemGrid();
        clickCell(editor->itemView(), 1, 2);
        typeAndPress(editor->itemView(), 1, 2, QStringLiteral("精铺草坪"), Qt::Key_Return);
        EXPECT_EQ(items.activeRow(), 2);
        EXPECT_EQ(items.activeColumn(), 2);
        EXPECT_EQ(lines.activeRow(), 3);
        QTest::mouseClick(editor->saveButton(), Qt::LeftButton);
    }));
    openResourceEditor(index + BudgetTable::TableHeaderRows);
    finish("keys in the resource editor");
    const ConstructItem &after = m_context->estimate().rows().at(index).item;
    EXPECT_EQ(after.itemName, QStringLiteral("精铺草坪"));
    EXPECT_EQ(after.brand.materials.at(0).name, QStringLiteral("改良草皮"));
    EXPECT_EQ(after.brand.materials.at(0).price, 88.0f);
}

Prompts::Answer warningWith(const QString &text)
{
    return answerWith<QMessageBox>([text](QMessageBox *box) {
        EXPECT_EQ(box->text(), text);
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
}

// Typed texts the files would misread and numbers whose amounts leave the
// float range are refused in the cell, with a message; the cell keeps its text.
TEST_F(TemplateWindowsTest, TheResourceEditorRefusesWhatItCouldNotSave)
{
    openProject();
    GridView *table = m_window->panes().table()->gridView();
    int index = 0;
    for (const EstimateRow &r : m_context->estimate().rows()) {
        if (r.isConstruct() && !r.item.brand.materials.isEmpty())
            break;
        ++index;
    }
    ASSERT_LT(index, m_context->estimate().rowCount());
    const int row = index + BudgetTable::TableHeaderRows;
    const ConstructItem before = m_context->estimate().rows().at(index).item;
    QStringList kept;
    m_answers.expect(answerWith<CEditItemRoomDlg>([&](CEditItemRoomDlg *editor) {
        const QString name = editor->lineGrid().text(2, 1);
        const QString num = editor->lineGrid().text(2, 5);
        const QString price = editor->lineGrid().text(2, 4);
        edit(editor->lineView(), 2, 4, QStringLiteral("1e39"));
        kept << editor->lineGrid().text(2, 4);
        edit(editor->lineView(), 2, 4, QStringLiteral("10"));
        edit(editor->lineView(), 2, 5, QStringLiteral("1e38"));
        kept << editor->lineGrid().text(2, 5);
        edit(editor->lineView(), 2, 1, QStringLiteral("细沙 num="));
        kept << editor->lineGrid().text(2, 1);
        EXPECT_EQ(kept, (QStringList{price, num, name}));
        QTest::mouseClick(editor->saveButton(), Qt::LeftButton);
    }));
    m_answers.expect(warningWith(QStringLiteral("第1行单价：数值“1e39”超出范围")));
    m_answers.expect(warningWith(QStringLiteral("第1行用量：数值“1e38”使金额或合计超出范围")));
    m_answers.expect(warningWith(QStringLiteral("第1行名称：不能含有“num=”（文件读回时会读错）")));
    clickCell(table, row, BudgetTable::OperationColumn);
    pause();
    choose({QStringLiteral("编辑")});
    finish("refused resource edits");
    const ConstructItem &after = m_context->estimate().rows().at(index).item;
    EXPECT_EQ(after.brand.materials.at(0).name, before.brand.materials.at(0).name);
    EXPECT_EQ(after.brand.materials.at(0).num, before.brand.materials.at(0).num);
    EXPECT_EQ(after.brand.materials.at(0).price, 10.0f);
    EXPECT_TRUE(std::isfinite(m_context->estimate().totals().projectTotal));
}

TEST_F(TemplateWindowsTest, TheTemplateEditorRefusesNumbersBeyondFloatWhereTyped)
{
    const QString path = openCopyOfTheLibrary();
    const QuotaItem second = m_context->library().items().at(1);
    const int newLineRow = int(second.brand.materials.size() + second.brand.machines.size()) + 2;
    m_answers.expect(answerWith<CEditTempItemDlg>([&](CEditTempItemDlg *editor) {
        edit(editor->lineView(), newLineRow, 1, QStringLiteral("细沙"));
        const QString price = editor->lineGrid().text(newLineRow, 4);
        edit(editor->lineView(), newLineRow, 4, QStringLiteral("1e39"));
        EXPECT_EQ(editor->lineGrid().text(newLineRow, 4), price);
        edit(editor->lineView(), newLineRow, 4, QStringLiteral("7.5"));
        QTest::mouseClick(editor->okButton(), Qt::LeftButton);
    }));
    m_answers.expect(warningWith(QStringLiteral("第%1行单价：数值“1e39”超出范围").arg(newLineRow - 1)));
    toolbar(CommandId::EditTemplate);
    finish("refused template edit");
    QuotaLibrary written;
    ASSERT_TRUE(written.LoadTemplate(path, MainLibrary));
    EXPECT_EQ(written.items().at(1).brand.materials.last().name, QStringLiteral("细沙"));
    EXPECT_EQ(written.items().at(1).brand.materials.last().price, 7.5f);
}

TEST_F(TemplateWindowsTest, ACancelledImportLeavesTheLibraryAndAFinishedOneOpensTheTemplate)
{
    QTemporaryDir sheets;
    const QString sheet = sheets.filePath(QStringLiteral("苗木.xls"));
    QString error;
    ASSERT_TRUE(QuotaSheetExporter::write(m_context->library().items(), sheet, &error))
        << error.toStdString();
    m_window->templates().hooks().chooseSheetPath = [sheet](const QString &, const QString &) {
        return std::optional<QString>(sheet);
    };
    // The progress stays up until it is cancelled.
    m_window->templates().setImportTickMs(600000);
    const auto startImport = [this] {
        m_answers.expect(statusAnswer(QStringLiteral("导入模板"), QStringLiteral("请按照正确模板格式导入"),
                                      QStringLiteral("导入excel")));
    };
    startImport();
    m_answers.expect(
        statusAnswer(QStringLiteral("导入模板"), QStringLiteral("正在导入中......"), QStringLiteral("取消")));
    toolbar(CommandId::ImportTemplate);
    finish("cancelled import");
    QTest::qWait(300);
    finish("after the worker");
    EXPECT_EQ(settings().selectedTemplate, 0);
    EXPECT_EQ(settings().templateList.size(), 1);

    m_window->templates().setImportTickMs(200);
    startImport();
    m_answers.expect([](QWidget *modal) {
        auto *progress = qobject_cast<TemplateStatusDialog *>(modal);
        ASSERT_NE(progress, nullptr);
        ASSERT_NE(progress->progressBar(), nullptr);
        EXPECT_EQ(progress->percentLabel()->text(), QStringLiteral("0%"));
    });
    m_answers.expect(statusAnswer(QStringLiteral("导入模板"), QStringLiteral("导入成功，模板已更新。")));
    toolbar(CommandId::ImportTemplate);
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_answers.allAnswered(); }, 10000));
    finish("finished import");
    EXPECT_EQ(settings().currentTemplatePath, dataFile(QStringLiteral("苗木.xml")));
    EXPECT_EQ(settings().selectedTemplate, 1);
}

TEST_F(TemplateWindowsTest, AnItemSavedIntoACategoryShowsInTheTreeAndCanBeAddedFromIt)
{
    openProject();
    GridView *table = m_window->panes().table()->gridView();
    int row = -1;
    QString name;
    for (int i = 0; i < m_context->estimate().rowCount(); ++i) {
        const EstimateRow &r = m_context->estimate().rows().at(i);
        if (r.isConstruct()) {
            row = i + BudgetTable::TableHeaderRows;
            name = r.item.itemName;
            break;
        }
    }
    ASSERT_GE(row, 0);
    QTreeWidget *tree = left()->libraryTree();
    tree->topLevelItem(1)->setExpanded(true);
    const QString category = tree->topLevelItem(0)->text(0).trimmed();
    clickCell(table, row, 2);
    pause();
    choose({QStringLiteral("保存到工程类项目"), category});
    finish("save to category");
    QTreeWidgetItem *node = treeNode(tree, name, 0);
    ASSERT_NE(node, nullptr);
    // The node shown is the one of the entered item, not of an item it replaced.
    EXPECT_GE(LibraryTree::itemIndexOfNode(m_context->library().items(), CItemDlg::nodeOf(node)), 0);
    EXPECT_TRUE(tree->topLevelItem(1)->isExpanded());
    const int rowsBefore = m_context->estimate().rowCount();
    tree->topLevelItem(0)->setExpanded(true);
    tree->scrollToItem(node);
    const QPoint at = tree->visualItemRect(node).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    pause();
    finish("double-click");
    EXPECT_EQ(m_context->estimate().rowCount(), rowsBefore + 1);
}

} // namespace
