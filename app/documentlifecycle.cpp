#include "documentlifecycle.h"

#include "appcontext.h"
#include "projectfilereader.h"

#include <QFile>
#include <QFileInfo>

DocumentLifecycle::DocumentLifecycle(AppContext &context) : m_context(context)
{
}

// ---- the unsaved-changes guard ---------------------------------------------

DocumentLifecycle::GuardStep DocumentLifecycle::guardStart(bool modified)
{
    return modified ? GuardStep::Ask : GuardStep::Proceed;
}

DocumentLifecycle::GuardStep DocumentLifecycle::guardAnswer(int answer)
{
    switch (answer) {
    case Prompter::Yes:
        return GuardStep::Save;
    case Prompter::No:
        return GuardStep::Proceed;
    default:
        return GuardStep::Abandon;
    }
}

DocumentLifecycle::GuardStep DocumentLifecycle::guardAfterSave(bool stillModified)
{
    return stillModified ? GuardStep::Abandon : GuardStep::Proceed;
}

bool DocumentLifecycle::confirmUnsavedChanges(const SavePathChooser &choosePath)
{
    GuardStep step = guardStart(m_context.document().modified);
    if (step == GuardStep::Ask)
        step = guardAnswer(m_context.prompter().ask(UnsavedChangesMessage, UnsavedChangesStyle));
    if (step == GuardStep::Save) {
        saveProjectCommand(choosePath);
        step = guardAfterSave(m_context.document().modified);
    }
    return step == GuardStep::Proceed;
}

// ---- new, open, save --------------------------------------------------------

void DocumentLifecycle::newProject()
{
    AppContext &c = m_context;
    c.document().currentProjectPath = c.folders().defaultProjectPath();
    c.estimate().setIdle(false);
    BudgetTable &table = c.budgetTable();
    const bool recording = c.estimateDocument().isRecording();
    c.estimateDocument().setRecording(false);
    table.beginBulk();
    table.clear();
    c.tableGrid().setText(0, 1, QStringLiteral("新工程"));
    c.projectInfo() = ProjectInfo();
    c.billLists().resetBill(c.estimate().precision());
    c.billLists().fillHeaders(c.projectInfo());
    table.refreshTotals();
    table.endBulk();
    // The estimate is usable again once it is empty; leaving it busy would lock every edit.
    c.estimate().setIdle(true);
    c.estimateDocument().setRecording(recording);

    c.estimateDocument().markReplaced();
    RateSettings &rates = c.settings().rates;
    rates.profitEnabled = false;
    rates.lossEnabled = false;
    rates.taxEnabled = false;
    rates.mainProfit = QStringLiteral("0");
    rates.loss = QStringLiteral("0");
    rates.tax = QStringLiteral("0");
    c.shared().markListsStale();
}

DocumentLifecycle::OpenResult DocumentLifecycle::openProject(const QString &path)
{
    ProjectLoadResult loaded = LoadProjectFile(path);
    switch (loaded.status) {
    case ProjectLoadStatus::NotProjectPath:
        return {OpenStatus::Ignored, {}};
    case ProjectLoadStatus::Failed:
        return {OpenStatus::Failed, loaded.errorText};
    case ProjectLoadStatus::Loaded:
        break;
    }
    applyDocument(std::move(loaded.document), path);
    // What was lost is only in the damaged file: closing must ask before anything is dropped.
    if (loaded.damaged)
        m_context.document().modified = true;
    return {OpenStatus::Opened, loaded.noticeText, loaded.damaged};
}

DocumentLifecycle::OpenResult DocumentLifecycle::openExistingProject(const QString &path)
{
    if (!IsProjectPath(path))
        return {OpenStatus::Ignored, {}};
    if (!QFileInfo(path).isFile())
        return {OpenStatus::Failed, MissingFileText};
    return openProject(path);
}

void DocumentLifecycle::applyDocument(const ProjectDocument &document, const QString &path)
{
    applyDocument(ProjectDocument(document), path);
}

void DocumentLifecycle::applyDocument(ProjectDocument &&document, const QString &path)
{
    AppContext &c = m_context;
    BudgetTable &table = c.budgetTable();
    c.document().pendingOperation = PendingOperation::OpenProject;
    c.projectInfo() = document.info;
    if (document.rates)
        document.rates->applyTo(c.settings().rates);

    EstimateDocument &edited = c.estimateDocument();
    const bool recording = edited.isRecording();
    edited.setRecording(false);
    table.beginBulk();
    table.clear();
    table.setPrecision(2);
    c.estimate().setIdle(false);
    qsizetype rows = c.estimate().rowCount();
    for (const ProjectRoom &room : document.rooms)
        rows += 1 + room.items.size();
    c.estimate().reserveRows(rows);
    for (ProjectRoom &room : document.rooms) {
        if (!m_tablesFilled) {
            fillEstimateOnly(room);
        } else {
            table.addRoom(room.room);
            for (const ConstructItem &item : std::as_const(room.items))
                table.insertItem(c.estimate().rowCount() - 1 + BudgetTable::TableHeaderRows, item);
        }
        room.items = QList<ConstructItem>();
    }
    table.refreshTotals();
    c.tableGrid().setText(0, 1, document.info.name);
    c.billLists().fillHeaders(document.info);
    table.endBulk();
    // Lists built for the project before would otherwise be shown for this one.
    c.shared().markListsStale();
    c.estimate().setIdle(true);
    edited.setRecording(recording);

    edited.markReplaced();
    c.document().currentProjectPath = path;
    c.document().pendingOperation = PendingOperation::None;
}

