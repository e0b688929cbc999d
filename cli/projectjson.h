#pragma once

#include "estimate/estimaterecords.h"

#include <QList>

#include <string>

// The JSON view of a read project: header, rate texts, every row with its costs, and the totals.
class ProjectJson
{
public:
    static std::string document(const ProjectInfo &info, const RateSettings &rates,
                                const QList<EstimateRow> &rows, const ProjectTotals &totals);

private:
    static std::string info(const ProjectInfo &info);
    static std::string row(const EstimateRow &row);
    static std::string room(const EstimateRow &row);
    static std::string construct(const EstimateRow &row);
    static std::string opening(const Opening &opening);
    static std::string brand(const BrandData &brand);
    static std::string costs(const RowCosts &costs);
};
