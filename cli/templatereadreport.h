#pragma once

#include <QString>
#include <QTextStream>

class QuotaLibrary;

// Reads a template for a command and tells stderr, in one line each, why it
// was refused or what was changed in reading it. False when it was refused.
bool ReadTemplateForCommand(QuotaLibrary &library, const QString &path, const char *command,
                            QTextStream &err);
