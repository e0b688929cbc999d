#include "reports/billtexts.h"
#include "reports/resourceaggregator.h"
#include "reports/resourcelist.h"
#include "testsupport.h"

#include "contracts/grid.h"
#include "estimate/numbertext.h"

#include <gtest/gtest.h>

namespace {

MtLine resource(const QString &name, const QString &code, const QString &unit, float price, float num)
{
    MtLine line;
    line.name = name;
    line.code = code;
    line.unit = unit;
    line.price = price;
    line.num = num;
    line.desc = code + QStringLiteral("-desc");
    return line;
}

struct ItemSpec {
    float num = 1.0f;
    float loss = 0.0f;
    float tax = 0.0f;
    float materialprofit = 0.0f;
    float machineprofit = 0.0f;
    QList<MtLine> materials;
    QList<MtLine> machines;
};

EstimateRow construct(const ItemSpec &given)
{
    EstimateRow row;
    row.kind = QStringLiteral("construct");
    BrandData &b = row.item.brand;
    b.num = given.num;
    b.loss = given.loss;
    b.tax = given.tax;
    b.materialprofit = given.materialprofit;
    b.machineprofit = given.machineprofit;
    b.materials = given.materials;
    b.machines = given.machines;
    return row;
}

EstimateRow room()
{
    EstimateRow row;
    row.kind = QStringLiteral("room");
    return row;
}

struct AggregationCase {
    const char *title;
    QList<EstimateRow> rows;
    QStringList codes; // one per expected line, in order
    QList<float> nums;
    QList<float> lossRates;
};

void PrintTo(const AggregationCase &c, std::ostream *out)
{
    *out << c.title;
}

class Aggregation : public ::testing::TestWithParam<AggregationCase>
{
};

TEST_P(Aggregation, MergesByNameUnitAndExactPrice)
{
    const AggregationCase &c = GetParam();
    const QList<ListLine> lines = ResourceAggregator::aggregate(c.rows, ResourceListKind::Material);
    ASSERT_EQ(lines.size(), c.codes.size()) << c.title;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].line.code, c.codes[i]) << c.title << " line " << i;
        EXPECT_EQ(lines[i].line.num, c.nums[i]) << c.title << " line " << i;
        EXPECT_EQ(lines[i].lossRate, c.lossRates[i]) << c.title << " line " << i;
    }
}

const MtLine Sand = resource("沙", "S1", "m3", 80.0f, 0.3f);
const MtLine SandOtherCode = resource("沙", "S2", "m3", 80.0f, 0.7f);
const MtLine SandDearer = resource("沙", "S3", "m3", 80.5f, 0.7f);
const MtLine SandOtherUnit = resource("沙", "S4", "t", 80.0f, 0.7f);
const MtLine Stone = resource("石", "T1", "m2", 120.0f, 2.0f);

INSTANTIATE_TEST_SUITE_P(
    Cases, Aggregation,
    ::testing::Values(
        AggregationCase{"equal name unit price: code and rates of the first",
                        {room(), construct({2.0f, 0.05f, 0.03f, 0, 0, {Sand, Stone}, {}}),
                         construct({3.0f, 0.2f, 0.1f, 0, 0, {SandOtherCode}, {}})},
                        {"S1", "T1"},
                        {0.3f * 2.0f + 0.7f * 3.0f, 2.0f * 2.0f},
                        {0.05f, 0.05f}},
        AggregationCase{"different price or unit: separate lines",
                        {room(), construct({2.0f, 0, 0, 0, 0, {Sand, SandDearer, SandOtherUnit}, {}})},
                        {"S1", "S3", "S4"},
                        {0.3f * 2.0f, 0.7f * 2.0f, 0.7f * 2.0f},
                        {0, 0, 0}},
        AggregationCase{
            "quantity 0 and negative contribute nothing",
            {room(), construct({0.0f, 0, 0, 0, 0, {Sand}, {}}), construct({-1.0f, 0, 0, 0, 0, {Stone}, {}})},
            {},
            {},
            {}},
        AggregationCase{
            "first row never visited",
            {construct({1.0f, 0, 0, 0, 0, {Stone}, {}}), construct({1.0f, 0, 0, 0, 0, {Sand}, {}})},
            {"S1"},
            {0.3f},
            {0}},
        AggregationCase{"fewer than two rows", {construct({1.0f, 0, 0, 0, 0, {Stone}, {}})}, {}, {}, {}}));

