#include "projectfileencoding.h"

#include "estimate/lineends.h"

namespace ProjectFileEncoding {

QByteArray encode(QStringView documentText)
{
    return QByteArrayLiteral("\xEF\xBB\xBF") + LineEnds::toUtf8WithCrLf(documentText);
}

QString decode(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    return LineEnds::crLfToLf(QString::fromUtf8(bytes));
}

} // namespace ProjectFileEncoding
