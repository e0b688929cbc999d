#include "reports/billgridsetup.h"
#include "reports/billtexts.h"
#include "reports/listkeyboard.h"

#include "contracts/grid.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

TEST(BillTexts, SignatureLineHasItsRunsOfBlanks)
{
    const QString line = BillTexts::signatureLine();
    const QStringList words = line.split(u' ', Qt::SkipEmptyParts);
    EXPECT_EQ(words, (QStringList{"客户签字:", "设计师签字:", "日期:", "年", "月", "日"}));
    QList<int> runs;
    int run = 0;
    for (QChar ch : line) {
        if (ch == u' ') {
            ++run;
        } else if (run > 0) {
            runs.append(run);
            run = 0;
        }
    }
    EXPECT_EQ(runs, (QList<int>{27, 49, 8, 5, 4}));
}

struct FooterCase {
    int precision;
    const char *bill;
    const char *material;
    const char *machine;
};

void PrintTo(const FooterCase &c, std::ostream *out)
{
    *out << "precision " << c.precision;
}

class Footers : public ::testing::TestWithParam<FooterCase>
{
};

TEST_P(Footers, EmptyGridsShowZeroAtThePrecision)
{
    const FooterCase &c = GetParam();
    Grid bill, material, machine;
    BillGridSetup::setUpBillGrid(bill, c.precision);
    BillGridSetup::setUpResourceGrid(material, ResourceListKind::Material, c.precision);
    BillGridSetup::setUpResourceGrid(machine, ResourceListKind::Machine, c.precision);
    EXPECT_EQ(bill.text(6, 1), QString::fromUtf8(c.bill));
    EXPECT_EQ(material.text(6, 1), QString::fromUtf8(c.material));
    EXPECT_EQ(machine.text(6, 1), QString::fromUtf8(c.machine));
    for (Grid *grid : {&bill, &material, &machine}) {
        EXPECT_EQ(grid->rowCount(), 8);
        EXPECT_EQ(grid->text(7, 1), BillTexts::signatureLine());
        EXPECT_EQ(grid->rowHeight(6), 30);
        EXPECT_EQ(grid->rowHeight(7), 30);
    }
    EXPECT_EQ(bill.mergedRangeAt(6, 1), (GridRange{6, 1, 6, 16}));
    EXPECT_EQ(material.mergedRangeAt(7, 1), (GridRange{7, 1, 7, 8}));
}

INSTANTIATE_TEST_SUITE_P(
    Precisions, Footers,
    ::testing::Values(FooterCase{2,
                                 "工程总价: ¥0.00 元=材料0.00元 + 机械台班0.00元 + 人工0.00元 + 管理费0.00元",
                                 "材料费用: ¥0.00 元 ", "机械台班费用: ¥0.00 元 "},
                      FooterCase{1, "工程总价: ¥0.0 元=材料0.0元 + 机械台班0.0元 + 人工0.0元 + 管理费0.0元",
                                 "材料费用: ¥0.0 元 ", "机械台班费用: ¥0.0 元 "},
                      FooterCase{0, "工程总价: ¥0 元=材料0元 + 机械台班0元 + 人工0元 + 管理费0元",
                                 "材料费用: ¥0 元 ", "机械台班费用: ¥0 元 "}));

TEST(BillGridSetup, ResourceGridLayout)
{
    Grid grid;
    BillGridSetup::setUpResourceGrid(grid, ResourceListKind::Machine, 2);
    EXPECT_EQ(grid.columnCount(), 9);
    EXPECT_EQ(grid.fixedRowCount(), 5);
    EXPECT_EQ(grid.fixedColumnCount(), 1);
    const QList<int> widths{0, 50, 80, 140, 140, 120, 80, 80, 140};
    for (int c = 0; c < 9; ++c)
        EXPECT_EQ(grid.columnWidth(c), widths[c]) << c;
    EXPECT_EQ(grid.mergedRangeAt(1, 8), (GridRange{0, 1, 1, 8}));
    EXPECT_EQ(grid.font(0, 1), (GridFont{QStringLiteral("微软雅黑"), 13, true}));
    EXPECT_EQ(grid.rowHeight(0), 8);
    EXPECT_EQ(grid.mergedRangeAt(2, 5), (GridRange{2, 4, 2, 6}));
    EXPECT_EQ(grid.text(3, 7), QStringLiteral("造价员:"));
    EXPECT_EQ(grid.text(4, 3), QStringLiteral("机械台班名称"));
    EXPECT_EQ(grid.text(5, 1), QStringLiteral("机械台班"));
    EXPECT_EQ(grid.background(4, 8), BillGridSetup::CaptionGrey);
    EXPECT_EQ(grid.alignment(4, 2), 10);
    EXPECT_EQ(grid.alignment(2, 1), 6);
}

