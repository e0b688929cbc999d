#pragma once

#include <QStringList>
#include <QTextStream>

int runBillDump(const QStringList &args, QTextStream &out, QTextStream &err);
