#include "sheetfixture.h"

#include "library/quotasheetimporter.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using SheetFixture::Cells;
using SheetFixture::rows;

const Cells item = {{"分类名称", "绿化种植"}, {"项目名称", "栽植乔木"}, {"单位", "株"}};

Cells with(Cells cells, const Cells &more)
{
    cells.insert(cells.end(), more.begin(), more.end());
    return cells;
}

QStringList headerWithout(const QString &name)
{
    QStringList header = SheetFixture::fullHeader();
    header.removeAll(name);
    return header;
}

struct LayoutError {
    const char *what;
    QList<SheetRow> sheet;
    const char *message;
};

TEST(SpreadsheetImport, RefusesAWrongLayoutNamingRowAndColumn)
{
    const QStringList ruleWithoutSerial = QStringList(SheetFixture::fullHeader().mid(0, 22)) << "常数";
    const LayoutError cases[] = {
        {"no rows", {}, "表格为空：第一行应为表头"},
        {"header only", rows({}), "表格中没有施工项目：表头下面至少要有一行项目"},
        {"missing header", rows({item}, headerWithout("工程量")),
         "第1行：缺少表头“工程量”（第一行应为表头）"},
        {"duplicate header", rows({item}, SheetFixture::fullHeader() << "单位"),
         "第1行 AO列：表头“单位”重复"},
        {"rule column without serial column", rows({item}, ruleWithoutSerial),
         "第1行：缺少表头“规则编号”（第一行应为表头）"},
        {"item without a name", rows({{{"分类名称", "绿化种植"}, {"单位", "株"}}}),
         "第2行 C列（项目名称）：项目名称为空：第一行项目须填写项目名称"},
        {"first item without a category", rows({{{"项目名称", "栽植乔木"}}}),
         "第2行 A列（分类名称）：第一个项目须填写分类名称"},
        {"text in a number column", rows({with(item, {{"工程量", "abc"}})}),
         "第2行 E列（工程量）：应为数字，而不是“abc”"},
        {"nan is no number", rows({with(item, {{"人工单价", "nan"}})}),
         "第2行 G列（人工单价）：应为数字，而不是“nan”"},
        {"number beyond float",
         rows({with(item, {{"资源类型(材料/机械)", "材料"}, {"资源名称", "砂"}, {"资源单价", "1e39"}})}),
         "第2行 T列（资源单价）：数值“1e39”超出范围"},
        {"zero quantity", rows({with(item, {{"工程量", "0"}})}),
         "第2行 E列（工程量）：工程量应大于0（留空即为1）"},
        {"unknown resource type", rows({with(item, {{"资源类型(材料/机械)", "人工"}, {"资源名称", "普工"}})}),
         "第2行 N列（资源类型(材料/机械)）：资源类型“人工”未知：应为“材料”或“机械”"},
        {"resource without type", rows({with(item, {{"资源名称", "香樟"}})}),
         "第2行 N列（资源类型(材料/机械)）：资源类型为空：应为“材料”或“机械”"},
        {"resource without name", rows({with(item, {{"资源类型(材料/机械)", "材料"}, {"资源单价", "3"}})}),
         "第2行 O列（资源名称）：资源名称为空"},
        {"machine of another class",
         rows({with(item, {{"资源类型(材料/机械)", "机械"}, {"资源名称", "吊车"}, {"资源分类", "苗木"}})}),
         "第2行 R列（资源分类）：机械的资源分类应为“机械”或留空"},
        {"material of the machine class",
         rows({with(item, {{"资源类型(材料/机械)", "材料"}, {"资源名称", "吊车"}, {"资源分类", "机械"}})}),
         "第2行 R列（资源分类）：材料的资源分类不能是“机械”"},
        {"quote in a text", rows({{{"分类名称", "绿化"}, {"项目名称", "6\"管"}}}),
         "第2行 C列（项目名称）：不能含有引号或尖括号（\" ' < >）"},
        {"continuation line that changes the item", rows({item, {{"单位", "m²"}}}),
         "第3行 D列（单位）：项目名称为空的行是上一项目的续行，此格应留空或与第2行相同"},
        {"rule without serial", rows({with(item, {{"常数", "1"}})}),
         "第2行 W列（规则编号）：规则编号为空：填写了规则的行须有规则编号"},
        {"fractional serial", rows({with(item, {{"规则编号", "1.5"}})}), "第2行 W列（规则编号）：应为整数"},
    };
    for (const LayoutError &c : cases) {
        const QuotaSheetImport result = QuotaSheetImporter::readRows(c.sheet);
        EXPECT_EQ(result.error, QString::fromUtf8(c.message)) << c.what;
        EXPECT_TRUE(result.items.isEmpty()) << c.what;
    }
}

