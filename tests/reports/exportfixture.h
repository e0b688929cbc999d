#pragma once

#include "../app/contextfixture.h"
#include "exportsupport.h"

#include "reports/billlists.h"
#include "reports/listexport.h"

// The sample project opened in a context with its resource lists built, and a
// folder for the exported files.
class ExportTest : public ContextTest
{
protected:
    QTemporaryDir out;

    void SetUp() override
    {
        ContextTest::SetUp();
        openSample();
        context.billLists().buildMaterialList(context.estimate());
        context.billLists().buildMachineList(context.estimate());
    }

    Grid &grid(int list) { return context.billLists().grid(list); }

    // Writes a list's workbook and reads it back with openpyxl.
    QJsonObject exportedWorkbook(int list, const QString &name = QStringLiteral("list.xlsx"))
    {
        const QString path = out.filePath(name);
        QString error;
        EXPECT_TRUE(ListExport::writeWorkbook(grid(list), list, path, &error)) << error.toStdString();
        return describeWorkbook(path);
    }
};

// The text a number format shows for a value: enough of the format language for
// the formats the exports write ("0.00", "\"¥\"0.0;…", "0%").
inline QString formatted(double value, const QString &format)
{
    const QString section =
        value < 0 && format.contains(u';') ? format.section(u';', 1) : format.section(u';', 0, 0);
    const bool percent = section.endsWith(u'%');
    const qsizetype point = section.indexOf(u'.');
    const int decimals = point < 0 ? 0 : int(section.count(u'0') - section.left(point).count(u'0'));
    QString prefix = section.left(section.indexOf(u'0'));
    prefix.remove(u'"');
    // A negative section carries its own minus.
    const double magnitude = value < 0 && format.contains(u';') ? -value : value;
    const double shown = percent ? magnitude * 100.0 : magnitude;
    return prefix + QString::number(shown, 'f', decimals) + (percent ? QStringLiteral("%") : QString());
}
