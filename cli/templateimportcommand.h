#pragma once

#include <QStringList>
#include <QTextStream>

// template-import SHEET -o OUT.xml: converts a quota spreadsheet (.xlsx or
// .xls) into a template file; a refused sheet writes nothing.
int runTemplateImport(const QStringList &args, QTextStream &out, QTextStream &err);
