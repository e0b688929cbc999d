#include "numbercell.h"

#include "estimate/numbertext.h"

NumberCell NumberCell::shown(float value)
{
    const QString text = NumberText::fixed(value, 2);
    return NumberCell{text, value, text};
}

NumberCell NumberCell::typed(const QString &text)
{
    // No shown text: a typed cell always reads as typed.
    return NumberCell{text, 0.0f, QString()};
}

float NumberCell::number() const
{
    return changed() ? NumberText::leadingFloat(text) : value;
}
