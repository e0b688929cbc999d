#include "sharedcelltexts.h"

#include "celltext.h"

#include <bit>

namespace {

// Keys: the value's bits in the low half; above them the column (1-31) and the precision,
// or 0 in place of a column for item numbers.
constexpr int ColumnShift = 32;
constexpr int PrecisionShift = 40;

quint64 numberKey(int column, float value, Precision precision)
{
    return quint64(std::bit_cast<quint32>(value)) | (quint64(column) << ColumnShift) |
           (quint64(precision) << PrecisionShift);
}

QString numberText(quint64 key)
{
    const int column = int((key >> ColumnShift) & 0xFF);
    const float value = std::bit_cast<float>(quint32(key));
    return CellText::formatCell(column, value, Precision(key >> PrecisionShift));
}

QString itemNumberText(quint64 key)
{
    return CellText::itemNumberText(int(quint32(key)));
}

} // namespace

QString SharedCellTexts::itemCell(const EstimateRow &row, int column, Precision precision)
{
    if (column < CellText::QuantityColumn || column > CellText::TotalColumn)
        return CellText::itemCell(row, column, precision);
    const float value = CellText::cellValue(row.item.brand, row.costs, column);
    return remembered(numberKey(column, value, CellText::clampPrecision(precision)), numberText);
}

QString SharedCellTexts::itemNumber(int number)
{
    return remembered(quint64(quint32(number)), itemNumberText);
}

QString SharedCellTexts::remembered(quint64 key, QString (*make)(quint64))
{
    const auto found = m_texts.constFind(key);
    if (found != m_texts.cend())
        return *found;
    if (m_texts.size() >= MaxTexts)
        m_texts.clear();
    return *m_texts.insert(key, make(key));
}
