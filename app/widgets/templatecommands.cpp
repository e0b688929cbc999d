#include "templatecommands.h"

#include "app/appcontext.h"
#include "estimate/prompter.h"
#include "library/templateimport.h"
#include "library/widgets/cedittempitemdlg.h"
#include "library/widgets/citemdlg.h"
#include "library/widgets/csaveitemxml.h"
#include "library/widgets/templatestatusdialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QThread>
#include <QUrl>

#include <memory>

namespace {

constexpr QPoint FloatingMenuAt{209, 93};

QString blankSheetName()
{
    return QStringLiteral("定额导入模板.xlsx");
}

std::optional<QString> fileDialog(QWidget *parent, bool saving, const QString &proposed,
                                  const QString &filter, const QString &suffix)
{
    QFileDialog dialog(parent, saving ? QStringLiteral("保存模板") : QStringLiteral("导入模板"), proposed,
                       filter);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(suffix);
    dialog.setFilter(dialog.filter() | QDir::Hidden);
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

TemplateCommands::TemplateCommands(AppContext &context, CItemDlg &left, QWidget *window, Hooks hooks)
    : QObject(window), m_context(context), m_left(left), m_window(window), m_hooks(std::move(hooks)),
      m_lastImportPath(QDir(context.folders().programFolder()).filePath(QStringLiteral("自定义模板.xls")))
{
    connectLeftPane();
}

TemplateCommands::~TemplateCommands()
{
    // A conversion still running holds its own job; it must end before the program does.
    for (const QPointer<QThread> &worker : m_workers) {
        if (worker)
            worker->wait();
    }
}

TemplateChoice TemplateCommands::choice()
{
    AppSettings &s = m_context.settings();
    return TemplateChoice{s.templateList, s.selectedTemplate, s.currentTemplatePath};
}

void TemplateCommands::connectLeftPane()
{
    connect(&m_left, &CItemDlg::templateEditorRequested, this, &TemplateCommands::openEditor);
    connect(&m_left, &CItemDlg::saveTemplateRequested, this, &TemplateCommands::openSaveDialog);
    connect(&m_left, &CItemDlg::importTemplateRequested, this, &TemplateCommands::startImport);
    connect(&m_left, &CItemDlg::closeFloatingMenuRequested, this, &TemplateCommands::hideFloatingMenu);
    connect(&m_left, &CItemDlg::templateOpened, this, [this] {
        saveSettings();
        notify(TemplateStatusDialog::importTitle(), {TemplateStatusDialog::openedText()});
    });
    connect(&m_left, &CItemDlg::templateReadFailed, this, [this] {
        const QString text = TemplateStatusDialog::notATemplateText();
        notify(TemplateStatusDialog::importTitle(),
               m_importing ? QStringList{QStringLiteral("导入失败"), text} : QStringList{text});
    });
    connect(&m_left, &CItemDlg::templateWriteFailed, this, [this] {
        notify(QStringLiteral("保存模板"), {QStringLiteral("模板文件无法写入，修改只保留到程序退出。")});
    });
}

void TemplateCommands::run(int code)
{
    switch (code) {
    case EditorCode:
        hideFloatingMenu();
        openEditor(1);
        break;
    case SaveCode:
        hideFloatingMenu();
        openSaveDialog(false);
        break;
    case ImportCode:
        startImport();
        break;
    case HideMenuCode:
        hideFloatingMenu();
        break;
    default:
        break;
    }
}

void TemplateCommands::notify(const QString &title, const QStringList &lines)
{
    TemplateStatusDialog::notify(m_window, title, lines);
}

void TemplateCommands::saveSettings()
{
    if (!m_context.saveSettings())
        notify(QStringLiteral("保存设置"), {QStringLiteral("设置文件无法写入，模板列表只保留到程序退出。")});
}

std::optional<QString> TemplateCommands::chooseSavePath(const QString &proposed, const QString &filter)
{
    if (m_hooks.chooseSavePath)
        return m_hooks.chooseSavePath(proposed, filter);
    const bool locked = filter.contains(QStringLiteral(".oml"));
    return fileDialog(m_window, true, proposed, filter,
                      locked ? QStringLiteral("oml") : QStringLiteral("xml"));
}

void TemplateCommands::showFloatingMenu()
{
    if (m_hooks.showTable)
        m_hooks.showTable();
    if (!m_floatingMenu) {
        CSaveItemXML::Hooks hooks;
        hooks.openFile = [this] { m_left.chooseTemplateFile(); };
        hooks.saveSettings = [this] { saveSettings(); };
        hooks.libraryReplaced = [this] { m_left.fillLibraryTree(); };
        hooks.showBudgetTable = m_hooks.showTable;
        m_floatingMenu = new CSaveItemXML(CSaveItemXML::Mode::Open,
                                          {m_context.library(), m_context.libraryTree(), choice(),
                                           m_left.customItemCounter(), m_context.folders().dataFolder()},
                                          std::move(hooks), m_window);
        m_floatingMenu->move(FloatingMenuAt);
        connect(m_floatingMenu, &CSaveItemXML::templateOpened, this, [this] {
            notify(TemplateStatusDialog::importTitle(), {TemplateStatusDialog::openedText()});
        });
        connect(m_floatingMenu, &CSaveItemXML::templateReadFailed, this, [this] {
            notify(TemplateStatusDialog::importTitle(), {TemplateStatusDialog::notATemplateText()});
        });
    }
    m_context.reloadTemplateList();
    m_floatingMenu->refill();
    qApp->installEventFilter(this);
}

void TemplateCommands::hideFloatingMenu()
{
    qApp->removeEventFilter(this);
    if (m_floatingMenu)
        m_floatingMenu->hide();
}

bool TemplateCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && m_floatingMenu && m_floatingMenu->isVisible()) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->window() == m_window && widget != m_floatingMenu &&
            !m_floatingMenu->isAncestorOf(widget))
            hideFloatingMenu();
    }
    return QObject::eventFilter(watched, event);
}

