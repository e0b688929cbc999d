#include "app/lastexport.h"

#include "app/profilefile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class LastExportTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString settingsFile() const { return m_dir.filePath(QStringLiteral("Plotwright.ini")); }

    QByteArray settingsBytes() const
    {
        QFile file(settingsFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
};

TEST_F(LastExportTest, KeptPathIsReadInTheNextRunBesideTheOtherSettings)
{
    {
        QFile file(settingsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[currentcfg]\r\nMainProfit=12\r\n");
    }
    EXPECT_TRUE(LastExport(settingsFile()).path().isEmpty());
    const QString path = QStringLiteral("/home/用户/导出 清单/新建 (2).xlsx");
    LastExport first(settingsFile());
    ASSERT_TRUE(first.remember(path));
    EXPECT_EQ(first.path(), path);
    EXPECT_EQ(LastExport(settingsFile()).path(), path);
    EXPECT_EQ(ProfileFile(settingsFile()).readInt(u"currentcfg", u"MainProfit", 0), 12);
    // A later export replaces the kept path.
    ASSERT_TRUE(LastExport(settingsFile()).remember(QStringLiteral("/tmp/b.doc")));
    EXPECT_EQ(LastExport(settingsFile()).path(), QStringLiteral("/tmp/b.doc"));
}

TEST_F(LastExportTest, PathsTheFileCannotHoldAreKeptForThisRunOnly)
{
    const struct {
        const char *name;
        QString path;
    } cases[] = {
        {"line break", QStringLiteral("/tmp/a\nb.xlsx")},
        {"carriage return", QStringLiteral("/tmp/a\rb.xlsx")},
        {"longer than a value", QStringLiteral("/tmp/") + QString(1100, u'x') + QStringLiteral(".xlsx")},
    };
    ASSERT_TRUE(LastExport(settingsFile()).remember(QStringLiteral("/tmp/kept.xlsx")));
    const QByteArray before = settingsBytes();
    for (const auto &c : cases) {
        LastExport last(settingsFile());
        EXPECT_FALSE(last.remember(c.path)) << c.name;
        EXPECT_EQ(last.path(), c.path) << c.name;
        EXPECT_EQ(settingsBytes(), before) << c.name;
    }
}

TEST_F(LastExportTest, UnwritableSettingsFileIsReported)
{
    LastExport last(m_dir.filePath(QStringLiteral("missing/Plotwright.ini")));
    EXPECT_FALSE(last.remember(QStringLiteral("/tmp/a.xlsx")));
    EXPECT_EQ(last.path(), QStringLiteral("/tmp/a.xlsx"));
}

} // namespace
