#pragma once

#include <QString>
#include <QStringView>

// The two value readers shared by the project file and the template files.
// Both scan by plain case-sensitive substring search; nothing is unescaped.

// The text between the two double quotes that follow `key` (a name with its
// "=") at or after `from`; empty when the key or a quote is missing.
QString ReadAttributeText(QStringView text, QStringView key, qsizetype from = 0);

// The leading number of that text as a float, divided by 100 when the text
// holds a "%".
float ReadAttributeNumber(QStringView text, QStringView key, qsizetype from = 0);
