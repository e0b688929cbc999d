#pragma once

#include <QString>

class Grid;

// The list on show written as a file of its own: a workbook (.xlsx), or an HTML
// page, which is also what the word-processor document (.doc) holds. `list` is
// a BillLists::List. Files are replaced in one step; on failure the answer is
// false, `error` says why and a file already at the path stays as it was.
namespace ListExport {

enum class Format { Workbook, Document, Page };

// What the save dialog of an export offers: its filter, the suffix a bare name
// gets, and the proposed file (in the documents folder, or next to the project).
// After an export the proposed name goes into that export's folder while it exists.
struct SaveChoice {
    QString filter;
    QString suffix;
    QString proposedPath;
};
SaveChoice saveChoice(Format format, const QString &documentsFolder, const QString &projectPath,
                      const QString &lastExportPath = {});

bool write(Format format, const Grid &grid, int list, const QString &path, QString *error = nullptr);

bool writeWorkbook(const Grid &grid, int list, const QString &path, QString *error = nullptr);
bool writePage(const Grid &grid, const QString &path, QString *error = nullptr);

// Grid cells of the bill of quantities that go out as numbers: 工程量 to 合计 of its data rows.
bool isBillNumberCell(int rows, int row, int column);

} // namespace ListExport