void TemplateCommands::openEditor(int itemIndex)
{
    hideFloatingMenu();
    if (!m_context.library().canEditTemplate()) {
        m_context.prompter().notify(Prompter::NoTemplateRights, 1);
        return;
    }
    CEditTempItemDlg editor({m_context.library(), m_context.libraryTree(), choice(),
                             m_left.customItemCounter(), m_left.selection(), m_context.prompter()},
                            itemIndex, m_window);
    if (editor.exec() != QDialog::Accepted)
        return;
    m_left.fillLibraryTree();
    using Outcome = TemplateEditor::OkOutcome;
    if (editor.outcome() == Outcome::OpenSaveDialog)
        QMetaObject::invokeMethod(
            this, [this] { openSaveDialog(true); }, Qt::QueuedConnection);
    else if (editor.outcome() == Outcome::TemplateWriteFailed)
        notify(QStringLiteral("保存模板"), {QStringLiteral("模板文件无法写入，修改只保留到程序退出。")});
}

void TemplateCommands::openSaveDialog(bool editedMainLibrary)
{
    hideFloatingMenu();
    CSaveItemXML::Hooks hooks;
    hooks.chooseSavePath = [this](const QString &proposed, const QString &filter) {
        return chooseSavePath(proposed, filter);
    };
    hooks.saveSettings = [this] { saveSettings(); };
    hooks.signIn = m_hooks.signIn;
    hooks.libraryReplaced = [this] { m_left.fillLibraryTree(); };
    hooks.showBudgetTable = m_hooks.showTable;
    CSaveItemXML dialog(CSaveItemXML::Mode::Save,
                        {m_context.library(), m_context.libraryTree(), choice(), m_left.customItemCounter(),
                         m_context.folders().dataFolder()},
                        std::move(hooks), m_window);
    dialog.setEditedMainLibrary(editedMainLibrary);
    connect(&dialog, &CSaveItemXML::templateSaved, this,
            [this] { notify(QStringLiteral("保存模板"), {TemplateStatusDialog::savedText()}); });
    dialog.exec();
}

