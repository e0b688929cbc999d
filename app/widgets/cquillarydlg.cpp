#include "cquillarydlg.h"

#include "autosave.h"
#include "caddlistdlg.h"
#include "commandids.h"
#include "ctemp_information.h"
#include "documentcommands.h"
#include "listexportactions.h"
#include "longoperation.h"
#include "mainlayout.h"
#include "mainpanes.h"
#include "maintoolbar.h"
#include "platformactions.h"
#include "printactions.h"
#include "settingsactions.h"
#include "settingsmenu.h"
#include "templatecommands.h"
#include "viewswitcher.h"
#include "windowtitle.h"

#include "app/appcontext.h"
#include "app/profilefile.h"
#include "estimate/commands/undohistory.h"
#include "estimate/widgets/ctabledlg.h"
#include "library/widgets/citemdlg.h"
#include "reports/widgets/cdetaillistdlg.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QShortcut>
#include <QTimer>
#include <QUrl>

namespace {

// Left pane codes for the template commands.
constexpr int TemplateEditorCode = 0;
constexpr int SaveIntoTemplateCode = 1;
constexpr int TemplateImportCode = 3;
constexpr int CloseTemplateMenuCode = 6;
constexpr int CommandLineDelayMs = 500;

} // namespace

CQuillaryDlg::CQuillaryDlg(AppContext &context, QWidget *parent)
    : QDialog(parent), m_context(context), m_prompter(this), m_lifecycle(context)
{
    setObjectName(QStringLiteral("maindialog"));
    setWindowTitle(QStringLiteral("项目工程造价书"));
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setAcceptDrops(true);
    restoreWindowSize();
    m_context.setPrompter(&m_prompter);
    createPanes();
    createParts();
    addCommands();
    addShortcuts();
    m_title->refresh();
    m_toolbar->placeForSize(width(), height());
    layoutPanes();
}

void CQuillaryDlg::layoutPanes()
{
    m_views->layout(width(), height());
    m_panes->showView(m_views->currentView(), m_views->currentList(), width(), height());
}

CQuillaryDlg::~CQuillaryDlg()
{
    m_context.setPrompter(nullptr);
}

void CQuillaryDlg::createPanes()
{
    m_panes = new MainPanes(m_context, this);
}

void CQuillaryDlg::connectPanes()
{
    // The panes post their view requests: the switch happens after their own handler ends.
    CItemDlg *left = m_panes->left();
    connect(left, &CItemDlg::stepRequested, this, [this](int step) {
        if (step == CItemDlg::ProjectInfoStep)
            QMetaObject::invokeMethod(this, &CQuillaryDlg::showForm, Qt::QueuedConnection);
        else if (step == CItemDlg::BudgetStep)
            QMetaObject::invokeMethod(this, &CQuillaryDlg::showTable, Qt::QueuedConnection);
        else
            QMetaObject::invokeMethod(
                this, [this, step] { showBillList(step - 1); }, Qt::QueuedConnection);
    });
    connect(left, &CItemDlg::showBudgetTableRequested, this, &CQuillaryDlg::showTable, Qt::QueuedConnection);
    connect(left, &CItemDlg::newProjectRequested, this, [this] { runCommand(CommandId::NewProject); });
    connect(m_panes->form(), &CAddListDlg::nextRequested, this, &CQuillaryDlg::showTable, Qt::QueuedConnection);
    CTableDlg *table = m_panes->table();
    connect(
        table, &CTableDlg::nextRequested, this, [this] { showBillList(1); }, Qt::QueuedConnection);
    connect(
        table, &CTableDlg::materialListRequested, this, [this] { showBillList(2); }, Qt::QueuedConnection);
    connect(
        table, &CTableDlg::machineListRequested, this, [this] { showBillList(3); }, Qt::QueuedConnection);
    CDetailListDlg *bills = m_panes->bills();
    connect(bills, &CDetailListDlg::backRequested, this, &CQuillaryDlg::showTable, Qt::QueuedConnection);
    connect(
        bills, &CDetailListDlg::listRequested, this, [this](int list) { showBillList(list + 1); },
        Qt::QueuedConnection);
    connect(bills, &CDetailListDlg::buildRequested, this, &CQuillaryDlg::buildList);
    connect(bills, &CDetailListDlg::excelRequested, m_exports, &ListExportActions::exportWorkbook);
    connect(bills, &CDetailListDlg::documentExportRequested, m_exports, &ListExportActions::exportDocument);
    connect(bills, &CDetailListDlg::pageExportRequested, m_exports, &ListExportActions::exportPage);
    connect(bills, &CDetailListDlg::pdfRequested, m_print, &PrintActions::exportPdf);
    connect(m_views, &ViewSwitcher::viewShown, this,
            [this](int view, int list) { m_panes->showView(view, list, width(), height()); });
    connect(m_documents, &DocumentCommands::documentReplaced, m_panes, &MainPanes::refreshDocument);
    connect(m_platform, &PlatformActions::userChanged, left, &CItemDlg::fillLibraryTree);
}