// The same rows and sums as inserting each item through the table, without the grids.
void DocumentLifecycle::fillEstimateOnly(const ProjectRoom &room)
{
    AppContext &c = m_context;
    c.estimate().appendRoomWithItems(room.room, room.items, c.settings().rates, c.document());
    c.shared().lastRoomName = room.room.name;
}

QString DocumentLifecycle::withProjectExtension(const QString &path)
{
    const qsizetype nameStart =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\'))) + 1;
    if (path.indexOf(QLatin1Char('.'), nameStart) >= 0)
        return path;
    return path + QStringLiteral(".gzj");
}

QString DocumentLifecycle::backupPathFor(const QString &projectPath)
{
    return projectPath + QStringLiteral(".bak");
}

ProjectSaveResult DocumentLifecycle::saveProject(const QString &chosenPath)
{
    AppContext &c = m_context;
    const QString path = withProjectExtension(chosenPath);
    // The file as it was before this save stays beside it, one generation deep.
    if (QFileInfo(path).isFile()) {
        QFile::remove(backupPathFor(path));
        QFile::copy(path, backupPathFor(path));
    }
    const ProjectSaveResult result =
        SaveProjectFile(path, c.projectInfo(), c.settings().rates, c.settings().page, c.estimate().rows());
    if (result) {
        // The next save proposes the file just written, not the one the project came from.
        c.document().currentProjectPath = path;
        c.estimateDocument().markSaved();
    }
    return result;
}

ProjectSaveResult DocumentLifecycle::saveProjectCommand(const SavePathChooser &choosePath)
{
    const std::optional<QString> chosen =
        choosePath ? choosePath(m_context.document().currentProjectPath) : std::nullopt;
    if (!chosen)
        return {};
    const ProjectSaveResult result = saveProject(*chosen);
    if (!result.ok && m_report)
        m_report(result.errorText.isEmpty() ? SaveFailedText : result.errorText);
    return result;
}

DocumentLifecycle::OpenResult DocumentLifecycle::recoverProject(const QString &copyPath,
                                                                const QString &originalPath)
{
    const OpenResult result = openProject(copyPath);
    if (result.status != OpenStatus::Opened)
        return result;
    if (!originalPath.isEmpty())
        m_context.document().currentProjectPath = originalPath;
    // Its edits were never saved to that file.
    m_context.estimateDocument().noteUnrecordedEdit();
    return result;
}

// ---- drop, command line, close ----------------------------------------------

std::optional<QString> DocumentLifecycle::chooseDroppedFile(const QStringList &paths)
{
    for (const QString &path : paths) {
        if (path.right(4).toLower() == QStringLiteral(".gzj"))
            return path;
    }
    return std::nullopt;
}

DocumentLifecycle::OpenResult DocumentLifecycle::dropFiles(const QStringList &paths,
                                                           const SavePathChooser &choosePath)
{
    const std::optional<QString> chosen = chooseDroppedFile(paths);
    if (!chosen || !confirmUnsavedChanges(choosePath))
        return {OpenStatus::Ignored, {}};
    return openProject(*chosen);
}

namespace {

// The path a command line names, quotes removed; nothing for an empty line or a CAD hand-over.
std::optional<QString> commandLinePath(const QString &commandLine)
{
    if (commandLine.isEmpty() || commandLine == QStringLiteral("CADTOQUILLARY") ||
        commandLine.contains(QStringLiteral("azj")))
        return std::nullopt;
    QString path = commandLine;
    path.remove(QLatin1Char('"'));
    return path;
}

} // namespace

std::optional<QString> DocumentLifecycle::commandLineProject(const QString &commandLine)
{
    const std::optional<QString> path = commandLinePath(commandLine);
    if (!path || !QFileInfo(*path).isFile())
        return std::nullopt;
    return path;
}

std::optional<QString> DocumentLifecycle::missingCommandLineProject(const QString &commandLine)
{
    const std::optional<QString> path = commandLinePath(commandLine);
    if (!path || path->trimmed().isEmpty() || QFileInfo::exists(*path))
        return std::nullopt;
    return path;
}

QString DocumentLifecycle::windowTitle(const QString &projectPath, bool modified)
{
    const QString caption = BudgetTable::captionFor(projectPath);
    return modified ? caption + QStringLiteral(" *") : caption;
}

bool DocumentLifecycle::closeRequest(const SavePathChooser &choosePath)
{
    m_context.deleteRoomPictures();
    if (!confirmUnsavedChanges(choosePath))
        return false;
    m_context.shutDown();
    return true;
}
