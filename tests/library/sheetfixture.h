#pragma once

#include "library/quotasheetlayout.h"
#include "library/sheetrow.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

#include <algorithm>
#include <utility>
#include <vector>

// Spreadsheet rows for importer tests, written as header text -> cell text.
namespace SheetFixture {

using Cells = std::vector<std::pair<const char *, const char *>>;

inline QStringList fullHeader()
{
    QStringList header;
    for (int k = 0; k < QuotaSheetLayout::ColumnCount; ++k)
        header.append(QuotaSheetLayout::header(QuotaSheetLayout::Column(k)));
    return header;
}

// Row 1 is the header; data rows follow from row 2. Cells land in the column
// of their header; texts that read as numbers are stored as numbers.
inline QList<SheetRow> rows(const std::vector<Cells> &data, const QStringList &header = fullHeader())
{
    QList<SheetRow> out;
    SheetRow head{1, {}};
    for (int c = 0; c < header.size(); ++c)
        head.cells.append({c, false, header.at(c)});
    out.append(head);
    for (size_t r = 0; r < data.size(); ++r) {
        SheetRow row{int(r) + 2, {}};
        for (const auto &[name, value] : data[r]) {
            bool isNumber = false;
            QString::fromUtf8(value).toDouble(&isNumber);
            row.cells.append(
                {int(header.indexOf(QString::fromUtf8(name))), isNumber, QString::fromUtf8(value)});
        }
        std::sort(row.cells.begin(), row.cells.end(),
                  [](const SheetCell &a, const SheetCell &b) { return a.column < b.column; });
        out.append(row);
    }
    return out;
}

inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace SheetFixture
