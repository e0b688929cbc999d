#include "reports/billgridsetup.h"
#include "reports/billlists.h"
#include "reports/billtexts.h"
#include "reports/coverpage.h"
#include "reports/griddump.h"
#include "reports/listprintrun.h"
#include "reports/printoptions.h"
#include "testsupport.h"

#include "contracts/gridalignment.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// What a reader of the grid sees: texts, merges, row heights and the fixed rows.
struct GridPicture {
    QString texts;
    QList<GridRange> merges;
    QList<int> heights;
    int fixedRows = 0;

    explicit GridPicture(const Grid &grid)
        : texts(dumpGrid(grid)), merges(grid.mergedRanges()), fixedRows(grid.fixedRowCount())
    {
        for (int row = 0; row < grid.rowCount(); ++row)
            heights << grid.rowHeight(row);
    }
};

ProjectInfo projectInfo(const QString &name)
{
    ProjectInfo info;
    info.name = name;
    info.address = QStringLiteral("滨江路8号");
    info.customer = QStringLiteral("王先生");
    info.model = QStringLiteral("别墅庭院");
    info.area = QStringLiteral("320");
    return info;
}

class ListPrintRunTest : public ::testing::TestWithParam<int>
{
protected:
    LineCountMeasure measure;
    TableSharedState shared;
    BillLists lists{measure, shared};

    void SetUp() override
    {
        lists.setUp(2);
        lists.fillHeaders(projectInfo(QStringLiteral("锦园")));
    }
    int list() const { return GetParam(); }
    Grid &grid() { return lists.grid(GetParam()); }
};

std::string listName(const ::testing::TestParamInfo<int> &info)
{
    return info.param == BillLists::BillOfQuantities ? "Bill"
           : info.param == BillLists::MaterialList   ? "Material"
                                                     : "Machine";
}

} // namespace

TEST_P(ListPrintRunTest, CoverValuesAreTheHeaderCellsWithoutTheirCaptions)
{
    const auto cells = CoverPage::valueCells(list());
    grid().setText(cells[4].row, cells[4].column, QStringLiteral("设计师:李工"));
    // An emptied cell gives an empty value, not its caption.
    grid().setText(cells[5].row, cells[5].column, QString());
    // Every occurrence of the caption goes, wherever it stands.
    grid().setText(cells[3].row, cells[3].column, QStringLiteral("建筑面积:320建筑面积:"));
    const QStringList expected{QStringLiteral("滨江路8号"), QStringLiteral("王先生"),
                               QStringLiteral("别墅庭院"),  QStringLiteral("320"),
                               QStringLiteral("李工"),      QString()};
    EXPECT_EQ(CoverPage::values(grid(), list()), expected);
}

TEST_P(ListPrintRunTest, CoverFormShowsTheTitleAndSixCaptionRows)
{
    const int rowsBefore = grid().rowCount();
    ListPrintRun run(grid(), list(), QStringLiteral("锦园"));
    run.showCover();
    const int last = ListPrintRun::lastColumn(list());
    EXPECT_EQ(grid().fixedRowCount(), 1);
    EXPECT_EQ(grid().rowCount(), rowsBefore + 6);
    EXPECT_EQ(grid().rowHeight(0), 30);
    for (int row = 1; row <= 3; ++row)
        EXPECT_EQ(grid().rowHeight(row), 0) << row;
    for (int k = 0; k < 6; ++k) {
        const int row = 4 + k;
        EXPECT_EQ(grid().text(row, 1), CoverPage::captions()[std::size_t(k)]);
        EXPECT_EQ(grid().text(row, 5), run.coverValues().at(k));
        EXPECT_EQ(grid().mergedRangeAt(row, 2), (GridRange{row, 1, row, 4}));
        EXPECT_EQ(grid().mergedRangeAt(row, last), (GridRange{row, 5, row, last}));
        EXPECT_EQ(grid().alignment(row, 1), GridAlignment::Centre);
        EXPECT_EQ(grid().alignment(row, 5), GridAlignment::Centre);
        EXPECT_EQ(grid().rowHeight(row), 50);
    }
    const GridPageSettings &page = grid().pageSettings();
    EXPECT_EQ(page.footerText, QStringLiteral("- 封面页 -"));
    EXPECT_TRUE(page.headerText.isEmpty());
    EXPECT_EQ(page.lastPrintRow, 9);
    EXPECT_TRUE(page.options.value(PrintOption::GridLines).toBool());
    EXPECT_FALSE(page.options.contains(PrintOption::RepeatFixedRows));
    EXPECT_EQ(page.options.contains(PrintOption::HorizontalScale), list() == BillLists::BillOfQuantities);
}

