#pragma once

#include "gridrange.h"

// What changed while a grid's updates were held back, reduced to one bounding
// area per kind so that the end of a batch sends one notification of each kind.
class GridChangeSet
{
public:
    void addCells(const GridRange &area) { m_cells = m_cells.united(area); }
    void addMerges(const GridRange &area) { m_merges = m_merges.united(area); }
    void addRowHeights(int first, int last) { m_rowHeights = m_rowHeights.united({first, 0, last, 0}); }
    void addColumns(int first, int last) { m_columns = m_columns.united({0, first, 0, last}); }
    void markFixedCounts() { m_fixedCounts = true; }
    void markActiveCell() { m_activeCell = true; }
    void markImages() { m_images = true; }
    // Rows or columns came or went: views must read the whole grid again.
    void markStructure() { m_structure = true; }

    const GridRange &cells() const { return m_cells; }
    const GridRange &merges() const { return m_merges; }
    const GridRange &rowHeights() const { return m_rowHeights; }
    const GridRange &columns() const { return m_columns; }
    bool fixedCounts() const { return m_fixedCounts; }
    bool activeCell() const { return m_activeCell; }
    bool images() const { return m_images; }
    bool structure() const { return m_structure; }

private:
    GridRange m_cells;
    GridRange m_merges;
    GridRange m_rowHeights;
    GridRange m_columns;
    bool m_fixedCounts = false;
    bool m_activeCell = false;
    bool m_images = false;
    bool m_structure = false;
};
