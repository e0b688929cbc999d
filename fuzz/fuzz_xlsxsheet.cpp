// Sheet XML from arbitrary bytes, without the zip layer in the way: the bytes
// up to the first NUL are the sheet part, the rest the shared strings.
#include "library/quotasheetimporter.h"
#include "library/xlsxsheetreader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype split = bytes.indexOf('\0');
    const QByteArray sheet = split < 0 ? bytes : bytes.left(split);
    const QByteArray strings = split < 0 ? QByteArray() : bytes.mid(split + 1);
    const SheetReadResult read = XlsxSheetReader::readSheetXml(sheet, strings);
    if (read.ok())
        QuotaSheetImporter::readRows(read.rows);
    return 0;
}
