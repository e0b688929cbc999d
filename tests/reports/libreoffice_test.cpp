// The exports opened by a real office program: LibreOffice reads the workbooks
// (saved again as CSV, cells as shown) and the documents (saved again as text).
#include "exportfixture.h"

#include <QProcess>
#include <QTextStream>

#include <memory>

namespace {

using List = BillLists::List;

struct Exported {
    int list;
    QString name;
};

const Exported Workbooks[] = {{List::MaterialList, QStringLiteral("material.xlsx")},
                              {List::MachineList, QStringLiteral("machine.xlsx")},
                              {List::BillOfQuantities, QStringLiteral("bill.xlsx")}};
const Exported Documents[] = {{List::MaterialList, QStringLiteral("material.doc")},
                              {List::BillOfQuantities, QStringLiteral("bill.doc")},
                              {List::MachineList, QStringLiteral("machine.html")}};

// The exports and their conversions are made once for the suite: each start of
// LibreOffice costs seconds.
class LibreOfficeTest : public ExportTest
{
protected:
    static inline std::unique_ptr<QTemporaryDir> converted;
    static inline bool convertedOk = false;

    void SetUp() override
    {
        ExportTest::SetUp();
        // Hostile and odd texts must come through too.
        grid(List::MaterialList).setText(6, 3, QStringLiteral("<b>花岗岩 & \"石\"</b>"));
        grid(List::MaterialList).setText(6, 8, QStringLiteral("第一行\n第二行"));
        if (!converted) {
            converted = std::make_unique<QTemporaryDir>();
            convertedOk = exportAndConvert();
        }
        ASSERT_TRUE(convertedOk);
    }

    static void TearDownTestSuite() { converted.reset(); }

    bool exportAndConvert()
    {
        QStringList books, documents;
        for (const Exported &e : Workbooks) {
            if (!ListExport::writeWorkbook(grid(e.list), e.list, converted->filePath(e.name)))
                return false;
            books << converted->filePath(e.name);
        }
        for (const Exported &e : Documents) {
            if (!ListExport::writePage(grid(e.list), converted->filePath(e.name)))
                return false;
            documents << converted->filePath(e.name);
        }
        const QString out = converted->filePath(QStringLiteral("out"));
        return convertWithLibreOffice(
                   books, QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,true"),
                   out) &&
               convertWithLibreOffice(documents, QStringLiteral("txt:Text (encoded):UTF8"), out) &&
               convertWithLibreOffice(documents, QStringLiteral("pdf"), out);
    }

public:
    const Grid &gridOf(int list) { return grid(list); }

    QString convertedPath(const QString &name, const char *extension) const
    {
        return converted->filePath(QStringLiteral("out/") + QFileInfo(name).completeBaseName() +
                                   QLatin1String(extension));
    }
};

void expectWorkbooksShowTheGrids(LibreOfficeTest &t)
{
    for (const Exported &e : Workbooks) {
        const Grid &g = t.gridOf(e.list);
        const QList<QStringList> rows = readCsv(t.convertedPath(e.name, ".csv"));
        ASSERT_EQ(rows.size(), g.rowCount()) << e.name.toStdString();
        for (int row = 0; row < g.rowCount(); ++row) {
            for (int column = 1; column < g.columnCount(); ++column) {
                EXPECT_EQ(rows.at(row).value(column - 1), shownInSheet(g, row, column))
                    << e.name.toStdString() << " row " << row << " column " << column;
            }
        }
    }
}

void expectDocumentsHoldTheGridsTexts(LibreOfficeTest &t)
{
    for (const Exported &e : Documents) {
        QFile file(t.convertedPath(e.name, ".txt"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << e.name.toStdString();
        QString text = QString::fromUtf8(file.readAll());
        if (text.startsWith(QChar(0xFEFF)))
            text.remove(0, 1);
        text.replace(QChar(0xA0), u' ');
        const Grid &g = t.gridOf(e.list);
        qsizetype at = 0;
        for (int row = 0; row < g.rowCount(); ++row) {
            for (int column = 1; column < g.columnCount(); ++column) {
                const GridRange r = g.mergedRangeAt(row, column);
                if (r.top != row || r.left != column || g.columnWidth(column) == 0 ||
                    g.text(row, column).isEmpty())
                    continue;
                for (const QString &line : g.text(row, column).split(u'\n')) {
                    const qsizetype found = text.indexOf(line.trimmed(), at);
                    ASSERT_GE(found, 0)
                        << e.name.toStdString() << ": " << line.toStdString() << " (row " << row << ")";
                    at = found + line.trimmed().size();
                }
            }
        }
    }
}

// The text of a PDF as pdftotext reads it; text outside the page is not read.
QString pdfText(const QString &path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext could not read " << path.toStdString();
        return {};
    }
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

QString withoutBlanks(QString text)
{
    text.removeIf([](QChar c) { return c.isSpace(); });
    return text;
}

// A word processor lays the documents out on A4 pages: the rightmost column (合计 of
// every data row) must be on the page, not run off its right edge.
void expectDocumentsFitTheirPages(LibreOfficeTest &t)
{
    for (const Exported &e : Documents) {
        const QString text = withoutBlanks(pdfText(t.convertedPath(e.name, ".pdf")));
        ASSERT_FALSE(text.isEmpty()) << e.name.toStdString();
        const Grid &g = t.gridOf(e.list);
        const int amountColumn = e.list == List::BillOfQuantities ? g.columnCount() - 1 : 7;
        int checked = 0;
        for (int row = 0; row < g.rowCount(); ++row) {
            const QString amount = withoutBlanks(g.text(row, amountColumn));
            if (!amount.contains(u'.') || !g.mergedRangeAt(row, amountColumn).isSingleCell())
                continue;
            EXPECT_TRUE(text.contains(amount))
                << e.name.toStdString() << " row " << row << ": " << amount.toStdString();
            ++checked;
        }
        EXPECT_GT(checked, 3) << e.name.toStdString();
    }
}

// One test, so that ctest, which starts each test in a process of its own, runs LibreOffice twice only.
TEST_F(LibreOfficeTest, WorkbooksAndDocumentsShowTheGridsTexts)
{
    expectWorkbooksShowTheGrids(*this);
    expectDocumentsHoldTheGridsTexts(*this);
    expectDocumentsFitTheirPages(*this);
}

} // namespace
