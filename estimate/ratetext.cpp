#include "ratetext.h"

#include "numbertext.h"

QString withoutBlanks(QStringView text)
{
    QString out = text.toString();
    out.remove(u' ');
    return out;
}

bool isValidRateText(QStringView text)
{
    const QString compact = withoutBlanks(text);
    const QByteArray bytes = compact.toUtf8();
    int nonDigits = 0;
    for (const char byte : bytes)
        nonDigits += (byte >= '0' && byte <= '9') ? 0 : 1;
    if (nonDigits == 0)
        return !bytes.isEmpty() && NumberText::leadingDouble(compact) <= 100.0;
    return nonDigits == 1 && compact.contains(u'%');
}
