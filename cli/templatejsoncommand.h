#pragma once

#include <QStringList>
#include <QTextStream>

// template-json TEMPLATE [--user NAME]: the template as read, as JSON.
int runTemplateJson(const QStringList &args, QTextStream &out, QTextStream &err);
