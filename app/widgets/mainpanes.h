#pragma once

#include "app/projectform.h"
#include "estimate/itemoperations.h"

#include <QObject>

#include <functional>

class AppContext;
class CAddListDlg;
class CDetailListDlg;
class CItemDlg;
class CParticulars;
class CTableDlg;
class QWidget;

// The panes of the main window: the left pane, the project information form, the
// budget table and the bill lists, each over the part of the context it shows.
class MainPanes : public QObject
{
    Q_OBJECT

public:
    MainPanes(AppContext &context, QWidget *window);

    CItemDlg *left() const { return m_left; }
    CAddListDlg *form() const { return m_form; }
    CTableDlg *table() const { return m_table; }
    CDetailListDlg *bills() const { return m_bills; }
    CParticulars *particulars() const { return m_particulars; }
    ProjectForm &projectForm() { return m_projectForm; }
    ItemOperations &itemOperations() { return m_operations; }

    // After a view switch: the left pane's controls and step buttons, the list on show.
    void showView(int view, int list, int clientWidth, int clientHeight);
    // The project was replaced: the form and the rooms show the new one.
    void refreshDocument();
    // Marks the room that double-clicked items go into, once the current changes are over.
    void markReceivingRoomSoon();
    // After any change of the project (undo and redo included), once the change is through.
    void refreshRoomsSoon();

private:
    void runOnceSoon(bool &pending, const std::function<void()> &work);
    void createTablePanes(QWidget *window);
    void connectLeftPane();
    // "编辑" on an item row: the resource editor, then the row priced again.
    void editResources(int estimateIndex);

    AppContext &m_context;
    QWidget *m_window;
    ProjectForm m_projectForm;
    ItemOperations m_operations;
    int m_customItemCounter = 1;
    bool m_roomMarkPending = false;
    bool m_roomsRefreshPending = false;
    CItemDlg *m_left = nullptr;
    CAddListDlg *m_form = nullptr;
    CTableDlg *m_table = nullptr;
    CDetailListDlg *m_bills = nullptr;
    CParticulars *m_particulars = nullptr;
};