class ResourceListTest : public ::testing::Test
{
protected:
    LineCountMeasure measure;
    Grid grid;
    ResourceList list{ResourceListKind::Material, grid, measure};

    void SetUp() override { list.setUp(2); }
    QString cell(int row, int column) const { return grid.text(row, column); }
    QString totalText() const { return grid.text(grid.rowCount() - 2, 1); }
};

TEST_F(ResourceListTest, WritesShownValuesAndBuiltTotal)
{
    const QList<EstimateRow> rows{room(), construct({2.0f, 0.05f, 0.03f, 0.1f, 0, {Sand, Stone}, {}})};
    list.build(rows, 2);

    ASSERT_EQ(grid.rowCount(), 6 + 2 + 2);
    const float quantity = (1.0f + 0.05f) * (0.3f * 2.0f);
    const float price = ((1.0f + 0.1f) * 80.0f) * (1.0f + 0.03f);
    const float amount = price * quantity;
    EXPECT_EQ(cell(6, 1), "1");
    EXPECT_EQ(cell(6, 2), "S1");
    EXPECT_EQ(cell(6, 3), QStringLiteral("沙"));
    EXPECT_EQ(cell(6, 4), "m3");
    EXPECT_EQ(cell(6, 5), NumberText::fixed(quantity, 2));
    EXPECT_EQ(cell(6, 6), NumberText::fixed(price, 2));
    EXPECT_EQ(cell(6, 7), u'\u00A5' + NumberText::fixed(amount, 2));
    EXPECT_EQ(cell(6, 8), "S1-desc");
    EXPECT_EQ(cell(7, 1), "2");
    EXPECT_EQ(grid.alignment(6, 7), 14);
    EXPECT_EQ(grid.alignment(6, 5), 10);
    EXPECT_EQ(grid.rowHeight(6), 25);
    EXPECT_EQ(totalText(),
              QStringLiteral("材料费用: \u00A5") + NumberText::fixed(list.total(), 2) + QStringLiteral("元"));
    EXPECT_EQ(list.total(), amount + list.lines()[1].amount);
    EXPECT_EQ(cell(9, 1), BillTexts::signatureLine());
}

TEST_F(ResourceListTest, PrecisionZeroRoundsTextsOnly)
{
    list.build({room(), construct({1.0f, 0, 0, 0, 0, {resource("砖", "B", "块", 10.0f, 12.4f)}, {}})}, 0);
    EXPECT_EQ(cell(6, 5), "12");
    EXPECT_EQ(cell(6, 6), "10");
    EXPECT_EQ(cell(6, 7), QStringLiteral("\u00A5124"));
    EXPECT_EQ(totalText(), QStringLiteral("材料费用: \u00A5124元"));
    EXPECT_EQ(list.lines()[0].shownQuantity, 12.4f);
}

TEST_F(ResourceListTest, EmptyEstimateKeepsHeaderTotalAndSignature)
{
    list.build({construct({1.0f, 0, 0, 0, 0, {Sand}, {}})}, 2);
    EXPECT_EQ(grid.rowCount(), 8);
    EXPECT_EQ(totalText(), QStringLiteral("材料费用: \u00A50.00元"));
    EXPECT_EQ(cell(7, 1), BillTexts::signatureLine());
    EXPECT_EQ(cell(5, 1), QStringLiteral("基础材料"));
}

