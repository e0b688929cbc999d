#include "attributereader.h"

#include "textscan.h"

QString ReadAttributeText(QStringView text, QStringView key, qsizetype from)
{
    return TextScan::attributeText(TextScan::view(text), key, from);
}

QString AttributeTextAt(QStringView text, qsizetype keyPosition)
{
    const TextScan::Utf16 units = TextScan::view(text);
    return TextScan::textOf(units, TextScan::valueSpanAt(units, keyPosition));
}

float ReadAttributeNumber(QStringView text, QStringView key, qsizetype from)
{
    return TextScan::attributeNumber(TextScan::view(text), key, from);
}

MtLine ReadMtLine(QStringView lineText)
{
    TextScan::SharedValues<TextScan::Utf16> values;
    return TextScan::mtLine(TextScan::view(lineText), values);
}
