#include "listprintpreview.h"

#include "reports/listprintrun.h"
#include "reports/print/gridpaginator.h"
#include "reports/printoptions.h"

#include "contracts/grid.h"

#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

void ListPrintPreview::run(Grid &grid, int list, const QString &projectName, const PrintPageSetup &setup,
                           QWidget *parent)
{
    ListPrintRun printRun(grid, list, projectName);
    printRun.showCover();
    preview(grid, setup, QStringLiteral("打印预览 - 封面页"), parent);
    printRun.showListPages();
    preview(grid, setup, QStringLiteral("打印预览 - 清单"), parent);
}

void ListPrintPreview::preview(const Grid &grid, const PrintPageSetup &setup, const QString &title,
                               QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(GridPaginator::pageLayout(setup));
    printer.setCopyCount(grid.pageSettings().options.value(PrintOption::Copies, 1).toInt());
    printer.setDocName(grid.text(0, 1));
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("PrintPreview"));
    dialog.setWindowTitle(title);
    dialog.setGeometry(0, 0, PreviewWidth, PreviewHeight);
    // Laid out for the page the printer has now: the user may change paper, margins or
    // orientation inside the preview, which then asks for the pages again.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&grid](QPrinter *target) {
        QPainter painter(target);
        GridPaginator(grid, target->pageLayout().paintRect(QPageLayout::Millimeter).size())
            .paint(painter, *target);
    });
    if (auto *view = dialog.findChild<QPrintPreviewWidget *>())
        view->setZoomFactor(1.0);
    dialog.exec();
}
