#pragma once

#include "estimaterecords.h"

#include <QStringView>

// What a number typed into columns 6-12 of an item row does to the item.
namespace NumberEdit {

// The typed number as a float; a value above 99999 or below 0 becomes 1.
float enteredValue(QStringView text);

// Stores the typed number; columns 7 and 8 take percent. A typed unit price
// includes its profit, so that profit becomes 0. Returns false and changes
// nothing when the entry is empty (after leading blanks) or the column is not 6-12.
bool apply(BrandData &brand, int column, QStringView text);

// The text with its leading blanks removed, as the table reads an edited cell.
QStringView withoutLeadingBlanks(QStringView text);

} // namespace NumberEdit
