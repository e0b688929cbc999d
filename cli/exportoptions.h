#pragma once

#include "estimate/estimaterecords.h"

#include <QString>
#include <QStringList>

#include <optional>

// The arguments of `export`: the project, the target (-o), the list, the
// precision and the page options of printed formats.
struct ExportOptions {
    QString project;
    QString output;
    int list = 0; // BillLists::List
    std::optional<Precision> precision;
    PageSettings page; // the defaults, changed by --paper, --orientation and --margins

    // Lower-cased suffix of the target, which picks the writer.
    QString format() const;

    // Nothing, and the reason in `error`, when an option is unknown, invalid or incomplete.
    static std::optional<ExportOptions> parse(const QStringList &args, QString *error);
};
