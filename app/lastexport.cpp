#include "lastexport.h"

#include "profilefile.h"

namespace {

// Room for a long path in a deep folder; a longer one is not kept at all.
constexpr int PathBuffer = 1024;

} // namespace

LastExport::LastExport(QString settingsFile)
    : m_settingsFile(std::move(settingsFile)),
      m_path(ProfileFile(m_settingsFile).readString(Section, PathKey, QString(), PathBuffer))
{
}

QString LastExport::path() const
{
    return m_path;
}

bool LastExport::remember(const QString &path)
{
    m_path = path;
    if (path.size() >= PathBuffer || path.contains(u'\n') || path.contains(u'\r'))
        return false;
    ProfileFile profile(m_settingsFile);
    profile.writeString(Section, PathKey, path);
    return profile.save();
}
