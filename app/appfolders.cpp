#include "appfolders.h"

#include <QDir>
#include <QStandardPaths>

namespace {

// Without a trailing separator, so that every path below is folder + "/" + name.
QString cleanFolder(const QString &folder)
{
    return folder.isEmpty() ? folder : QDir::cleanPath(QDir::fromNativeSeparators(folder));
}

QString joined(const QString &folder, const QString &name)
{
    return folder + u'/' + name;
}

} // namespace

AppFolders::AppFolders(const QString &documentsFolder, const QString &programFolder)
    : m_documents(cleanFolder(documentsFolder)), m_program(cleanFolder(programFolder))
{
}

QString AppFolders::startupDocumentsFolder()
{
    const QString overridden = qEnvironmentVariable("PLOTWRIGHT_DOCUMENTS_DIR");
    if (!overridden.isEmpty())
        return cleanFolder(overridden);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return cleanFolder(documents.isEmpty() ? QDir::homePath() : documents);
}

QString AppFolders::dataFolder() const
{
    return joined(m_documents, QStringLiteral("Plotwright"));
}

QString AppFolders::roomPictureFolder() const
{
    return joined(dataFolder(), QStringLiteral("rc"));
}

QString AppFolders::settingsFile() const
{
    return joined(dataFolder(), QStringLiteral("Plotwright.ini"));
}

QString AppFolders::mainLibraryFile() const
{
    return joined(m_program, QStringLiteral("Plotwright.xml"));
}

QString AppFolders::proposedTemplateFile() const
{
    return joined(dataFolder(), QStringLiteral("自定义模板.xml"));
}

QString AppFolders::defaultProjectPath() const
{
    return joined(m_documents, QStringLiteral("新建.gzj"));
}

bool AppFolders::createMissingFolders() const
{
    const QDir root;
    return root.mkpath(dataFolder()) && root.mkpath(roomPictureFolder());
}
