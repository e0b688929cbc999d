#pragma once

#include "appfolders.h"
#include "appsettings.h"

#include <QString>

#include <functional>

class ProfileFile;

// Reads and writes the settings file (sections "currentcfg" and "savecfg" of
// Plotwright.ini in the data folder) for the settings record.
class SettingsStore
{
public:
    // Reads the selected template into the library; called on the first load only.
    using TemplateLoader = std::function<void(const QString &path)>;

    explicit SettingsStore(AppFolders folders);

    const AppFolders &folders() const { return m_folders; }

    // Creates the folders, reads the settings file into the record, stamps
    // OpenTime and rebuilds the template list. A missing file, section or key
    // gives the defaults; nothing is reported.
    void LoadSettings(AppSettings &settings, const TemplateLoader &loadTemplate = {}) const;

    // Writes the main library back first when asked to and the text is longer
    // than 10 characters, then the record and the three column switches.
    // False when any of the files could not be written.
    bool SaveSettings(const AppSettings &settings, int showlr, int showloss, int showtax,
                      const QString &mainLibraryText = {}, bool writeBackMainLibrary = false) const;

private:
    void rebuildTemplateList(AppSettings &settings, const ProfileFile &profile, int count) const;
    void keepPreviousSelection(AppSettings &settings, const QString &previousPath) const;

    AppFolders m_folders;
};
