#pragma once

#include "quotaitem.h"

#include <QList>
#include <QString>
#include <QStringView>

// Reads the items of a template text by forward substring search. The text is
// the in-memory form (LF line ends) with every apostrophe already turned into
// a double quote. Any input gives a result; nothing is validated as XML.
class TemplateParser
{
public:
    // Every category, item, quantity rule, brand and line (the full read).
    static QList<QuotaItem> readItems(QStringView text);
    // Names, units, brand numbers and lines only; no rules, and a brand num of
    // 0 stays 0 (the reduced read used when the main library steps in).
    static QList<QuotaItem> readItemsOnly(QStringView text);
    // Whether `user` may edit a template with this text (the owner line).
    static bool userMayEdit(QStringView text, const QString &user);

private:
    static void readRules(QStringView block, QuotaItem &item);
    static AmountRule readRule(QStringView ruleText);
    static void readBrandNumbers(QStringView text, qsizetype from, BrandData &brand);
    static void readLines(QStringView block, BrandData &brand);
};