void CQuillaryDlg::createParts()
{
    m_toolbar = new MainToolbar(this);
    m_settingsMenu = new SettingsMenu(this);
    m_views = new ViewSwitcher({m_panes->left(), m_panes->form(), m_panes->table(), m_panes->bills()}, this);
    m_status = new CTemp_Information(this);
    m_status->hide();
    m_documents = new DocumentCommands({m_context, m_lifecycle, this, *m_views, *m_status});
    m_exports = new ListExportActions(m_context, this, *m_status);
    m_longOperation = new LongOperation(this, m_context.document(), this);
    m_platform = new PlatformActions(m_context, this);
    m_settings = std::make_unique<SettingsActions>(
        m_context, this, [this] { return m_views->currentView() == ViewSwitcher::TableView; });
    m_print = new PrintActions(m_context, *m_views, [this] { return m_settings->saveSettings(); }, this);
    m_undo = new UndoHistory(m_context.estimateDocument(), this);
    connect(m_undo, &UndoHistory::stepsChanged, this, [this] {
        m_toolbar->showUndoSteps(m_undo->undoToolTip(), m_undo->canUndo(), m_undo->redoToolTip(),
                                 m_undo->canRedo());
    });
    m_autosave = new Autosave(m_context, m_lifecycle, this);
    m_platform->account().restore();
    m_toolbar->showUser(m_platform->account().userName());
    connect(m_toolbar, &MainToolbar::command, this, &CQuillaryDlg::runCommand);
    connect(m_settingsMenu, &SettingsMenu::command, this, &CQuillaryDlg::runCommand);
    connect(m_platform, &PlatformActions::userChanged, m_toolbar, &MainToolbar::showUser);
    createTemplateCommands();
    connectPanes();
    connectTitle();
}

void CQuillaryDlg::connectTitle()
{
    m_title = new WindowTitle(this, m_context.document());
    const auto refresh = [this] { m_title->refreshSoon(); };
    Grid *table = &m_context.tableGrid();
    connect(table, &Grid::cellsChanged, m_title, refresh);
    connect(table, &Grid::rowsInserted, m_title, refresh);
    connect(table, &Grid::rowsRemoved, m_title, refresh);
    connect(table, &Grid::reset, m_title, refresh);
    connect(m_panes->form(), &CAddListDlg::fieldChanged, m_title, refresh);
    connect(&m_context.estimateDocument(), &EstimateDocument::changed, m_title, refresh);
    connect(m_documents, &DocumentCommands::documentReplaced, m_title, &WindowTitle::refresh);
    connect(m_documents, &DocumentCommands::saved, m_title, &WindowTitle::refresh);
}

void CQuillaryDlg::createTemplateCommands()
{
    TemplateCommands::Hooks hooks;
    hooks.signIn = [this] {
        if (m_platform->account().userName().isEmpty())
            m_platform->signInOrOut();
    };
    hooks.showTable = [this] {
        if (m_views->currentView() != ViewSwitcher::TableView)
            showTable();
    };
    m_templates = new TemplateCommands(m_context, *m_panes->left(), this, std::move(hooks));
    setTemplateCommands([this](int code) { m_templates->run(code); });
}

