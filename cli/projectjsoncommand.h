#pragma once

#include <QStringList>
#include <QTextStream>

int runProjectJson(const QStringList &args, QTextStream &out, QTextStream &err);
