#pragma once

#include <QString>

class QuotaLibrary;

// The signed-in account: its name is what the template lock compares. It is kept
// in the settings file (section "PlotwrightUser") so a restart keeps the user.
class UserAccount
{
public:
    static inline const QString Section = QStringLiteral("PlotwrightUser");
    static inline const QString NameKey = QStringLiteral("UserName");

    UserAccount(QString settingsFile, QuotaLibrary &library);

    // Start-up: the remembered name becomes the library's current user.
    void restore();
    // Signs in (a non-empty name) or out (an empty one). When the user changes and the
    // current template is a locked one (".oml"), it is read again so its lock follows.
    // False when the settings file could not be written.
    bool setUser(const QString &name, const QString &currentTemplatePath, const QString &mainLibraryPath);
    QString userName() const;

private:
    QString m_settingsFile;
    QuotaLibrary &m_library;
};
