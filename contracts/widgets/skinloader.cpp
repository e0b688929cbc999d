#include "skinloader.h"

#include <QApplication>
#include <QDir>
#include <QFile>

QString SkinLoader::pathFor(const QString &name, const QString &programFolder)
{
    return QDir(programFolder).filePath(QStringLiteral("skin/%1.qss").arg(name));
}

QString SkinLoader::read(const QString &name, const QString &programFolder)
{
    // A name is a plain word; anything that could climb out of the skin folder is refused.
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name.contains(QLatin1String("..")))
        return {};
    QFile file(pathFor(name, programFolder));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

bool SkinLoader::load(const QString &name)
{
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (!app)
        return false;
    const QString sheet = read(name, QCoreApplication::applicationDirPath());
    if (sheet.isEmpty())
        return false;
    app->setStyleSheet(sheet);
    return true;
}
