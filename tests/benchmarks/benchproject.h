#pragma once

// A generated project as the writer lays it out: rooms of items, each with
// 3 material and 1 machine line, five category groups a room.
#include "app/projectfilewriter.h"

#include <QByteArray>
#include <QFileInfo>
#include <QProcess>

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <unistd.h>

namespace BenchProject {

// The folder of the running benchmark, where plotwright-cli is built too.
inline QString programFolder()
{
    char self[4096];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    return QFileInfo(QString::fromLocal8Bit(self, n > 0 ? int(n) : 0)).absolutePath();
}

inline double childCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Runs a program of the build folder once per iteration, as a user runs it. On a
// shared machine its CPU time (the counter child_cpu_s, user plus system) says
// more than the real time.
inline void runProcess(benchmark::State &state, const QString &program, const QStringList &arguments)
{
    const QString path = programFolder() + u'/' + program;
    const double cpuBefore = childCpuSeconds();
    for (auto _ : state) {
        QProcess process;
        process.start(path, arguments);
        if (!process.waitForFinished(120000) || process.exitCode() != 0)
            state.SkipWithError((program + QStringLiteral(" failed: ") +
                                 QString::fromLocal8Bit(process.readAllStandardError()))
                                    .toLocal8Bit()
                                    .constData());
    }
    state.counters["child_cpu_s"] =
        benchmark::Counter((childCpuSeconds() - cpuBefore) / double(state.iterations()));
}

inline MtLine line(int n, bool machine)
{
    MtLine m;
    m.kind = machine ? QStringLiteral("1") : QStringLiteral("0");
    m.id = QStringLiteral("CL%1").arg(n, 4, 10, QLatin1Char('0'));
    m.name = machine ? QStringLiteral("机械") : QStringLiteral("材料%1").arg(n);
    m.classify = machine ? QStringLiteral("机械") : QStringLiteral("苗木");
    m.code = QStringLiteral("05%1").arg(n, 5, 10, QLatin1Char('0'));
    m.unit = QStringLiteral("m²");
    m.price = 2.0f + float(n % 3);
    m.num = 1.0f + float(n % 3);
    m.desc = QStringLiteral("规格说明%1").arg(n);
    return m;
}

inline ConstructItem item(int room, int i)
{
    ConstructItem it;
    it.itemName = QStringLiteral("项目%1-%2").arg(room).arg(i);
    it.itemDesc = QStringLiteral("取材标准及施工说明，第%1项的做法与要求。").arg(i);
    it.categoryKind = QStringLiteral("类别%1").arg(i % 5);
    it.brand.unit = QStringLiteral("m²");
    it.brand.num = 3.5f;
    it.brand.loss = 0.015f;
    it.brand.material = 25.0f;
    it.brand.machine = 0.5f;
    it.brand.laborcost = 4.0f;
    it.brand.management = 0.48f;
    for (int m = 0; m < 3; ++m)
        it.brand.materials << line((i * 3 + m) % 500, false);
    it.brand.machines << line(900, true);
    return it;
}

// The file of `rooms` rooms of `items` items each, 3 material and 1 machine line an item.
inline QByteArray projectBytes(int rooms, int items)
{
    QList<EstimateRow> rows;
    for (int r = 0; r < rooms; ++r) {
        EstimateRow room;
        room.kind = QStringLiteral("room");
        room.room.name = QStringLiteral("房间%1").arg(r);
        rows << room;
        for (int i = 0; i < items; ++i) {
            EstimateRow row;
            row.kind = QStringLiteral("construct");
            row.item = item(r, i);
            rows << row;
        }
    }
    return ComposeProjectFile(ProjectInfo(), RateSettings(), PageSettings(), rows);
}

} // namespace BenchProject
