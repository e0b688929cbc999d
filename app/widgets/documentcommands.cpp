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
    m_lifecycle.setFailureReport([this](const QString &text) { report(text); });
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
    const QString path =
        QFileDialog::getOpenFileName(m_window, QStringLiteral("打开项目"), proposed, ProjectFilter);
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
    return m_lifecycle.confirmUnsavedChanges(savePathChooser());
}

DocumentLifecycle::SavePathChooser DocumentCommands::savePathChooser() const
{
    return [this](const QString &proposed) { return chooseSavePath(proposed); };
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
    const DocumentLifecycle::OpenResult result =
        m_lifecycle.openProject(m_context.document().currentProjectPath);
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
    if (!result.errorText.isEmpty())
        report(result.errorText);
    if (result.damaged)
        report(DocumentLifecycle::DamagedFileText);
}

bool DocumentCommands::saveProject()
{
    const ProjectSaveResult result = m_lifecycle.saveProjectCommand(savePathChooser());
    if (result.ok)
        emit saved();
    return result.ok;
}

void DocumentCommands::dropFiles(const QStringList &paths)
{
    const DocumentLifecycle::OpenResult result = m_lifecycle.dropFiles(paths, savePathChooser());
    if (result.status != DocumentLifecycle::OpenStatus::Ignored)
        reportOpened(result);
}

bool DocumentCommands::closeRequest()
{
    return m_lifecycle.closeRequest(savePathChooser());
}
