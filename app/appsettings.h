#pragma once

#include "appfolders.h"
#include "estimate/estimaterecords.h"

#include <QString>
#include <QStringList>

// The process-wide settings: folders, rate and page texts, the column switches,
// the template list with its selection, and the open project's path. One
// instance lives from start-up to exit; SettingsStore fills and saves it.
struct AppSettings {
    AppFolders folders;
    RateSettings rates;
    PageSettings page;
    // Start values of the budget table's column switches; non-zero is on.
    int showlr = 1;
    int showloss = 1;
    int showtax = 1;
    // Entry 0 is always the main library file.
    QStringList templateList;
    int selectedTemplate = 0;
    QString currentTemplatePath;
    QString currentProjectPath;
    bool loadedOnce = false;

    bool operator==(const AppSettings &) const = default;
};
