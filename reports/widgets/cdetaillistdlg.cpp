#include "cdetaillistdlg.h"

#include "contracts/widgets/celleditorkeys.h"
#include "contracts/widgets/gridview.h"
#include "estimate/budgettable.h"
#include "reports/billlists.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

namespace {

constexpr int ButtonWidth = 110;
constexpr int ButtonHeight = 30;
constexpr int ButtonGap = 8;
constexpr int ListCount = 3;

} // namespace

CDetailListDlg::CDetailListDlg(BillLists &lists, BudgetTable &table, QWidget *parent)
    : QWidget(parent), m_lists(lists), m_table(table)
{
    setObjectName(QStringLiteral("Childdialog"));
    for (int list = 0; list < ListCount; ++list) {
        m_views[list] = new GridView(this);
        m_views[list]->setGrid(&m_lists.grid(list));
        connectView(list);
    }
    createButtons();
}

QPushButton *CDetailListDlg::button(const QString &text, const QString &name)
{
    auto *button = new QPushButton(text, this);
    button->setObjectName(name);
    return button;
}

void CDetailListDlg::createButtons()
{
    m_lists1001 = button(QStringLiteral("工程/主材/工料单"), QStringLiteral("DetailListButton"));
    m_machine = button(QStringLiteral("辅材"), QStringLiteral("MachinelList_Button"));
    m_excel = button(QStringLiteral("Excel"), QStringLiteral("ExcelButton"));
    m_purchase = button(QStringLiteral("一键采购"), QStringLiteral("PurchaseButton"));
    m_pdf = button(QStringLiteral("PDF"), QStringLiteral("PdfButton"));
    m_pdf->setToolTip(QStringLiteral("封面页和清单页导出为一个 PDF 文件"));
    // Purchase has no handler yet: a button that does nothing would look broken.
    m_purchase->setEnabled(false);
    createExportMenu();
    m_back = button(QStringLiteral("上一步"), QStringLiteral("BackButton"));
    connect(m_lists1001, &QPushButton::clicked, this, [this] { emit listRequested(BillLists::BillOfQuantities); });
    connect(m_machine, &QPushButton::clicked, this, [this] { emit listRequested(BillLists::MachineList); });
    connect(m_excel, &QPushButton::clicked, this, [this] {
        emit closeFloatingMenuRequested();
        emit excelRequested();
    });
    connect(m_pdf, &QPushButton::clicked, this, [this] {
        emit closeFloatingMenuRequested();
        emit pdfRequested();
    });
    connect(m_purchase, &QPushButton::clicked, this, &CDetailListDlg::purchaseRequested);
    connect(m_back, &QPushButton::clicked, this, [this] {
        emit closeFloatingMenuRequested();
        emit backRequested();
    });
}

void CDetailListDlg::createExportMenu()
{
    m_export = button(QStringLiteral("导出"), QStringLiteral("ExportMenuButton"));
    m_exportMenu = new QMenu(m_export);
    m_exportMenu->setObjectName(QStringLiteral("ExportMenu"));
    m_exportMenu->addAction(QStringLiteral("Word文档(*.doc)"), this, [this] {
        emit closeFloatingMenuRequested();
        emit documentExportRequested();
    });
    m_exportMenu->addAction(QStringLiteral("网页(*.html)"), this, [this] {
        emit closeFloatingMenuRequested();
        emit pageExportRequested();
    });
    m_export->setMenu(m_exportMenu);
}

void CDetailListDlg::connectView(int list)
{
    GridView *view = m_views[list];
    if (list == BillLists::BillOfQuantities) {
        // The bill's item cells are project edits: the estimate decides what they show.
        view->setEditsAreRequests(true);
        connect(view, &GridView::editRequested, this, [this](int row, int column, const QString &typed) {
            emit closeFloatingMenuRequested();
            showRefusal(m_lists.onBillCellEdited(m_table, row, column, typed, isVisible()).refusal);
        });
    } else {
        connect(view, &GridView::cellEdited, this,
                [this, list](int row, int column) { onCellEdited(list, row, column); });
    }
    connect(view, &GridView::cellClicked, this, &CDetailListDlg::closeFloatingMenuRequested);
    new CellEditorKeys(view, [this] { onTabOrEnter(); });
}

void CDetailListDlg::onCellEdited(int list, int row, int column)
{
    emit closeFloatingMenuRequested();
    if (m_lists.onResourceCellEdited(list, row, column, m_table.estimate(), isVisible()))
        showRefusal(m_lists.resourceRefusal(list));
}

void CDetailListDlg::showRefusal(const QString &refusal)
{
    if (!refusal.isEmpty())
        QMessageBox::warning(this, QStringLiteral("提示"), refusal);
}

void CDetailListDlg::showInMainWindow(int clientWidth, int clientHeight, int list)
{
    setGeometry(PaneX, PaneY, clientWidth - 213, clientHeight - 117);
    const PendingOperation build = m_lists.showList(list);
    const int shown = m_lists.currentList();
    for (int i = 0; i < ListCount; ++i) {
        m_views[i]->setGeometry(0, 0, width(), height() - 55);
        m_views[i]->setVisible(i == shown);
    }
    placeButtons(shown);
    show();
    if (build != PendingOperation::None)
        emit buildRequested(build);
}

void CDetailListDlg::placeButtons(int list)
{
    const int y = height() - ButtonHeight - 12;
    const bool machine = list == BillLists::MachineList;
    m_lists1001->setVisible(!machine);
    m_purchase->setVisible(!machine);
    // Right to left; the machinery list keeps only 辅材, 上一步 and the exports.
    const QList<QPushButton *> order =
        machine ? QList<QPushButton *>{m_pdf, m_export, m_excel, m_back, m_machine}
                : QList<QPushButton *>{m_purchase, m_pdf, m_export, m_excel, m_machine, m_lists1001, m_back};
    int x = width() - ButtonGap;
    for (QPushButton *button : order) {
        const int w = button == m_lists1001 ? ButtonWidth + 30 : ButtonWidth;
        x -= w;
        button->setGeometry(x, y, w, ButtonHeight);
        x -= ButtonGap;
    }
}

void CDetailListDlg::buildMaterialList()
{
    m_lists.buildMaterialList(m_table.estimate());
    emit listBuilt();
}

void CDetailListDlg::buildMachineList()
{
    m_lists.buildMachineList(m_table.estimate());
    emit listBuilt();
}

void CDetailListDlg::onTabOrEnter()
{
    Grid &grid = m_lists.grid(m_lists.currentList());
    const int row = grid.activeRow();
    if (row >= 0)
        grid.setActiveCell(row, m_lists.nextColumn(row, grid.activeColumn()));
}
