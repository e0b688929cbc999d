#pragma once

#include "estimate/documentstate.h"

#include <QWidget>
#include <array>

class BillLists;
class BudgetTable;
class GridView;
class QMenu;
class QPushButton;

// The list pane: the bill of quantities, the material list and the machinery list,
// one on show at a time. Edits and keys go to the bill lists; builds are requested
// from the main window, which runs them behind the progress window.
class CDetailListDlg : public QWidget
{
    Q_OBJECT

public:
    static constexpr int PaneX = 211;
    static constexpr int PaneY = 92;

    CDetailListDlg(BillLists &lists, BudgetTable &table, QWidget *parent = nullptr);

    GridView *gridView(int list) const { return m_views[list]; }
    // Places the pane for the main window's client size and shows the list of `list`.
    void showInMainWindow(int clientWidth, int clientHeight, int list);
    // The main window runs these when the progress window reports (modes 3 and 4).
    void buildMaterialList();
    void buildMachineList();

    QPushButton *backButton() const { return m_back; }
    QPushButton *excelButton() const { return m_excel; }
    // Beside Excel: one entry per further export format.
    QPushButton *exportButton() const { return m_export; }
    QMenu *exportMenu() const { return m_exportMenu; }
    QPushButton *pdfButton() const { return m_pdf; }

signals:
    // "上一步": back to the budget table.
    void backRequested();
    // A stale list must be rebuilt behind the progress window (mode 3 or 4).
    void buildRequested(PendingOperation operation);
    // A list was built: the main window closes the progress window.
    void listBuilt();
    void listRequested(int list);
    void excelRequested();
    void documentExportRequested();
    void pageExportRequested();
    void pdfRequested();
    void purchaseRequested();
    void closeFloatingMenuRequested();

private:
    void createButtons();
    void createExportMenu();
    QPushButton *button(const QString &text, const QString &name);
    void connectView(int list);
    void onCellEdited(int list, int row, int column);
    void showRefusal(const QString &refusal);
    void placeButtons(int list);
    void onTabOrEnter();

    BillLists &m_lists;
    BudgetTable &m_table;
    std::array<GridView *, 3> m_views{};
    QPushButton *m_lists1001 = nullptr;
    QPushButton *m_machine = nullptr;
    QPushButton *m_excel = nullptr;
    QPushButton *m_export = nullptr;
    QMenu *m_exportMenu = nullptr;
    QPushButton *m_pdf = nullptr;
    QPushButton *m_purchase = nullptr;
    QPushButton *m_back = nullptr;
};
