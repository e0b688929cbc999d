#pragma once

#include "estimate/estimaterecords.h"

// One construction item of the quota library: the estimate's item record plus
// the node of the library tree that shows it (0 while no tree shows it).
struct QuotaItem : ConstructItem {
    int treeNode = 0;

    QuotaItem() { ruleIndexByKind.fill(NoRuleIndex); }
    bool operator==(const QuotaItem &) const = default;
};
