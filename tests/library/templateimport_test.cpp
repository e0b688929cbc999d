#include "library/quotalibrary.h"
#include "library/quotasheetexporter.h"
#include "library/templateimport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Check = TemplateImport::Check;
using Outcome = TemplateImport::Outcome;

class TemplateImportTest : public ::testing::Test
{
protected:
    TemplateImportTest()
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("data"));
        QuotaLibrary library;
        EXPECT_TRUE(
            library.LoadTemplate(QStringLiteral(PLOTWRIGHT_SOURCE_DIR "/resources/Plotwright.xml"), {}));
        m_items = library.items().size();
        QString error;
        EXPECT_TRUE(QuotaSheetExporter::write(library.items(), sheet(), &error)) << error.toStdString();
    }

    QString sheet() const { return m_dir.filePath(QStringLiteral("园林.xls.xlsx")); }
    QString data() const { return m_dir.filePath(QStringLiteral("data")); }

    QTemporaryDir m_dir;
    qsizetype m_items = 0;
};

TEST_F(TemplateImportTest, ChecksTheChosenPathBeforeConverting)
{
    QFile unreadable(m_dir.filePath(QStringLiteral("locked.xls")));
    ASSERT_TRUE(unreadable.open(QIODevice::WriteOnly));
    unreadable.close();
    unreadable.setPermissions(QFileDevice::WriteOwner);
    const bool runsAsRoot = unreadable.open(QIODevice::ReadOnly);
    unreadable.close();
    const struct {
        QString path;
        Check expected;
    } cases[] = {
        {QStringLiteral("/somewhere/库.xml"), Check::OpenDirectly},
        {QStringLiteral("/somewhere/库.oml.xls"), Check::OpenDirectly},
        {m_dir.filePath(QStringLiteral("none.xls")), Check::Missing},
        {m_dir.path(), Check::Missing},
        {sheet(), Check::Convert},
        {unreadable.fileName(), runsAsRoot ? Check::Convert : Check::InUse},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TemplateImport::check(c.path), c.expected) << c.path.toStdString();
}

TEST_F(TemplateImportTest, TemplateNameDropsEveryXls)
{
    EXPECT_EQ(TemplateImport::templateName(QStringLiteral("/a/b/园林.xls.xls")), QStringLiteral("园林"));
    EXPECT_EQ(TemplateImport::templateName(QStringLiteral("/a/b/园林.xlsx")), QStringLiteral("园林x"));
    EXPECT_EQ(TemplateImport::templatePath(QStringLiteral("/d"), QStringLiteral("/a/苗木.xls")),
              QStringLiteral("/d/苗木.xml"));
}

TEST_F(TemplateImportTest, AFinishedConversionLandsInTheDataFolder)
{
    TemplateImport import(sheet(), data());
    EXPECT_EQ(import.finish(), Outcome::Cancelled); // nothing converted yet
    import.convert();
    ASSERT_TRUE(import.done());
    ASSERT_EQ(import.finish(), Outcome::Ready) << import.error().toStdString();
    EXPECT_EQ(import.targetPath(), QDir(data()).filePath(QStringLiteral("园林x.xml")));
    QuotaLibrary imported;
    ASSERT_TRUE(imported.LoadTemplate(import.targetPath(), {}));
    EXPECT_EQ(imported.items().size(), m_items);
}

TEST_F(TemplateImportTest, ACancelledImportLeavesTheDataFolderAloneEvenWhenTheWorkerEndsLater)
{
    TemplateImport import(sheet(), data());
    import.cancel();
    import.convert();
    EXPECT_TRUE(import.done());
    EXPECT_EQ(import.finish(), Outcome::Cancelled);
    EXPECT_FALSE(QFile::exists(import.targetPath()));
}

TEST_F(TemplateImportTest, ARefusedSheetGivesTheConvertersReason)
{
    QFile text(m_dir.filePath(QStringLiteral("notes.xls")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("plain text, no workbook");
    text.close();
    TemplateImport import(text.fileName(), data());
    import.convert();
    EXPECT_EQ(import.finish(), Outcome::Refused);
    EXPECT_EQ(import.error(), QStringLiteral("不是 Excel 文件（.xlsx 或 .xls）"));
    EXPECT_FALSE(QFile::exists(import.targetPath()));
}

} // namespace
