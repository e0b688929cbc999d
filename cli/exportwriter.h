#pragma once

#include <QString>

class HeadlessProject;
struct ExportOptions;

// One output format of `export`: writes the opened project to options.output,
// atomically; false, with the reason in `error`, leaves any file there untouched.
struct ExportWriter {
    const char *suffix; // lower case, without the dot
    bool (*write)(HeadlessProject &project, const ExportOptions &options, QString *error);
};
