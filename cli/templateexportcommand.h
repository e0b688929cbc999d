#pragma once

#include <QStringList>
#include <QTextStream>

// template-export TEMPLATE -o SHEET.xlsx: writes a template's items as a quota
// spreadsheet that template-import reads back.
int runTemplateExport(const QStringList &args, QTextStream &out, QTextStream &err);
