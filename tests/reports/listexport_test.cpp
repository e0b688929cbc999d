#include "exportfixture.h"

#include "reports/gridhtmlpage.h"
#include "reports/resourcelist.h"
#include "reports/resourcelistworkbook.h"

#include <QJsonArray>
#include <QRegularExpression>

#include <numeric>

namespace {

using List = BillLists::List;

// Every sheet cell against the grid: number cells show the grid's text through
// their format, every other cell holds the grid's text with "￥" removed.
void expectCellsShowTheGrid(const QJsonObject &book, const Grid &grid,
                            const std::function<bool(int, int)> &numberCell)
{
    for (int row = 0; row < grid.rowCount(); ++row) {
        for (int column = 1; column < grid.columnCount(); ++column) {
            const QString expected = shownInSheet(grid, row, column);
            const QJsonObject cell = sheetCell(book, cellReference(row, column - 1));
            const std::string where = cellReference(row, column - 1).toStdString();
            if (numberCell(row, column) && !expected.isEmpty()) {
                ASSERT_EQ(cell.value("type").toString(), "n") << where << " " << expected.toStdString();
                EXPECT_EQ(formatted(cell.value("value").toDouble(), cell.value("format").toString()),
                          expected)
                    << where;
            } else if (expected.isEmpty()) {
                EXPECT_TRUE(cell.value("value").isNull() || cell.value("value").isUndefined()) << where;
            } else {
                EXPECT_EQ(cell.value("type").toString(), "s") << where;
                EXPECT_EQ(cell.value("value").toString(), expected) << where;
            }
        }
    }
}

TEST_F(ExportTest, MaterialWorkbookShowsTheListWithNumbersAsNumbers)
{
    const Grid &material = grid(List::MaterialList);
    ASSERT_GT(context.billLists().materialList().dataRowCount(), 3);
    const QJsonObject book = exportedWorkbook(List::MaterialList);
    EXPECT_EQ(book.value("sheets").toArray(), QJsonArray{"newSheet"});
    const int rows = material.rowCount();
    expectCellsShowTheGrid(book, material,
                           [rows](int r, int c) { return ResourceListWorkbook::isNumberCell(rows, r, c); });
    // The amount keeps its "¥", a code keeps its leading zero.
    const QJsonObject amount = sheetCell(book, "G7");
    EXPECT_TRUE(amount.value("format").toString().contains(u'\u00A5'));
    EXPECT_EQ(sheetCell(book, "B7").value("value").toString(), material.text(6, 2));
    EXPECT_TRUE(material.text(6, 2).startsWith(u'0'));
    EXPECT_EQ(sheetCell(book, "A7").value("type").toString(), "s");
}

TEST_F(ExportTest, ResourceWorkbookLayout)
{
    const int rows = grid(List::MaterialList).rowCount();
    // Texts that fit their cells: the rows keep the fixed heights (long ones grow, below).
    for (int row = ResourceList::FirstDataRow; row < rows - 2; ++row)
        grid(List::MaterialList).setText(row, 8, QStringLiteral("袋装"));
    const QJsonObject book = exportedWorkbook(List::MaterialList);
    const QString total = QString::number(rows - 1);
    const QString signature = QString::number(rows);
    QStringList merges{"A" + signature + ":H" + signature,
                       "A" + total + ":H" + total,
                       "A1:H2",
                       "A3:C3",
                       "A4:C4",
                       "A6:H6",
                       "D3:F3",
                       "D4:F4",
                       "G3:H3",
                       "G4:H4"};
    merges.sort();
    EXPECT_EQ(mergesOf(book), merges);
    const QJsonObject widths = book.value("widths").toObject();
    const std::pair<const char *, double> expectedWidths[] = {{"A", 20}, {"B", 25}, {"C", 15}, {"D", 15},
                                                              {"E", 15}, {"F", 15}, {"G", 15}, {"H", 15}};
    for (const auto &[column, width] : expectedWidths)
        expectWidth(widths, column, width);
    const QJsonObject heights = book.value("heights").toObject();
    EXPECT_EQ(heights.value("2").toDouble(), 21.5);
    EXPECT_EQ(heights.value("5").toDouble(), 21.5);
    EXPECT_EQ(heights.value("6").toDouble(), 28.0);
    EXPECT_EQ(heights.value("7").toDouble(), 28.0);
    EXPECT_EQ(heights.value(QString::number(rows - 2)).toDouble(), 31.5);
    EXPECT_EQ(heights.value(signature).toDouble(), 31.5);

    struct Look {
        const char *cell;
        const char *horizontal;
    };
    const Look looks[] = {{"A1", "center"}, {"A3", "left"},   {"D3", "left"},
                          {"G3", "left"},   {"A4", "left"},   {"G4", "left"},
                          {"A5", "center"}, {"A6", "center"}, {"C7", "center"}};
    for (const Look &l : looks)
        EXPECT_EQ(sheetCell(book, l.cell).value("horizontal").toString(), l.horizontal) << l.cell;
    EXPECT_EQ(sheetCell(book, ("A" + total).toLatin1()).value("horizontal").toString(), "left");
    EXPECT_EQ(sheetCell(book, ("A" + signature).toLatin1()).value("horizontal").toString(), "left");
    EXPECT_EQ(sheetCell(book, "A6").value("fill").toString().toUpper(), "DAD6D5");
    EXPECT_TRUE(sheetCell(book, "A5").value("fill").isNull());
    for (const char *cell : {"A1", "A3", "G3", "H5", "E7"})
        EXPECT_TRUE(sheetCell(book, cell).value("thin").toBool()) << cell;
}

TEST_F(ExportTest, LongResourceTextsGrowTheirRowsBeyondTheFixedHeight)
{
    Grid &material = grid(List::MaterialList);
    const int first = ResourceList::FirstDataRow;
    ASSERT_EQ(material.text(first, 8), QStringLiteral("丛生或独干，高度300cm，冠幅250cm，树形饱满"));
    material.setText(first + 1, 8, QStringLiteral("袋装"));
    material.setText(first + 1, 3, QStringLiteral("种植土"));
    const QJsonObject heights = exportedWorkbook(List::MaterialList).value("heights").toObject();
    // The remark column is 15 characters (110 pixels): 26 characters, 16 of them CJK, take three
    // lines at 11 points, each at least 1.2 em high in any font.
    EXPECT_GE(heights.value(QString::number(first + 1)).toDouble(), 3 * 11 * 1.2);
    EXPECT_EQ(heights.value(QString::number(first + 2)).toDouble(), 28.0);
}

TEST_F(ExportTest, EmptyMaterialListGivesHeaderSectionTotalAndSignature)
{
    lifecycle.newProject();
    context.billLists().buildMaterialList(context.estimate());
    const Grid &material = grid(List::MaterialList);
    ASSERT_EQ(material.rowCount(), 8);
    ASSERT_EQ(material.text(2, 1), QStringLiteral("项目地址:"));
    const QJsonObject book = exportedWorkbook(List::MaterialList);
    EXPECT_EQ(sheetCell(book, "A6").value("value").toString(), QStringLiteral("基础材料"));
    EXPECT_TRUE(sheetCell(book, "A7").value("value").toString().startsWith(QStringLiteral("材料费用")));
    EXPECT_TRUE(sheetCell(book, "A8").value("value").toString().startsWith(QStringLiteral("客户签字")));
    EXPECT_EQ(sheetCell(book, "A7").value("type").toString(), "s");
    EXPECT_EQ(sheetCell(book, "A3").value("value").toString(), QStringLiteral("项目地址:"));
    EXPECT_EQ(sheetCell(book, "A3").value("horizontal").toString(), "left");
    EXPECT_TRUE(mergesOf(book).contains("A3:C3"));
    EXPECT_TRUE(mergesOf(book).contains("A6:H6"));
    EXPECT_TRUE(mergesOf(book).contains("A7:H7"));
    EXPECT_TRUE(mergesOf(book).contains("A8:H8"));
}

TEST_F(ExportTest, MachineWorkbookWritesTheMachineGrid)
{
    const Grid &machine = grid(List::MachineList);
    ASSERT_GT(context.billLists().machineList().dataRowCount(), 0);
    const QJsonObject book = exportedWorkbook(List::MachineList);
    const int rows = machine.rowCount();
    expectCellsShowTheGrid(book, machine,
                           [rows](int r, int c) { return ResourceListWorkbook::isNumberCell(rows, r, c); });
    EXPECT_EQ(sheetCell(book, "A6").value("value").toString(), QStringLiteral("机械台班"));
    EXPECT_EQ(sheetCell(book, "A6").value("fill").toString().toUpper(), "DAD6D5");
    const QString total = "A" + QString::number(rows - 1);
    EXPECT_TRUE(sheetCell(book, total.toLatin1())
                    .value("value")
                    .toString()
                    .startsWith(QStringLiteral("机械台班费用")));
    EXPECT_TRUE(mergesOf(book).contains(total + ":H" + QString::number(rows - 1)));
}

TEST_F(ExportTest, PrecisionZeroShowsWholeNumbers)
{
    context.budgetTable().setPrecision(0);
    context.billLists().reformat(0);
    const QJsonObject book = exportedWorkbook(List::MaterialList);
    const Grid &material = grid(List::MaterialList);
    EXPECT_FALSE(material.text(6, 5).contains(u'.'));
    const QJsonObject quantity = sheetCell(book, "E7");
    EXPECT_EQ(quantity.value("format").toString(), "0");
    EXPECT_EQ(formatted(quantity.value("value").toDouble(), "0"), material.text(6, 5));
    EXPECT_EQ(formatted(sheetCell(book, "G7").value("value").toDouble(),
                        sheetCell(book, "G7").value("format").toString()),
              material.text(6, 7));
}

TEST_F(ExportTest, TextsTypedIntoNumberCellsStayTexts)
{
    Grid &material = grid(List::MaterialList);
    material.setText(6, 5, QStringLiteral("约12"));
    material.setText(7, 6, QStringLiteral("￥88.00"));
    const QJsonObject book = exportedWorkbook(List::MaterialList);
    EXPECT_EQ(sheetCell(book, "E7").value("type").toString(), "s");
    EXPECT_EQ(sheetCell(book, "E7").value("value").toString(), QStringLiteral("约12"));
    // Without its full-width sign the text is a number again.
    EXPECT_EQ(sheetCell(book, "F8").value("type").toString(), "n");
    EXPECT_EQ(sheetCell(book, "F8").value("value").toDouble(), 88.0);
}

TEST_F(ExportTest, BillWorkbookFollowsTheBillGrid)
{
    context.billLists().setLossTaxColumns(true, false);
    const Grid &bill = grid(List::BillOfQuantities);
    const QJsonObject book = exportedWorkbook(List::BillOfQuantities);
    EXPECT_EQ(book.value("sheets").toArray(), QJsonArray{"newSheet"});
    const int rows = bill.rowCount();
    expectCellsShowTheGrid(book, bill,
                           [rows](int r, int c) { return ListExport::isBillNumberCell(rows, r, c); });

    QStringList expectedMerges;
    for (const GridRange &r : bill.mergedRanges())
        expectedMerges << cellReference(r.top, r.left - 1) + u':' + cellReference(r.bottom, r.right - 1);
    expectedMerges.sort();
    EXPECT_EQ(mergesOf(book), expectedMerges);

    EXPECT_EQ(book.value("hiddenColumns").toArray(), QJsonArray{"H"}); // 税金 switched off
    const QJsonObject widths = book.value("widths").toObject();
    expectWidth(widths, "C", (bill.columnWidth(3) - 5) / 7.0);
    // 工程量 is 30 pixels wide in the grid, which shrinks its font; a sheet would show "###".
    EXPECT_GE(widths.value("F").toDouble(), bill.text(7, 6).size() + 1.0);
    expectWidth(widths, "Q", (bill.columnWidth(17) - 5) / 7.0);
    EXPECT_EQ(book.value("heights").toObject().value(QString::number(rows)).toDouble(),
              bill.rowHeight(rows - 1) * 0.75);
    // The caption rows keep their grey, the construct rows their alignment, every cell its border.
    EXPECT_EQ(sheetCell(book, "E6").value("fill").toString().toUpper(), "DAD6D5");
    EXPECT_EQ(sheetCell(book, "H5").value("fill").toString().toUpper(), "DAD6D5");
    for (int row = 0; row < rows; ++row) {
        for (int column = 1; column < bill.columnCount(); ++column) {
            const GridRange r = bill.mergedRangeAt(row, column);
            if (r.top != row || r.left != column)
                continue; // covered cells are drawn with their anchor
            ASSERT_TRUE(sheetCell(book, cellReference(row, column - 1)).value("thin").toBool())
                << cellReference(row, column - 1).toStdString();
        }
    }
    const QJsonObject quantity = sheetCell(book, "F8");
    EXPECT_EQ(quantity.value("type").toString(), "n");
    // Cells the grid wraps wrap in the sheet; the others shrink to fit instead of being cut.
    EXPECT_EQ(sheetCell(book, "D8").value("wrap").toBool(), bill.wrap(7, 4));
    EXPECT_NE(sheetCell(book, "D8").value("shrink").toBool(), bill.wrap(7, 4));
    EXPECT_EQ(sheetCell(book, "G8").value("format").toString(), "0.00%");
}

TEST_F(ExportTest, WrappedTextsGetRowsTallEnoughForTheirLinesInTheSheet)
{
    Grid &bill = grid(List::BillOfQuantities);
    const auto rowNamed = [&bill](const QString &name) {
        for (int row = 0; row < bill.rowCount(); ++row) {
            if (bill.text(row, 3) == name)
                return row;
        }
        return -1;
    };
    const int wrapped = rowNamed(QStringLiteral("栽植小乔木桂花冠幅250cm"));
    const int broken = rowNamed(QStringLiteral("场地平整"));
    const int untouched = rowNamed(QStringLiteral("草坪灯安装"));
    ASSERT_TRUE(wrapped >= 0 && broken >= 0 && untouched >= 0);
    ASSERT_TRUE(bill.wrap(wrapped, 3) && bill.wrap(broken, 3) && bill.wrap(untouched, 3));
    // A written line break in a wrapped cell of another row.
    bill.setText(broken, 3, QStringLiteral("场地\n平整\n夯实"));
    for (int column = 1; column < bill.columnCount(); ++column) {
        if (bill.wrap(untouched, column) && bill.mergedRangeAt(untouched, column).isSingleCell())
            bill.setText(untouched, column, QStringLiteral("套"));
    }
    const QJsonObject heights = exportedWorkbook(List::BillOfQuantities).value("heights").toObject();
    const auto sheetHeight = [&](int row) { return heights.value(QString::number(row + 1)).toDouble(); };
    // Nine CJK characters and "250cm" at 11 points are wider than the 100-pixel column: two
    // lines at least, each at least 1.2 em high in any font.
    EXPECT_GE(sheetHeight(wrapped), 2 * 11 * 1.2);
    EXPECT_GT(sheetHeight(wrapped), bill.rowHeight(wrapped) * 0.75);
    EXPECT_GE(sheetHeight(broken), 3 * 11 * 1.2);
    // A row whose texts all fit keeps the grid's height.
    EXPECT_EQ(sheetHeight(untouched), bill.rowHeight(untouched) * 0.75);
}

TEST_F(ExportTest, TwoExportsInARowReplaceTheFile)
{
    const QString path = out.filePath(QStringLiteral("twice.xlsx"));
    ASSERT_TRUE(ListExport::writeWorkbook(grid(List::MaterialList), List::MaterialList, path));
    ASSERT_TRUE(ListExport::writeWorkbook(grid(List::MachineList), List::MachineList, path));
    EXPECT_EQ(sheetCell(describeWorkbook(path), "A6").value("value").toString(), QStringLiteral("机械台班"));
    const QString page = out.filePath(QStringLiteral("twice.doc"));
    ASSERT_TRUE(ListExport::writePage(grid(List::MaterialList), page));
    ASSERT_TRUE(ListExport::writePage(grid(List::MachineList), page));
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(file.readAll()).contains(QStringLiteral("机械台班名称")));
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST_F(ExportTest, FailedWritesReportAndKeepTheOldFile)
{
    const QString old = out.filePath(QStringLiteral("old.doc"));
    QFile file(old);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("old");
    file.close();
    ASSERT_TRUE(QDir(out.path()).mkdir(QStringLiteral("folder.xlsx")));
    // A missing folder, a folder at the path, a file where the folder should be.
    const QString targets[] = {out.filePath(QStringLiteral("none/list.")),
                               out.filePath(QStringLiteral("folder.xlsx")), old + QStringLiteral("/list.")};
    for (const QString &target : targets) {
        QString error;
        const QString page = target.endsWith(u'.') ? target + QStringLiteral("doc") : target;
        EXPECT_FALSE(ListExport::writePage(grid(List::MaterialList), page, &error)) << page.toStdString();
        EXPECT_FALSE(error.isEmpty());
        const QString book = target.endsWith(u'.') ? target + QStringLiteral("xlsx") : target;
        error.clear();
        EXPECT_FALSE(ListExport::writeWorkbook(grid(List::MaterialList), List::MaterialList, book, &error))
            << book.toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("old"));
}

// The page's table laid out as a browser does: every row must fill exactly the
// visible columns once the row spans from above are counted.
struct PageTable {
    int columns = 0;
    QList<QStringList> rows; // cell texts, as written
    bool consistent = true;
};

PageTable layOut(const QString &html)
{
    PageTable table;
    table.columns = int(html.count(QStringLiteral("<col ")));
    static const QRegularExpression rowPattern(QStringLiteral("<tr[^>]*>(.*?)</tr>"));
    static const QRegularExpression cellPattern(QStringLiteral("<td([^>]*)>(.*?)</td>"),
                                                QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression span(QStringLiteral("(colspan|rowspan)=\"(\\d+)\""));
    std::vector<int> pending(std::size_t(table.columns), 0); // rows still covered from above
    for (const QRegularExpressionMatch &row : rowPattern.globalMatch(html)) {
        QStringList texts;
        int filled = 0;
        for (int &p : pending)
            filled += p > 0 ? 1 : 0;
        std::vector<int> next = pending;
        for (int &p : next)
            p = std::max(0, p - 1);
        int at = 0;
        for (const QRegularExpressionMatch &cell : cellPattern.globalMatch(row.captured(1))) {
            int colspan = 1, rowspan = 1;
            for (const QRegularExpressionMatch &s : span.globalMatch(cell.captured(1)))
                (s.captured(1) == "colspan" ? colspan : rowspan) = s.captured(2).toInt();
            while (at < table.columns && pending[std::size_t(at)] > 0)
                ++at;
            for (int k = 0; k < colspan && at < table.columns; ++k, ++at)
                next[std::size_t(at)] = rowspan - 1;
            filled += colspan;
            // Runs of blanks are written with no-break spaces.
            texts << cell.captured(2).replace(QChar(0xA0), u' ');
        }
        table.consistent = table.consistent && filled == table.columns;
        pending = next;
        table.rows << texts;
    }
    return table;
}

TEST_F(ExportTest, PageHoldsOneTableLikeTheGrid)
{
    context.billLists().setLossTaxColumns(false, true);
    const Grid &bill = grid(List::BillOfQuantities);
    const QString html = QString::fromUtf8(GridHtmlPage::page(bill));
    EXPECT_TRUE(html.contains(QStringLiteral("<meta charset=\"utf-8\">")));
    EXPECT_EQ(html.count(QStringLiteral("<table")), 1);
    const PageTable table = layOut(html);
    EXPECT_TRUE(table.consistent);
    EXPECT_EQ(table.columns, 16); // 17 columns less the switched-off 耗损
    // The title's second row lies wholly under the title: word processors would drop
    // an empty row and let the title swallow the next one, so it is left out.
    ASSERT_EQ(table.rows.size(), bill.rowCount() - 1);
    EXPECT_EQ(table.rows.at(0).value(0), GridHtmlPage::escaped(bill.text(0, 1)));
    EXPECT_FALSE(html.contains(QRegularExpression(QStringLiteral("<tr[^>]*></tr>"))));
    EXPECT_TRUE(html.contains(QStringLiteral("rowspan=\"2\""))); // a category over two items
    // Every shown text of the grid is in its row, in column order.
    qsizetype shownRow = 0;
    for (int row = 0; row < bill.rowCount(); ++row) {
        QStringList expected;
        bool starts = false;
        for (int column = 1; column < bill.columnCount(); ++column) {
            const GridRange r = bill.mergedRangeAt(row, column);
            starts = starts || r.top == row;
            if (r.top == row && r.left == column && bill.columnWidth(column) > 0)
                expected
                    << GridHtmlPage::escaped(bill.text(row, column)).replace(u'\n', QStringLiteral("<br>"));
        }
        if (starts) {
            EXPECT_EQ(table.rows.value(shownRow++), expected) << row;
        }
    }
    EXPECT_EQ(shownRow, table.rows.size());
    EXPECT_TRUE(html.contains(QStringLiteral("background-color:#dad6d5")));
    EXPECT_TRUE(html.contains(QStringLiteral("font-size:13pt")));
}

TEST_F(ExportTest, PageSpansItsPaperWithTheGridsProportions)
{
    Grid &bill = grid(List::BillOfQuantities);
    const auto columnShares = [](const QString &html) {
        QList<double> shares;
        static const QRegularExpression col(QStringLiteral("<col [^>]*style=\"width:([0-9.]+)%\""));
        for (auto it = col.globalMatch(html); it.hasNext();)
            shares << it.next().captured(1).toDouble();
        return shares;
    };
    const QString wide = QString::fromUtf8(GridHtmlPage::page(bill));
    EXPECT_TRUE(wide.contains(QStringLiteral("<table border=\"1\" cellspacing=\"0\" width=\"100%\"")));
    // Over a thousand pixels of columns do not fit a portrait A4 page: the page turns.
    EXPECT_TRUE(wide.contains(QStringLiteral("@page{size:297mm 210mm;")));
    const QList<double> shares = columnShares(wide);
    ASSERT_EQ(shares.size(), 17);
    EXPECT_NEAR(std::accumulate(shares.begin(), shares.end(), 0.0), 100.0, 0.1);
    // 施工项目 (100 pixels) against 单位 (30 pixels), as in the grid.
    EXPECT_NEAR(shares.at(2) / shares.at(4), double(bill.columnWidth(3)) / bill.columnWidth(5), 0.02);

    for (int column = 1; column < bill.columnCount(); ++column) {
        if (bill.columnWidth(column) > 0)
            bill.setColumnWidth(column, 20);
    }
    const QString narrow = QString::fromUtf8(GridHtmlPage::page(bill));
    EXPECT_TRUE(narrow.contains(QStringLiteral("@page{size:210mm 297mm;")));
    for (const double share : columnShares(narrow))
        EXPECT_NEAR(share, 100.0 / 17, 0.01);
}

TEST_F(ExportTest, HostileTextsAreEscapedInThePage)
{
    Grid &material = grid(List::MaterialList);
    const QString hostile = QStringLiteral("<script>alert('x')</script> & \"引号\"");
    material.setText(6, 3, hostile);
    material.setText(2, 1, QStringLiteral("项目地址:</td></tr></table><b>"));
    const QString html = QString::fromUtf8(GridHtmlPage::page(material));
    EXPECT_FALSE(html.contains(QStringLiteral("<script>")));
    EXPECT_FALSE(html.contains(QStringLiteral("<b>")));
    EXPECT_TRUE(html.contains(
        QStringLiteral("&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt; &amp; &quot;引号&quot;")));
    const PageTable table = layOut(html);
    EXPECT_TRUE(table.consistent);
    EXPECT_EQ(table.rows.size(), material.rowCount() - 1);
    EXPECT_EQ(html.count(QStringLiteral("</table>")), 1);
}

TEST(ExportSaveChoice, ProposesTheLastExportsFolderWhileItExists)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString documents = root.filePath(QStringLiteral("文档"));
    const QString projects = root.filePath(QStringLiteral("项目"));
    const QString exported = root.filePath(QStringLiteral("导出 清单"));
    for (const QString &folder : {documents, projects, exported})
        ASSERT_TRUE(QDir().mkpath(folder));
    const QString project = projects + QStringLiteral("/garden.gzj");
    const QString removed = root.filePath(QStringLiteral("gone/old.xlsx"));
    using Format = ListExport::Format;
    struct Case {
        const char *name;
        Format format;
        QString projectPath;
        QString lastExport;
        QString proposed;
    };
    const Case cases[] = {
        {"first workbook", Format::Workbook, project, {}, documents + QStringLiteral("/新建.xlsx")},
        {"workbook after a document", Format::Workbook, project, exported + QStringLiteral("/a.doc"),
         exported + QStringLiteral("/新建.xlsx")},
        {"first document goes next to the project",
         Format::Document,
         project,
         {},
         projects + QStringLiteral("/garden.doc")},
        {"document keeps the project's name", Format::Document, project, exported + QStringLiteral("/b.xlsx"),
         exported + QStringLiteral("/garden.doc")},
        {"unsaved project",
         Format::Document,
         {},
         exported + QStringLiteral("/b.xlsx"),
         exported + QStringLiteral("/新建.doc")},
        {"removed folder", Format::Page, {}, removed, documents + QStringLiteral("/新建.html")},
    };
    for (const Case &c : cases) {
        const ListExport::SaveChoice choice =
            ListExport::saveChoice(c.format, documents, c.projectPath, c.lastExport);
        EXPECT_EQ(QDir::cleanPath(choice.proposedPath), QDir::cleanPath(c.proposed)) << c.name;
    }
}

} // namespace