TEST(BillGridSetup, BillGridLayout)
{
    Grid grid;
    BillGridSetup::setUpBillGrid(grid, 2);
    EXPECT_EQ(grid.columnCount(), 18);
    EXPECT_EQ(grid.fixedRowCount(), 6);
    EXPECT_EQ(grid.mergedRangeAt(4, 11), (GridRange{4, 9, 4, 12}));
    EXPECT_EQ(grid.text(4, 9), QStringLiteral("单价"));
    EXPECT_EQ(grid.mergedRangeAt(5, 2), (GridRange{5, 1, 5, 3}));
    EXPECT_EQ(grid.text(5, 17), QStringLiteral("合计"));
    EXPECT_EQ(grid.text(5, 7), QStringLiteral("耗损"));
    EXPECT_EQ(grid.mergedRangeAt(3, 12), (GridRange{3, 6, 3, 12}));
    EXPECT_EQ(grid.column(7).decimals, 2);
    EXPECT_EQ(grid.column(8).kind, GridColumn::NumericKind);
    EXPECT_EQ(grid.fontName(0, 6), QStringLiteral("微软雅黑"));
    EXPECT_EQ(grid.fontName(0, 7), QString());
}

struct WidthCase {
    bool loss;
    bool tax;
    std::array<int, 4> columns5to8;
};

void PrintTo(const WidthCase &c, std::ostream *out)
{
    *out << "loss " << c.loss << " tax " << c.tax;
}

class BillWidths : public ::testing::TestWithParam<WidthCase>
{
};

TEST_P(BillWidths, SwitchesShareColumnsFiveToEight)
{
    const WidthCase &c = GetParam();
    Grid grid;
    BillGridSetup::setUpBillGrid(grid, 2);
    BillGridSetup::applyBillWidths(grid, c.loss, c.tax);
    const std::array<int, 18> expected{0,
                                       50,
                                       20,
                                       100,
                                       115,
                                       c.columns5to8[0],
                                       c.columns5to8[1],
                                       c.columns5to8[2],
                                       c.columns5to8[3],
                                       58,
                                       61,
                                       58,
                                       58,
                                       75,
                                       78,
                                       75,
                                       75,
                                       70};
    for (int col = 0; col < 18; ++col)
        EXPECT_EQ(grid.columnWidth(col), expected[std::size_t(col)]) << col;
}

INSTANTIATE_TEST_SUITE_P(Sets, BillWidths,
                         ::testing::Values(WidthCase{true, true, {30, 30, 30, 30}},
                                           WidthCase{true, false, {40, 40, 40, 0}},
                                           WidthCase{false, true, {40, 40, 0, 40}},
                                           WidthCase{false, false, {60, 60, 0, 0}}));

struct NeedCase {
    bool loss;
    bool tax;
    std::vector<std::pair<int, int>> needs; // column, width; the description's is its caption's
    int name;                               // what the item names keep
    int description;                        // what the description keeps
};

void PrintTo(const NeedCase &c, std::ostream *out)
{
    *out << "loss " << c.loss << " tax " << c.tax << " needs";
    for (const auto &[column, width] : c.needs)
        *out << ' ' << column << ':' << width;
}

class NumberNeeds : public ::testing::TestWithParam<NeedCase>
{
};

// Every shown one-line column gets what its texts need; the description pays down to its caption,
// then the item names, then the description down to its narrowest; a hidden column stays hidden.
TEST_P(NumberNeeds, DescriptionGivesWhatTheNumbersNeed)
{
    const NeedCase &c = GetParam();
    BillGridSetup::BillWidths needed{};
    for (const auto &[column, width] : c.needs)
        needed[std::size_t(column)] = width;
    const BillGridSetup::BillWidths written = BillGridSetup::billWidths(c.loss, c.tax);
    const BillGridSetup::BillWidths widths = BillGridSetup::widenedToNeeds(written, needed);
    for (std::size_t column = 0; column < widths.size(); ++column) {
        if (column == std::size_t(BillGridSetup::DescriptionColumn) ||
            column == std::size_t(BillGridSetup::NameColumn))
            continue;
        const int expected = written[column] == 0 ? 0 : std::max(written[column], needed[column]);
        EXPECT_EQ(widths[column], expected) << column;
    }
    EXPECT_EQ(widths[BillGridSetup::NameColumn], c.name);
    EXPECT_EQ(widths[BillGridSetup::DescriptionColumn], c.description);
    // Widened once, the widths need nothing more.
    EXPECT_EQ(BillGridSetup::widenedToNeeds(widths, needed), widths);
}

