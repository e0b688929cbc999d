#pragma once

#include <QByteArray>

#include <optional>

// freexl sizes the cell array of every sheet from what the file declares
// (its DIMENSION record and the cell positions), before it reads a cell: a few
// kilobytes can ask for gigabytes. This walks the compound file and the
// workbook's records on its own, bounded by the file's size, and tells how
// many cells all sheets together would be given.
class XlsDeclaredCells
{
public:
    // The cells of all sheets, or nothing when the compound file or its
    // workbook stream cannot be followed.
    static std::optional<qint64> count(const QByteArray &file);

private:
    static std::optional<QByteArray> workbookStream(const QByteArray &file);
    static qint64 cellsOfRecords(const QByteArray &stream);
};
