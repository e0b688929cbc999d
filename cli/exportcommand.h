#pragma once

#include <QStringList>
#include <QTextStream>

int runExport(const QStringList &args, QTextStream &out, QTextStream &err);
