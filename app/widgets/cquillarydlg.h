#pragma once

#include "commandrouter.h"
#include "dialogprompter.h"

#include "app/documentlifecycle.h"
#include "estimate/documentstate.h"

#include <QDialog>

#include <functional>
#include <memory>

class AppContext;
class Autosave;
class CTemp_Information;
class DocumentCommands;
class ListExportActions;
class LongOperation;
class MainPanes;
class MainToolbar;
class PlatformActions;
class PrintActions;
class SettingsActions;
class SettingsMenu;
class TemplateCommands;
class UndoHistory;
class ViewSwitcher;
class WindowTitle;

// The main window: toolbar, left pane and one of three views on the right. It
// routes commands to the parts that do the work and switches the views when the
// panes ask (directly, or queued where a pane posts its request).
class CQuillaryDlg : public QDialog
{
    Q_OBJECT

public:
    static inline const QString WindowSection = QStringLiteral("PlotwrightWindow");

    explicit CQuillaryDlg(AppContext &context, QWidget *parent = nullptr);
    ~CQuillaryDlg() override;

    // The text after the program name: a project path (quotes allowed) is opened
    // once the window shows, with the budget table as the first view.
    void startWithCommandLine(const QString &commandLine);

    AppContext &context() { return m_context; }
    DocumentCommands &documents() { return *m_documents; }
    ViewSwitcher &views() { return *m_views; }
    MainToolbar &toolbar() { return *m_toolbar; }
    SettingsMenu &settingsMenu() { return *m_settingsMenu; }
    CTemp_Information &statusWindow() { return *m_status; }
    LongOperation &longOperation() { return *m_longOperation; }
    PlatformActions &platform() { return *m_platform; }
    MainPanes &panes() { return *m_panes; }
    TemplateCommands &templates() { return *m_templates; }
    PrintActions &printing() { return *m_print; }
    UndoHistory &undoHistory() { return *m_undo; }
    Autosave &autosave() { return *m_autosave; }
    // At start: a recovery copy left by a run that did not end is offered; true when it was opened.
    bool offerRecovery();

    // The left pane's template commands (0 editor, 1 save into template, 3 import,
    // 6 close the floating menu); the template buttons stay disabled without it.
    void setTemplateCommands(std::function<void(int code)> leftPaneCommand);
    // Runs a long operation in two halves with the progress window.
    bool runLongOperation(PendingOperation pending, std::function<void()> operation);
    // Runs a toolbar or menu command by id.
    bool runCommand(int id);

public slots:
    void showForm();
    void showTable();
    // 1 bill of quantities, 2 material list, 3 machinery list.
    void showBillList(int code);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void reject() override;

private:
    void createPanes();
    void connectPanes();
    void connectTitle();
    void layoutPanes();
    void createParts();
    void addCommands();
    void addTemplateCommands();
    void createTemplateCommands();
    void addShortcuts();
    void openCommandLineProject(const QString &commandLine);
    void showSettingsMenu();
    // The export commands move to the list step first.
    void showListStep();
    void buildList(PendingOperation build);
    void editTemplate(int code);
    void closeTemplateMenu();
    void restoreWindowSize();
    void saveWindowSize() const;

    AppContext &m_context;
    DialogPrompter m_prompter;
    DocumentLifecycle m_lifecycle;
    CommandRouter m_router;
    MainToolbar *m_toolbar = nullptr;
    SettingsMenu *m_settingsMenu = nullptr;
    ViewSwitcher *m_views = nullptr;
    CTemp_Information *m_status = nullptr;
    DocumentCommands *m_documents = nullptr;
    LongOperation *m_longOperation = nullptr;
    ListExportActions *m_exports = nullptr;
    PlatformActions *m_platform = nullptr;
    std::unique_ptr<SettingsActions> m_settings;
    PrintActions *m_print = nullptr;
    std::function<void(int)> m_leftPaneCommand;
    MainPanes *m_panes = nullptr;
    TemplateCommands *m_templates = nullptr;
    UndoHistory *m_undo = nullptr;
    Autosave *m_autosave = nullptr;
    WindowTitle *m_title = nullptr;
};
