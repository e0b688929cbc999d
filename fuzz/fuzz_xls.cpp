// Legacy workbooks (.xls) from arbitrary bytes: the declared-size check, freexl
// behind it and the import of what was read must finish without a fault and
// within bounded memory on any input. freexl reads only from a path.
#include "library/quotasheetimporter.h"
#include "library/xlssheetreader.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QTemporaryDir scratch;
    const QString path = scratch.filePath(QStringLiteral("input.xls"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();
    const SheetReadResult sheet = XlsSheetReader::read(path);
    if (sheet.ok())
        QuotaSheetImporter::readRows(sheet.rows);
    return 0;
}
