#include "contracts/grid.h"
#include "contracts/gridtextmeasure.h"
#include "reports/resourceaggregator.h"
#include "reports/resourcelist.h"

#include <benchmark/benchmark.h>

namespace {

class FixedMeasure : public GridTextMeasure
{
public:
    int textHeight(const QString &, const GridFont &, int, bool) const override { return 20; }
};

// A room followed by `items` items, each with three material lines and one machine
// line drawn from about 500 distinct materials.
QList<EstimateRow> estimateRows(int items)
{
    QList<EstimateRow> rows;
    EstimateRow room;
    room.kind = QStringLiteral("room");
    rows.append(room);
    for (int i = 0; i < items; ++i) {
        EstimateRow row;
        row.kind = QStringLiteral("construct");
        BrandData &brand = row.item.brand;
        brand.num = 1.0f + float(i % 7);
        brand.loss = 0.05f;
        brand.tax = 0.03f;
        for (int m = 0; m < 3; ++m) {
            MtLine line;
            const int material = (i * 3 + m * 101) % 500;
            line.name = QStringLiteral("材料%1").arg(material);
            line.unit = QStringLiteral("m2");
            line.code = QStringLiteral("C%1").arg(i);
            line.price = 10.0f + float(material % 50);
            line.num = 0.5f;
            brand.materials.append(line);
        }
        MtLine machine;
        machine.name = QStringLiteral("机械%1").arg(i % 40);
        machine.unit = QStringLiteral("台班");
        machine.price = 300.0f;
        machine.num = 0.1f;
        brand.machines.append(machine);
        rows.append(row);
    }
    return rows;
}

void BM_BuildMaterialList(benchmark::State &state)
{
    const QList<EstimateRow> rows = estimateRows(int(state.range(0)));
    FixedMeasure measure;
    Grid grid;
    ResourceList list(ResourceListKind::Material, grid, measure);
    list.setUp(2);
    for (auto _ : state) {
        list.build(rows, 2);
        benchmark::DoNotOptimize(list.total());
    }
    state.counters["lines"] = double(list.dataRowCount());
}
BENCHMARK(BM_BuildMaterialList)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_AggregateMaterials(benchmark::State &state)
{
    const QList<EstimateRow> rows = estimateRows(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ResourceAggregator::aggregate(rows, ResourceListKind::Material));
}
BENCHMARK(BM_AggregateMaterials)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
