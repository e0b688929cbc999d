#pragma once

#include "estimate/estimaterecords.h"

#include <QStringList>

#include <optional>

// The arguments of the project commands: file paths, "--precision 0|1|2" and,
// where allowed, "--list bill|material|machine".
struct ProjectArguments {
    QStringList paths;
    std::optional<Precision> precision;
    int list = 0; // BillLists::List

    // Nothing when an option is unknown, invalid or incomplete, or the path count is not `pathCount`.
    static std::optional<ProjectArguments> parse(const QStringList &args, int pathCount,
                                                 bool precisionAllowed, bool listAllowed);
};
