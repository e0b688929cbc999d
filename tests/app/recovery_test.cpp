#include "editfixture.h"

#include "app/recoverystore.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>

namespace {

class RecoveryTest : public EditTest
{
protected:
    QString dataFolder() const { return context.folders().dataFolder(); }
};

TEST_F(RecoveryTest, OnlyTheRunningInstanceWritesAndSeesItsCopy)
{
    RecoveryStore first(dataFolder());
    RecoveryStore second(dataFolder());
    ASSERT_TRUE(first.acquire());
    EXPECT_FALSE(second.acquire()) << "a second instance while the first runs";
    ASSERT_TRUE(first.write("project", QStringLiteral("/home/a/b.gzj")));
    EXPECT_FALSE(second.write("other", QStringLiteral("/x.gzj")));
    EXPECT_FALSE(second.pending()) << "the copy belongs to the running instance";
    const std::optional<RecoveryStore::Recovery> own = first.pending();
    ASSERT_TRUE(own);
    EXPECT_EQ(own->originalPath, QStringLiteral("/home/a/b.gzj"));
    first.remove();
    EXPECT_FALSE(first.pending());
    EXPECT_FALSE(QFile::exists(first.copyPath()));
}

TEST_F(RecoveryTest, ACopyBehindAStaleLockIsOfferedAndCanBeSetAside)
{
    {
        RecoveryStore crashed(dataFolder());
        ASSERT_TRUE(crashed.acquire());
        ASSERT_TRUE(crashed.write("project", QStringLiteral("/p.gzj")));
    }
    // What a killed program leaves: its lock file naming a process that is gone.
    QFile lock(QDir(dataFolder()).filePath(QStringLiteral("plotwright.lock")));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write("2147480000\nplotwright\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();

    RecoveryStore next(dataFolder());
    ASSERT_TRUE(next.acquire());
    const std::optional<RecoveryStore::Recovery> left = next.pending();
    ASSERT_TRUE(left);
    EXPECT_EQ(left->originalPath, QStringLiteral("/p.gzj"));
    const QString kept = next.setAside();
    ASSERT_FALSE(kept.isEmpty());
    EXPECT_TRUE(QFile::exists(kept));
    EXPECT_FALSE(next.pending()) << "a copy set aside is not offered again";
}

TEST_F(RecoveryTest, ARecoveredCopyIsTheModifiedProjectOfItsOriginalPath)
{
    openSample();
    typeIntoTable(firstItem(), CellText::QuantityColumn, QStringLiteral("123"));
    const QByteArray edited = savedBytes();
    const QString shown = context.tableGrid().text(firstItem() + TableTop, CellText::QuantityColumn);
    RecoveryStore store(dataFolder());
    ASSERT_TRUE(store.acquire());
    ASSERT_TRUE(store.write(edited, SampleProject));

    lifecycle.newProject();
    ASSERT_EQ(context.estimate().rowCount(), 0);
    const std::optional<RecoveryStore::Recovery> left = store.pending();
    ASSERT_TRUE(left);
    ASSERT_EQ(lifecycle.recoverProject(left->copyPath, left->originalPath).status,
              DocumentLifecycle::OpenStatus::Opened);
    EXPECT_EQ(savedBytes(), edited);
    EXPECT_EQ(context.tableGrid().text(firstItem() + TableTop, CellText::QuantityColumn), shown);
    EXPECT_EQ(context.document().currentProjectPath, SampleProject);
    EXPECT_TRUE(context.document().modified);
}

} // namespace
