#pragma once

#include "estimate/estimaterecords.h"

#include <QObject>

class QMenu;
class QWidget;

// The settings pop-up of the main window, rebuilt at every use from the state it shows.
class SettingsMenu : public QObject
{
    Q_OBJECT

public:
    struct State {
        bool showTax = true;
        bool showLoss = true;
        Precision precision = 2;
        bool templateEditorAvailable = false;
        bool pageSetupAvailable = false;
    };

    explicit SettingsMenu(QWidget *owner);

    // Builds a fresh menu (the previous one is deleted) and pops it up at screenPos.
    QMenu *popup(const State &state, const QPoint &screenPos);
    QMenu *menu() const { return m_menu; }

    static QMenu *build(const State &state, QWidget *parent);

signals:
    void command(int id);

private:
    QWidget *m_owner;
    QMenu *m_menu = nullptr;
};
