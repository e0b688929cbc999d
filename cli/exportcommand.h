#pragma once

#include "estimate/estimaterecords.h"

#include <QStringList>
#include <QTextStream>

#include <optional>

class AppContext;

// `export PROJECT.gzj -o OUT [--list bill|material|machine] [--precision 0|1|2]`:
// the list, built as the desktop builds it, written in the format OUT's extension names.
struct ExportOptions {
    QString project;
    QString output;
    int list = 0; // BillLists::List
    std::optional<Precision> precision;

    // Nothing when an option is unknown, invalid or incomplete.
    static std::optional<ExportOptions> parse(const QStringList &args);
};

// Writes the list named by the options to `path`; false with a reason on failure.
using ExportWriteFunction = bool (*)(AppContext &context, const ExportOptions &options, const QString &path,
                                     QString *error);

struct ExportWriter {
    const char *extension; // lower case, without the dot
    ExportWriteFunction write;
};

int runExport(const QStringList &args, QTextStream &out, QTextStream &err);
