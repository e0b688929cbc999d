#include "templatetext.h"

#include "estimate/lineends.h"
#include "estimate/savefailure.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

std::optional<QString> TemplateText::read(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || file.size() > MaxFileBytes || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return decode(file.readAll());
}

QString TemplateText::decode(const QByteArray &bytes)
{
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return LineEnds::crLfToLf(std::move(text));
}

QByteArray TemplateText::encode(const QString &text)
{
    return QByteArrayLiteral("\xEF\xBB\xBF") + LineEnds::toUtf8WithCrLf(text);
}

bool TemplateText::write(const QString &path, const QString &text, QString *error)
{
    QSaveFile file(path);
    const QByteArray bytes = encode(text);
    const bool ok = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!ok && error)
        *error = SaveFailure::reason(path, file.errorString(), bytes.size());
    return ok;
}
