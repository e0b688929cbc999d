#include "billlists.h"

#include "billgridsetup.h"
#include "listkeyboard.h"

#include "contracts/gridupdateguard.h"
#include "estimate/celltext.h"
#include "estimate/estimate.h"

BillLists::BillLists(const GridTextMeasure &measure, bool &materialListStale, bool &machineListStale)
    : m_materialList(ResourceListKind::Material, m_material, measure),
      m_machineList(ResourceListKind::Machine, m_machine, measure),
      m_materialListStale(materialListStale),
      m_machineListStale(machineListStale)
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
    bool &stale = list == MaterialList ? m_materialListStale : m_machineListStale;
    if (list == BillOfQuantities || !stale)
        return PendingOperation::None;
    stale = false;
    return list == MaterialList ? PendingOperation::BuildMaterialList : PendingOperation::BuildMachineList;
}

PendingOperation BillLists::onStaleTimer()
{
    if (!m_materialListStale)
        return PendingOperation::None;
    m_materialListStale = false;
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
    BillGridSetup::applyBillWidths(m_bill, showLoss, showTax);
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

CellEdit BillLists::onBillCellEdited(Estimate &estimate, int row, int column, bool atListStep)
{
    const int index = row - BillGridSetup::HeaderRows;
    if (!atListStep || column < CellText::QuantityColumn || column > CellText::ManagementPriceColumn
        || index < 0 || index >= estimate.rowCount())
        return {};
    const CellEdit edit = estimate.editCell(index, column, m_bill.text(row, column));
    if (!edit.handled)
        return edit;
    mirrorToBill(estimate, edit, index, column);
    // The resources were summed with the old quantity.
    if (edit.change.applied) {
        m_materialListStale = true;
        m_machineListStale = true;
    }
    return edit;
}

void BillLists::mirrorToBill(const Estimate &estimate, const CellEdit &edit, int index, int column)
{
    const int offset = BillGridSetup::HeaderRows;
    const Precision precision = estimate.precision();
    GridUpdateGuard guard(m_bill);
    m_bill.setText(index + offset, column, edit.cellText);
    for (int item : edit.change.itemRows) {
        for (int c : edit.change.itemColumns)
            m_bill.setText(item + offset, c, CellText::itemCell(estimate.rows()[item], c, precision));
    }
    for (int room : edit.change.roomRows) {
        if (room >= 0)
            m_bill.setText(room + offset, CellText::RoomTotalColumn,
                           CellText::roomTotal(estimate.rows()[room].costs.total, precision,
                                               edit.change.roomTotalForm));
    }
    if (edit.change.totalsChanged)
        m_bill.setText(m_bill.rowCount() - 2, 1, CellText::summaryLine(estimate.totals(), precision));
}

int BillLists::nextColumn(int row, int column) const
{
    const Grid &shown = m_currentList == MaterialList ? m_material : m_currentList == MachineList ? m_machine : m_bill;
    return ListKeyboard::nextColumn(shown, row, column);
}
