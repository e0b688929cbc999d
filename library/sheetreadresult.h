#pragma once

#include "sheetrow.h"

#include <QList>
#include <QString>

// The rows of a spreadsheet's first sheet, or why the file could not be read.
struct SheetReadResult {
    QList<SheetRow> rows;
    QString error; // empty when the file was read

    bool ok() const { return error.isEmpty(); }
    static SheetReadResult failure(const QString &why) { return {{}, why}; }
};
