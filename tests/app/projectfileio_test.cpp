#include "projectsamples.h"

#include "app/projectfilereader.h"
#include "app/projectfilewriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace {

QByteArray goldenBytes()
{
    QFile f(QStringLiteral(PLOTWRIGHT_TEST_DATA "/golden_small.gzj"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Runs `check` in a child process without root's right to write anywhere, so
// that directory permissions hold; returns the child's exit status.
int runUnprivileged(const std::function<int()> &check)
{
    const pid_t pid = fork();
    if (pid == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(99);
        _exit(check());
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 98;
}

class ProjectFileIo : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

TEST_F(ProjectFileIo, SavedFileLoadsBack)
{
    const ProjectSample s = goldenSample();
    const QString file = path(QStringLiteral("a.gzj"));
    ASSERT_TRUE(SaveProjectFile(file, s.info, s.rates, s.page, s.rows));
    EXPECT_EQ(readBytes(file), goldenBytes());
    const ProjectLoadResult loaded = LoadProjectFile(file);
    ASSERT_EQ(loaded.status, ProjectLoadStatus::Loaded);
    EXPECT_TRUE(loaded.errorText.isEmpty());
    EXPECT_EQ(loaded.document, ParseProjectBytes(goldenBytes()));
    EXPECT_EQ(loaded.document.rooms.size(), 2);
}

TEST_F(ProjectFileIo, OnlyPathsMentioningGzjAreRead)
{
    const struct {
        const char *name;
        ProjectLoadStatus status;
    } cases[] = {
        {"plan.gzj", ProjectLoadStatus::Loaded},        {"PLAN.GZJ", ProjectLoadStatus::Loaded},
        {"gzj-plan.txt", ProjectLoadStatus::Loaded},    {"plan.xml", ProjectLoadStatus::NotProjectPath},
        {"plan.gz", ProjectLoadStatus::NotProjectPath},
    };
    for (const auto &c : cases) {
        const QString file = path(QString::fromLatin1(c.name));
        ASSERT_TRUE(writeBytes(file, goldenBytes()));
        const ProjectLoadResult r = LoadProjectFile(file);
        EXPECT_EQ(r.status, c.status) << c.name;
        EXPECT_EQ(r.document.rooms.size(), c.status == ProjectLoadStatus::Loaded ? 2 : 0) << c.name;
    }
}

TEST_F(ProjectFileIo, UnreadableFileIsReportedNotRead)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("folder.gzj")));
    for (const QString &file : {path(QStringLiteral("missing.gzj")), path(QStringLiteral("folder.gzj"))}) {
        const ProjectLoadResult r = LoadProjectFile(file);
        EXPECT_EQ(r.status, ProjectLoadStatus::Failed) << file.toStdString();
        EXPECT_FALSE(r.errorText.isEmpty());
        EXPECT_TRUE(r.document.rooms.isEmpty());
    }
}

TEST_F(ProjectFileIo, FileBeyondTheLimitIsRefused)
{
    const QString file = path(QStringLiteral("big.gzj"));
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(MaxProjectFileBytes + 1)); // sparse: no disk space needed
    }
    const ProjectLoadResult r = LoadProjectFile(file);
    EXPECT_EQ(r.status, ProjectLoadStatus::Failed);
    EXPECT_FALSE(r.errorText.isEmpty());
}

TEST_F(ProjectFileIo, FailedWriteIsReportedAndKeepsTheOldFile)
{
    const QString locked = path(QStringLiteral("locked"));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("locked")));
    const QString target = locked + QStringLiteral("/a.gzj");
    const QByteArray old("old content");
    ASSERT_TRUE(writeBytes(target, old));
    // The unprivileged writer may enter the folder but not create files in it.
    ASSERT_EQ(chmod(QFile::encodeName(m_dir.path()).constData(), 0755), 0);
    ASSERT_EQ(chmod(QFile::encodeName(locked).constData(), 0555), 0);

    const int status = runUnprivileged([&] {
        const ProjectSample s = goldenSample();
        const ProjectSaveResult r = SaveProjectFile(target, s.info, s.rates, s.page, s.rows);
        return !r.ok && !r.errorText.isEmpty() ? 0 : 1;
    });
    chmod(QFile::encodeName(locked).constData(), 0755);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readBytes(target), old);
    EXPECT_EQ(QDir(locked).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("a.gzj")});
}

TEST_F(ProjectFileIo, WriteBelowAFileFails)
{
    const QString plain = path(QStringLiteral("plain.gzj"));
    ASSERT_TRUE(writeBytes(plain, "x"));
    const ProjectSample s = goldenSample();
    const ProjectSaveResult r =
        SaveProjectFile(plain + QStringLiteral("/b.gzj"), s.info, s.rates, s.page, s.rows);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.errorText.isEmpty());
    EXPECT_EQ(readBytes(plain), QByteArray("x"));
}

} // namespace
