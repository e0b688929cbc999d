#include "listexport.h"

#include "billgridsetup.h"
#include "billlists.h"
#include "gridhtmlpage.h"
#include "resourcelistworkbook.h"

#include "contracts/grid.h"
#include "contracts/gridworkbook.h"
#include "contracts/xlsxworkbookwriter.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace ListExport {

namespace {

constexpr int BillFirstNumberColumn = 6;

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

SaveChoice firstChoice(Format format, const QString &documentsFolder, const QString &projectPath)
{
    const QString newName = documentsFolder + QStringLiteral("/新建.");
    switch (format) {
    case Format::Workbook:
        return {QStringLiteral("园林项目(*.xlsx)"), QStringLiteral("xlsx"), newName + QStringLiteral("xlsx")};
    case Format::Document:
    case Format::Page:
        break;
    }
    const QString suffix = format == Format::Document ? QStringLiteral("doc") : QStringLiteral("html");
    const QString filter =
        format == Format::Document ? QStringLiteral("园林项目(*.doc)") : QStringLiteral("网页(*.html *.htm)");
    // A document goes next to its project, under the project's name.
    const QFileInfo project(projectPath);
    const QString proposed = projectPath.isEmpty()
                                 ? newName + suffix
                                 : project.dir().filePath(project.completeBaseName() + u'.' + suffix);
    return {filter, suffix, proposed};
}

} // namespace

SaveChoice saveChoice(Format format, const QString &documentsFolder, const QString &projectPath,
                      const QString &lastExportPath)
{
    SaveChoice choice = firstChoice(format, documentsFolder, projectPath);
    if (lastExportPath.isEmpty())
        return choice;
    // A folder removed since, or on a drive no longer there, would open the dialog nowhere.
    const QDir lastFolder = QFileInfo(lastExportPath).absoluteDir();
    if (lastFolder.exists())
        choice.proposedPath = lastFolder.filePath(QFileInfo(choice.proposedPath).fileName());
    return choice;
}

bool write(Format format, const Grid &grid, int list, const QString &path, QString *error)
{
    return format == Format::Workbook ? writeWorkbook(grid, list, path, error) : writePage(grid, path, error);
}

bool isBillNumberCell(int rows, int row, int column)
{
    return row >= BillGridSetup::HeaderRows && row < rows - 2 && column >= BillFirstNumberColumn;
}

bool writeWorkbook(const Grid &grid, int list, const QString &path, QString *error)
{
    XlsxWorkbookWriter writer;
    if (list == BillLists::BillOfQuantities) {
        const int rows = grid.rowCount();
        GridWorkbook::write(grid, writer,
                            [rows](int row, int column) { return isBillNumberCell(rows, row, column); });
    } else {
        const ResourceListKind kind =
            list == BillLists::MachineList ? ResourceListKind::Machine : ResourceListKind::Material;
        ResourceListWorkbook::write(grid, kind, writer);
    }
    return writer.save(path) || fail(error, writer.errorString());
}

bool writePage(const Grid &grid, const QString &path, QString *error)
{
    if (QFileInfo(path).isDir())
        return fail(error, QStringLiteral("%1 is a folder").arg(path));
    const QByteArray page = GridHtmlPage::page(grid);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(page) != page.size() || !file.commit())
        return fail(error, file.errorString());
    return true;
}

} // namespace ListExport
