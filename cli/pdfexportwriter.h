#pragma once

#include "exportcommand.h"

// .pdf: the cover page and the list pages of the chosen list in one file.
bool writePdfExport(AppContext &context, const ExportOptions &options, const QString &path, QString *error);
