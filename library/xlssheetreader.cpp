#include "xlssheetreader.h"

#include "sheetlimits.h"
#include "xlsdeclaredcells.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <freexl.h>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

class FreexlHandle
{
public:
    ~FreexlHandle()
    {
        if (m_handle)
            freexl_close(m_handle);
    }
    const void **out() { return &m_handle; }
    const void *get() const { return m_handle; }

private:
    const void *m_handle = nullptr;
};

// Whole numbers as plain digits (codes typed as numbers), others in the shortest exact form.
QString numberText(double v)
{
    if (std::floor(v) == v && std::fabs(v) < 1e15)
        return QString::number(qint64(v));
    return QString::number(v, 'g', QLocale::FloatingPointShortest);
}

std::optional<SheetCell> cellAt(const void *handle, unsigned row, unsigned short column)
{
    FreeXL_CellValue value;
    if (freexl_get_cell_value(handle, row, column, &value) != FREEXL_OK)
        return std::nullopt;
    SheetCell cell{column, false, {}};
    switch (value.type) {
    case FREEXL_CELL_INT:
        cell.isNumber = true;
        cell.text = QString::number(value.value.int_value);
        break;
    case FREEXL_CELL_DOUBLE:
        cell.isNumber = true;
        cell.text = numberText(value.value.double_value);
        break;
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
        cell.text = value.value.text_value ? QString::fromUtf8(value.value.text_value) : QString();
        break;
    default:
        return std::nullopt;
    }
    if (cell.text.trimmed().isEmpty())
        return std::nullopt;
    return cell;
}

} // namespace

SheetReadResult XlsSheetReader::read(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return SheetReadResult::failure(QStringLiteral("无法打开文件"));
    if (info.size() > SheetLimits::MaxBytes)
        return SheetReadResult::failure(QStringLiteral("文件过大"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return SheetReadResult::failure(QStringLiteral("无法打开文件"));
    const std::optional<qint64> declared = XlsDeclaredCells::count(file.read(SheetLimits::MaxBytes));
    file.close();
    if (!declared)
        return SheetReadResult::failure(QStringLiteral("不是有效的 Excel 文件（.xls）"));
    if (*declared > SheetLimits::MaxDeclaredXlsCells)
        return SheetReadResult::failure(
            QStringLiteral("文件过大或已损坏：工作表共声明了 %1 个单元格").arg(*declared));
    FreexlHandle handle;
    unsigned rows = 0;
    unsigned short columns = 0;
    if (freexl_open(QFile::encodeName(path).constData(), handle.out()) != FREEXL_OK ||
        freexl_select_active_worksheet(handle.get(), 0) != FREEXL_OK ||
        freexl_worksheet_dimensions(handle.get(), &rows, &columns) != FREEXL_OK)
        return SheetReadResult::failure(QStringLiteral("不是有效的 Excel 文件（.xls）"));
    SheetReadResult result;
    const unsigned lastRow = std::min<unsigned>(rows, SheetLimits::MaxRows);
    const unsigned short lastColumn = std::min<unsigned short>(columns, SheetLimits::MaxColumns);
    for (unsigned r = 0; r < lastRow; ++r) {
        SheetRow row{int(r) + 1, {}};
        for (unsigned short c = 0; c < lastColumn; ++c) {
            if (const std::optional<SheetCell> cell = cellAt(handle.get(), r, c))
                row.cells.append(*cell);
        }
        if (!row.cells.isEmpty())
            result.rows.append(row);
    }
    return result;
}
