#pragma once

#include "library/quotaitem.h"

#include <QList>

#include <string>

// The JSON view of a read template. Floats are written as the shortest text
// that reads back to the same float (nlohmann would print 17 digits of the
// double), so the text is built here and only strings go through nlohmann.
class TemplateJson
{
public:
    static std::string document(bool accepted, bool canEdit, const QList<QuotaItem> &items);

private:
    static std::string item(const QuotaItem &item);
    static std::string brand(const BrandData &brand);
    static std::string line(const MtLine &line);
    static std::string rule(const AmountRule &rule);
};
