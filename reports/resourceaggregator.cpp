#include "resourceaggregator.h"

#include <QHash>
#include <bit>

namespace ResourceAggregator {

namespace {

// Prices match by their bits so that the index agrees with an exact float
// comparison; 0 and -0 compare equal and must share a key.
struct LineKey {
    QString name;
    QString unit;
    quint32 priceBits = 0;

    bool operator==(const LineKey &) const = default;
};

size_t qHash(const LineKey &key, size_t seed = 0)
{
    return qHashMulti(seed, key.name, key.unit, key.priceBits);
}

LineKey keyOf(const MtLine &line)
{
    const float price = line.price == 0.0f ? 0.0f : line.price;
    return {line.name, line.unit, std::bit_cast<quint32>(price)};
}

ListLine firstOccurrence(const MtLine &line, const BrandData &brand, ResourceListKind kind)
{
    ListLine result;
    result.line = line;
    result.line.num = line.num * brand.num;
    result.lossRate = brand.loss;
    result.taxRate = brand.tax;
    result.profitRate = kind == ResourceListKind::Material ? brand.materialprofit : brand.machineprofit;
    return result;
}

} // namespace

QList<ListLine> aggregate(const QList<EstimateRow> &rows, ResourceListKind kind)
{
    QList<ListLine> lines;
    QHash<LineKey, qsizetype> index;
    for (qsizetype r = 1; r < rows.size(); ++r) {
        const EstimateRow &row = rows[r];
        const BrandData &brand = row.item.brand;
        if (!row.isConstruct() || !(brand.num > 0.0f))
            continue;
        const QList<MtLine> &source = kind == ResourceListKind::Material ? brand.materials : brand.machines;
        for (const MtLine &line : source) {
            // NaN prices never equal anything, so they always open a line of their own.
            const bool comparable = line.price == line.price;
            const auto found = comparable ? index.constFind(keyOf(line)) : index.constEnd();
            if (found != index.constEnd()) {
                lines[*found].line.num += line.num * brand.num;
                continue;
            }
            if (comparable)
                index.insert(keyOf(line), lines.size());
            lines.append(firstOccurrence(line, brand, kind));
        }
    }
    return lines;
}

} // namespace ResourceAggregator
