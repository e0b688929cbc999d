#pragma once

#include "estimate/documentstate.h"
#include "estimate/estimatechange.h"
#include "estimate/estimaterecords.h"
#include "estimate/tablesharedstate.h"
#include "resourcelist.h"

#include "contracts/grid.h"

class BudgetTable;
class Estimate;
class GridTextMeasure;

// The list pane without its window: the grids of the bill of quantities, the
// material list and the machinery list, which of them is on show, and the
// reactions to edits, rate changes and precision changes. The budget table writes
// the bill's estimate rows (estimate row i is bill row i + 6) into billGrid().
class BillLists
{
public:
    enum List { BillOfQuantities = 0, MaterialList = 1, MachineList = 2 };

    // The stale flags live in the state shared with the budget table, which sets them.
    BillLists(const GridTextMeasure &measure, TableSharedState &shared);

    Grid &billGrid() { return m_bill; }
    Grid &materialGrid() { return m_material; }
    Grid &machineGrid() { return m_machine; }
    Grid &grid(int list);
    const ResourceList &materialList() const { return m_materialList; }
    const ResourceList &machineList() const { return m_machineList; }

    // Empty grids with their headers and footers; shows the bill of quantities.
    void setUp(Precision precision);
    // A new project: the bill loses its estimate rows.
    void resetBill(Precision precision);
    void fillHeaders(const ProjectInfo &info);

    int currentList() const { return m_currentList; }
    // Shows a list; when it is stale its flag is cleared and the answer names the
    // build the progress window must run (None when nothing needs building).
    PendingOperation showList(int list);
    // The pane's own timer: a stale material list is rebuilt.
    PendingOperation onStaleTimer();

    // The estimate is busy while a list is built.
    void buildMaterialList(Estimate &estimate);
    void buildMachineList(Estimate &estimate);

    void setLossTaxColumns(bool showLoss, bool showTax);
    // The bill's columns widened to show its numbers whole at a legible size, from the description
    // column; run whenever the bill is shown, since the budget table writes it while it is hidden.
    // Widths the user gave by dragging stay where they are wide enough.
    void fitBillWidths();
    void reformat(Precision precision);
    // The rate message: code 0 after the profit rate was applied (auxiliary profit
    // on both lists), 1 after the loss or tax rate (the loss rate on the material list).
    void onRateMessage(int code, const RateSettings &rates, Precision precision);

    // A cell edit in the material or machinery grid; ignored while the estimate is
    // busy or the list step is not on show.
    bool onResourceCellEdited(int list, int row, int column, const Estimate &estimate, bool atListStep);
    // Why the last edit of that resource list was refused; empty when it was taken.
    const QString &resourceRefusal(int list) const
    {
        return (list == MaterialList ? m_materialList : m_machineList).refusal();
    }
    // A cell edit in columns 6-12 of a construct row of the bill: applied to the
    // estimate as in the budget table, which writes both of its grids (its bill
    // grid must be billGrid()). An applied edit marks both resource lists stale.
    CellEdit onBillCellEdited(BudgetTable &table, int row, int column, const QString &typed, bool atListStep);
    // The same for a text already written into the cell.
    CellEdit onBillCellEdited(BudgetTable &table, int row, int column, bool atListStep);

    // Tab and Enter in the list on show.
    int nextColumn(int row, int column) const;

private:
    ResourceList &resourceList(int list) { return list == MaterialList ? m_materialList : m_machineList; }
    void build(ResourceList &list, Estimate &estimate);

    Grid m_bill;
    Grid m_material;
    Grid m_machine;
    ResourceList m_materialList;
    ResourceList m_machineList;
    const GridTextMeasure &m_measure;
    TableSharedState &m_shared;
    int m_currentList = BillOfQuantities;
};
