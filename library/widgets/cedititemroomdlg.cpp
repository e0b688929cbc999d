#include "cedititemroomdlg.h"

#include "editorgridimages.h"
#include "kindmenu.h"

#include "contracts/widgets/celleditorkeys.h"
#include "contracts/widgets/gridmodel.h"
#include "contracts/widgets/gridview.h"
#include "library/itemeditcheck.h"
#include "library/resourceeditor.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace {

ItemEditGrids::Move moveFor(int key)
{
    return key == Qt::Key_Tab ? ItemEditGrids::Move::Right : ItemEditGrids::Move::Down;
}

} // namespace

CEditItemRoomDlg::CEditItemRoomDlg(const ConstructItem &item, QWidget *parent)
    : QDialog(parent), m_item(item), m_saved(item),
      m_grids(m_itemGrid, m_lineGrid, ItemEditGrids::resourceEditorLayout())
{
    setObjectName(QStringLiteral("EditItemRoomDlg"));
    setWindowTitle(QStringLiteral("编辑项目资源"));
    setFixedSize(Width, Height);
    EditorGridImages::addTo(m_lineGrid);
    createControls();
    m_grids.show(ResourceEditor::show(item));
}

CEditItemRoomDlg::~CEditItemRoomDlg()
{
    m_itemView->setGrid(nullptr);
    m_lineView->setGrid(nullptr);
}

void CEditItemRoomDlg::createControls()
{
    m_info = new QLabel(
        QStringLiteral("编辑项目\n\n修改施工项目的名称、单位、说明、人工和管理费，以及它的材料和机械。\n\n"
                       "只改动本预算中的这一项，不改动模板。"),
        this);
    m_info->setObjectName(QStringLiteral("BTN_Info"));
    m_info->setWordWrap(true);
    m_info->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_info->setStyleSheet(QStringLiteral("background: #eef4ea; color: #365030; padding: 8px;"));
    m_info->setGeometry(0, 30, 148, 433);
    m_itemView = new GridView(this);
    m_itemView->setGrid(&m_itemGrid);
    m_itemView->setGeometry(152, 30, 630, 188);
    m_itemView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The line grid lies over the empty lower part of the item grid.
    m_lineView = new GridView(this);
    m_lineView->setGrid(&m_lineGrid);
    m_lineView->setGeometry(152, 161, 630, 302);
    m_lineView->raise();
    m_cancel = new QPushButton(QStringLiteral("取消"), this);
    m_cancel->setObjectName(QStringLiteral("RoomDefault_Cancel"));
    m_cancel->setGeometry(520, 473, 100, 32);
    m_save = new QPushButton(QStringLiteral("保存"), this);
    m_save->setObjectName(QStringLiteral("EditItem_Save"));
    m_save->setGeometry(645, 473, 100, 32);
    for (QPushButton *button : {m_save, m_cancel})
        button->setAutoDefault(false);
    // Tab and Enter move in the grid typed in, also out of an open cell editor.
    const auto keysFor = [this](ItemEditGrids::Pane pane) {
        return [this, pane](int key) { m_grids.moveActiveCell(pane, moveFor(key)); };
    };
    new CellEditorKeys(m_itemView, keysFor(ItemEditGrids::Pane::Items));
    new CellEditorKeys(m_lineView, keysFor(ItemEditGrids::Pane::Lines));
    connect(m_lineView, &GridView::cellClicked, this,
            [this](int row, int column) { lineCellClicked(row, column); });
    for (GridView *view : {m_itemView, m_lineView})
        connect(view, &GridView::cellEdited, this,
                [this, view](int row, int column) { checkCellEdit(view, row, column); });
    connect(m_save, &QPushButton::clicked, this, &CEditItemRoomDlg::onSave);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CEditItemRoomDlg::lineCellClicked(int row, int column)
{
    KindMenu::lineCellClicked(m_lineView, m_grids, row, column, false);
}

void CEditItemRoomDlg::setEstimateRows(const QList<EstimateRow> &rows, int index)
{
    m_rows = rows;
    m_index = index;
}

void CEditItemRoomDlg::checkCellEdit(GridView *view, int row, int column)
{
    const QString why =
        ItemEditCheck::cellEdited(m_grids, *view->grid(), row, column, view->gridModel()->textBeforeEdit());
    if (!why.isEmpty())
        QMessageBox::warning(this, windowTitle(), why);
}

void CEditItemRoomDlg::onSave()
{
    const ItemEdit edit = m_grids.read();
    const ConstructItem saved = ResourceEditor::save(m_item, edit);
    const QString why = ResourceEditor::refusal(edit, saved, m_rows, m_index);
    if (!why.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), why);
        return;
    }
    m_saved = saved;
    accept();
}

void CEditItemRoomDlg::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        event->accept();
        return;
    case Qt::Key_Tab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Keys that reach the dialog itself: no grid has the keyboard.
        m_grids.moveActiveCell(m_grids.keyPane(), moveFor(event->key()));
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
