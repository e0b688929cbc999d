#pragma once

#include "estimaterecords.h"

#include <QHash>
#include <QString>

// The texts of an item row's number columns and item numbers, each distinct one kept
// once: a big project repeats the same prices, rates and sums row after row, and
// every cell holding its own copy of "¥87.50" would cost more than the cell itself.
// The texts are exactly CellText's; only the copies are shared.
class SharedCellTexts
{
public:
    // Beyond this many texts the table starts afresh, so that a project of all-different
    // numbers spends no more than this on remembering them.
    static constexpr qsizetype MaxTexts = 4096;

    // CellText::itemCell.
    QString itemCell(const EstimateRow &row, int column, Precision precision);
    // CellText::itemNumberText.
    QString itemNumber(int number);

    qsizetype size() const { return m_texts.size(); }

private:
    QString remembered(quint64 key, QString (*make)(quint64));

    QHash<quint64, QString> m_texts;
};
