#pragma once

#include <QStringList>
#include <QTextStream>

// One sub-command of plotwright-cli. `run` gets the arguments after the
// command name and returns the process exit code (0 success, 2 bad input).
struct CliCommand {
    const char *name;
    const char *usage; // one line shown by --help
    int (*run)(const QStringList &args, QTextStream &out, QTextStream &err);
};

// Exit code for a missing, unreadable or rejected file and for bad arguments.
inline constexpr int ExitBadInput = 2;
