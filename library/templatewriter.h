#pragma once

#include "quotaitem.h"

#include <QList>
#include <QString>

// Builds the text of a template file in its fixed layout (LF line ends; the
// file layer adds the byte-order mark and CR LF). Values go out verbatim.
class TemplateWriter
{
public:
    // `owner` non-empty adds the owner line that locks the template to that account.
    static QString text(const QList<QuotaItem> &items, const QString &owner);
    // Why the text of `items` could not be read back (a quote inside a value, a
    // number no float holds); empty when it can.
    static QString refusal(const QList<QuotaItem> &items, const QString &owner);

private:
    static QString itemRefusal(const QuotaItem &item);
    static QString itemText(const QuotaItem &item);
    static QString ruleLine(const AmountRule &rule);
    static QString brandTag(const BrandData &brand);
    static QString mtLine(const MtLine &line, QStringView kind);
};
