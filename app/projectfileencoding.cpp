#include "projectfileencoding.h"

namespace ProjectFileEncoding {

QByteArray encode(QStringView documentText)
{
    QByteArray bytes("\xEF\xBB\xBF");
    QByteArray body = documentText.toUtf8();
    body.replace("\n", "\r\n");
    bytes += body;
    return bytes;
}

QString decode(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    QString text = QString::fromUtf8(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

} // namespace ProjectFileEncoding
