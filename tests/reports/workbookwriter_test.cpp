#include "exportsupport.h"

#include "contracts/xlsxworkbookwriter.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>

#include <clocale>

namespace {

using Horizontal = WorkbookWriter::Horizontal;

class XlsxWorkbookWriterTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    XlsxWorkbookWriter writer;

    QString path(const QString &name) const { return dir.filePath(name); }

    QJsonObject saved()
    {
        const QString file = path(QStringLiteral("book.xlsx"));
        EXPECT_TRUE(writer.save(file)) << writer.errorString().toStdString();
        return describeWorkbook(file);
    }
};

TEST_F(XlsxWorkbookWriterTest, CellsKeepTheirKindFormatAndStyle)
{
    writer.setSheetName(QStringLiteral("newSheet"));
    writer.writeText(0, 0, QStringLiteral("花岗岩 <&>"));
    writer.writeNumber(0, 1, 1928.5, QStringLiteral("\"¥\"0.00"));
    writer.setHorizontalAlignment(GridRange::cell(0, 0), Horizontal::Left);
    writer.setHorizontalAlignment(GridRange::cell(0, 1), Horizontal::Centre);
    writer.setFill(GridRange::cell(0, 1), 0xD5D6DA);
    writer.setWrap(GridRange::cell(0, 0), true);
    writer.setThinBorders({0, 0, 0, 1});
    writer.setFont(GridRange::cell(0, 0), GridFont{QString(), 13, true});
    const QJsonObject book = saved();
    EXPECT_EQ(book.value("sheets").toArray().first().toString(), QStringLiteral("newSheet"));
    const QJsonObject a1 = sheetCell(book, "A1");
    EXPECT_EQ(a1.value("type").toString(), "s");
    EXPECT_EQ(a1.value("value").toString(), QStringLiteral("花岗岩 <&>"));
    EXPECT_EQ(a1.value("horizontal").toString(), "left");
    EXPECT_TRUE(a1.value("wrap").toBool());
    EXPECT_TRUE(a1.value("bold").toBool());
    EXPECT_EQ(a1.value("size").toDouble(), 13.0);
    EXPECT_TRUE(a1.value("thin").toBool());
    const QJsonObject b1 = sheetCell(book, "B1");
    EXPECT_EQ(b1.value("type").toString(), "n");
    EXPECT_EQ(b1.value("value").toDouble(), 1928.5);
    EXPECT_EQ(b1.value("format").toString(), QStringLiteral("\"¥\"0.00"));
    EXPECT_EQ(b1.value("horizontal").toString(), "center");
    // Red 218, green 214, blue 213, red in the low byte of the grid colour.
    EXPECT_EQ(b1.value("fill").toString().toUpper(), "DAD6D5");
    EXPECT_TRUE(b1.value("thin").toBool());
}

TEST_F(XlsxWorkbookWriterTest, OverlappingMergeReplacesTheEarlierOne)
{
    writer.merge({0, 0, 1, 7});
    writer.merge({3, 0, 3, 2});
    writer.merge({3, 2, 3, 4}); // overlaps the one before: a file with both would be refused
    writer.merge({5, 1, 5, 1}); // a single cell is no merge
    writer.writeText(0, 0, QStringLiteral("标题"));
    const QJsonObject book = saved();
    EXPECT_EQ(mergesOf(book), (QStringList{"A1:H2", "C4:E4"}));
    EXPECT_EQ(sheetCell(book, "A1").value("value").toString(), QStringLiteral("标题"));
}

