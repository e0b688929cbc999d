#pragma once

#include "estimate/estimaterecords.h"

#include <QList>

// A small estimate that touches every part of the project file layout.
struct ProjectSample {
    ProjectInfo info;
    RateSettings rates;
    PageSettings page;
    QList<EstimateRow> rows;
};

EstimateRow roomRow(const QString &name, float long_, float width, float height, int checkType);
EstimateRow itemRow(const QString &name, const QString &desc, const QString &kind, float num);
MtLine mtLine(const QString &id, const QString &name, const QString &classify, float price, float num);

// The estimate of data/golden_small.gzj.
ProjectSample goldenSample();
