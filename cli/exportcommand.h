#pragma once

#include "exportoptions.h"

#include <QStringList>
#include <QTextStream>

class AppContext;

// Writes the list named by the options to `path`; false with a reason on failure.
using ExportWriteFunction = bool (*)(AppContext &context, const ExportOptions &options, const QString &path,
                                     QString *error);

// One output format of `export`, found by the lower-cased extension of OUT.
struct ExportWriter {
    const char *extension; // lower case, without the dot
    ExportWriteFunction write;
    // Printed pages show the grid's widths and row heights: the texts are measured with the fonts
    // as the window measures them.
    bool measured = false;
};

// `export PROJECT.gzj -o OUT [--list bill|material|machine] [--precision 0|1|2] [page options]`:
// the list, built as the desktop builds it, written in the format OUT's extension names.
int runExport(const QStringList &args, QTextStream &out, QTextStream &err);
