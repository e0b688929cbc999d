#pragma once

#include "exportcommand.h"

// .html, .htm and .doc: the list as one HTML page, which word processors open as a document.
bool writePageExport(AppContext &context, const ExportOptions &options, const QString &path, QString *error);