TEST_P(ListPrintRunTest, ListPagesHideTheTitleAndNumberTheirFooter)
{
    const QString before = dumpGrid(grid());
    ListPrintRun run(grid(), list(), QStringLiteral("锦园"));
    run.showCover();
    run.showListPages();
    EXPECT_EQ(dumpGrid(grid()), before);
    for (int row = 0; row <= 3; ++row)
        EXPECT_EQ(grid().rowHeight(row), 0) << row;
    // The column captions repeat on every page: the bill's are its sixth row.
    EXPECT_EQ(grid().fixedRowCount(), list() == BillLists::BillOfQuantities ? 6 : 5);
    const GridPageSettings &page = grid().pageSettings();
    EXPECT_EQ(page.footerText, QStringLiteral("共 &N 页，第 &P 页"));
    EXPECT_EQ(page.headerText, list() == BillLists::BillOfQuantities ? QStringLiteral("锦园") : QString());
    EXPECT_EQ(page.headerFont, grid().font(0, 1));
    EXPECT_EQ(page.lastPrintRow, grid().rowCount());
    EXPECT_EQ(page.options.value(PrintOption::RepeatFixedRows).toInt(), 1);
    EXPECT_EQ(page.options.value(PrintOption::HeaderLines).toInt(),
              list() == BillLists::BillOfQuantities ? 1 : 0);
}

TEST_P(ListPrintRunTest, RunPutsTheGridBackWithATitleBand32High)
{
    grid().setActiveCell(6, 2);
    const GridPicture before(grid());
    {
        ListPrintRun run(grid(), list(), QStringLiteral("锦园"));
        run.showCover();
        run.showListPages();
        run.restore();
        EXPECT_EQ(run.form(), ListPrintRun::Form::Screen);
    }
    const GridPicture after(grid());
    EXPECT_EQ(after.texts, before.texts);
    EXPECT_EQ(after.merges, before.merges);
    EXPECT_EQ(after.fixedRows, before.fixedRows);
    ASSERT_EQ(after.heights.size(), before.heights.size());
    EXPECT_EQ(after.heights[0] + after.heights[1], 32);
    EXPECT_EQ(after.heights[1], 0);
    EXPECT_EQ(after.heights.mid(2), before.heights.mid(2));
    EXPECT_EQ(grid().activeRow(), 6);
}

// A preview that is cancelled or fails leaves the scope of the run in either form.
TEST_P(ListPrintRunTest, AnInterruptedRunStillPutsTheGridBack)
{
    const GridPicture before(grid());
    for (int stopAfter = 1; stopAfter <= 2; ++stopAfter) {
        try {
            ListPrintRun run(grid(), list(), QString());
            run.showCover();
            if (stopAfter == 2)
                run.showListPages();
            throw std::runtime_error("printer gone");
        } catch (const std::runtime_error &) {
        }
        const GridPicture after(grid());
        EXPECT_EQ(after.texts, before.texts) << stopAfter;
        EXPECT_EQ(after.merges, before.merges) << stopAfter;
        EXPECT_EQ(after.fixedRows, before.fixedRows) << stopAfter;
        EXPECT_EQ(after.heights.mid(2), before.heights.mid(2)) << stopAfter;
    }
}

INSTANTIATE_TEST_SUITE_P(Lists, ListPrintRunTest,
                         ::testing::Values(int(BillLists::BillOfQuantities), int(BillLists::MaterialList),
                                           int(BillLists::MachineList)),
                         listName);

TEST(ListPrintRun, AProjectNamedAfterItsCaptionGetsNoPageHeader)
{
    LineCountMeasure measure;
    TableSharedState shared;
    BillLists lists{measure, shared};
    lists.setUp(2);
    lists.fillHeaders(projectInfo(QStringLiteral("项目名称")));
    ListPrintRun run(lists.billGrid(), BillLists::BillOfQuantities, QStringLiteral("项目名称"));
    run.showCover();
    run.showListPages();
    EXPECT_TRUE(lists.billGrid().pageSettings().headerText.isEmpty());
}

TEST(ListPrintRun, AnEmptyResourceListPrintsItsTotalAndSignatureLines)
{
    LineCountMeasure measure;
    TableSharedState shared;
    BillLists lists{measure, shared};
    lists.setUp(2);
    Grid &grid = lists.materialGrid();
    ListPrintRun run(grid, BillLists::MaterialList, QString());
    run.showCover();
    run.showListPages();
    // Captions, section label, total and signature: the rows a list page shows.
    ASSERT_EQ(grid.rowCount(), 8);
    EXPECT_EQ(grid.text(6, 1), QStringLiteral("材料费用: ¥0.00 元 "));
    EXPECT_EQ(grid.text(7, 1), BillTexts::signatureLine());
    EXPECT_GT(grid.rowHeight(6), 0);
    EXPECT_GT(grid.rowHeight(7), 0);
}
