#include "viewswitcher.h"

#include "mainlayout.h"

#include <QWidget>

ViewSwitcher::ViewSwitcher(const Panes &panes, QObject *parent) : QObject(parent), m_panes(panes)
{
    for (QWidget *w : {m_panes.form, m_panes.table, m_panes.bills})
        w->hide();
}

QWidget *ViewSwitcher::pane(int view) const
{
    switch (view) {
    case FormView: return m_panes.form;
    case TableView: return m_panes.table;
    default: return m_panes.bills;
    }
}

void ViewSwitcher::showForm()
{
    switchTo(FormView);
}

void ViewSwitcher::showTable()
{
    switchTo(TableView);
}

void ViewSwitcher::showBillList(int code)
{
    if (code < 1 || code > 3)
        return;
    m_currentList = code - 1;
    switchTo(BillView);
}

void ViewSwitcher::switchTo(int view)
{
    m_currentView = view;
    // However narrow the window, a switch leaves exactly one view showing; only resizing
    // leaves a narrow window as it was.
    const QWidget *window = m_panes.form->parentWidget();
    place(window->width(), window->height());
    emit viewShown(m_currentView, m_currentList);
}

void ViewSwitcher::layout(int w, int h)
{
    if (w < MainLayout::MinimumLayoutWidth)
        return;
    place(w, h);
}

void ViewSwitcher::place(int w, int h)
{
    m_panes.left->setGeometry(MainLayout::leftPane(w, h));
    m_panes.left->show();
    show(m_currentView, w, h);
}

void ViewSwitcher::show(int view, int w, int h)
{
    for (int other : {FormView, TableView, BillView}) {
        if (other != view)
            pane(other)->hide();
    }
    QWidget *shown = pane(view);
    if (view == FormView)
        shown->setGeometry(MainLayout::form(w, h));
    else if (view == TableView)
        shown->setGeometry(MainLayout::budgetTable(w, h));
    else
        shown->setGeometry(MainLayout::billLists(w, h));
    shown->show();
}
