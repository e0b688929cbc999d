#include "sheetfixture.h"

#include "library/quotalibrary.h"
#include "library/quotasheetexporter.h"
#include "library/quotasheetimporter.h"
#include "library/templateparser.h"
#include "library/templatewriter.h"
#include "library/xlsxsheetreader.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <zip.h>

#include <list>

namespace {

using Parts = std::vector<std::pair<const char *, QByteArray>>;

// A zip archive of the given parts, as a workbook file would hold them.
QByteArray zipOf(const Parts &parts)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("book.zip"));
    int error = 0;
    zip_t *zip = zip_open(path.toUtf8().constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    std::list<QByteArray> kept; // libzip reads the buffers only when closing
    for (const auto &[name, data] : parts) {
        kept.push_back(data);
        zip_source_t *source = zip_source_buffer(zip, kept.back().constData(), zip_uint64_t(data.size()), 0);
        zip_file_add(zip, name, source, ZIP_FL_ENC_UTF_8);
    }
    zip_close(zip);
    return SheetFixture::readAll(path);
}

const QByteArray rootRels =
    R"(<?xml version="1.0"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/></Relationships>)";

// Two sheets; the first in tab order is the second part, reached by an absolute target.
const QByteArray workbook =
    R"(<x:workbook xmlns:x="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)"
    R"(<x:sheets><x:sheet name="定额" sheetId="2" r:id="rId7"/><x:sheet name="旧" sheetId="1" r:id="rId1"/></x:sheets></x:workbook>)";

const QByteArray workbookRels =
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/>)"
    R"(<Relationship Id="rId7" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="/xl/worksheets/../worksheets/sheet2.xml"/>)"
    R"(<Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/></Relationships>)";

const QByteArray sharedStrings =
    R"(<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><si><t>分类名称</t></si>)"
    R"(<si><r><t>香</t></r><r><rPr><b/></rPr><t>樟</t></r><rPh sb="0" eb="1"><t>xiang</t></rPh></si></sst>)";

QByteArray sheetXml(const QByteArray &rows)
{
    return R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><dimension ref="A1:XFD1048576"/><sheetData>)" +
           rows + "</sheetData></worksheet>";
}

const QByteArray firstSheetRows =
    R"(<row r="1"><c r="A1" t="s"><v>0</v></c><c r="C1" t="inlineStr"><is><r><t>项目</t></r><r><t>名称</t></r></is></c></row>)"
    R"(<row r="4"><c r="B4"><v>1.5</v></c><c><v>7</v></c><c r="E4" t="s"><v>1</v></c><c r="F4"/>)"
    R"(<c r="G4" t="str"><f>A1</f><v>公式</v></c><c r="IW4" t="inlineStr"><is><t>远处</t></is></c></row>)"
    R"(<row r="1048576"><c r="XFD1048576"><v>1</v></c><c r="A1048576"><v>2</v></c></row>)";

QByteArray book(const QByteArray &sheet2, const QByteArray &strings = sharedStrings)
{
    return zipOf({{"_rels/.rels", rootRels},
                  {"xl/workbook.xml", workbook},
                  {"xl/_rels/workbook.xml.rels", workbookRels},
                  {"xl/sharedStrings.xml", strings},
                  {"xl/worksheets/sheet1.xml", sheetXml(R"(<row r="1"><c r="A1"><v>99</v></c></row>)")},
                  {"xl/worksheets/sheet2.xml", sheet2}});
}

TEST(SpreadsheetXlsx, ReadsStringsNumbersAndGapsOfTheFirstSheet)
{
    const SheetReadResult read = XlsxSheetReader::readBytes(book(sheetXml(firstSheetRows)));
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    const QList<SheetRow> expected = {
        {1, {{0, false, QStringLiteral("分类名称")}, {2, false, QStringLiteral("项目名称")}}},
        {4,
         {{1, true, QStringLiteral("1.5")},
          {2, true, QStringLiteral("7")},
          {4, false, QStringLiteral("香樟")},
          {6, false, QStringLiteral("公式")}}},
        {1048576, {{0, true, QStringLiteral("2")}}},
    };
    ASSERT_EQ(read.rows.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(read.rows.at(i).number, expected.at(i).number);
        EXPECT_EQ(read.rows.at(i).cells, expected.at(i).cells) << "row " << expected.at(i).number;
    }
}

struct Damaged {
    const char *what;
    QByteArray bytes;
};

