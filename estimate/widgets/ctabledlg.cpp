#include "ctabledlg.h"

#include "tableicons.h"

#include "contracts/widgets/celleditorkeys.h"
#include "contracts/widgets/celltextfit.h"
#include "contracts/widgets/gridmodel.h"
#include "contracts/widgets/gridview.h"
#include "estimate/budgettable.h"
#include "estimate/itemoperations.h"
#include "estimate/tablesharedstate.h"

#include <QAbstractItemDelegate>
#include <QFrame>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

namespace {

// Menu texts keep their blanks: they set the menus' width and indent.
const QString EditText = QStringLiteral("编辑               ");
const QString DeleteText = QStringLiteral("删除               ");
const QString MoveText = QStringLiteral("  移动至");
const QString CopyText = QStringLiteral("  添加到其它房间");
const QString SaveText = QStringLiteral("  保存到工程类项目");

QMenu *newMenu(QWidget *parent)
{
    auto *menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("accuracyMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    return menu;
}

} // namespace

CTableDlg::CTableDlg(BudgetTable &table, ItemOperations &operations, QWidget *parent)
    : QWidget(parent), m_table(table), m_operations(operations)
{
    setObjectName(QStringLiteral("Childdialog"));
    TableIcons::addMissing(m_table.table());
    m_view = new GridView(this);
    m_view->setGrid(&m_table.table());
    m_line = new QFrame(this);
    m_line->setFrameShape(QFrame::HLine);
    // Kept for its place only: drawn, it reads as a stray line under the table.
    m_line->hide();
    // Numbers are laid out at least as wide as they are at the smallest legible size.
    m_table.setMinimumNumberWidth(CellTextFit::legibleNumberWidth(m_view->font()));
    createButtons();
    connectView();
}

QPushButton *CTableDlg::listButton(const QString &text, const QString &name, void (CTableDlg::*signal)())
{
    auto *button = new QPushButton(text, this);
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, [this, signal] {
        emit closeFloatingMenuRequested();
        emit(this->*signal)();
    });
    return button;
}

void CTableDlg::createButtons()
{
    m_next = listButton(QStringLiteral("下一步"), QStringLiteral("TableDlgList"), &CTableDlg::nextRequested);
    m_material = listButton(QStringLiteral("生成主材清单"), QStringLiteral("Material_Button"),
                            &CTableDlg::materialListRequested);
    m_machine = listButton(QStringLiteral("生成辅材清单"), QStringLiteral("MachinelList_Button"),
                           &CTableDlg::machineListRequested);
}

void CTableDlg::connectView()
{
    // The table decides what an edited cell shows: the typed text is a request.
    m_view->setEditsAreRequests(true);
    connect(m_view, &GridView::editRequested, this, [this](int row, int column, const QString &typed) {
        emit closeFloatingMenuRequested();
        const QString refusal = m_table.editCell(row, column, typed);
        if (!refusal.isEmpty())
            QMessageBox::warning(this, QStringLiteral("提示"), refusal);
    });
    connect(m_view, &GridView::cellClicked, this,
            [this](int, int, bool insideCell) { onCellClicked(insideCell); });
    connect(m_view, &GridView::columnResized, this, [this] { m_table.onColumnResized(); });
    connect(m_view, &GridView::mouseMoved, this, [this](int row, int column) { onMouseMoved(row, column); });
    connect(m_view, &GridView::mouseLeft, this, [this] {
        m_hoverIndex = -1;
        emit hoverEnded();
    });
    new CellEditorKeys(m_view, [this] { m_table.onTabOrEnter(); });
}

void CTableDlg::showInMainWindow(int clientWidth, int clientHeight)
{
    m_clientWidth = clientWidth;
    const int width = clientWidth - 213;
    setGeometry(PaneX, PaneY, width, clientHeight - 118);
    m_view->setGeometry(0, 0, width, clientHeight - 173);
    m_line->setGeometry(10, clientHeight - 167, 550, 5);
    m_next->setGeometry(clientWidth - 718, clientHeight - 160, 110, 30);
    m_material->setGeometry(clientWidth - 558, clientHeight - 160, 110, 30);
    m_machine->setGeometry(clientWidth - 398, clientHeight - 160, 140, 30);
    if (width > 800)
        m_table.layoutColumns(clientWidth, true);
    show();
    m_table.refreshTotals();
}

void CTableDlg::showTableTop()
{
    m_view->showTopLeft();
}

void CTableDlg::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (width() > 800 && m_clientWidth > 0)
        m_table.layoutColumns(m_clientWidth, isVisible());
}

