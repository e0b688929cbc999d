#include "listpdfwriter.h"

#include "gridpaginator.h"

#include "reports/listprintrun.h"

#include "contracts/grid.h"

#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace {

constexpr int PdfResolution = 600;

} // namespace

int ListPdfWriter::paintBothJobs(Grid &grid, int list, const QString &projectName,
                                 const PrintPageSetup &setup, QPainter &painter, QPagedPaintDevice &device)
{
    ListPrintRun run(grid, list, projectName);
    run.showCover();
    const GridPaginator cover(grid, setup);
    cover.paint(painter, device);
    run.showListPages();
    const GridPaginator pages(grid, setup);
    pages.paint(painter, device, true);
    return cover.pageCount() + pages.pageCount();
}

bool ListPdfWriter::write(Grid &grid, int list, const QString &projectName, const PrintPageSetup &setup,
                          const QString &path, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    QPdfWriter writer(&file);
    writer.setResolution(PdfResolution);
    writer.setPageLayout(GridPaginator::pageLayout(setup));
    writer.setCreator(QStringLiteral("Plotwright"));
    writer.setTitle(grid.text(0, 1));
    QPainter painter;
    if (!painter.begin(&writer)) {
        if (error)
            *error = QStringLiteral("PDF 文件无法开始写入");
        file.cancelWriting();
        return false;
    }
    paintBothJobs(grid, list, projectName, setup, painter, writer);
    painter.end();
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
