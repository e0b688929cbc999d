#pragma once

#include "app/documentlifecycle.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class AppContext;
class CTemp_Information;
class QWidget;
class ViewSwitcher;

// New, open, save, drop and close as the user meets them: the file dialogs, the
// unsaved-changes prompt, the status window and the error messages. The work
// itself is the document lifecycle's.
class DocumentCommands : public QObject
{
    Q_OBJECT

public:
    // A file dialog: the chosen path, or nothing when cancelled.
    using PathChooser = std::function<std::optional<QString>(const QString &proposedPath)>;
    static inline const QString ProjectFilter = QStringLiteral("园林项目(*.gzj)");

    struct Parts {
        AppContext &context;
        DocumentLifecycle &lifecycle;
        QWidget *window;
        ViewSwitcher &views;
        CTemp_Information &status;
    };

    explicit DocumentCommands(const Parts &parts);

    // Tests and scripted runs replace the file dialogs.
    void setSaveChooser(PathChooser chooser) { m_chooseSave = std::move(chooser); }
    void setOpenChooser(PathChooser chooser) { m_chooseOpen = std::move(chooser); }

    // The guard before new, open, drop and close; true to go on.
    bool confirmUnsavedChanges();
    void newProject();
    void openProject();
    // Reads the file at the current project path with the status window showing.
    void openProjectSequence();
    // True when the project was written.
    bool saveProject();
    void dropFiles(const QStringList &paths);
    // True when the window may close; the settings are saved then.
    bool closeRequest();
    // The notice over the window, as for a failed open.
    void report(const QString &text) const;

signals:
    // The project was replaced (new, open, drop): panes showing it refresh.
    void documentReplaced();
    // The project was written: its file is now the current one.
    void saved();

private:
    std::optional<QString> chooseSavePath(const QString &proposed) const;
    DocumentLifecycle::SavePathChooser savePathChooser() const;
    std::optional<QString> chooseOpenPath() const;
    void reportOpened(const DocumentLifecycle::OpenResult &result);

    AppContext &m_context;
    DocumentLifecycle &m_lifecycle;
    QWidget *m_window;
    ViewSwitcher &m_views;
    CTemp_Information &m_status;
    PathChooser m_chooseSave;
    PathChooser m_chooseOpen;
};
