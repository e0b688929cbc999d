#include "headlessproject.h"

#include <QCoreApplication>

HeadlessProject::HeadlessProject(Tables tables)
    : m_context(AppFolders(m_documents.path(), QCoreApplication::applicationDirPath()))
{
    m_lifecycle.setTablesFilled(tables == Tables::Filled);
    m_context.folders().createMissingFolders();
    m_context.setUpGrids();
}

bool HeadlessProject::open(const QString &path, const char *command, QTextStream &err)
{
    const DocumentLifecycle::OpenResult result = m_lifecycle.openExistingProject(path);
    switch (result.status) {
    case DocumentLifecycle::OpenStatus::Opened:
        if (!result.errorText.isEmpty())
            err << command << ": " << result.errorText << '\n';
        return true;
    case DocumentLifecycle::OpenStatus::Ignored:
        err << command << ": not a project file (the name must contain \"gzj\"): " << path << '\n';
        return false;
    case DocumentLifecycle::OpenStatus::Failed:
        err << command << ": " << QString(result.errorText).replace(QLatin1Char('\n'), QLatin1Char(' '));
        if (!result.errorText.contains(path))
            err << ": " << path;
        err << '\n';
        return false;
    }
    return false;
}
