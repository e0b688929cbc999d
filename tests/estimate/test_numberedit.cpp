#include "estimate/numberedit.h"

#include "sampleitems.h"

#include "printers.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct EditCase {
    const char *name;
    int column;
    const char16_t *text;
    bool changed;
    std::function<void(BrandData &)> expect; // turns the worked example into the expected breakdown
};

class NumberEditRules : public testing::TestWithParam<EditCase>
{
};

void PrintTo(const EditCase &t, std::ostream *out)
{
    *out << t.name;
}

} // namespace

TEST_P(NumberEditRules, StoresTheTypedValue)
{
    const EditCase &t = GetParam();
    BrandData b = SampleItems::workedExample();
    BrandData expected = b;
    t.expect(expected);
    EXPECT_EQ(NumberEdit::apply(b, t.column, QStringView(t.text)), t.changed);
    EXPECT_EQ(b, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberEditRules,
    testing::Values(
        EditCase{"empty_changes_nothing", 6, u"", false, [](BrandData &) {}},
        EditCase{"blanks_only_change_nothing", 6, u"   ", false, [](BrandData &) {}},
        EditCase{"quantity", 6, u"  7abc", true, [](BrandData &b) { b.num = 7.0f; }},
        EditCase{"zero_stays", 6, u"0", true, [](BrandData &b) { b.num = 0.0f; }},
        EditCase{"upper_bound_stays", 6, u"99999", true, [](BrandData &b) { b.num = 99999.0f; }},
        EditCase{"above_bound_becomes_one", 6, u"100000", true, [](BrandData &b) { b.num = 1.0f; }},
        EditCase{"negative_becomes_one", 6, u"-3", true, [](BrandData &b) { b.num = 1.0f; }},
        EditCase{"huge_becomes_one", 6, u"1e400", true, [](BrandData &b) { b.num = 1.0f; }},
        EditCase{"text_reads_as_zero", 6, u"abc", true, [](BrandData &b) { b.num = 0.0f; }},
        EditCase{"loss_in_percent", 7, u"5", true, [](BrandData &b) { b.loss = 0.05f; }},
        // Percent is divided as floats, unlike the project rates.
        EditCase{"loss_divided_as_float", 7, u"0.7", true, [](BrandData &b) { b.loss = 0.7f / 100.0f; }},
        EditCase{"tax_above_bound", 8, u"123456", true, [](BrandData &b) { b.tax = 0.01f; }},
        EditCase{"material_price_drops_profit", 9, u"30", true,
                 [](BrandData &b) {
                     b.material = 30.0f;
                     b.materialprofit = 0.0f;
                 }},
        EditCase{"machine_price_drops_profit", 10, u"6", true,
                 [](BrandData &b) {
                     b.machine = 6.0f;
                     b.machineprofit = 0.0f;
                 }},
        EditCase{"labour_price_drops_profit", 11, u"8.8", true,
                 [](BrandData &b) {
                     b.laborcost = 8.8f;
                     b.laborprofit = 0.0f;
                 }},
        EditCase{"management_price_drops_profit", 12, u"4", true,
                 [](BrandData &b) {
                     b.management = 4.0f;
                     b.managementprofit = 0.0f;
                 }},
        EditCase{"subtotal_column_is_not_a_field", 13, u"4", false, [](BrandData &) {}},
        EditCase{"name_column_is_not_a_number", 3, u"4", false, [](BrandData &) {}}),
    [](const auto &info) { return std::string(info.param.name); });
