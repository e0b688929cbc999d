#pragma once

#include <QStringList>
#include <QTextStream>

int runTableDump(const QStringList &args, QTextStream &out, QTextStream &err);
