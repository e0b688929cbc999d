#pragma once

#include <QStringList>
#include <QTextStream>

// template-resave IN OUT [--lock] [--user NAME]: reads a template and writes it
// again in the program's own layout.
int runTemplateResave(const QStringList &args, QTextStream &out, QTextStream &err);
