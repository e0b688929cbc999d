#include "documentcommands.h"

#include "ctemp_information.h"
#include "ctipsdlg.h"
#include "viewswitcher.h"

#include "app/appcontext.h"
#include "app/documentlifecycle.h"

#include <QFileDialog>
#include <QMessageBox>

DocumentCommands::DocumentCommands(const Parts &parts)
    : QObject(parts.window), m_context(parts.context), m_lifecycle(parts.lifecycle), m_window(parts.window),
      m_views(parts.views), m_status(parts.status)
{
}

std::optional<QString> DocumentCommands::chooseSavePath(const QString &proposed) const
{
    if (m_chooseSave)
        return m_chooseSave(proposed);
    QFileDialog dialog(m_window, QStringLiteral("保存项目"), proposed, ProjectFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without ".gzj" is saved with it: the overwrite question must ask about that file.
    dialog.setDefaultSuffix(QStringLiteral("gzj"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> DocumentCommands::chooseOpenPath() const
{
    const QString proposed = m_context.document().currentProjectPath;
    if (m_chooseOpen)
        return m_chooseOpen(proposed);
    const QString path = QFileDialog::getOpenFileName(m_window, QStringLiteral("打开项目"), proposed, ProjectFilter);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

void DocumentCommands::report(const QString &text) const
{
    QMessageBox::warning(m_window, QStringLiteral("Sylvaro造价"), text);
}

bool DocumentCommands::confirmUnsavedChanges()
{
    using Step = DocumentLifecycle::GuardStep;
    Step step = DocumentLifecycle::guardStart(m_context.document().modified);
    if (step == Step::Ask) {
        const int answer = m_context.prompter().ask(DocumentLifecycle::UnsavedChangesMessage,
                                                    DocumentLifecycle::UnsavedChangesStyle);
        step = DocumentLifecycle::guardAnswer(answer);
    }
    if (step == Step::Save) {
        saveProject();
        step = DocumentLifecycle::guardAfterSave(m_context.document().modified);
    }
    return step == Step::Proceed;
}

void DocumentCommands::newProject()
{
    if (!confirmUnsavedChanges())
        return;
    m_lifecycle.newProject();
    emit documentReplaced();
    m_views.showForm();
}

void DocumentCommands::openProject()
{
    if (!confirmUnsavedChanges())
        return;
    const std::optional<QString> path = chooseOpenPath();
    if (!path)
        return;
    if (!QFileInfo::exists(*path)) {
        report(DocumentLifecycle::MissingFileText);
        return;
    }
    m_context.document().currentProjectPath = *path;
    m_context.document().pendingOperation = PendingOperation::OpenProject;
    openProjectSequence();
}

void DocumentCommands::openProjectSequence()
{
    m_status.showProgress(m_window);
    if (m_views.currentView() != ViewSwitcher::TableView)
        m_views.showTable();
    const DocumentLifecycle::OpenResult result = m_lifecycle.openProject(m_context.document().currentProjectPath);
    m_context.document().pendingOperation = PendingOperation::None;
    m_status.endProgress();
    reportOpened(result);
}

void DocumentCommands::reportOpened(const DocumentLifecycle::OpenResult &result)
{
    if (result.status == DocumentLifecycle::OpenStatus::Failed) {
        report(result.errorText);
        return;
    }
    emit documentReplaced();
    if (result.damaged)
        report(DocumentLifecycle::DamagedFileText);
}

bool DocumentCommands::saveProject()
{
    const std::optional<QString> path = chooseSavePath(m_context.document().currentProjectPath);
    if (!path)
        return false;
    const ProjectSaveResult result = m_lifecycle.saveProject(*path);
    if (!result.ok)
        report(result.errorText.isEmpty() ? QStringLiteral("项目保存失败。") : result.errorText);
    else
        emit saved();
    return result.ok;
}

void DocumentCommands::dropFiles(const QStringList &paths)
{
    const std::optional<QString> chosen = DocumentLifecycle::chooseDroppedFile(paths);
    if (!chosen || !confirmUnsavedChanges())
        return;
    m_context.document().pendingOperation = PendingOperation::OpenProject;
    const DocumentLifecycle::OpenResult result = m_lifecycle.openProject(*chosen);
    m_context.document().pendingOperation = PendingOperation::None;
    if (result.status != DocumentLifecycle::OpenStatus::Ignored)
        reportOpened(result);
}

bool DocumentCommands::closeRequest()
{
    m_context.deleteRoomPictures();
    if (!confirmUnsavedChanges())
        return false;
    m_context.shutDown();
    return true;
}
