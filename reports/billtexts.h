#pragma once

#include "estimate/estimaterecords.h"
#include "resourcelistkind.h"

#include <QString>

// The fixed texts of the three bill lists and their number formats. Every
// number is written with the decimals of the precision (0, 1 or 2).
namespace BillTexts {

QString signatureLine();

// The total line of an empty bill of quantities: all sums 0.
QString emptyBillTotal(Precision precision);

// "材料费用" or "机械台班费用": the word every total line of the list starts with.
QString totalWord(ResourceListKind kind);

// The total line as written by the grid set-up, by a build and after an edit or re-pricing.
QString footerTotal(ResourceListKind kind, float total, Precision precision);
QString builtTotal(ResourceListKind kind, float total, Precision precision);
QString editedTotal(ResourceListKind kind, float total, Precision precision);

QString number(float value, Precision precision);
QString money(float value, Precision precision);
// What an emptied quantity or price cell shows.
QString zero(Precision precision);

QString titleSuffix(int list);
QString nameCaption(ResourceListKind kind);
QString sectionLabel(ResourceListKind kind);

} // namespace BillTexts
