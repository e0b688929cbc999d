#include "attributereader.h"

#include "numbertext.h"

QString ReadAttributeText(QStringView text, QStringView key, qsizetype from)
{
    if (from < 0)
        from = 0;
    if (from > text.size())
        return QString();
    const qsizetype b = text.indexOf(key, from);
    return b < 0 ? QString() : AttributeTextAt(text, b);
}

QString AttributeTextAt(QStringView text, qsizetype keyPosition)
{
    const qsizetype open = text.indexOf(u'"', keyPosition + 1);
    if (open < 0)
        return QString();
    const qsizetype q1 = open + 1;
    const qsizetype q2 = text.indexOf(u'"', q1);
    if (q2 > q1)
        return text.mid(q1, q2 - q1).toString();
    return QString();
}

float ReadAttributeNumber(QStringView text, QStringView key, qsizetype from)
{
    const QString value = ReadAttributeText(text, key, from);
    float v = NumberText::leadingFloat(value);
    if (value.contains(u'%'))
        v = v / 100.0f;
    return v;
}

MtLine ReadMtLine(QStringView lineText)
{
    MtLine line;
    line.kind = ReadAttributeText(lineText, u"kind=");
    line.id = ReadAttributeText(lineText, u"id=");
    line.name = ReadAttributeText(lineText, u"name=");
    line.classify = ReadAttributeText(lineText, u"classify=");
    line.code = ReadAttributeText(lineText, u"code=");
    line.unit = ReadAttributeText(lineText, u"unit=");
    line.price = ReadAttributeNumber(lineText, u"price=");
    line.num = ReadAttributeNumber(lineText, u"num=");
    line.desc = ReadAttributeText(lineText, u"desc=");
    return line;
}
