#include "app/appfolders.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "settingsprinters.h"

#include <gtest/gtest.h>

namespace {

TEST(AppFoldersTest, DerivesEveryPathFromTheTwoFolders)
{
    const AppFolders folders(QStringLiteral("/home/u/Documents/"), QStringLiteral("/opt/plotwright/bin"));
    EXPECT_EQ(folders.documentsFolder(), QStringLiteral("/home/u/Documents"));
    EXPECT_EQ(folders.dataFolder(), QStringLiteral("/home/u/Documents/Plotwright"));
    EXPECT_EQ(folders.roomPictureFolder(), QStringLiteral("/home/u/Documents/Plotwright/rc"));
    EXPECT_EQ(folders.settingsFile(), QStringLiteral("/home/u/Documents/Plotwright/Plotwright.ini"));
    EXPECT_EQ(folders.mainLibraryFile(), QStringLiteral("/opt/plotwright/bin/Plotwright.xml"));
    EXPECT_EQ(folders.proposedTemplateFile(), QStringLiteral("/home/u/Documents/Plotwright/自定义模板.xml"));
    EXPECT_EQ(folders.defaultProjectPath(), QStringLiteral("/home/u/Documents/新建.gzj"));
}

TEST(AppFoldersTest, CreatesTheDataAndPictureFolders)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const AppFolders folders(dir.filePath(QStringLiteral("a/b")), dir.path());
    EXPECT_TRUE(folders.createMissingFolders());
    EXPECT_TRUE(QFileInfo(folders.roomPictureFolder()).isDir());
    EXPECT_TRUE(folders.createMissingFolders());
}

TEST(AppFoldersTest, EnvironmentOverridesTheDocumentsFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray saved = qgetenv("PLOTWRIGHT_DOCUMENTS_DIR");
    qputenv("PLOTWRIGHT_DOCUMENTS_DIR", (dir.path() + QStringLiteral("/docs/")).toUtf8());
    EXPECT_EQ(AppFolders::startupDocumentsFolder(), dir.path() + QStringLiteral("/docs"));
    qunsetenv("PLOTWRIGHT_DOCUMENTS_DIR");
    EXPECT_FALSE(AppFolders::startupDocumentsFolder().isEmpty());
    if (!saved.isEmpty())
        qputenv("PLOTWRIGHT_DOCUMENTS_DIR", saved);
}

} // namespace
