#pragma once

#include "quotasheetimport.h"
#include "quotasheetlayout.h"
#include "sheetrow.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

// Turns the rows of a quota spreadsheet into library items. An item's
// material and machine prices are the ones its row states; where the sheet
// leaves them out, the sums of num x price over its material and machine
// lines, in line order. Any layout fault refuses the whole sheet.
class QuotaSheetImporter
{
public:
    // Reads an .xlsx or .xls file (told apart by content, not by name).
    static QuotaSheetImport readFile(const QString &path);
    static QuotaSheetImport readRows(const QList<SheetRow> &rows);
    // Reads the spreadsheet and writes its items as a template file; no file
    // is written when the sheet is refused.
    static bool writeTemplate(const QString &sheetPath, const QString &templatePath, QString *error);

private:
    using Column = QuotaSheetLayout::Column;

    // A library item may be priced per unit without lines, or state another
    // price than its lines add up to; the stated price wins.
    struct StatedPrices {
        std::optional<float> material;
        std::optional<float> machine;
        void applyTo(BrandData &brand) const;
    };

    bool readHeader(const SheetRow &row);
    bool readDataRow(const SheetRow &row);
    bool startItem(const SheetRow &row);
    bool continueItem(const SheetRow &row);
    bool repeatsCurrentItem(const SheetRow &row) const;
    bool readResource(const SheetRow &row);
    bool readRule(const SheetRow &row);
    bool readBrand(const SheetRow &row, BrandData &brand);
    std::optional<StatedPrices> readStatedPrices(const SheetRow &row);
    bool hasAny(const SheetRow &row, bool (*inGroup)(Column)) const;

    const SheetCell *cell(const SheetRow &row, Column column) const;
    std::optional<QString> text(const SheetRow &row, Column column);
    std::optional<float> number(const SheetRow &row, Column column, float empty);
    bool fail(const SheetRow &row, Column column, const QString &message);

    std::array<int, QuotaSheetLayout::ColumnCount> m_sheetColumn{}; // -1 when the header lacks it
    QList<QuotaItem> m_items;
    QList<StatedPrices> m_statedPrices; // one per item
    SheetRow m_itemRow;                 // the first row of the item being read
    QString m_error;
};
