// The workbook writer under a comma-decimal locale: every number of the sheet
// must still be written with a point, so the workbook opens and imports.
#include "sheetfixture.h"

#include "library/quotalibrary.h"
#include "library/quotasheetexporter.h"
#include "library/quotasheetimporter.h"
#include "library/templatewriter.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <zip.h>

#include <clocale>
#include <cstdio>

namespace {

constexpr const char *German = "de_DE.UTF-8";

QByteArray zipPart(const QString &path, const char *name)
{
    int error = 0;
    zip_t *zip = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    if (!zip)
        return {};
    QByteArray data;
    zip_stat_t stat;
    if (zip_stat(zip, name, 0, &stat) == 0) {
        zip_file_t *file = zip_fopen(zip, name, 0);
        data.resize(qsizetype(stat.size));
        if (file && zip_fread(file, data.data(), stat.size) != zip_int64_t(stat.size))
            data.clear();
        if (file)
            zip_fclose(file);
    }
    zip_discard(zip);
    return data;
}

class GermanLocaleExport : public testing::Test
{
protected:
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
    QTemporaryDir m_dir;
};

TEST_F(GermanLocaleExport, NumbersAndWidthsKeepTheDecimalPoint)
{
    QuotaLibrary library;
    ASSERT_TRUE(library.LoadTemplate(QStringLiteral(PLOTWRIGHT_SOURCE_DIR "/resources/Plotwright.xml"), {}));
    ASSERT_NE(std::setlocale(LC_ALL, German), nullptr) << "locale " << German << " is missing";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 0.5);
    ASSERT_STREQ(probe, "0,5"); // the locale really is in force

    const QString path = m_dir.filePath(QStringLiteral("lib.xlsx"));
    QString error;
    ASSERT_TRUE(QuotaSheetExporter::write(library.items(), path, &error)) << error.toStdString();
    // The writer only switches its own numbers: the user's locale is back afterwards.
    std::snprintf(probe, sizeof probe, "%.1f", 0.5);
    EXPECT_STREQ(probe, "0,5");

    const QString sheet = QString::fromUtf8(zipPart(path, "xl/worksheets/sheet1.xml"));
    ASSERT_FALSE(sheet.isEmpty());
    EXPECT_FALSE(sheet.contains(QRegularExpression(QStringLiteral("<v>[^<]*,"))));
    EXPECT_FALSE(sheet.contains(QRegularExpression(QStringLiteral("width=\"[0-9]*,"))));
    EXPECT_TRUE(sheet.contains(QRegularExpression(QStringLiteral("<v>[0-9]+\\.[0-9]+</v>"))));

    const QuotaSheetImport imported = QuotaSheetImporter::readFile(path);
    ASSERT_TRUE(imported.ok()) << imported.error.toStdString();
    EXPECT_EQ(TemplateWriter::text(imported.items, {}), TemplateWriter::text(library.items(), {}));
}

} // namespace