TEST(SpreadsheetXlsx, DamagedWorkbooksEndInAnError)
{
    const QByteArray sheet = sheetXml(firstSheetRows);
    const Damaged cases[] = {
        {"empty file", QByteArray()},
        {"zip header only", QByteArray("PK\x03\x04 not really a zip")},
        {"no workbook part", zipOf({{"_rels/.rels", rootRels}})},
        {"workbook without sheets", zipOf({{"xl/workbook.xml", "<workbook><sheets/></workbook>"},
                                           {"xl/_rels/workbook.xml.rels", workbookRels}})},
        {"sheet part missing",
         zipOf({{"xl/workbook.xml", workbook}, {"xl/_rels/workbook.xml.rels", workbookRels}})},
        {"malformed sheet xml", book("<worksheet><sheetData><row>")},
        {"shared string out of range", book(sheetXml(R"(<row r="1"><c r="A1" t="s"><v>5</v></c></row>)"))},
        {"no shared strings at all",
         zipOf({{"xl/workbook.xml", workbook},
                {"xl/_rels/workbook.xml.rels", workbookRels},
                {"xl/worksheets/sheet2.xml", sheetXml(R"(<row><c t="s"><v>0</v></c></row>)")}})},
        {"bad cell reference", book(sheetXml(R"(<row r="1"><c r="1A"><v>1</v></c></row>)"))},
        {"column beyond XFD", book(sheetXml(R"(<row r="1"><c r="XFE1"><v>1</v></c></row>)"))},
        {"row beyond the sheet", book(sheetXml(R"(<row r="1048577"><c><v>1</v></c></row>)"))},
        {"rows out of order", book(sheetXml(R"(<row r="5"/><row r="3"/>)"))},
        {"negative row", book(sheetXml(R"(<row r="-1"/>)"))},
        {"malformed shared strings", book(sheet, "<sst><si><t>")},
    };
    for (const Damaged &c : cases)
        EXPECT_FALSE(XlsxSheetReader::readBytes(c.bytes).ok()) << c.what;
}

TEST(SpreadsheetXlsx, CapsTheUncompressedSizeOfEveryPart)
{
    // 65 MiB of one repeated row compresses to a few hundred KiB.
    const QByteArray row = R"(<row><c t="inlineStr"><is><t>x</t></is></c></row>)";
    const QByteArray sheet = sheetXml(row.repeated(65 * 1024 * 1024 / row.size()));
    const SheetReadResult read = XlsxSheetReader::readBytes(book(sheet));
    EXPECT_FALSE(read.ok());
    EXPECT_TRUE(read.error.contains(QStringLiteral("过大"))) << read.error.toStdString();
}

class SpreadsheetFiles : public ::testing::Test
{
protected:
    static QList<QuotaItem> bundledLibrary()
    {
        QuotaLibrary library;
        EXPECT_TRUE(
            library.LoadTemplate(QStringLiteral(PLOTWRIGHT_SOURCE_DIR "/resources/Plotwright.xml"), {}));
        return library.items();
    }

    QString path(const char *name) const { return m_dir.filePath(QString::fromUtf8(name)); }

    QTemporaryDir m_dir;
};

TEST_F(SpreadsheetFiles, ExportThenImportGivesTheSameItems)
{
    const QList<QuotaItem> original = bundledLibrary();
    ASSERT_FALSE(original.isEmpty());
    QString error;
    ASSERT_TRUE(QuotaSheetExporter::write(original, path("lib.xlsx"), &error)) << error.toStdString();
    const QuotaSheetImport imported = QuotaSheetImporter::readFile(path("lib.xlsx"));
    ASSERT_TRUE(imported.ok()) << imported.error.toStdString();

    // Values are compared as the template file keeps them.
    const QString originalText = TemplateWriter::text(original, {});
    const QString importedText = TemplateWriter::text(imported.items, {});
    EXPECT_EQ(importedText, originalText);
    const QList<QuotaItem> expected = TemplateParser::readItems(originalText);
    const QList<QuotaItem> actual = TemplateParser::readItems(importedText);
    ASSERT_EQ(actual.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i)
        EXPECT_TRUE(actual.at(i) == expected.at(i)) << "item " << expected.at(i).itemName.toStdString();
}