TEST_F(ResourceListTest, MachineLinesIgnoreLossAndTax)
{
    Grid machineGrid;
    ResourceList machines(ResourceListKind::Machine, machineGrid, measure);
    machines.setUp(2);
    const MtLine roller = resource("压路机", "M1", "台班", 500.0f, 0.25f);
    machines.build({room(), construct({4.0f, 0.3f, 0.2f, 0.5f, 0.1f, {Sand}, {roller}})}, 2);
    ASSERT_EQ(machines.lines().size(), 1);
    const ListLine &line = machines.lines()[0];
    EXPECT_EQ(line.shownQuantity, 0.25f * 4.0f);
    EXPECT_EQ(line.shownPrice, (1.0f + 0.1f) * 500.0f);
    EXPECT_EQ(machineGrid.text(6, 3), QStringLiteral("压路机"));
    EXPECT_EQ(machineGrid.text(7, 1), QStringLiteral("机械台班费用: \u00A5550.00元"));
}

TEST_F(ResourceListTest, EmptiedCellsRestoreOrZero)
{
    list.build(
        {room(), construct({1.0f,
                            0,
                            0,
                            0,
                            0,
                            {resource("砖", "B", "块", 10.0f, 3.0f), resource("瓦", "W", "片", 2.0f, 5.0f)},
                            {}})},
        2);
    grid.setText(6, 4, QString());
    EXPECT_TRUE(list.onCellEdited(6, 4, 2));
    EXPECT_EQ(cell(6, 4), QStringLiteral("块"));

    grid.setText(6, 5, QString());
    EXPECT_TRUE(list.onCellEdited(6, 5, 2));
    EXPECT_EQ(cell(6, 5), "0.00");
    EXPECT_EQ(cell(6, 7), QStringLiteral("\u00A50.00"));
    EXPECT_EQ(totalText(), QStringLiteral("材料费用:\u00A510.00 元 "));
    EXPECT_EQ(list.lines()[0].line.num, 3.0f);
}

TEST_F(ResourceListTest, TypedQuantityRecomputesAndOtherCellsStayAsTyped)
{
    list.build({room(), construct({1.0f, 0, 0, 0, 0, {resource("砖", "B", "块", 10.0f, 3.0f)}, {}})}, 1);
    grid.setText(6, 5, QStringLiteral("4.5abc"));
    EXPECT_TRUE(list.onCellEdited(6, 5, 1));
    EXPECT_EQ(cell(6, 7), QStringLiteral("\u00A545.0"));
    EXPECT_EQ(totalText(), QStringLiteral("材料费用:\u00A545.0 元 "));

    grid.setText(6, 3, QStringLiteral("新名"));
    EXPECT_FALSE(list.onCellEdited(6, 3, 1));
    EXPECT_EQ(cell(6, 3), QStringLiteral("新名"));
    // Header and footer rows are not data rows.
    grid.setText(7, 5, QString());
    EXPECT_FALSE(list.onCellEdited(7, 5, 1));
    EXPECT_EQ(cell(7, 5), QString());
}

struct TypedNumber {
    int row;
    int column;
    const char *typed;
    const char *refusal; // empty: taken
};

