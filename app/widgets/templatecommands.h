#pragma once

#include "library/templatechoice.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

class AppContext;
class CItemDlg;
class CSaveItemXML;
class QThread;
class QWidget;

// The template commands of the main window and the left pane: the template
// editor, the save dialog, the floating template menu and the import. It opens
// the windows, forwards their results and shows the notices; the library
// logic decides.
class TemplateCommands : public QObject
{
    Q_OBJECT

public:
    // Left pane codes.
    enum Code { EditorCode = 0, SaveCode = 1, ImportCode = 3, HideMenuCode = 6 };
    static constexpr int ImportTickMs = 3000;

    using PathChooser = std::function<std::optional<QString>(const QString &proposed, const QString &filter)>;
    struct Hooks {
        std::function<void()> signIn;
        std::function<void()> showTable;
        // Replace the file dialogs (tests answer them directly).
        PathChooser chooseSavePath;
        PathChooser chooseSheetPath;
        // Opens a file with the desktop's program for it.
        std::function<bool(const QString &path)> openWithDesktop;
    };

    TemplateCommands(AppContext &context, CItemDlg &left, QWidget *window, Hooks hooks);
    ~TemplateCommands() override;

    // The window's hooks; tests replace the file dialogs here.
    Hooks &hooks() { return m_hooks; }

    void run(int code);
    // 打开模板 of the toolbar: the floating template menu.
    void showFloatingMenu();
    void hideFloatingMenu();
    CSaveItemXML *floatingMenu() const { return m_floatingMenu; }

    void openEditor(int itemIndex);
    void openSaveDialog(bool editedMainLibrary);
    // Mode 0 of the import: 下载模板, 导入excel or 取消.
    void startImport();
    void chooseAndImport();
    void importSheet(const QString &path);
    void copyBlankSheet();
    // The progress dialog's tick; tests make it short.
    void setImportTickMs(int ms) { m_importTickMs = ms; }

protected:
    // While the floating menu is shown, a press anywhere else in the main window hides it.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TemplateChoice choice();
    void connectLeftPane();
    void notify(const QString &title, const QStringList &lines);
    std::optional<QString> chooseSavePath(const QString &proposed, const QString &filter);
    void saveSettings();
    void runImport(const QString &path);

    AppContext &m_context;
    CItemDlg &m_left;
    QWidget *m_window;
    Hooks m_hooks;
    CSaveItemXML *m_floatingMenu = nullptr;
    QString m_lastImportPath;
    bool m_importing = false;
    int m_importTickMs = ImportTickMs;
    QList<QPointer<QThread>> m_workers;
};
