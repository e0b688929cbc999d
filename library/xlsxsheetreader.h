#pragma once

#include "sheetreadresult.h"

#include <QByteArray>
#include <QString>

// Reads the first sheet of an .xlsx workbook (a zip of XML parts): shared and
// inline strings, numbers, sparse cell references. Every part is read with a
// size cap, so a corrupt or hostile file ends in an error, never a crash.
class XlsxSheetReader
{
public:
    static SheetReadResult read(const QString &path);
    static SheetReadResult readBytes(const QByteArray &bytes);
    // The rows of one sheet part given the shared-string part (empty when none),
    // as readBytes reads them out of the archive.
    static SheetReadResult readSheetXml(const QByteArray &sheet, const QByteArray &sharedStringsXml);
};
