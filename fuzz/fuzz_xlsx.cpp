// Workbooks (.xlsx) from arbitrary bytes: the zip layer, the part lookup, the
// XML of every part and the import of what was read must finish without a
// fault on any input.
#include "library/quotasheetimporter.h"
#include "library/templatewriter.h"
#include "library/xlsxsheetreader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const SheetReadResult sheet =
        XlsxSheetReader::readBytes(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (sheet.ok()) {
        const QuotaSheetImport imported = QuotaSheetImporter::readRows(sheet.rows);
        TemplateWriter::text(imported.items, QString());
    }
    return 0;
}
