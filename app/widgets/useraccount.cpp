#include "useraccount.h"

#include "app/profilefile.h"
#include "library/quotalibrary.h"

namespace {

constexpr int NameBuffer = 260;

} // namespace

UserAccount::UserAccount(QString settingsFile, QuotaLibrary &library)
    : m_settingsFile(std::move(settingsFile)), m_library(library)
{
}

void UserAccount::restore()
{
    m_library.setCurrentUserName(ProfileFile(m_settingsFile).readString(Section, NameKey, QString(), NameBuffer));
}

QString UserAccount::userName() const
{
    return m_library.currentUserName();
}

bool UserAccount::setUser(const QString &name, const QString &currentTemplatePath, const QString &mainLibraryPath)
{
    const QString trimmed = name.trimmed();
    const bool changed = trimmed != m_library.currentUserName();
    m_library.setCurrentUserName(trimmed);
    ProfileFile profile(m_settingsFile);
    profile.writeString(Section, NameKey, trimmed);
    const bool saved = profile.save();
    if (changed && currentTemplatePath.endsWith(QStringLiteral(".oml"), Qt::CaseInsensitive))
        m_library.LoadTemplate(currentTemplatePath, mainLibraryPath);
    return saved;
}
