// Huge but finite numbers: whatever the budget table, the bill and the lists
// compute from them must stay finite, so edits that would overflow are refused.
#include "estimate/estimate.h"
#include "estimate/projectbound.h"

#include "sampleitems.h"

#include <gtest/gtest.h>

#include <cmath>

using SampleItems::item;
using SampleItems::plain;

namespace {

MtLine line(float price, float num)
{
    MtLine l;
    l.name = QStringLiteral("sand");
    l.price = price;
    l.num = num;
    return l;
}

BrandData withLine(BrandData b, float price, float num)
{
    b.materials.append(line(price, num));
    return b;
}

BrandData withRates(BrandData b, float loss, float tax, float profit)
{
    b.loss = loss;
    b.tax = tax;
    b.materialprofit = profit;
    return b;
}

struct BoundCase {
    const char *what;
    QList<BrandData> items;
    bool fits;
};

TEST(ProjectBound, FitsOnlyWhileEveryShownNumberStaysFinite)
{
    const BoundCase cases[] = {
        {"ordinary items", {plain(10, 20, 8, 5), withLine(plain(2, 3), 4, 5)}, true},
        {"large but safe", {plain(1e18f, 1e18f)}, true},
        {"quantity times price overflows", {plain(3e38f, 10)}, false},
        {"price with profit overflows", {withRates(plain(1, 3e38f), 0, 0, 1)}, false},
        {"loss and tax overflow the material subtotal", {withRates(plain(1e37f, 10), 9, 9, 0)}, false},
        {"two items overflow the project sum", {plain(1, 3e37f), plain(1, 3e37f)}, false},
        {"one of them fits", {plain(1, 3e37f)}, true},
        {"line amount overflows", {withLine(plain(1e30f, 0), 1e10f, 1)}, false},
        {"summed line quantity overflows", {withLine(plain(1e20f, 0), 0, 1e20f)}, false},
        {"the first item's loss scales a later item's quantity of the same line",
         {withLine(withRates(plain(1, 0), 99, 0, 0), 1, 1), withLine(plain(1, 0), 1, 1e37f)},
         false},
    };
    for (const BoundCase &c : cases) {
        QList<EstimateRow> rows(1);
        rows[0].kind = QStringLiteral("room");
        for (const BrandData &b : c.items) {
            EstimateRow row;
            row.kind = QStringLiteral("construct");
            row.item.brand = b;
            rows.append(row);
        }
        EXPECT_EQ(ProjectBound::fits(rows), c.fits) << c.what;
    }
}

struct AdmitCase {
    const char *what;
    BrandData brand;
    int cleared;
    float num;      // after reading
    float material; // after reading
};

TEST(ProjectBound, AnItemThatDoesNotFitReadsAsZero)
{
    const AdmitCase cases[] = {
        {"fits as it is", plain(3, 10), 0, 3, 10},
        {"its quantity goes", plain(3e38f, 10), 1, 0, 0 + 10},
        {"its prices go when the quantity is not the cause", withRates(plain(2, 3e38f), 0, 0, 1), 3, 0, 0},
    };
    for (const AdmitCase &c : cases) {
        BrandData b = c.brand;
        ProjectBound bound;
        EXPECT_EQ(bound.admit(b), c.cleared) << c.what;
        EXPECT_EQ(b.num, c.num) << c.what;
        EXPECT_EQ(b.material, c.material) << c.what;
        // Whatever was read now fits, and prices finitely.
        EXPECT_TRUE(ProjectBound().add(b)) << c.what;
        BrandData inserted = b;
        if (inserted.num <= 0.0f)
            inserted.num = 1.0f;
        EXPECT_TRUE(std::isfinite(Pricing::priceRow(inserted).total)) << c.what;
    }
}

class OverflowingEdit : public testing::Test
{
protected:
    void SetUp() override
    {
        m_estimate.appendRoom(QStringLiteral("R"));
        DocumentState document;
        m_estimate.insertItem(0, item(QStringLiteral("A"), QStringLiteral("huge"), plain(1e34f, 1)), {},
                              document);
        m_estimate.setIdle(true);
    }
    Estimate m_estimate;
};

struct TypedCase {
    int column;
    const char *typed;
    bool taken;
    const char *cellText;
};

TEST_F(OverflowingEdit, TypedNumbersWhoseSumsOverflowAreRefused)
{
    const TypedCase cases[] = {
        {CellText::MaterialPriceColumn, "99999", false, "1.00"},
        {CellText::LaborPriceColumn, "50000", false, "0.00"},
        {CellText::LossColumn, "5000", true, "5000.00%"},
        {CellText::MaterialPriceColumn, "2", true, "2.00"},
        {CellText::QuantityColumn, "5", true, "5.00"},
        {CellText::LaborPriceColumn, "50000", true, "50000.00"},
    };
    for (const TypedCase &c : cases) {
        const ProjectTotals before = m_estimate.totals();
        const BrandData brand = m_estimate.rows()[1].item.brand;
        const CellEdit edit = m_estimate.editCell(1, c.column, QString::fromLatin1(c.typed));
        EXPECT_TRUE(edit.handled) << c.typed;
        EXPECT_EQ(edit.change.applied, c.taken) << c.typed;
        EXPECT_EQ(edit.cellText, QString::fromLatin1(c.cellText)) << c.typed;
        EXPECT_TRUE(std::isfinite(m_estimate.totals().projectTotal)) << c.typed;
        if (c.taken) {
            EXPECT_TRUE(edit.refusal.isEmpty()) << c.typed;
            continue;
        }
        EXPECT_EQ(edit.refusal, CellText::numberColumnName(c.column) + QStringLiteral("：数值“") +
                                    QString::fromLatin1(c.typed) + QStringLiteral("”使金额或合计超出范围"));
        EXPECT_EQ(m_estimate.rows()[1].item.brand, brand) << c.typed;
        EXPECT_EQ(m_estimate.totals().projectTotal, before.projectTotal) << c.typed;
    }
}

TEST_F(OverflowingEdit, AnItemThatWouldOverflowTheSumsIsNotInserted)
{
    DocumentState document;
    const ProjectTotals before = m_estimate.totals();
    EXPECT_FALSE(m_estimate
                     .insertItem(1, item(QStringLiteral("A"), QStringLiteral("more"), plain(1e34f, 9999)), {},
                                 document)
                     .applied);
    EXPECT_EQ(m_estimate.rowCount(), 2);
    EXPECT_EQ(m_estimate.totals().projectTotal, before.projectTotal);
    EXPECT_TRUE(
        m_estimate
            .insertItem(1, item(QStringLiteral("A"), QStringLiteral("more"), plain(1, 9999)), {}, document)
            .applied);
}

// Item after item, as a project is read: the bound kept between inserts refuses exactly
// where the whole rows would, and a deletion makes room again.
TEST_F(OverflowingEdit, InsertsInARowAreBoundLikeTheWholeProject)
{
    DocumentState document;
    const ConstructItem big = item(QStringLiteral("A"), QStringLiteral("big"), plain(1e36f, 1));
    int inserted = 0;
    for (; inserted < 200; ++inserted) {
        const bool fits = ProjectBound::fitsWithAdded(m_estimate.rows(), big.brand);
        const bool applied = m_estimate.insertItem(1, big, {}, document).applied;
        ASSERT_EQ(applied, fits) << inserted;
        if (!applied)
            break;
    }
    ASSERT_GT(inserted, 0);
    ASSERT_LT(inserted, 200) << "the bound never refused";
    EXPECT_FALSE(m_estimate.insertItem(1, big, {}, document).applied);
    ASSERT_TRUE(m_estimate.removeRow(2).applied);
    EXPECT_TRUE(m_estimate.insertItem(1, big, {}, document).applied);
}

TEST_F(OverflowingEdit, ARateThatWouldOverflowTheSumsIsNotApplied)
{
    RateSettings rates;
    rates.profitEnabled = true;
    rates.mainProfit = rates.auxiProfit = rates.laborProfit = QStringLiteral("99999999");
    const QList<EstimateRow> before = m_estimate.rows();
    EXPECT_FALSE(m_estimate.rateFits(RateKind::Profit, rates));
    EXPECT_FALSE(m_estimate.applyRateToAll(RateKind::Profit, rates).applied);
    EXPECT_TRUE(m_estimate.rows() == before);
    rates.mainProfit = rates.auxiProfit = rates.laborProfit = QStringLiteral("10");
    EXPECT_TRUE(m_estimate.rateFits(RateKind::Profit, rates));
    EXPECT_TRUE(m_estimate.applyRateToAll(RateKind::Profit, rates).applied);
    EXPECT_TRUE(std::isfinite(m_estimate.totals().projectTotal));
}

TEST_F(OverflowingEdit, AResourceEditThatWouldOverflowIsNotApplied)
{
    ConstructItem edited = m_estimate.rows()[1].item;
    edited.brand.laborcost = 1e10f;
    EXPECT_FALSE(m_estimate.repriceItem(1, edited).applied);
    EXPECT_EQ(m_estimate.rows()[1].item.brand.laborcost, 0.0f);
    edited.brand.laborcost = 10.0f;
    EXPECT_TRUE(m_estimate.repriceItem(1, edited).applied);
}

} // namespace