TEST(SpreadsheetImport, ReadsLinesContinuationsAndCategories)
{
    const QuotaSheetImport result = QuotaSheetImporter::readRows(rows({
        with(item, {{"损耗率(%)", "2"},
                    {"人工单价", "35.5"},
                    {"人工利润率(%)", "10%"},
                    {"资源类型(材料/机械)", "材料"},
                    {"资源名称", "香樟"},
                    {"资源单价", "420"},
                    {"资源用量", "1.02"}}),
        {{"资源类型(材料/机械)", "机械"},
         {"资源名称", "吊车"},
         {"资源单价", "980.5"},
         {"资源用量", "0.015"},
         {"规则编号", "2"},
         {"地面积系数", "1"}},
        with(item, {{"资源类型(材料/机械)", "材料"},
                    {"资源名称", "种植土"},
                    {"资源单价", "45"},
                    {"资源用量", "0.3"}}),
        {{"项目名称", "栽植乔木"}, {"单位", "m³"}},
        {{"分类名称", "园路"}, {"项目名称", "铺装"}, {"工程量", "2"}},
    }));
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    ASSERT_EQ(result.items.size(), 3);

    const QuotaItem &tree = result.items.at(0);
    ASSERT_EQ(tree.brand.materials.size(), 2);
    ASSERT_EQ(tree.brand.machines.size(), 1);
    EXPECT_EQ(tree.brand.materials.at(1).name, QStringLiteral("种植土"));
    EXPECT_EQ(tree.brand.machines.at(0).classify, QStringLiteral("机械"));
    EXPECT_EQ(tree.brand.machines.at(0).kind, QStringLiteral("1"));
    // Prices are the line sums num x price, in line order, in single precision.
    EXPECT_EQ(tree.brand.material, 0.0f + 1.02f * 420.0f + 0.3f * 45.0f);
    EXPECT_EQ(tree.brand.machine, 0.0f + 0.015f * 980.5f);
    EXPECT_EQ(tree.brand.loss, 2.0f / 100.0f);
    EXPECT_EQ(tree.brand.laborprofit, 10.0f / 100.0f);
    EXPECT_EQ(tree.brand.num, 1.0f);
    ASSERT_EQ(tree.rules.size(), 1);
    EXPECT_EQ(tree.rules.at(0).RoomName, roomKindName(2));
    EXPECT_EQ(tree.ruleIndexByKind[2], 0.0f);
    EXPECT_EQ(tree.ruleIndexByKind[0], NoRuleIndex);

    // Same name with another unit is a new item; it stays in the category above.
    EXPECT_EQ(result.items.at(1).brand.unit, QStringLiteral("m³"));
    EXPECT_EQ(result.items.at(1).categoryName, QStringLiteral("绿化种植"));
    EXPECT_EQ(result.items.at(2).categoryKind, QStringLiteral("园路"));
    EXPECT_EQ(result.items.at(2).brand.num, 2.0f);
}

TEST(SpreadsheetImport, StatedPricesStandAndLineSumsFillTheGaps)
{
    const Cells lines = {
        {"资源类型(材料/机械)", "材料"}, {"资源名称", "香樟"}, {"资源单价", "420"}, {"资源用量", "2"}};
    const Cells machineLine = {
        {"资源类型(材料/机械)", "机械"}, {"资源名称", "吊车"}, {"资源单价", "100"}, {"资源用量", "0.5"}};
    struct Case {
        const char *what;
        QList<SheetRow> sheet;
        float material;
        float machine;
    };
    const Case cases[] = {
        {"columns left out", rows({with(item, lines), machineLine}, headerWithout("材料单价")), 840.0f,
         50.0f},
        {"cells left empty", rows({with(item, lines), machineLine}), 840.0f, 50.0f},
        {"stated over the lines",
         rows({with(item, with(lines, {{"材料单价", "12"}, {"机械单价", "0"}})), machineLine}), 12.0f, 0.0f},
        {"stated without lines", rows({with(item, {{"材料单价", "12.5"}})}), 12.5f, 0.0f},
        {"one stated, one summed", rows({with(item, with(lines, {{"机械单价", "7"}})), machineLine}), 840.0f,
         7.0f},
    };
    for (const Case &c : cases) {
        const QuotaSheetImport result = QuotaSheetImporter::readRows(c.sheet);
        ASSERT_TRUE(result.ok()) << c.what << ": " << result.error.toStdString();
        ASSERT_EQ(result.items.size(), 1) << c.what;
        EXPECT_EQ(result.items.at(0).brand.material, c.material) << c.what;
        EXPECT_EQ(result.items.at(0).brand.machine, c.machine) << c.what;
    }
}