void TemplateCommands::startImport()
{
    hideFloatingMenu();
    TemplateStatusDialog dialog(
        TemplateStatusDialog::importTitle(), {QStringLiteral("请按照正确模板格式导入")},
        {QStringLiteral("下载模板"), QStringLiteral("导入excel"), QStringLiteral("取消")}, m_window);
    dialog.exec();
    if (dialog.chosen() == 0)
        copyBlankSheet();
    else if (dialog.chosen() == 1)
        QMetaObject::invokeMethod(this, &TemplateCommands::chooseAndImport, Qt::QueuedConnection);
}

void TemplateCommands::copyBlankSheet()
{
    const QString blank = QDir(m_context.folders().programFolder()).filePath(blankSheetName());
    const QString proposed = QDir(m_context.folders().documentsFolder()).filePath(blankSheetName());
    const QString filter = QStringLiteral("Excel 工作簿(*.xlsx)");
    const std::optional<QString> target =
        m_hooks.chooseSavePath ? m_hooks.chooseSavePath(proposed, filter)
                               : fileDialog(m_window, true, proposed, filter, QStringLiteral("xlsx"));
    if (!target)
        return;
    QFile::remove(*target);
    if (!QFile::copy(blank, *target)) {
        notify(TemplateStatusDialog::importTitle(),
               {QStringLiteral("模板表格无法保存到“%1”。").arg(*target)});
        return;
    }
    const bool opened = m_hooks.openWithDesktop ? m_hooks.openWithDesktop(*target)
                                                : QDesktopServices::openUrl(QUrl::fromLocalFile(*target));
    if (!opened)
        notify(TemplateStatusDialog::importTitle(), {QStringLiteral("模板表格已保存到“%1”。").arg(*target)});
}

void TemplateCommands::chooseAndImport()
{
    const QString filter = QStringLiteral("项目模板(*.xls *.xlsx);;项目模板(*.xml *.oml)");
    const std::optional<QString> path =
        m_hooks.chooseSheetPath
            ? m_hooks.chooseSheetPath(m_lastImportPath, filter)
            : fileDialog(m_window, false, m_lastImportPath, filter, QStringLiteral("xls"));
    if (!path)
        return;
    m_lastImportPath = *path;
    importSheet(*path);
}

void TemplateCommands::importSheet(const QString &path)
{
    switch (TemplateImport::check(path)) {
    case TemplateImport::Check::OpenDirectly:
        m_left.openTemplateFile(path);
        return;
    case TemplateImport::Check::Missing:
        notify(TemplateStatusDialog::importTitle(), {TemplateImport::missingText()});
        return;
    case TemplateImport::Check::InUse:
        notify(TemplateStatusDialog::importTitle(), {TemplateImport::inUseText()});
        return;
    case TemplateImport::Check::Convert:
        runImport(path);
        return;
    }
}

void TemplateCommands::runImport(const QString &path)
{
    auto job = std::make_shared<TemplateImport>(path, m_context.folders().dataFolder());
    QThread *worker = QThread::create([job] { job->convert(); });
    // Owned here so that a conversion the program outlives is still freed; the destructor waits for it first.
    worker->setParent(this);
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    m_workers.removeAll(nullptr);
    m_workers.append(worker);
    worker->start();
    TemplateStatusDialog progress(TemplateStatusDialog::importTitle(), {QStringLiteral("正在导入中......")},
                                  {QStringLiteral("取消")}, m_window);
    progress.startProgress(m_importTickMs, [job] { return job->done(); });
    if (progress.exec() != QDialog::Accepted) {
        job->cancel();
        return;
    }
    switch (job->finish()) {
    case TemplateImport::Outcome::Cancelled:
        return;
    case TemplateImport::Outcome::Refused:
    case TemplateImport::Outcome::WriteFailed:
        notify(TemplateStatusDialog::importTitle(), {QStringLiteral("导入失败"), job->error()});
        return;
    case TemplateImport::Outcome::Ready:
        break;
    }
    m_importing = true;
    m_left.openTemplateFile(job->targetPath());
    m_importing = false;
}