// A typed quantity or price that no float holds, or whose amount or list total
// would not, is refused: the cell shows its earlier text, the amount and total stay.
TEST_F(ResourceListTest, TypedNumbersBeyondFloatAreRefused)
{
    const TypedNumber steps[] = {
        {6, 5, "1e39", "数量：数值“1e39”超出范围"},
        {6, 6, "-1e39", "单价：数值“-1e39”超出范围"},
        {6, 5, "3e38", "数量：数值“3e38”使金额或合计超出范围"},
        {6, 5, "4", ""},
        {7, 5, "1.6e38", ""},
        {6, 5, "1e37", "数量：数值“1e37”使金额或合计超出范围"},
        {6, 6, "5e38", "单价：数值“5e38”超出范围"},
    };
    list.build(
        {room(), construct({1.0f,
                            0,
                            0,
                            0,
                            0,
                            {resource("砖", "B", "块", 10.0f, 3.0f), resource("瓦", "W", "片", 2.0f, 5.0f)},
                            {}})},
        2);
    for (const TypedNumber &s : steps) {
        const QString before = cell(s.row, s.column);
        const QString amount = cell(s.row, 7);
        const QString total = totalText();
        grid.setText(s.row, s.column, QString::fromUtf8(s.typed));
        EXPECT_TRUE(list.onCellEdited(s.row, s.column, 2)) << s.typed;
        EXPECT_EQ(list.refusal(), QString::fromUtf8(s.refusal)) << s.typed;
        if (list.refusal().isEmpty()) {
            EXPECT_EQ(cell(s.row, s.column), QString::fromUtf8(s.typed));
            continue;
        }
        EXPECT_EQ(cell(s.row, s.column), before) << s.typed;
        EXPECT_EQ(cell(s.row, 7), amount) << s.typed;
        EXPECT_EQ(totalText(), total) << s.typed;
    }
    // The earlier accepted text is what a refusal brings back, and no shown number is infinite.
    EXPECT_EQ(cell(6, 5), QStringLiteral("4"));
    for (int row : {6, 7})
        EXPECT_FALSE(cell(row, 7).contains(QLatin1String("inf"))) << row;
    EXPECT_FALSE(totalText().contains(QLatin1String("inf")));
}

TEST_F(ResourceListTest, RebuildDiscardsEdits)
{
    const QList<EstimateRow> rows{room(), construct({1.0f, 0, 0, 0, 0, {Sand, Stone}, {}})};
    list.build(rows, 2);
    const QString before = totalText();
    const QString quantity = cell(6, 5);
    grid.setText(6, 5, QStringLiteral("99"));
    list.onCellEdited(6, 5, 2);
    grid.setText(6, 1, QStringLiteral("材料费用"));
    list.build(rows, 2);
    EXPECT_EQ(grid.rowCount(), 10);
    EXPECT_EQ(cell(6, 5), quantity);
    EXPECT_EQ(cell(6, 1), "1");
    EXPECT_EQ(cell(7, 3), QStringLiteral("石"));
    EXPECT_EQ(totalText(), before);
}

TEST_F(ResourceListTest, RepricingTwiceFollowsEveryRow)
{
    list.build({room(), construct({2.0f, 0.05f, 0.03f, 0.1f, 0, {Sand, Stone}, {}})}, 2);
    for (float profit : {0.2f, 0.35f}) {
        list.applyRate(RateKind::Profit, profit, 2);
        float sum = 0.0f;
        for (int i = 0; i < 2; ++i) {
            const ListLine &line = list.lines()[i];
            EXPECT_EQ(line.profitRate, profit);
            EXPECT_EQ(line.shownPrice, ((1.0f + profit) * line.line.price) * (1.0f + 0.03f));
            EXPECT_EQ(cell(6 + i, 6), NumberText::fixed(line.shownPrice, 2));
            sum += line.amount;
        }
        EXPECT_EQ(totalText(),
                  QStringLiteral("材料费用:\u00A5") + NumberText::fixed(sum, 2) + QStringLiteral(" 元 "));
    }
    list.applyRate(RateKind::Loss, 0.5f, 2);
    EXPECT_EQ(list.lines()[0].shownQuantity, 1.5f * (0.3f * 2.0f));
}

TEST_F(ResourceListTest, ReformatRestoresEarlierTexts)
{
    list.build({room(), construct({1.7f, 0.05f, 0.03f, 0.1f, 0, {Sand, Stone}, {}})}, 2);
    const QString dump = grid.text(6, 5) + grid.text(6, 6) + grid.text(6, 7) + totalText();
    list.reformat(0);
    EXPECT_EQ(cell(6, 5), NumberText::fixed(list.lines()[0].shownQuantity, 0));
    EXPECT_EQ(cell(6, 7), u'\u00A5' + NumberText::fixed(list.lines()[0].amount, 0));
    list.reformat(2);
    EXPECT_EQ(grid.text(6, 5) + grid.text(6, 6) + grid.text(6, 7) + totalText(), dump);
}

} // namespace