TEST(SpreadsheetImport, StatedPricesAreCheckedLikeTheOtherItemCells)
{
    const QuotaSheetImport text = QuotaSheetImporter::readRows(rows({with(item, {{"材料单价", "abc"}})}));
    EXPECT_EQ(text.error, QStringLiteral("第2行 AM列（材料单价）：应为数字，而不是“abc”"));
    // A continuation line may repeat the item's price but not change it.
    const QuotaSheetImport changed = QuotaSheetImporter::readRows(
        rows({with(item, {{"机械单价", "5"}}),
              {{"资源类型(材料/机械)", "材料"}, {"资源名称", "砂"}, {"机械单价", "6"}}}));
    EXPECT_EQ(
        changed.error,
        QStringLiteral("第3行 AN列（机械单价）：项目名称为空的行是上一项目的续行，此格应留空或与第2行相同"));
}

TEST(SpreadsheetImport, FindsColumnsByHeaderInAnyOrder)
{
    QStringList header = SheetFixture::fullHeader().mid(0, 22);
    std::reverse(header.begin(), header.end());
    header.replace(header.indexOf(QStringLiteral("损耗率(%)")), QStringLiteral(" 损耗率（%） "));
    header.append(QStringLiteral("备注"));
    const QuotaSheetImport result =
        QuotaSheetImporter::readRows(rows({with(item, {{" 损耗率（%） ", "5"}, {"备注", "不读"}})}, header));
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    ASSERT_EQ(result.items.size(), 1);
    EXPECT_EQ(result.items.at(0).itemName, QStringLiteral("栽植乔木"));
    EXPECT_EQ(result.items.at(0).brand.loss, 5.0f / 100.0f);
}

TEST(SpreadsheetImport, ReadsTheFirstSheetOfAnXlsWorkbook)
{
    const QuotaSheetImport result =
        QuotaSheetImporter::readFile(QStringLiteral(PLOTWRIGHT_TEST_DATA "/quota.xls"));
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    ASSERT_EQ(result.items.size(), 2);
    const QuotaItem &tree = result.items.at(0);
    EXPECT_EQ(tree.categoryName, QStringLiteral("绿化种植"));
    EXPECT_EQ(tree.itemName, QStringLiteral("栽植乔木"));
    EXPECT_EQ(tree.itemDesc, QStringLiteral("胸径8cm以内"));
    EXPECT_EQ(tree.brand.loss, 2.0f / 100.0f);
    EXPECT_EQ(tree.brand.laborcost, 35.5f);
    EXPECT_EQ(tree.brand.management, 4.25f);
    ASSERT_EQ(tree.brand.materials.size(), 1);
    EXPECT_EQ(tree.brand.materials.at(0).code, QStringLiteral("0301"));
    EXPECT_EQ(tree.brand.materials.at(0).num, 1.02f);
    ASSERT_EQ(tree.brand.machines.size(), 1);
    EXPECT_EQ(tree.brand.machines.at(0).price, 980.5f);
    EXPECT_EQ(tree.brand.machines.at(0).num, 0.015f);
    EXPECT_EQ(result.items.at(1).itemName, QStringLiteral("树木支撑"));
    EXPECT_EQ(result.items.at(1).categoryName, QStringLiteral("绿化种植"));
    EXPECT_EQ(result.items.at(1).brand.laborcost, 12.0f);
}

// A cut inside the zero padding after the last record keeps every record, so
// the file may still be read; it must then give exactly the whole file's items.
TEST(SpreadsheetImport, TruncatedXlsFilesAreRefusedOrReadWhole)
{
    const QByteArray bytes = SheetFixture::readAll(QStringLiteral(PLOTWRIGHT_TEST_DATA "/quota.xls"));
    const QList<QuotaItem> whole =
        QuotaSheetImporter::readFile(QStringLiteral(PLOTWRIGHT_TEST_DATA "/quota.xls")).items;
    ASSERT_FALSE(bytes.isEmpty());
    QTemporaryDir dir;
    const QString cut = dir.filePath(QStringLiteral("cut.xls"));
    for (qsizetype size = 8; size < bytes.size(); size += 512) {
        QFile file(cut);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.left(size));
        file.close();
        const QuotaSheetImport read = QuotaSheetImporter::readFile(cut);
        EXPECT_TRUE(!read.ok() || read.items == whole) << "cut at " << size;
    }
}

TEST(SpreadsheetImport, RefusesFilesThatAreNoSpreadsheet)
{
    EXPECT_EQ(QuotaSheetImporter::readFile(QStringLiteral(PLOTWRIGHT_TEST_DATA "/missing.xlsx")).error,
              QStringLiteral("文件不存在,请输入正确的文件名"));
    EXPECT_EQ(
        QuotaSheetImporter::readFile(QStringLiteral(PLOTWRIGHT_SOURCE_DIR "/resources/Plotwright.xml")).error,
        QStringLiteral("不是 Excel 文件（.xlsx 或 .xls）"));
}

} // namespace
