#include "billlists.h"

#include "billgridsetup.h"
#include "listkeyboard.h"

#include "contracts/gridupdateguard.h"
#include "estimate/budgettable.h"
#include "estimate/celltext.h"
#include "estimate/estimate.h"

BillLists::BillLists(const GridTextMeasure &measure, TableSharedState &shared)
    : m_materialList(ResourceListKind::Material, m_material, measure),
      m_machineList(ResourceListKind::Machine, m_machine, measure), m_measure(measure), m_shared(shared)
{
}

Grid &BillLists::grid(int list)
{
    return list == MaterialList ? m_material : list == MachineList ? m_machine : m_bill;
}

void BillLists::setUp(Precision precision)
{
    BillGridSetup::setUpBillGrid(m_bill, precision);
    m_materialList.setUp(precision);
    m_machineList.setUp(precision);
    m_currentList = BillOfQuantities;
}

void BillLists::resetBill(Precision precision)
{
    BillGridSetup::resetBillFooters(m_bill, precision);
}

void BillLists::fillHeaders(const ProjectInfo &info)
{
    BillGridSetup::fillBillHeader(m_bill, info);
    BillGridSetup::fillResourceHeader(m_material, ResourceListKind::Material, info);
    BillGridSetup::fillResourceHeader(m_machine, ResourceListKind::Machine, info);
}

PendingOperation BillLists::showList(int list)
{
    if (list < BillOfQuantities || list > MachineList)
        return PendingOperation::None;
    m_currentList = list;
    if (list == BillOfQuantities)
        fitBillWidths();
    bool &stale = list == MaterialList ? m_shared.materialListStale : m_shared.machineListStale;
    if (list == BillOfQuantities || !stale)
        return PendingOperation::None;
    stale = false;
    return list == MaterialList ? PendingOperation::BuildMaterialList : PendingOperation::BuildMachineList;
}

PendingOperation BillLists::onStaleTimer()
{
    if (!m_shared.materialListStale)
        return PendingOperation::None;
    m_shared.materialListStale = false;
    return PendingOperation::BuildMaterialList;
}

void BillLists::buildMaterialList(Estimate &estimate)
{
    build(m_materialList, estimate);
}

void BillLists::buildMachineList(Estimate &estimate)
{
    build(m_machineList, estimate);
}

void BillLists::build(ResourceList &list, Estimate &estimate)
{
    estimate.setIdle(false);
    list.build(estimate.rows(), estimate.precision());
    estimate.setIdle(true);
}

void BillLists::setLossTaxColumns(bool showLoss, bool showTax)
{
    BillGridSetup::applyBillWidths(m_bill, showLoss, showTax, &m_measure);
}

void BillLists::fitBillWidths()
{
    BillGridSetup::fitBillWidths(m_bill, m_measure);
}

void BillLists::reformat(Precision precision)
{
    m_materialList.reformat(precision);
    m_machineList.reformat(precision);
}

void BillLists::onRateMessage(int code, const RateSettings &rates, Precision precision)
{
    if (code == 0) {
        const float rate = Pricing::rateFraction(rates.auxiProfit);
        m_materialList.applyRate(RateKind::Profit, rate, precision);
        m_machineList.applyRate(RateKind::Profit, rate, precision);
    } else if (code == 1) {
        m_materialList.applyRate(RateKind::Loss, Pricing::rateFraction(rates.loss), precision);
    }
}

bool BillLists::onResourceCellEdited(int list, int row, int column, const Estimate &estimate, bool atListStep)
{
    if ((list != MaterialList && list != MachineList) || !estimate.isIdle() || !atListStep)
        return false;
    return resourceList(list).onCellEdited(row, column, estimate.precision());
}

CellEdit BillLists::onBillCellEdited(BudgetTable &table, int row, int column, bool atListStep)
{
    return onBillCellEdited(table, row, column, m_bill.text(row, column), atListStep);
}

CellEdit BillLists::onBillCellEdited(BudgetTable &table, int row, int column, const QString &typed,
                                     bool atListStep)
{
    const int index = row - BillGridSetup::HeaderRows;
    Estimate &estimate = table.estimate();
    const bool itemCell = atListStep && column >= CellText::QuantityColumn &&
                          column <= CellText::ManagementPriceColumn && index >= 0 && index < estimate.rowCount();
    const CellEdit edit = itemCell ? table.document().editCell(index, column, typed) : CellEdit{};
    if (!edit.handled) {
        // Not an edit of the project: the cell keeps what was typed.
        m_bill.setText(row, column, typed);
        return edit;
    }
    // An applied edit reached both grids through the document's change.
    if (!edit.change.applied)
        table.writeBoth(index, column, edit.cellText);
    fitBillWidths();
    // The resources were summed with the old quantity and prices.
    if (edit.change.applied)
        m_shared.markListsStale();
    return edit;
}

int BillLists::nextColumn(int row, int column) const
{
    const Grid &shown = m_currentList == MaterialList  ? m_material
                        : m_currentList == MachineList ? m_machine
                                                       : m_bill;
    return ListKeyboard::nextColumn(shown, row, column);
}