void CQuillaryDlg::addCommands()
{
    using namespace CommandId;
    m_router.add(NewProject, [this] { m_documents->newProject(); });
    m_router.add(OpenProject, [this] { m_documents->openProject(); });
    m_router.add(SaveProject, [this] { m_documents->saveProject(); });
    m_router.add(Undo, [this] { m_undo->undo(); });
    m_router.add(Redo, [this] { m_undo->redo(); });
    m_router.add(Calculator, [this] { m_platform->startCalculator(); });
    m_router.add(Cad, [this] { m_platform->startCadViewer(); });
    m_router.add(Settings, [this] { showSettingsMenu(); });
    m_router.add(Print, [this] { m_print->print(); });
    m_router.add(PageSetup, [this] { m_print->pageSetup(); });
    m_router.add(ExportWorkbook, [this] {
        showListStep();
        m_exports->exportWorkbook();
    });
    m_router.add(ExportDocument, [this] {
        showListStep();
        m_exports->exportDocument();
    });
    m_router.add(SignIn, [this] { m_platform->signInOrOut(); });
    m_router.add(Link, [this] { m_platform->openLink(QStringLiteral("Home")); });
    m_router.add(Contact, [this] { m_platform->openLink(QStringLiteral("Contact")); });
    m_router.add(Feedback, [this] { m_platform->openLink(QStringLiteral("Feedback")); });
    m_router.add(MoreProducts, [this] { m_platform->openLink(QStringLiteral("More")); });
    m_router.add(SetProfit, [this] { m_settings->setProjectRate(RateKind::Profit); });
    m_router.add(SetLoss, [this] { m_settings->setProjectRate(RateKind::Loss); });
    m_router.add(SetTax, [this] { m_settings->setProjectRate(RateKind::Tax); });
    m_router.add(ToggleTax, [this] { m_settings->toggleTax(); });
    m_router.add(ToggleLoss, [this] { m_settings->toggleLoss(); });
    for (int decimals = 0; decimals < 3; ++decimals)
        m_router.add(PrecisionZero + decimals, [this, decimals] { m_settings->setPrecision(decimals); });
    m_router.add(EditTemplate, [this] { editTemplate(TemplateEditorCode); });
    m_router.add(MenuEditTemplate, [this] { editTemplate(TemplateEditorCode); });
    m_router.add(SaveTemplate, [this] { editTemplate(SaveIntoTemplateCode); });
    m_router.add(OpenTemplate, [this] {
        if (m_leftPaneCommand)
            m_templates->showFloatingMenu();
    });
    m_router.add(ImportTemplate, [this] {
        if (!m_leftPaneCommand)
            return;
        m_leftPaneCommand(TemplateImportCode);
        if (m_views->currentView() != ViewSwitcher::TableView)
            showTable();
    });
}

void CQuillaryDlg::addTemplateCommands()
{
    const bool available = bool(m_leftPaneCommand);
    for (int id : {CommandId::EditTemplate, CommandId::SaveTemplate, CommandId::ImportTemplate,
                   CommandId::OpenTemplate})
        m_toolbar->button(id)->setEnabled(available);
}

void CQuillaryDlg::setTemplateCommands(std::function<void(int code)> leftPaneCommand)
{
    m_leftPaneCommand = std::move(leftPaneCommand);
    addTemplateCommands();
}

void CQuillaryDlg::addShortcuts()
{
    const auto bind = [this](const QKeySequence &keys, int id) {
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this, id] {
            // Commands without a toolbar button are always available.
            const QAbstractButton *button = m_toolbar->button(id);
            if (!button || button->isEnabled())
                runCommand(id);
        });
    };
    bind(QKeySequence(Qt::CTRL | Qt::Key_N), CommandId::NewProject);
    bind(QKeySequence(Qt::CTRL | Qt::Key_O), CommandId::OpenProject);
    bind(QKeySequence(Qt::CTRL | Qt::Key_S), CommandId::SaveProject);
    bind(QKeySequence(Qt::CTRL | Qt::Key_P), CommandId::Print);
    bind(QKeySequence(Qt::CTRL | Qt::Key_Z), CommandId::Undo);
    bind(QKeySequence(Qt::CTRL | Qt::Key_Y), CommandId::Redo);
    bind(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), CommandId::Redo);
    bind(QKeySequence(Qt::CTRL | Qt::Key_E), CommandId::ExportWorkbook);
    bind(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), CommandId::ExportDocument);
}

bool CQuillaryDlg::runCommand(int id)
{
    // A value still in its edit box counts before the command looks at the project.
    m_panes->form()->finishEdit();
    if (id != CommandId::Settings)
        closeTemplateMenu();
    const bool routed = m_router.route(id);
    m_title->refreshSoon();
    return routed;
}

void CQuillaryDlg::closeTemplateMenu()
{
    if (m_leftPaneCommand)
        m_leftPaneCommand(CloseTemplateMenuCode);
}

void CQuillaryDlg::editTemplate(int code)
{
    if (!m_leftPaneCommand)
        return;
    if (!m_context.library().canEditTemplate()) {
        m_context.prompter().notify(Prompter::NoTemplateRights, 1);
        return;
    }
    m_leftPaneCommand(code);
    if (m_views->currentView() != ViewSwitcher::TableView)
        showTable();
}

