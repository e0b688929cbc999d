#include "externalprograms.h"

#include "app/profilefile.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

constexpr int ValueBuffer = 500;
// The viewer still expects the hand-over word it was always started with.
const QString CadHandOver = QStringLiteral("VIZADIDIDIZIZUZU");

} // namespace

ExternalPrograms::ExternalPrograms(QString settingsFile) : m_settingsFile(std::move(settingsFile))
{
}

QString ExternalPrograms::findCalculator()
{
    for (const char *name : {"gnome-calculator", "kcalc", "galculator", "qalculate-gtk", "mate-calc", "xcalc"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty())
            return path;
    }
    return {};
}

QString ExternalPrograms::findCadViewer() const
{
    const QString configured = ProfileFile(m_settingsFile).readString(Section, u"CadViewer", QString(), ValueBuffer);
    if (!configured.isEmpty() && QFileInfo(configured).isExecutable())
        return configured;
    for (const char *name : {"plancove", "Plancove"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty())
            return path;
    }
    return {};
}

QString ExternalPrograms::link(const QString &key) const
{
    return ProfileFile(m_settingsFile).readString(Section, key, QString(), ValueBuffer);
}

bool ExternalPrograms::startCalculator() const
{
    const QString calculator = findCalculator();
    return !calculator.isEmpty() && QProcess::startDetached(calculator, {});
}

bool ExternalPrograms::startCadViewer() const
{
    const QString viewer = findCadViewer();
    if (!viewer.isEmpty())
        return QProcess::startDetached(viewer, {CadHandOver});
    return openLink(QStringLiteral("CadDownload"));
}

bool ExternalPrograms::openLink(const QString &key) const
{
    const QUrl url = QUrl::fromUserInput(link(key));
    return url.isValid() && !url.isEmpty() && QDesktopServices::openUrl(url);
}
