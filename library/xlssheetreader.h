#pragma once

#include "sheetreadresult.h"

#include <QString>

// Reads the first sheet of a legacy .xls workbook (BIFF8) through freexl.
class XlsSheetReader
{
public:
    static SheetReadResult read(const QString &path);
};