void CQuillaryDlg::showSettingsMenu()
{
    SettingsMenu::State state = m_settings->menuState();
    state.templateEditorAvailable = bool(m_leftPaneCommand);
    state.pageSetupAvailable = true;
    const QRect client(mapToGlobal(QPoint(0, 0)), size());
    m_settingsMenu->popup(state, MainLayout::settingsMenu(client));
}

void CQuillaryDlg::showForm()
{
    m_views->showForm();
}

void CQuillaryDlg::showTable()
{
    m_views->showTable();
    m_context.budgetTable().refreshTotals();
}

void CQuillaryDlg::showBillList(int code)
{
    if (code < 1 || code > 3)
        return;
    m_views->showBillList(code);
}

void CQuillaryDlg::showListStep()
{
    // The bill of quantities needs no building, so the export can follow at once.
    if (m_views->currentView() != ViewSwitcher::BillView)
        showBillList(ViewSwitcher::BillOfQuantities + 1);
}

void CQuillaryDlg::buildList(PendingOperation build)
{
    CDetailListDlg *bills = m_panes->bills();
    if (build == PendingOperation::BuildMaterialList)
        runLongOperation(build, [bills] { bills->buildMaterialList(); });
    else if (build == PendingOperation::BuildMachineList)
        runLongOperation(build, [bills] { bills->buildMachineList(); });
}

bool CQuillaryDlg::runLongOperation(PendingOperation pending, std::function<void()> operation)
{
    return m_longOperation->start(pending, std::move(operation));
}

void CQuillaryDlg::startWithCommandLine(const QString &commandLine)
{
    if (DocumentLifecycle::missingCommandLineProject(commandLine)) {
        QTimer::singleShot(CommandLineDelayMs, this,
                           [this] { m_documents->report(DocumentLifecycle::MissingFileText); });
        return;
    }
    if (!DocumentLifecycle::commandLineProject(commandLine))
        return;
    // The table is the first view while the project is opened.
    m_context.document().pendingOperation = PendingOperation::OpenProject;
    m_views->setInitialView(ViewSwitcher::TableView);
    layoutPanes();
    QTimer::singleShot(CommandLineDelayMs, this,
                       [this, commandLine] { openCommandLineProject(commandLine); });
}

void CQuillaryDlg::openCommandLineProject(const QString &commandLine)
{
    const std::optional<QString> path = DocumentLifecycle::commandLineProject(commandLine);
    if (!path) {
        m_context.document().pendingOperation = PendingOperation::None;
        return;
    }
    m_context.document().currentProjectPath = *path;
    runLongOperation(PendingOperation::OpenProject, [this] { m_documents->openProjectSequence(); });
}

bool CQuillaryDlg::offerRecovery()
{
    if (!m_autosave->offerRecovery())
        return false;
    m_panes->refreshDocument();
    showTable();
    return true;
}

void CQuillaryDlg::keyPressEvent(QKeyEvent *event)
{
    // Enter and Escape neither close the window nor press a default button.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void CQuillaryDlg::reject()
{
    close();
}

void CQuillaryDlg::closeEvent(QCloseEvent *event)
{
    if (!m_documents->closeRequest()) {
        event->ignore();
        return;
    }
    saveWindowSize();
    m_autosave->finish();
    event->accept();
}

void CQuillaryDlg::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (width() < MainLayout::MinimumLayoutWidth)
        return;
    setUpdatesEnabled(false);
    m_toolbar->placeForSize(width(), height());
    layoutPanes();
    setUpdatesEnabled(true);
}

void CQuillaryDlg::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CQuillaryDlg::dropEvent(QDropEvent *event)
{
    QStringList paths;
    for (const QUrl &url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    event->acceptProposedAction();
    m_panes->form()->finishEdit();
    m_documents->dropFiles(paths);
}

void CQuillaryDlg::mousePressEvent(QMouseEvent *event)
{
    closeTemplateMenu();
    QDialog::mousePressEvent(event);
}

void CQuillaryDlg::restoreWindowSize()
{
    const ProfileFile profile(m_context.folders().settingsFile());
    const int w = profile.readInt(WindowSection, u"Width", MainLayout::InitialSize.width());
    const int h = profile.readInt(WindowSection, u"Height", MainLayout::InitialSize.height());
    resize(w >= MainLayout::MinimumLayoutWidth ? w : MainLayout::InitialSize.width(),
           h >= 300 ? h : MainLayout::InitialSize.height());
}

void CQuillaryDlg::saveWindowSize() const
{
    ProfileFile profile(m_context.folders().settingsFile());
    profile.writeString(WindowSection, u"Width", QString::number(width()));
    profile.writeString(WindowSection, u"Height", QString::number(height()));
    profile.save();
}
