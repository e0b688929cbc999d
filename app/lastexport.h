#pragma once

#include <QString>

// The file of the last successful export, kept in the settings file so that the
// next export's save dialog opens in its folder, also in a later run.
class LastExport
{
public:
    static inline const QString Section = QStringLiteral("PlotwrightExport");
    static inline const QString PathKey = QStringLiteral("LastPath");

    explicit LastExport(QString settingsFile);

    // Empty when no export was kept.
    QString path() const;
    // False when the settings file could not be written; the path is kept for this run anyway.
    bool remember(const QString &path);

private:
    QString m_settingsFile;
    QString m_path;
};