TEST_F(SpreadsheetFiles, ItemsWhosePricesAreNotTheirLineSumsComeBackUnchanged)
{
    QList<QuotaItem> original = bundledLibrary();
    ASSERT_GE(original.size(), 3);
    QuotaItem perUnit = original.at(1);
    perUnit.itemName = QStringLiteral("麦冬");
    perUnit.brand.materials.clear();
    perUnit.brand.machines.clear();
    perUnit.brand.material = 12.0f;
    perUnit.brand.machine = 3.25f;
    QuotaItem freeMachine = original.at(2);
    freeMachine.itemName = QStringLiteral("人工挖土");
    MtLine digger;
    digger.kind = QStringLiteral("1");
    digger.name = QStringLiteral("挖掘机");
    digger.classify = QStringLiteral("机械");
    digger.price = 800.0f;
    digger.num = 0.01f;
    freeMachine.brand.machines = {digger};
    freeMachine.brand.machine = 0.0f;
    original.insert(2, perUnit);
    original.insert(3, freeMachine);

    QString error;
    ASSERT_TRUE(QuotaSheetExporter::write(original, path("lines.xlsx"), &error)) << error.toStdString();
    const QuotaSheetImport imported = QuotaSheetImporter::readFile(path("lines.xlsx"));
    ASSERT_TRUE(imported.ok()) << imported.error.toStdString();
    EXPECT_EQ(TemplateWriter::text(imported.items, {}), TemplateWriter::text(original, {}));
    ASSERT_GT(imported.items.size(), 3);
    EXPECT_EQ(imported.items.at(2).brand.material, 12.0f);
    EXPECT_TRUE(imported.items.at(2).brand.materials.isEmpty());
    EXPECT_EQ(imported.items.at(3).brand.machine, 0.0f);
    EXPECT_EQ(imported.items.at(3).brand.machines.size(), 1);
}

TEST_F(SpreadsheetFiles, TruncatedWorkbooksAreRefused)
{
    QString error;
    ASSERT_TRUE(QuotaSheetExporter::write(bundledLibrary(), path("lib.xlsx"), &error));
    const QByteArray bytes = SheetFixture::readAll(path("lib.xlsx"));
    for (qsizetype cut = 0; cut < bytes.size(); cut += bytes.size() / 23 + 1)
        EXPECT_FALSE(XlsxSheetReader::readBytes(bytes.left(cut)).ok()) << "cut at " << cut;
    QByteArray flipped = bytes;
    for (qsizetype i = 100; i < flipped.size(); i += 97)
        flipped[i] = char(flipped[i] ^ 0x5A);
    EXPECT_FALSE(XlsxSheetReader::readBytes(flipped).ok());
}

TEST_F(SpreadsheetFiles, ARefusedSheetLeavesTheTemplateFileAlone)
{
    QuotaItem uncategorised;
    uncategorised.itemName = QStringLiteral("无分类");
    QString error;
    ASSERT_TRUE(QuotaSheetExporter::write({uncategorised}, path("bad.xlsx"), &error));
    QFile existing(path("out.xml"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("before");
    existing.close();

    EXPECT_FALSE(QuotaSheetImporter::writeTemplate(path("bad.xlsx"), path("out.xml"), &error));
    EXPECT_EQ(error, QStringLiteral("第2行 A列（分类名称）：第一个项目须填写分类名称"));
    EXPECT_EQ(SheetFixture::readAll(path("out.xml")), QByteArray("before"));
    EXPECT_FALSE(QuotaSheetImporter::writeTemplate(path("bad.xlsx"), path("new.xml"), &error));
    EXPECT_FALSE(QFile::exists(path("new.xml")));
}

TEST_F(SpreadsheetFiles, TheDownloadTemplateImportsAndLoadsAsALibrary)
{
    QString error;
    ASSERT_TRUE(QuotaSheetImporter::writeTemplate(
        QStringLiteral(PLOTWRIGHT_SOURCE_DIR "/resources/定额导入模板.xlsx"), path("t.xml"), &error))
        << error.toStdString();
    QuotaLibrary library;
    ASSERT_TRUE(library.LoadTemplate(path("t.xml"), {}));
    ASSERT_EQ(library.items().size(), 1);
    const QuotaItem &item = library.items().at(0);
    EXPECT_FALSE(item.brand.materials.isEmpty());
    EXPECT_FALSE(item.brand.machines.isEmpty());
    EXPECT_FALSE(item.rules.isEmpty());
}

} // namespace
