#include "billfixture.h"
#include "pdfreadback.h"
#include "printsamples.h"
#include "testsupport.h"

#include "reports/billlists.h"
#include "reports/billtexts.h"
#include "reports/griddump.h"
#include "reports/listprintrun.h"
#include "reports/print/gridpaginator.h"
#include "reports/print/listpdfwriter.h"

#include "estimate/budgettable.h"
#include "estimate/estimate.h"
#include "estimate/prompter.h"
#include "estimate/roompictures.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A bill of quantities with priced items in one room, as the budget table writes it.
class PrintingTest : public BillTableFixture
{
protected:
    void SetUp() override
    {
        setUpGrids();
        ProjectInfo info;
        info.name = QStringLiteral("锦园");
        info.address = QStringLiteral("滨江路8号");
        lists.fillHeaders(info);
    }
    void addItems(int items)
    {
        table.addRoom(QStringLiteral("前院"));
        for (int k = 0; k < items; ++k)
            ASSERT_TRUE(table.insertItem(table.addRoomGridRow(), pavingItem(k)));
    }
    Grid &bill() { return lists.billGrid(); }
    QString pdfPath(const QString &name) const { return dir.filePath(name); }
};

namespace {

PrintPageSetup a4(bool landscape = false)
{
    PrintPageSetup setup;
    setup.landscape = landscape;
    return setup;
}

} // namespace

TEST_F(PrintingTest, LongBillBreaksBetweenRowsWithItsCaptionsOnEveryPage)
{
    addItems(300);
    ListPrintRun run(bill(), BillLists::BillOfQuantities, QStringLiteral("锦园"));
    run.showListPages();
    const GridPaginator pages(bill(), a4());
    ASSERT_GE(pages.pageCount(), 3);
    QList<int> body;
    for (int p = 0; p < pages.pageCount(); ++p) {
        const QList<int> &rows = pages.pages().at(p).rows;
        // Title and project header stay hidden; both caption rows head the page.
        ASSERT_GE(rows.size(), 3) << p;
        EXPECT_EQ(rows.mid(0, 2), (QList<int>{4, 5})) << p;
        body += rows.mid(2);
    }
    QList<int> expected;
    for (int row = 6; row < bill().rowCount(); ++row)
        expected << row;
    EXPECT_EQ(body, expected);
    EXPECT_EQ(pages.footerText(1), QStringLiteral("共 %1 页，第 2 页").arg(pages.pageCount()));
    // Twice the rows, about twice the pages.
    run.restore();
    addItems(300);
    ListPrintRun again(bill(), BillLists::BillOfQuantities, QStringLiteral("锦园"));
    again.showListPages();
    const GridPaginator more(bill(), a4());
    EXPECT_NEAR(double(more.pageCount()) / pages.pageCount(), 2.0, 0.35);
}

TEST_F(PrintingTest, PaperAndOrientationShapeThePages)
{
    addItems(120);
    ListPrintRun run(bill(), BillLists::BillOfQuantities, QString());
    run.showListPages();
    const QPageLayout layout = GridPaginator::pageLayout(a4(true));
    EXPECT_EQ(layout.fullRect(QPageLayout::Millimeter).size().toSize(), QSize(297, 210));
    EXPECT_EQ(layout.margins(QPageLayout::Millimeter), QMarginsF(18, 19, 18, 19));
    const GridPaginator portrait(bill(), a4());
    const GridPaginator landscape(bill(), a4(true));
    // The bill is wider than portrait A4 and shrinks to it; landscape keeps more of its size.
    EXPECT_LT(portrait.scaleX(), landscape.scaleX());
    EXPECT_GT(landscape.pageCount(), portrait.pageCount());
    PrintPageSetup a3 = a4(true);
    a3.paper = PrintPageSetup::Paper::A3;
    EXPECT_DOUBLE_EQ(GridPaginator(bill(), a3).scaleX(), 1.0);
}

TEST_F(PrintingTest, PdfHoldsTheCoverAndNumberedListPagesAsText)
{
    addItems(150);
    const QString before = dumpGrid(bill());
    const QString pdf = pdfPath(QStringLiteral("bill.pdf"));
    QString error;
    ASSERT_TRUE(
        ListPdfWriter::write(bill(), BillLists::BillOfQuantities, QStringLiteral("锦园"), a4(), pdf, &error))
        << error.toStdString();
    const int pages = PdfReadBack::pageCount(pdf);
    ASSERT_GE(pages, 3);
    const QString cover = PdfReadBack::pageText(pdf, 1);
    EXPECT_TRUE(cover.contains(QStringLiteral("- 封面页 -")));
    EXPECT_TRUE(cover.contains(QStringLiteral("滨江路8号")));
    EXPECT_TRUE(cover.contains(QStringLiteral("锦园-工程量清单")));
    const QString second = PdfReadBack::pageText(pdf, 3);
    EXPECT_TRUE(second.contains(QStringLiteral("共 %1 页，第 2 页").arg(pages - 1)));
    EXPECT_TRUE(second.contains(QStringLiteral("机械台班小计"))); // captions repeated
    EXPECT_TRUE(second.contains(QStringLiteral("锦园")));         // the page header
    const QString last = PdfReadBack::pageText(pdf, pages);
    EXPECT_TRUE(last.contains(QStringLiteral("工程总价")));
    EXPECT_TRUE(last.contains(QStringLiteral("客户签字:")));
    EXPECT_EQ(dumpGrid(bill()), before);
    EXPECT_EQ(bill().rowHeight(0), 32);
}

TEST_F(PrintingTest, EmptyResourceListPrintsACoverAndOnePageWithZeroTotal)
{
    const QString pdf = pdfPath(QStringLiteral("material.pdf"));
    QString error;
    ASSERT_TRUE(
        ListPdfWriter::write(lists.materialGrid(), BillLists::MaterialList, QString(), a4(), pdf, &error));
    ASSERT_EQ(PdfReadBack::pageCount(pdf), 2);
    const QString page = PdfReadBack::pageText(pdf, 2);
    EXPECT_TRUE(page.contains(QStringLiteral("材料费用: ¥0.00 元"))) << page.toStdString();
    EXPECT_TRUE(page.contains(QStringLiteral("客户签字:")));
    EXPECT_TRUE(page.contains(QStringLiteral("共 1 页，第 1 页")));
}

TEST_F(PrintingTest, UnwritableTargetIsReportedAndTheGridPutBack)
{
    addItems(3);
    const QString before = dumpGrid(bill());
    QString error;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.pdf")));
    EXPECT_FALSE(ListPdfWriter::write(bill(), BillLists::BillOfQuantities, QString(), a4(),
                                      pdfPath(QStringLiteral("taken.pdf")), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(ListPdfWriter::write(bill(), BillLists::BillOfQuantities, QString(), a4(),
                                      pdfPath(QStringLiteral("no/such/folder/x.pdf")), &error));
    EXPECT_EQ(dumpGrid(bill()), before);
    EXPECT_EQ(bill().fixedRowCount(), 6);
}
