#pragma once

#include <QString>

// The folders and fixed paths of a run, derived from the documents folder and
// the program folder that the start-up code hands in.
class AppFolders
{
public:
    AppFolders() = default;
    AppFolders(const QString &documentsFolder, const QString &programFolder);

    // The documents folder for this run: $PLOTWRIGHT_DOCUMENTS_DIR when set (so
    // tests and trials never touch a real home), else the user's documents
    // folder, else the home folder. Read once at start-up.
    static QString startupDocumentsFolder();

    const QString &documentsFolder() const { return m_documents; }
    const QString &programFolder() const { return m_program; }
    QString dataFolder() const;
    QString roomPictureFolder() const;
    QString settingsFile() const;
    QString mainLibraryFile() const;
    QString proposedTemplateFile() const;
    QString defaultProjectPath() const;

    // Creates the data folder and the room picture folder when missing.
    bool createMissingFolders() const;

    bool operator==(const AppFolders &) const = default;

private:
    QString m_documents;
    QString m_program;
};
