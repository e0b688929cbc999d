#pragma once

#include "estimate/pricing.h"
#include "settingsmenu.h"

#include <functional>

class AppContext;
class QWidget;

// What the settings menu does: the rate prompts, the loss and tax columns and the
// display precision, each handed to the budget table and the bill lists.
class SettingsActions
{
public:
    // Whether the budget table is the view on show (columns are re-laid only then).
    using TableShown = std::function<bool()>;

    SettingsActions(AppContext &context, QWidget *window, TableShown tableShown);

    SettingsMenu::State menuState() const;
    // Runs the rate prompt modally; the rate reaches the items only on its second "确定".
    void setProjectRate(RateKind kind);
    void toggleTax();
    void toggleLoss();
    void setPrecision(Precision precision);
    // The settings file with the table's column switches; false when it could not be written.
    bool saveSettings();

private:
    void relayBillColumns(bool showLossColumn);
    int clientWidth() const;

    AppContext &m_context;
    QWidget *m_window;
    TableShown m_tableShown;
};