INSTANTIATE_TEST_SUITE_P(
    Switches, NumberNeeds,
    ::testing::Values(NeedCase{true, true, {{6, 45}, {7, 45}, {8, 45}}, 100, 115 - 3 * 15},
                      NeedCase{false, true, {{6, 45}, {7, 45}, {8, 45}}, 100, 115 - 2 * 5},
                      NeedCase{true, false, {{5, 33}, {7, 52}, {8, 52}}, 100, 115 - 12},
                      NeedCase{false, false, {{6, 50}, {9, 40}, {17, 70}}, 100, 115},
                      // The caption keeps the description; the names give.
                      NeedCase{true, true, {{4, 111}, {6, 40}, {7, 38}, {8, 38}}, 100 - 22, 111},
                      NeedCase{true, true, {{4, 111}, {6, 80}, {7, 80}, {8, 80}}, 60, BillGridSetup::NarrowestDescription},
                      NeedCase{true, true, {{4, 130}, {6, 40}}, 90, 115},
                      NeedCase{true, true, {{13, 200}, {14, 200}, {2, 25}}, BillGridSetup::NarrowestName,
                               BillGridSetup::NarrowestDescription}));

TEST(BillGridSetup, ColumnsTheUserWidenedKeepTheirWidth)
{
    BillGridSetup::BillWidths present = BillGridSetup::billWidths(true, true);
    present[9] = 120;
    present[6] = 34;
    BillGridSetup::BillWidths needed{};
    needed[9] = 64;
    needed[6] = 44;
    const BillGridSetup::BillWidths widths = BillGridSetup::widenedToNeeds(present, needed);
    EXPECT_EQ(widths[9], 120);
    EXPECT_EQ(widths[6], 44);
    EXPECT_EQ(widths[BillGridSetup::DescriptionColumn], 105);
}

struct HeaderCase {
    ProjectInfo info;
    const char *title;
    const char *address;
    const char *model;
    const char *customer;
    const char *area;
};

void PrintTo(const HeaderCase &c, std::ostream *out)
{
    *out << c.title << ' ' << c.address;
}

class HeaderFill : public ::testing::TestWithParam<HeaderCase>
{
};

ProjectInfo projectInfo(const char *name, const char *address, const char *model, const char *customer,
                        const char *area)
{
    ProjectInfo i;
    i.name = QString::fromUtf8(name);
    i.address = QString::fromUtf8(address);
    i.model = QString::fromUtf8(model);
    i.customer = QString::fromUtf8(customer);
    i.area = QString::fromUtf8(area);
    return i;
}

TEST_P(HeaderFill, CaptionsCountAsEmpty)
{
    const HeaderCase &c = GetParam();
    Grid bill, material;
    BillGridSetup::setUpBillGrid(bill, 2);
    BillGridSetup::setUpResourceGrid(material, ResourceListKind::Material, 2);
    BillGridSetup::fillBillHeader(bill, c.info);
    BillGridSetup::fillResourceHeader(material, ResourceListKind::Material, c.info);
    EXPECT_EQ(bill.text(0, 1), QString::fromUtf8(c.title) + QStringLiteral("-工程量清单"));
    EXPECT_EQ(material.text(0, 1), QString::fromUtf8(c.title) + QStringLiteral("-材料清单"));
    EXPECT_EQ(bill.text(2, 1), QString::fromUtf8(c.address));
    EXPECT_EQ(bill.text(2, 6), QString::fromUtf8(c.model));
    EXPECT_EQ(material.text(3, 1), QString::fromUtf8(c.customer));
    EXPECT_EQ(material.text(3, 4), QString::fromUtf8(c.area));
    EXPECT_EQ(material.text(2, 7), QStringLiteral("设计师:"));
}

INSTANTIATE_TEST_SUITE_P(
    Infos, HeaderFill,
    ::testing::Values(HeaderCase{projectInfo("", "项目地址", "项目类型", "客户姓名", "建筑面积"), "新工程",
                                 "项目地址:", "项目类型:", "客户姓名:", "建筑面积:"},
                      HeaderCase{projectInfo("项目名称", "杭州", "别墅", "王先生", "120"), "新工程",
                                 "项目地址:杭州", "项目类型:别墅", "客户姓名:王先生", "建筑面积:120"},
                      HeaderCase{projectInfo("西湖花园", "项目地址 ", "", "", "建筑面积x"), "西湖花园",
                                 "项目地址:项目地址 ", "项目类型:", "客户姓名:", "建筑面积:建筑面积x"}));

TEST(ListKeyboard, StepsOverHeaderBlocks)
{
    const QList<QPair<QString, int>> cases{
        {"单价", 6},          {"单价 ", 1},        {"项目地址:杭州", 4}, {"客户姓名:", 4},
        {"项目类型:别墅", 6}, {"建筑面积:1:2", 6}, {"设计师:", 1},       {"", 1},
        {"项目地址", 4}};
    for (const auto &[text, step] : cases)
        EXPECT_EQ(ListKeyboard::columnStep(text), step) << text.toStdString();
}

TEST(ListKeyboard, StaysInsideTheGrid)
{
    Grid grid;
    BillGridSetup::setUpResourceGrid(grid, ResourceListKind::Material, 2);
    EXPECT_EQ(ListKeyboard::nextColumn(grid, 2, 1), 5);
    EXPECT_EQ(ListKeyboard::nextColumn(grid, 2, 4), 8);
    EXPECT_EQ(ListKeyboard::nextColumn(grid, 4, 8), 8);
}

} // namespace
