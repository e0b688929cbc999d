#pragma once

#include "reports/printpagesetup.h"

#include <QString>

class Grid;
class QPrintPreviewDialog;
class QWidget;

// Printing a list as its two jobs: the cover page in one modal print preview,
// then the list pages in a second one. From each the user prints or saves a PDF.
// The grid is in its printing form only while the previews are open.
class ListPrintPreview
{
public:
    static constexpr int PreviewWidth = 1213;
    static constexpr int PreviewHeight = 943;

    // `list` is a BillLists::List.
    static void run(Grid &grid, int list, const QString &projectName, const PrintPageSetup &setup,
                    QWidget *parent);

private:
    static void preview(const Grid &grid, const PrintPageSetup &setup, const QString &title, QWidget *parent);
};
