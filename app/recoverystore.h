#pragma once

#include <QByteArray>
#include <QLockFile>
#include <QString>

#include <memory>
#include <optional>

// The recovery copy of the open project in the data folder, never over the user's
// own file: the project as the writer composes it, beside a file naming the path it
// belongs to. A lock file held while the program runs tells a copy left by a
// program that did not end (its lock is stale) from one of a second running instance.
class RecoveryStore
{
public:
    struct Recovery {
        QString copyPath;
        QString originalPath;
    };

    explicit RecoveryStore(const QString &dataFolder);
    ~RecoveryStore();

    // Takes the lock; false while another running instance holds it (that one owns the copy then).
    bool acquire();
    bool isOwner() const { return m_lock && m_lock->isLocked(); }

    // Replaces the copy; false when it could not be written.
    bool write(const QByteArray &projectBytes, const QString &originalPath);
    // The copy is gone after a clean save, new, open or close.
    void remove();
    // A copy the last run left behind; only the lock owner sees one.
    std::optional<Recovery> pending() const;
    // Keeps the copy under another name, never offered again; the new name, empty on failure.
    QString setAside();

    QString copyPath() const;
    QString originPath() const;

private:
    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
};
