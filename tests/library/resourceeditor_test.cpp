#include "library/resourceeditor.h"

#include <gtest/gtest.h>

namespace {

ConstructItem estimateItem()
{
    ConstructItem item;
    item.itemName = QStringLiteral("铺砖");
    item.brand.num = 12.5f;
    item.brand.laborcost = 8.126f;
    item.brand.laborprofit = 0.2f;
    item.brand.material = 99.0f; // not the sum of its lines
    MtLine sand{QStringLiteral("0"),
                QStringLiteral("沙"),
                QString(),
                QStringLiteral("S1"),
                QStringLiteral("t"),
                2.5f,
                0.125f,
                QString(),
                QStringLiteral("id7")};
    MtLine crane = sand;
    crane.name = QStringLiteral("吊车");
    crane.classify = QStringLiteral("机械");
    item.brand.materials = {sand};
    item.brand.machines = {crane};
    return item;
}

TEST(ResourceEditorTest, SavingUnchangedRebuildsLinesAndSumsButKeepsNumAndPrices)
{
    const ConstructItem item = estimateItem();
    const ItemEdit edit = ResourceEditor::show(item);
    EXPECT_EQ(edit.labour.text, QStringLiteral("8.13")); // plain, without profit
    EXPECT_EQ(edit.lines.at(0).classify, QStringLiteral("请选择"));
    const ConstructItem saved = ResourceEditor::save(item, edit);
    EXPECT_EQ(saved.brand.num, 12.5f);
    EXPECT_EQ(saved.brand.laborcost, 8.126f);
    EXPECT_EQ(saved.brand.laborprofit, 0.2f);
    ASSERT_EQ(saved.brand.materials.size(), 1);
    const MtLine &sand = saved.brand.materials.at(0);
    EXPECT_EQ(sand.classify, QStringLiteral("请选择")); // saved as shown, counted as a material
    EXPECT_EQ(sand.code, QStringLiteral("S1"));
    EXPECT_TRUE(sand.id.isEmpty());
    EXPECT_EQ(sand.num, 0.125f);
    EXPECT_EQ(saved.brand.material, 2.5f * 0.125f);
    EXPECT_EQ(saved.brand.machine, 2.5f * 0.125f);
}

TEST(ResourceEditorTest, RemovedAndUnnamedLinesLeaveTheSums)
{
    ItemEdit edit = ResourceEditor::show(estimateItem());
    EXPECT_TRUE(edit.removeLine(0));
    EXPECT_FALSE(edit.removeLine(5));
    edit.lines.append(LineEdit{});
    EXPECT_FALSE(edit.removeLine(1)); // neither name nor unit
    edit.lines[1].price = NumberCell::typed(QStringLiteral("5"));
    edit.lines[1].num = NumberCell::typed(QStringLiteral("abc"));
    edit.labour.text = QStringLiteral("x");
    edit.name = QStringLiteral(" 新 ");
    const ConstructItem saved = ResourceEditor::save(estimateItem(), edit);
    EXPECT_EQ(saved.itemName, QStringLiteral("新"));
    EXPECT_EQ(saved.brand.material, 0.0f);
    EXPECT_TRUE(saved.brand.materials.isEmpty());
    EXPECT_EQ(saved.brand.machines.size(), 1);
    EXPECT_EQ(saved.brand.laborcost, 0.0f);
}

} // namespace

namespace {

struct EditorRefusal {
    const char *what;
    void (*change)(ItemEdit &);
    const char *message;
};

// What the editors refuse to commit: texts the files would misread and typed
// numbers no float holds, each named by where it was typed.
TEST(ItemEditTest, RefusesTextsTheFilesMisreadAndNumbersBeyondFloat)
{
    const EditorRefusal cases[] = {
        {"unchanged", [](ItemEdit &) {}, ""},
        {"harmless texts", [](ItemEdit &e) { e.name = QStringLiteral("铺砖 = 品牌 Brand"); }, ""},
        {"key in the name", [](ItemEdit &e) { e.name = QStringLiteral("铺砖 num="); },
         "项目名称：不能含有“num=”（文件读回时会读错）"},
        {"quote in the unit", [](ItemEdit &e) { e.unit = QStringLiteral("6\""); },
         "单位：不能含有引号或尖括号（\" ' < >）"},
        {"brand in the description", [](ItemEdit &e) { e.desc = QStringLiteral("brand lawn"); },
         "说明：不能含有“brand”（文件读回时会读错）"},
        {"typed price beyond float",
         [](ItemEdit &e) { e.labour = NumberCell::typed(QStringLiteral("1e39")); },
         "人工费：数值“1e39”超出范围"},
        {"key in a line's description", [](ItemEdit &e) { e.lines[1].desc = QStringLiteral("price=3"); },
         "第2行说明：不能含有“price=”（文件读回时会读错）"},
        {"line quantity beyond float",
         [](ItemEdit &e) { e.lines[0].num = NumberCell::typed(QStringLiteral("-2e40")); },
         "第1行用量：数值“-2e40”超出范围"},
        {"line amount beyond float",
         [](ItemEdit &e) {
             e.lines[0].price = NumberCell::typed(QStringLiteral("3e38"));
             e.lines[0].num = NumberCell::typed(QStringLiteral("10"));
         },
         "第1行用量：数值“10”使金额或合计超出范围"},
        {"price too large for the item's sums",
         [](ItemEdit &e) { e.labour = NumberCell::typed(QStringLiteral("1e38")); },
         "价格或用量过大，金额或合计超出范围"},
    };
    for (const EditorRefusal &c : cases) {
        ItemEdit edit = ResourceEditor::show(estimateItem());
        ASSERT_EQ(edit.lines.size(), 2);
        c.change(edit);
        EXPECT_EQ(edit.refusal(), QString::fromUtf8(c.message)) << c.what;
    }
}

} // namespace
