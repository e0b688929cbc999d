#pragma once

#include <QString>
#include <QStringView>

// The check of a rate typed into the rate dialog: with every blank removed,
// either all digits with a value of at most 100, or exactly one non-digit
// byte and a "%". The bytes are those of the UTF-8 form, so any non-ASCII
// character counts as at least two non-digits, as in a double-byte code page.
bool isValidRateText(QStringView text);

QString withoutBlanks(QStringView text);
