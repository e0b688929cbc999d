#pragma once

#include "projectfilewriter.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class AppContext;
struct ProjectDocument;
struct ProjectRoom;

// New, open, save, drop, command line and close of the one open project,
// without windows: the desktop shows the dialogs and calls these.
class DocumentLifecycle
{
public:
    // The prompt "项目已更改，是否保存？" with the buttons 取消, 否 and 确定.
    static constexpr int UnsavedChangesMessage = 2;
    static constexpr int UnsavedChangesStyle = 0;
    static inline const QString MissingFileText = QStringLiteral("文件不存在,请输入正确的文件名");
    static inline const QString DamagedFileText =
        QStringLiteral("文件不完整或已损坏，只读取了能读取的部分。");

    // What the unsaved-changes guard does next.
    enum class GuardStep {
        Proceed, // go on with the guarded operation
        Ask,     // put the prompt to the user
        Save,    // run the save; proceed only when the project is clean afterwards
        Abandon, // leave everything as it is
    };
    static GuardStep guardStart(bool modified);
    static GuardStep guardAnswer(int answer);
    static GuardStep guardAfterSave(bool stillModified);

    enum class OpenStatus {
        Opened,
        Ignored, // the path does not name a project file: nothing changed
        Failed,  // the current project stays; errorText says why
    };
    struct OpenResult {
        OpenStatus status = OpenStatus::Failed;
        QString errorText; // when opened: a notice about the file read, usually empty
        // Opened from a file that ended early or lost an end tag: the project is marked modified.
        bool damaged = false;
    };

    // The save dialog: the chosen path, or nothing when cancelled. It proposes `proposedPath`.
    using SavePathChooser = std::function<std::optional<QString>(const QString &proposedPath)>;

    // Tells the user why a save failed ("项目保存失败。" when the writer gives no reason).
    using FailureReport = std::function<void(const QString &text)>;
    static inline const QString SaveFailedText = QStringLiteral("项目保存失败。");

    explicit DocumentLifecycle(AppContext &context);
    void setFailureReport(FailureReport report) { m_report = std::move(report); }

    // Commands that show no table leave the grids empty and fill the estimate alone.
    void setTablesFilled(bool filled) { m_tablesFilled = filled; }

    // Runs the guard with the context's prompter; true to proceed.
    bool confirmUnsavedChanges(const SavePathChooser &choosePath);

    // An empty project at the default path; the guard is the caller's.
    void newProject();
    // Reads `path` and, when it was read, replaces the project with it.
    OpenResult openProject(const QString &path);
    // The open command's check before the read: a missing file is refused.
    OpenResult openExistingProject(const QString &path);
    // Puts a read document into the table, the bill lists and the document state.
    void applyDocument(const ProjectDocument &document, const QString &path);
    // The same, letting go of each room's records once they are in the estimate, so that a
    // big project is not held twice while the tables fill.
    void applyDocument(ProjectDocument &&document, const QString &path);
    // Writes the project to `chosenPath` (".gzj" added to a name without extension); a file
    // already there is kept as its backup first. Only on success the written file becomes the
    // current project path and modified is cleared.
    ProjectSaveResult saveProject(const QString &chosenPath);
    // The save command: asks for a path and saves; nothing happens when cancelled. A failure is reported.
    ProjectSaveResult saveProjectCommand(const SavePathChooser &choosePath);
    // A recovery copy opened as the modified project of the path it was taken from.
    OpenResult recoverProject(const QString &copyPath, const QString &originalPath);
    // Files dropped on the window: the first ".gzj" file is opened after the guard.
    OpenResult dropFiles(const QStringList &paths, const SavePathChooser &choosePath);
    // The window's close request: true when the window may close (settings saved then).
    bool closeRequest(const SavePathChooser &choosePath);

    static QString withProjectExtension(const QString &path);
    // Where a save keeps the file it replaces: NAME.gzj.bak.
    static QString backupPathFor(const QString &projectPath);
    static std::optional<QString> chooseDroppedFile(const QStringList &paths);
    // The project named on the command line, quotes removed; nothing when the
    // line is empty, a CAD hand-over, or names no existing file.
    static std::optional<QString> commandLineProject(const QString &commandLine);
    // The path a command line names when no file is there, so the user can be told.
    static std::optional<QString> missingCommandLineProject(const QString &commandLine);
    // The main window's title: the current file's name, and a mark while it has unsaved changes.
    static QString windowTitle(const QString &projectPath, bool modified);

private:
    void fillEstimateOnly(const ProjectRoom &room);

    AppContext &m_context;
    bool m_tablesFilled = true;
    FailureReport m_report;
};
