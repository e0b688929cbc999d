#include "settingsmenu.h"

#include "commandids.h"

#include <QMenu>


SettingsMenu::SettingsMenu(QWidget *owner) : QObject(owner), m_owner(owner)
{
}

QMenu *SettingsMenu::build(const State &state, QWidget *parent)
{
    auto *menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("SettingsMenu"));
    menu->addAction(QStringLiteral("设置利润"))->setData(CommandId::SetProfit);
    menu->addAction(QStringLiteral("设置税金"))->setData(CommandId::SetTax);
    menu->addAction(state.showTax ? QStringLiteral("隐藏税金") : QStringLiteral("显示税金"))->setData(CommandId::ToggleTax);
    menu->addAction(QStringLiteral("设置损耗"))->setData(CommandId::SetLoss);
    menu->addAction(state.showLoss ? QStringLiteral("隐藏损耗") : QStringLiteral("显示损耗"))
        ->setData(CommandId::ToggleLoss);

    QMenu *precision = menu->addMenu(QStringLiteral("设置精度"));
    precision->setObjectName(QStringLiteral("PrecisionMenu"));
    const QString texts[] = {QStringLiteral("0"), QStringLiteral("0.0"), QStringLiteral("0.00")};
    for (int decimals = 0; decimals < 3; ++decimals) {
        QAction *action = precision->addAction(texts[decimals]);
        action->setData(CommandId::PrecisionZero + decimals);
        action->setCheckable(true);
        action->setChecked(state.precision == decimals);
    }

    QAction *edit = menu->addAction(QStringLiteral("编辑模板"));
    edit->setData(CommandId::MenuEditTemplate);
    edit->setEnabled(state.templateEditorAvailable);
    QAction *page = menu->addAction(QStringLiteral("设置页面"));
    page->setData(CommandId::PageSetup);
    page->setEnabled(state.pageSetupAvailable);
    return menu;
}

QMenu *SettingsMenu::popup(const State &state, const QPoint &screenPos)
{
    delete m_menu;
    m_menu = build(state, m_owner);
    const auto forward = [this](QAction *action) {
        if (action->data().isValid())
            emit command(action->data().toInt());
    };
    connect(m_menu, &QMenu::triggered, this, forward);
    m_menu->popup(screenPos);
    return m_menu;
}
