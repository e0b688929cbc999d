#pragma once

#include "estimate/estimaterecords.h"
#include "estimate/pricing.h"
#include "listline.h"

#include <QList>
#include <QString>

#include <utility>

class Grid;
class GridTextMeasure;

// The material or the machinery list over its grid: built from the estimate,
// edited in place (the edits touch only the grid and the shown total), re-priced
// and re-formatted from the stored lines. Data row r shows line r - 6.
class ResourceList
{
public:
    static constexpr int FirstDataRow = 6;
    static constexpr int MinimumRowHeight = 25;

    ResourceList(ResourceListKind kind, Grid &grid, const GridTextMeasure &measure);

    ResourceListKind kind() const { return m_kind; }
    const QList<ListLine> &lines() const { return m_lines; }
    float total() const { return m_total; }
    int dataRowCount() const { return int(m_lines.size()); }
    int totalRow() const;
    bool isDataRow(int row) const
    {
        return row >= FirstDataRow && row < totalRow() && row - FirstDataRow < m_lines.size();
    }

    void setUp(Precision precision);
    // Replaces the data rows with the resources of the estimate's rows.
    void build(const QList<EstimateRow> &rows, Precision precision);

    // The user ended an edit of a cell; the grid already holds the typed text.
    // Only data rows react. Returns whether the row was recomputed or restored.
    // A typed quantity or price that no float holds, or whose amount or list
    // total would not, is refused: the cell gets back its earlier text and
    // refusal() says why until the next edit.
    bool onCellEdited(int row, int column, Precision precision);
    const QString &refusal() const { return m_refusal; }

    // Sets one rate on every line (profit, or loss on the material list) and rewrites the rows.
    void applyRate(RateKind kind, float rate, Precision precision);
    // Rewrites the numbers of every row and the total at another precision.
    void reformat(Precision precision);

private:
    void removeDataRows();
    void writeRow(int index, Precision precision);
    void writeNumbers(int index, Precision precision);
    void styleRow(int row);
    bool recompute(int row, int column, Precision precision);
    void writeEditedTotal(Precision precision);
    float sumOfAmounts() const;

    ResourceListKind m_kind;
    Grid &m_grid;
    const GridTextMeasure &m_measure;
    QList<ListLine> m_lines;
    // The quantity and price texts each data row shows, as written or as last taken from the user.
    QList<std::pair<QString, QString>> m_shownNumbers;
    float m_total = 0.0f;
    QString m_refusal;
};
