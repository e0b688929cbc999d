#pragma once

#include "quotaitem.h"

#include <QList>
#include <QString>

// The items read from a quota spreadsheet, or the one-line reason (with row
// and column) why the spreadsheet was refused.
struct QuotaSheetImport {
    QList<QuotaItem> items;
    QString error;

    bool ok() const { return error.isEmpty(); }
};
