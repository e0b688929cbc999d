#include "settingsactions.h"

#include "ctemp_information.h"
#include "ratepage.h"

#include "app/appcontext.h"

#include <QMessageBox>
#include <QWidget>

SettingsActions::SettingsActions(AppContext &context, QWidget *window, TableShown tableShown)
    : m_context(context), m_window(window), m_tableShown(std::move(tableShown))
{
}

int SettingsActions::clientWidth() const
{
    return m_window->width();
}

SettingsMenu::State SettingsActions::menuState() const
{
    SettingsMenu::State state;
    state.showTax = m_context.budgetTable().showTax();
    state.showLoss = m_context.budgetTable().showLoss();
    state.precision = m_context.estimate().precision();
    return state;
}

void SettingsActions::setProjectRate(RateKind kind)
{
    RateSettings &rates = m_context.settings().rates;
    const RateSettings before = rates;
    CTemp_Information dialog(kind, rates, m_window);
    dialog.exec();
    const RateDialogLogic &logic = dialog.ratePage()->logic();
    BudgetTable &table = m_context.budgetTable();
    if (logic.sentCode() == logic.tableCode() && !m_context.estimate().rateFits(kind, rates)) {
        // Nothing is applied or stored: the amounts would leave the range a number can hold.
        rates = before;
        QMessageBox::warning(m_window, QStringLiteral("提示"), QStringLiteral("该费率使金额或合计超出范围，未应用。"));
        return;
    }
    if (logic.sentCode() == logic.tableCode()) {
        // The built lists hear of the applied rate from the document's change.
        table.applyProjectRate(kind, before);
    } else if (logic.sentCode() == RateDialogLogic::RelayoutCode) {
        table.layoutColumns(clientWidth(), m_tableShown());
        relayBillColumns(table.showlr());
    }
    if (logic.settingsChanged())
        saveSettings();
}

void SettingsActions::toggleTax()
{
    m_context.budgetTable().toggleTax(clientWidth(), m_tableShown());
    relayBillColumns(m_context.budgetTable().showLoss());
}

void SettingsActions::toggleLoss()
{
    m_context.budgetTable().toggleLoss(clientWidth(), m_tableShown());
    relayBillColumns(m_context.budgetTable().showLoss());
}

void SettingsActions::setPrecision(Precision precision)
{
    m_context.budgetTable().setPrecision(precision);
    m_context.billLists().reformat(precision);
}

void SettingsActions::relayBillColumns(bool showLossColumn)
{
    m_context.billLists().setLossTaxColumns(showLossColumn, m_context.budgetTable().showTax());
}

bool SettingsActions::saveSettings()
{
    const BudgetTable &table = m_context.budgetTable();
    return m_context.settingsStore().SaveSettings(m_context.settings(), table.showlr(), table.showLoss(),
                                                  table.showTax());
}
