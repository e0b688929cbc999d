#pragma once

#include <QString>
#include <QStringList>

// Programs and pages the toolbar opens outside this one: the system calculator,
// the companion CAD viewer and the maker's web pages. Addresses and the viewer's
// path come from the "PlotwrightLinks" section of the settings file.
class ExternalPrograms
{
public:
    static inline const QString Section = QStringLiteral("PlotwrightLinks");

    explicit ExternalPrograms(QString settingsFile);

    // The first calculator found on the system, or an empty text.
    static QString findCalculator();
    // The CAD viewer: the configured path when it exists, else one on the search path.
    QString findCadViewer() const;
    // A configured address by key (Home, Contact, Feedback, More, CadDownload), or an empty text.
    QString link(const QString &key) const;

    // Each returns false when there was nothing to start; the caller tells the user.
    bool startCalculator() const;
    bool startCadViewer() const;
    bool openLink(const QString &key) const;

private:
    QString m_settingsFile;
};
