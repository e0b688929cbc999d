#pragma once

#include <QObject>

class QWidget;

// The three views of the right side (project information form, budget table,
// bill lists) and the left pane: which one shows and where each goes.
class ViewSwitcher : public QObject
{
    Q_OBJECT

public:
    enum View { FormView = 0, TableView = 1, BillView = 2 };
    enum List { BillOfQuantities = 0, MaterialList = 1, MachineList = 2 };

    struct Panes {
        QWidget *left;
        QWidget *form;
        QWidget *table;
        QWidget *bills;
    };

    ViewSwitcher(const Panes &panes, QObject *parent);

    int currentView() const { return m_currentView; }
    int currentList() const { return m_currentList; }
    QWidget *pane(int view) const;

    // Start-up: the table shows first when a project is to be opened from the command line.
    void setInitialView(int view) { m_currentView = view; }
    void showForm();
    void showTable();
    // codes 1, 2, 3: bill of quantities, material list, machinery list.
    void showBillList(int code);
    // Places and shows the pane of the current view for a w × h client area; a window
    // narrower than the layout's minimum keeps its panes where they are.
    void layout(int w, int h);

signals:
    // After every switch, for the left pane's step buttons and the panes' own refresh.
    void viewShown(int view, int list);

private:
    void switchTo(int view);
    void place(int w, int h);
    void show(int view, int w, int h);

    Panes m_panes;
    int m_currentView = FormView;
    int m_currentList = BillOfQuantities;
};
