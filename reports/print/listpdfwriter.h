#pragma once

#include "reports/printpagesetup.h"

#include <QString>

class Grid;
class QPagedPaintDevice;
class QPainter;

// A list's cover page and its list pages in one PDF file: the print run in one
// step, the grid put back afterwards whatever happens.
class ListPdfWriter
{
public:
    // `list` is a BillLists::List. False, with the reason in `error`, when the file
    // cannot be written; a file already at `path` then stays as it was.
    static bool write(Grid &grid, int list, const QString &projectName, const PrintPageSetup &setup,
                      const QString &path, QString *error);
    // Both jobs onto a device that is being painted; answers the pages painted.
    static int paintBothJobs(Grid &grid, int list, const QString &projectName, const PrintPageSetup &setup,
                             QPainter &painter, QPagedPaintDevice &device);
};
