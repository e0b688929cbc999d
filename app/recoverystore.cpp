#include "recoverystore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

bool writeWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(bytes);
    return file.commit();
}

} // namespace

RecoveryStore::RecoveryStore(const QString &dataFolder) : m_folder(dataFolder)
{
}

RecoveryStore::~RecoveryStore() = default;

QString RecoveryStore::copyPath() const
{
    return QDir(m_folder).filePath(QStringLiteral("recovery.gzj"));
}

QString RecoveryStore::originPath() const
{
    return QDir(m_folder).filePath(QStringLiteral("recovery.path"));
}

bool RecoveryStore::acquire()
{
    if (isOwner())
        return true;
    QDir().mkpath(m_folder);
    m_lock = std::make_unique<QLockFile>(QDir(m_folder).filePath(QStringLiteral("plotwright.lock")));
    // A lock whose process is gone is stale at once: that program crashed.
    m_lock->setStaleLockTime(0);
    return m_lock->tryLock(0);
}

bool RecoveryStore::write(const QByteArray &projectBytes, const QString &originalPath)
{
    if (!isOwner())
        return false;
    return writeWhole(originPath(), originalPath.toUtf8()) && writeWhole(copyPath(), projectBytes);
}

void RecoveryStore::remove()
{
    if (!isOwner())
        return;
    QFile::remove(copyPath());
    QFile::remove(originPath());
}

std::optional<RecoveryStore::Recovery> RecoveryStore::pending() const
{
    if (!isOwner() || !QFile::exists(copyPath()))
        return std::nullopt;
    QFile origin(originPath());
    QString original;
    if (origin.open(QIODevice::ReadOnly))
        original = QString::fromUtf8(origin.readAll());
    return Recovery{copyPath(), original};
}

QString RecoveryStore::setAside()
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    const QString kept = QDir(m_folder).filePath(QStringLiteral("recovery-%1.gzj").arg(stamp));
    if (!QFile::rename(copyPath(), kept))
        return {};
    QFile::rename(originPath(), kept + QStringLiteral(".path"));
    return kept;
}
