#pragma once

#include "exportcommand.h"

// .xlsx: the list as a workbook.
bool writeWorkbookExport(AppContext &context, const ExportOptions &options, const QString &path,
                         QString *error);
