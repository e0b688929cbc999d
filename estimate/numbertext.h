#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Number <-> text conversions that never depend on the process locale.
// They mirror the C "%0.Nf" formats and the C-locale atof/strtof rules.
namespace NumberText {

// printf("%0.<decimals>f", value): fixed notation, the exact value rounded to nearest.
QString fixed(double value, int decimals);

// The same text appended to bytes.
void appendFixed(QByteArray &out, double value, int decimals);

// The leading decimal number of a text as atof reads it in the C locale:
// white space, an optional sign, digits, an optional point and digits, an
// optional exponent; the rest is ignored and no number gives 0.
double leadingDouble(QStringView text);

// The same leading number read directly as a single-precision value (strtof).
float leadingFloat(QStringView text);

// The same for the UTF-8 bytes of a text: the number is ASCII either way.
float leadingFloat(QByteArrayView utf8);

// The shortest text that reads back to exactly the same float.
QString shortest(float value);

} // namespace NumberText
