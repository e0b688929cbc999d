// Feeds arbitrary bytes to the project file reader, then writes what it read
// and reads that again: neither direction may crash or hang on any input.
#include "app/projectfilereader.h"
#include "app/projectfilewriter.h"

#include <cstddef>
#include <cstdint>

namespace {

QList<EstimateRow> rowsOf(const ProjectDocument &doc)
{
    QList<EstimateRow> rows;
    for (const ProjectRoom &r : doc.rooms) {
        EstimateRow room;
        room.kind = QStringLiteral("room");
        room.room = r.room;
        rows.append(room);
        for (const ConstructItem &item : r.items) {
            EstimateRow row;
            row.kind = QStringLiteral("construct");
            row.item = item;
            rows.append(row);
        }
    }
    return rows;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const ProjectLoadResult read =
        ReadProjectBytes(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    const ProjectDocument &doc = read.document;
    RateSettings rates;
    if (doc.rates)
        doc.rates->applyTo(rates);
    const QByteArray written = ComposeProjectFile(doc.info, rates, PageSettings(), rowsOf(doc));
    // What was read holds only numbers a float holds, so nothing non-finite is written.
    if (written.contains("inf") || written.contains("nan"))
        __builtin_trap();
    ReadProjectBytes(written);
    return 0;
}