template <class Operation> void CTableDlg::keepingRooms(Operation operation)
{
    const QStringList before = m_table.estimate().roomNames();
    operation();
    if (m_table.estimate().roomNames() != before)
        emit roomsChanged();
}

void CTableDlg::addLibraryItem(qint64 treeNode)
{
    keepingRooms([&] { m_operations.addLibraryItem(treeNode); });
}

void CTableDlg::addToAllRooms(qint64 treeNode)
{
    keepingRooms([&] { m_operations.addToAllRooms(treeNode); });
}

void CTableDlg::selectRoom(int roomIndex)
{
    m_table.shared().selectedRoomIndex = roomIndex;
    m_table.selectRoom(roomIndex);
    // The room's row comes up to the top, its items under it, also when it was the active row already.
    const int row = m_table.table().activeRow();
    if (row >= 0)
        m_view->scrollTo(m_view->model()->index(row, 1), QAbstractItemView::PositionAtTop);
}

void CTableDlg::createRoom()
{
    keepingRooms([&] { m_table.createRoom(); });
}

void CTableDlg::onCellClicked(bool insideCell)
{
    emit closeFloatingMenuRequested();
    TableClick click;
    keepingRooms([&] { click = m_table.onTableClick(insideCell); });
    const QRect cell = globalCellRect(click.row, click.column);
    switch (click.action) {
    case TableClick::Action::MoveMenu: popUp(moveMenu(click), cell.topLeft()); break;
    case TableClick::Action::ItemMenu: popUp(itemMenu(), cell.bottomLeft()); break;
    case TableClick::Action::OperationMenu:
        popUp(operationMenu(), QPoint(cell.left() - 83, cell.center().y()));
        break;
    default: break;
    }
}

void CTableDlg::popUp(QMenu *menu, const QPoint &at)
{
    if (menu)
        menu->popup(at);
}

QMenu *CTableDlg::operationMenu()
{
    QMenu *menu = newMenu(this);
    menu->addAction(EditText, this, &CTableDlg::editClickedRow);
    menu->addAction(DeleteText, this, [this] { keepingRooms([&] { m_operations.deleteRow(); }); });
    return menu;
}

void CTableDlg::editClickedRow()
{
    const int row = m_table.clickedRow();
    if (!m_table.isEstimateRow(row))
        return;
    const int index = row - BudgetTable::TableHeaderRows;
    if (m_table.estimate().rows().at(index).isRoom())
        keepingRooms([&] { m_table.renameRoom(row); });
    else
        emit resourceEditorRequested(index);
}

QMenu *CTableDlg::moveMenu(const TableClick &click)
{
    if (click.groupStarts.size() < 3)
        return nullptr;
    QMenu *menu = newMenu(this);
    QMenu *positions = menu->addMenu(MoveText);
    for (int i = 0; i + 1 < click.groupStarts.size(); ++i) {
        QAction *entry = positions->addAction(QStringLiteral("第%1项").arg(i + 1), this,
                                              [this, i] { m_operations.moveGroup(i + 1); });
        entry->setCheckable(true);
        entry->setChecked(i == click.checkedGroup);
    }
    return menu;
}

QMenu *CTableDlg::itemMenu()
{
    QMenu *menu = newMenu(this);
    menu->addAction(CopyText, this, [this] { m_operations.copyToOtherRooms(); });
    QMenu *categories = menu->addMenu(SaveText);
    const QStringList names = m_operations.categoryMenu();
    for (int i = 0; i < names.size() && i < ItemOperations::MaxCategoryPositions; ++i) {
        categories->addAction(names.at(i), this, [this, i] {
            if (m_operations.saveToCategory(i))
                emit libraryChanged();
        });
    }
    return menu;
}

QRect CTableDlg::globalCellRect(int row, int column) const
{
    if (!m_view->model() || row < 0 || column < 0)
        return {};
    const QRect rect = m_view->visualRect(m_view->model()->index(row, column));
    return QRect(m_view->viewport()->mapToGlobal(rect.topLeft()), rect.size());
}

void CTableDlg::onMouseMoved(int row, int column)
{
    const int index = row - BudgetTable::TableHeaderRows;
    const QList<EstimateRow> &rows = m_table.estimate().rows();
    const bool over = column == HoverColumn && index >= 0 && index < rows.size()
                      && rows.at(index).isConstruct() && !rows.at(index).item.brand.materials.isEmpty();
    if (over && index != m_hoverIndex) {
        m_hoverIndex = index;
        emit hoverRequested(index, globalCellRect(row, column));
    } else if (!over && m_hoverIndex >= 0) {
        m_hoverIndex = -1;
        emit hoverEnded();
    }
}
