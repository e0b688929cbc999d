#pragma once

#include "library/quotaitem.h"

#include <QList>

#include <string>

// The JSON view of a read template, built with JsonWriter.
class TemplateJson
{
public:
    static std::string document(bool accepted, bool canEdit, const QList<QuotaItem> &items);

    // A material or machine line; the project view writes its lines the same way.
    static std::string line(const MtLine &line);

private:
    static std::string item(const QuotaItem &item);
    static std::string brand(const BrandData &brand);
    static std::string rule(const AmountRule &rule);
};
