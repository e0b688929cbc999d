// Feeds arbitrary bytes to the project file reader, then writes what it read
// and reads that again: neither direction may crash or hang on any input, and
// both read and write the bytes exactly as the decoded text would be.
#include "app/projectfileencoding.h"
#include "app/projectfilereader.h"
#include "app/projectfilewriter.h"
#include "estimate/estimate.h"
#include "reports/resourceaggregator.h"

#include <cmath>

#include <cstddef>
#include <cstdint>

namespace {

bool finite(const RowCosts &c)
{
    return std::isfinite(c.materialSubtotal) && std::isfinite(c.machineSubtotal) &&
           std::isfinite(c.laborSubtotal) && std::isfinite(c.managementSubtotal) && std::isfinite(c.total);
}

// The project as opening puts it into the estimate: every priced row, sum and
// resource list amount must be finite, so that nothing shows inf or nan.
void checkPricedProject(const ProjectDocument &doc, const RateSettings &rates)
{
    Estimate estimate;
    DocumentState state;
    state.pendingOperation = PendingOperation::OpenProject;
    for (const ProjectRoom &r : doc.rooms)
        estimate.appendRoomWithItems(r.room, r.items, rates, state);
    for (const EstimateRow &row : estimate.rows()) {
        if (!finite(row.costs))
            __builtin_trap();
    }
    const ProjectTotals &t = estimate.totals();
    if (!std::isfinite(t.projectTotal - t.projectLabor - t.projectMachine - t.projectManagement))
        __builtin_trap();
    for (ResourceListKind kind : {ResourceListKind::Material, ResourceListKind::Machine}) {
        float total = 0.0f;
        for (ListLine line : ResourceAggregator::aggregate(estimate.rows(), kind)) {
            line.updateShown(kind);
            total += line.amount;
            if (!std::isfinite(line.shownQuantity) || !std::isfinite(line.shownPrice) ||
                !std::isfinite(total))
                __builtin_trap();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const ProjectLoadResult read = ReadProjectBytes(bytes);
    // The bytes read exactly as their decoded text reads.
    const ProjectLoadResult fromText = ReadProjectText(ProjectFileEncoding::decode(bytes));
    if (read.status != fromText.status || read.errorText != fromText.errorText ||
        read.noticeText != fromText.noticeText || !(read.document == fromText.document))
        __builtin_trap();
    const ProjectDocument &doc = read.document;
    RateSettings rates;
    if (doc.rates)
        doc.rates->applyTo(rates);
    checkPricedProject(doc, rates);
    const QList<EstimateRow> rows = doc.rows();
    const QByteArray written = ComposeProjectFile(doc.info, rates, PageSettings(), rows);
    // The bytes written are exactly the encoded document text.
    if (written != ProjectFileEncoding::encode(ComposeProjectText(doc.info, rates, PageSettings(), rows)))
        __builtin_trap();
    // What was read holds only numbers a float holds, so nothing non-finite is written.
    if (written.contains("inf") || written.contains("nan"))
        __builtin_trap();
    ReadProjectBytes(written);
    return 0;
}
