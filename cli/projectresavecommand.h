#pragma once

#include <QStringList>
#include <QTextStream>

int runProjectResave(const QStringList &args, QTextStream &out, QTextStream &err);
