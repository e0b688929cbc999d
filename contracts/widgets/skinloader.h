#pragma once

#include <QString>

// Finds a named look ("skin/<name>.qss" beside the program) and gives it to the application.
class SkinLoader
{
public:
    // The style sheet file for a skin name in a program folder.
    static QString pathFor(const QString &name, const QString &programFolder);
    // The style sheet text, empty when the file is missing or unreadable.
    static QString read(const QString &name, const QString &programFolder);
    // Applies the skin to the running application; false (and the look unchanged) when it is missing.
    static bool load(const QString &name);
};
