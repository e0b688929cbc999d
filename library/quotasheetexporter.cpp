#include "quotasheetexporter.h"

#include "contracts/numericlocaleguard.h"
#include "estimate/numbertext.h"
#include "estimate/savefailure.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <algorithm>

namespace {

using Layout = QuotaSheetLayout;

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

bool copyAtomically(const QString &from, const QString &to, QString *error)
{
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly))
        return fail(error, in.errorString());
    const QByteArray bytes = in.readAll();
    QSaveFile out(to);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        return fail(error, SaveFailure::reason(to, out.errorString(), bytes.size()));
    return true;
}

} // namespace

bool QuotaSheetExporter::write(const QList<QuotaItem> &items, const QString &path, QString *error)
{
    // libxlsxwriter writes its own file: build it aside, then replace the target in one step.
    QTemporaryDir scratch;
    // It prints numbers and widths with the C library, which follows the user's locale.
    const NumericLocaleGuard numbersWithPoint;
    const QString built = scratch.filePath(QStringLiteral("sheet.xlsx"));
    lxw_workbook *book = scratch.isValid() ? workbook_new(QFile::encodeName(built).constData()) : nullptr;
    if (!book)
        return fail(error, QStringLiteral("cannot create a workbook"));
    lxw_worksheet *sheet = workbook_add_worksheet(book, "定额");
    lxw_format *bold = workbook_add_format(book);
    format_set_bold(bold);
    QuotaSheetExporter exporter(sheet);
    exporter.writeHeader(bold);
    for (const QuotaItem &item : items)
        exporter.writeItem(item);
    const lxw_error closed = workbook_close(book);
    if (exporter.m_failure != LXW_NO_ERROR)
        return fail(error, QString::fromUtf8(lxw_strerror(lxw_error(exporter.m_failure))));
    if (closed != LXW_NO_ERROR)
        return fail(error, QString::fromUtf8(lxw_strerror(closed)));
    return copyAtomically(built, path, error);
}

void QuotaSheetExporter::writeHeader(lxw_format *format)
{
    for (int k = 0; k < Layout::ColumnCount; ++k) {
        const QByteArray header = Layout::header(Layout::Column(k)).toUtf8();
        worksheet_write_string(m_sheet, 0, lxw_col_t(k), header.constData(), format);
    }
    worksheet_set_column(m_sheet, Layout::CategoryName, Layout::ItemName, 16, nullptr);
    worksheet_set_column(m_sheet, Layout::ItemDesc, Layout::ItemDesc, 40, nullptr);
    worksheet_set_column(m_sheet, Layout::LineName, Layout::LineName, 24, nullptr);
    worksheet_set_column(m_sheet, Layout::LineDesc, Layout::LineDesc, 24, nullptr);
    worksheet_freeze_panes(m_sheet, 1, 0);
}

void QuotaSheetExporter::writeItem(const QuotaItem &item)
{
    const BrandData &b = item.brand;
    const qsizetype resources = b.materials.size() + b.machines.size();
    const qsizetype lines = std::max<qsizetype>({resources, item.rules.size(), 1});
    writeItemCells(m_row, item);
    for (qsizetype i = 0; i < lines; ++i) {
        if (i < b.materials.size())
            writeLine(m_row, b.materials.at(i), false);
        else if (i < resources)
            writeLine(m_row, b.machines.at(i - b.materials.size()), true);
        if (i < item.rules.size())
            writeRule(m_row, item.rules.at(i));
        ++m_row;
    }
}

void QuotaSheetExporter::writeItemCells(int row, const QuotaItem &item)
{
    const BrandData &b = item.brand;
    text(row, Layout::CategoryName, item.categoryName);
    text(row, Layout::CategoryKind, item.categoryKind);
    text(row, Layout::ItemName, item.itemName);
    text(row, Layout::Unit, b.unit);
    number(row, Layout::Num, b.num);
    number(row, Layout::Loss, b.loss * 100.0f);
    number(row, Layout::LaborCost, b.laborcost);
    number(row, Layout::LaborProfit, b.laborprofit * 100.0f);
    number(row, Layout::Management, b.management);
    number(row, Layout::ManagementProfit, b.managementprofit * 100.0f);
    number(row, Layout::MaterialProfit, b.materialprofit * 100.0f);
    number(row, Layout::MachineProfit, b.machineprofit * 100.0f);
    text(row, Layout::ItemDesc, item.itemDesc);
    number(row, Layout::MaterialPrice, b.material);
    number(row, Layout::MachinePrice, b.machine);
}

void QuotaSheetExporter::writeLine(int row, const MtLine &line, bool machine)
{
    text(row, Layout::LineType, machine ? Layout::machineType() : Layout::materialType());
    text(row, Layout::LineName, line.name);
    text(row, Layout::LineId, line.id);
    text(row, Layout::LineCode, line.code);
    text(row, Layout::LineClassify, line.classify);
    text(row, Layout::LineUnit, line.unit);
    number(row, Layout::LinePrice, line.price);
    number(row, Layout::LineNum, line.num);
    text(row, Layout::LineDesc, line.desc);
}

void QuotaSheetExporter::writeRule(int row, const AmountRule &r)
{
    number(row, Layout::RuleSerial, r.serial);
    number(row, Layout::RuleDefault, r.bDefault);
    text(row, Layout::RuleRoomName, r.RoomName);
    const float values[] = {
        r.Area,   r.LaterArea, r.WindowArea, r.DoorArea, r.perimeter, r.WindowPerimeter, r.DoorPerimeter,
        r.length, r.width,     r.DoorWidth,  r.height,   r.DoorCount, r.constant};
    for (int i = 0; i < int(std::size(values)); ++i)
        number(row, Layout::Column(Layout::RuleArea + i), values[i]);
}

void QuotaSheetExporter::text(int row, Layout::Column column, const QString &value)
{
    if (value.isEmpty())
        return;
    const lxw_error e = worksheet_write_string(m_sheet, lxw_row_t(row), lxw_col_t(column),
                                               value.toUtf8().constData(), nullptr);
    if (e != LXW_NO_ERROR && m_failure == LXW_NO_ERROR)
        m_failure = e;
}

void QuotaSheetExporter::number(int row, Layout::Column column, float value)
{
    // The value the template file would show for this field, read back.
    const double shown =
        NumberText::leadingDouble(NumberText::fixed(double(value), Layout::templateDecimals(column)));
    const lxw_error e = worksheet_write_number(m_sheet, lxw_row_t(row), lxw_col_t(column), shown, nullptr);
    if (e != LXW_NO_ERROR && m_failure == LXW_NO_ERROR)
        m_failure = e;
}
