#pragma once

#include "quotaitem.h"
#include "quotasheetlayout.h"

#include <QList>
#include <QString>

struct lxw_worksheet;
struct lxw_format;

// Writes library items as a quota spreadsheet (.xlsx) in the layout the
// importer reads: the item on its first row, then one row per further line.
// Numbers go out as the template file rounds them, so importing the sheet
// gives back the template's own values.
class QuotaSheetExporter
{
public:
    // Replaces `path` atomically; false (with a reason in `error`) on failure.
    static bool write(const QList<QuotaItem> &items, const QString &path, QString *error = nullptr);

private:
    explicit QuotaSheetExporter(lxw_worksheet *sheet) : m_sheet(sheet) {}

    void writeHeader(lxw_format *format);
    void writeItem(const QuotaItem &item);
    void writeItemCells(int row, const QuotaItem &item);
    void writeLine(int row, const MtLine &line, bool machine);
    void writeRule(int row, const AmountRule &rule);
    void text(int row, QuotaSheetLayout::Column column, const QString &value);
    void number(int row, QuotaSheetLayout::Column column, float value);

    lxw_worksheet *m_sheet;
    int m_row = 1;
    int m_failure = 0; // the first libxlsxwriter error, 0 when none
};
