#pragma once

#include "gridfont.h"
#include "gridrange.h"

#include <QString>

// What the exports need of a spreadsheet engine: one worksheet, formatted by
// ranges and written cell by cell, then saved at a path. Rows and columns count
// from 0 (cell A1 is 0,0); colours are 24-bit with red in the low byte, as in
// the grid. A later merge dissolves the earlier merges it overlaps.
class WorkbookWriter
{
public:
    enum class Horizontal { General, Left, Centre, Right };
    enum class Vertical { Bottom, Middle, Top };

    virtual ~WorkbookWriter() = default;

    virtual void setSheetName(const QString &name) = 0;
    virtual void merge(const GridRange &range) = 0;
    virtual void setHorizontalAlignment(const GridRange &range, Horizontal alignment) = 0;
    virtual void setVerticalAlignment(const GridRange &range, Vertical alignment) = 0;
    virtual void setWrap(const GridRange &range, bool on) = 0;
    // Text too wide for its cell is drawn smaller instead of cut off (or shown as "###").
    virtual void setShrinkToFit(const GridRange &range, bool on) = 0;
    virtual void setFill(const GridRange &range, quint32 colour) = 0;
    // A thin line on every edge of every cell of the range, no diagonals.
    virtual void setThinBorders(const GridRange &range) = 0;
    // An empty name or size 0 keeps the sheet's default.
    virtual void setFont(const GridRange &range, const GridFont &font) = 0;
    // In characters of the default font; 0 hides the column.
    virtual void setColumnWidth(int column, double width) = 0;
    // In points; 0 hides the row.
    virtual void setRowHeight(int row, double height) = 0;

    virtual void writeText(int row, int column, const QString &text) = 0;
    // `format` is a number format code ("0.00", "\"¥\"0.00", "0.00%").
    virtual void writeNumber(int row, int column, double value, const QString &format) = 0;

    // False, with errorString() telling why, when the file could not be written;
    // a file already at the path is then left as it was.
    virtual bool save(const QString &path) = 0;
    virtual QString errorString() const = 0;
};
