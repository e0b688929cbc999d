#pragma once

#include <QString>

#include <ostream>

// Shows QStrings as text in test failures instead of their bytes.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
