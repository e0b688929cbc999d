#pragma once

#include "estimate/estimaterecords.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Writes a project file (.gzj): the header, the rate texts, the page
// settings and every estimate row, laid out exactly as earlier versions did.

struct ProjectSaveResult {
    bool ok = false;
    QString errorText; // a message for the user when ok is false

    explicit operator bool() const { return ok; }
};

// The document text with LF line ends, before encoding.
QString ComposeProjectText(const ProjectInfo &info, const RateSettings &rates, const PageSettings &page,
                           const QList<EstimateRow> &rows);

// The complete file bytes: byte-order mark, UTF-8, CR LF.
QByteArray ComposeProjectFile(const ProjectInfo &info, const RateSettings &rates, const PageSettings &page,
                              const QList<EstimateRow> &rows);

// Replaces the file at `path` atomically. On failure the file that was there
// is left untouched and the result says why; the caller keeps the document
// marked modified then.
ProjectSaveResult SaveProjectFile(const QString &path, const ProjectInfo &info, const RateSettings &rates,
                                  const PageSettings &page, const QList<EstimateRow> &rows);
