#pragma once

#include "estimaterecords.h"

#include <QString>
#include <QStringView>

// The two value readers shared by the project file and the template files.
// Both scan by plain case-sensitive substring search; nothing is unescaped.

// The text between the two double quotes that follow `key` (a name with its
// "=") at or after `from`; empty when the key or a quote is missing.
QString ReadAttributeText(QStringView text, QStringView key, qsizetype from = 0);

// The same text for a key already found at `keyPosition`.
QString AttributeTextAt(QStringView text, qsizetype keyPosition);

// The leading number of that text as a float, divided by 100 when the text
// holds a "%".
float ReadAttributeNumber(QStringView text, QStringView key, qsizetype from = 0);

// One material or machine line: the text of an `<mt` element up to its end.
// Project files and templates write it alike; the list it belongs to is the caller's.
MtLine ReadMtLine(QStringView lineText);