TEST_F(XlsxWorkbookWriterTest, WidthsAndHeightsAndHiddenColumns)
{
    writer.setColumnWidth(0, 20);
    writer.setColumnWidth(1, 25.5);
    writer.setColumnWidth(2, 0);
    writer.setRowHeight(0, 21.5);
    writer.setRowHeight(4, 31.5);
    writer.writeText(0, 0, QStringLiteral("x"));
    const QJsonObject book = saved();
    const QJsonObject widths = book.value("widths").toObject();
    expectWidth(widths, "A", 20.0);
    expectWidth(widths, "B", 25.5);
    EXPECT_EQ(book.value("hiddenColumns").toArray(), QJsonArray{"C"});
    EXPECT_EQ(book.value("heights").toObject().value("1").toDouble(), 21.5);
    EXPECT_EQ(book.value("heights").toObject().value("5").toDouble(), 31.5);
}

// A German desktop writes "15,5" with printf: the numbers must still reach the file with a point.
TEST_F(XlsxWorkbookWriterTest, NumbersAndSizesIgnoreTheDesktopLocale)
{
    const std::string before = std::setlocale(LC_ALL, nullptr);
    ASSERT_TRUE(std::setlocale(LC_ALL, "de_DE.UTF-8"))
        << "the de_DE.UTF-8 locale is made by scripts/setup.sh";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    EXPECT_STREQ(probe, "1,5") << "the locale does not use a decimal comma";
    writer.writeNumber(0, 0, 1928.5, QStringLiteral("0.00"));
    writer.writeNumber(1, 0, 0.05, QStringLiteral("0.00%"));
    writer.setColumnWidth(0, 15.5);
    writer.setRowHeight(0, 21.5);
    writer.setFont(GridRange::cell(0, 0), GridFont{QString(), 13, false});
    const QString file = path(QStringLiteral("de.xlsx"));
    const bool ok = writer.save(file);
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    const std::string after = probe;
    std::setlocale(LC_ALL, before.c_str());
    ASSERT_TRUE(ok) << writer.errorString().toStdString();
    EXPECT_EQ(after, "1,5") << "the writer must give the thread its locale back";
    const QJsonObject book = describeWorkbook(file);
    EXPECT_EQ(sheetCell(book, "A1").value("value").toDouble(), 1928.5);
    EXPECT_EQ(sheetCell(book, "A2").value("value").toDouble(), 0.05);
    EXPECT_EQ(sheetCell(book, "A1").value("size").toDouble(), 13.0);
    expectWidth(book.value("widths").toObject(), "A", 15.5);
    EXPECT_EQ(book.value("heights").toObject().value("1").toDouble(), 21.5);
}

TEST_F(XlsxWorkbookWriterTest, FailuresAreReportedAndLeaveAnOldFileAsItWas)
{
    const QString old = path(QStringLiteral("old.xlsx"));
    QFile file(old);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("old contents");
    file.close();
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.xlsx")));
    writer.writeText(0, 0, QStringLiteral("x"));
    const QString targets[] = {path(QStringLiteral("missing/book.xlsx")), path(QStringLiteral("folder.xlsx")),
                               old + QStringLiteral("/book.xlsx")};
    for (const QString &target : targets) {
        EXPECT_FALSE(writer.save(target)) << target.toStdString();
        EXPECT_FALSE(writer.errorString().isEmpty()) << target.toStdString();
    }
    // An invalid sheet name fails at the engine; the old file must survive that too.
    writer.setSheetName(QStringLiteral("bad[name]"));
    EXPECT_FALSE(writer.save(old));
    EXPECT_TRUE(writer.errorString().contains(QStringLiteral("bad[name]")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("old contents"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"old.xlsx"});
}

TEST_F(XlsxWorkbookWriterTest, SavingReplacesAnExistingFile)
{
    const QString target = path(QStringLiteral("book.xlsx"));
    writer.writeText(0, 0, QStringLiteral("first"));
    ASSERT_TRUE(writer.save(target));
    XlsxWorkbookWriter second;
    second.writeText(0, 0, QStringLiteral("second"));
    ASSERT_TRUE(second.save(target));
    EXPECT_EQ(sheetCell(describeWorkbook(target), "A1").value("value").toString(), "second");
    EXPECT_TRUE(QFileInfo(target).permissions() & QFile::ReadOther);
}

} // namespace
