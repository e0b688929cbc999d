#include "cedittempitemdlg.h"

#include "editorgridimages.h"
#include "kindmenu.h"
#include "libraryicons.h"

#include "contracts/widgets/gridmodel.h"
#include "contracts/widgets/gridview.h"
#include "estimate/prompter.h"
#include "library/itemeditcheck.h"
#include "library/librarytree.h"
#include "library/quotalibrary.h"
#include "library/templateslots.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>

namespace {

constexpr int NodeRole = Qt::UserRole;
constexpr int GridX = 207;
constexpr int GridWidth = 561;

QIcon iconOf(LibraryTree::NodeKind kind)
{
    switch (kind) {
    case LibraryTree::NodeKind::Category:
        return LibraryIcons::category();
    case LibraryTree::NodeKind::Item:
        return LibraryIcons::item();
    case LibraryTree::NodeKind::AddItem:
        return LibraryIcons::addItem();
    }
    return {};
}

int nodeOf(const QTreeWidgetItem *item)
{
    return item ? item->data(0, NodeRole).toInt() : 0;
}

} // namespace

CEditTempItemDlg::CEditTempItemDlg(const Parts &parts, qsizetype openedIndex, QWidget *parent)
    : QDialog(parent), m_library(parts.library), m_libraryTree(parts.libraryTree), m_choice(parts.choice),
      m_prompter(parts.prompter),
      m_editor(parts.library, openedIndex, parts.customItemCounter, parts.browser),
      m_grids(m_itemGrid, m_lineGrid, ItemEditGrids::templateEditorLayout())
{
    setObjectName(QStringLiteral("EditItemDlg"));
    setWindowTitle(QStringLiteral("编辑模板"));
    setFixedSize(Width, Height);
    EditorGridImages::addTo(m_lineGrid);
    createControls();
    connectControls();
    showTree();
    showShown();
}

CEditTempItemDlg::~CEditTempItemDlg()
{
    // The views let go of the grids before the grids go.
    m_itemView->setGrid(nullptr);
    m_lineView->setGrid(nullptr);
}

QString CEditTempItemDlg::displayName(const TemplateChoice &choice)
{
    return TemplateSlots::displayName(choice.currentTemplatePath, choice.selectedTemplate);
}

void CEditTempItemDlg::createControls()
{
    m_nameButton = new QPushButton(displayName(m_choice), this);
    m_nameButton->setObjectName(QStringLiteral("EditTemp_TempName"));
    m_nameButton->setGeometry(32, 56, 173, 33);
    m_nameButton->setAutoDefault(false);
    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("TreeCtrlTempItem"));
    m_tree->setHeaderHidden(true);
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    m_tree->setTextElideMode(Qt::ElideNone);
    m_tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tree->setGeometry(32, 89, 172, 350);
    m_itemView = new GridView(this);
    m_itemView->setGrid(&m_itemGrid);
    m_itemView->setGeometry(GridX, 57, GridWidth, 104);
    m_itemView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_lineView = new GridView(this);
    m_lineView->setGrid(&m_lineGrid);
    m_lineView->setGeometry(GridX, 181, GridWidth, 270);
    m_cancel = new QPushButton(QStringLiteral("取消"), this);
    m_cancel->setObjectName(QStringLiteral("RoomDefault_Cancel"));
    m_cancel->setGeometry(565, 464, 100, 32);
    m_ok = new QPushButton(QStringLiteral("确定"), this);
    m_ok->setObjectName(QStringLiteral("RoomDefault_Sure"));
    m_ok->setGeometry(685, 464, 100, 32);
    for (QPushButton *button : {m_ok, m_cancel})
        button->setAutoDefault(false);
}

void CEditTempItemDlg::connectControls()
{
    connect(m_tree, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { clickNode(nodeOf(item)); });
    connect(m_tree, &QWidget::customContextMenuRequested, this, &CEditTempItemDlg::onTreeContextMenu);
    connect(m_itemView, &GridView::cellClicked, this,
            [this](int row, int column) { itemCellClicked(row, column); });
    connect(m_itemView, &GridView::cellEdited, this, &CEditTempItemDlg::itemCellEdited);
    connect(m_lineView, &GridView::cellClicked, this,
            [this](int row, int column) { lineCellClicked(row, column); });
    connect(m_lineView, &GridView::cellEdited, this,
            [this](int row, int column) { refuseCellEdit(m_lineView, row, column); });
    connect(m_ok, &QPushButton::clicked, this, &CEditTempItemDlg::onOk);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CEditTempItemDlg::showTree()
{
    m_tree->clear();
    m_itemsByNode.clear();
    for (const LibraryTree::Node &node : m_editor.tree().nodes()) {
        auto *item = new QTreeWidgetItem(QStringList{node.text});
        item->setData(0, NodeRole, node.id);
        item->setIcon(0, iconOf(node.kind));
        item->setToolTip(0, node.text.trimmed());
        m_itemsByNode.insert(node.id, item);
        if (QTreeWidgetItem *parent = m_itemsByNode.value(node.parent))
            parent->addChild(item);
        else
            m_tree->addTopLevelItem(item);
    }
    const qsizetype shown = m_editor.shownIndex();
    if (shown < 0)
        return;
    if (QTreeWidgetItem *item = m_itemsByNode.value(m_editor.items().at(shown).treeNode)) {
        if (item->parent())
            item->parent()->setExpanded(true);
        m_tree->setCurrentItem(item);
    }
}

void CEditTempItemDlg::showShown()
{
    m_grids.show(m_editor.edit());
    m_nameClicked = false;
}

void CEditTempItemDlg::clickNode(int node)
{
    if (LibraryTree::itemIndexOfNode(m_editor.items(), node) < 0)
        return;
    m_editor.edit() = m_grids.read();
    const qsizetype before = m_editor.items().size();
    m_editor.selectNode(node);
    // "添加定额" added an item with its node: the tree shows it.
    if (m_editor.items().size() != before)
        showTree();
    showShown();
}

void CEditTempItemDlg::onTreeContextMenu(const QPoint &pos)
{
    QTreeWidgetItem *item = m_tree->itemAt(pos);
    const int node = nodeOf(item);
    const qsizetype index = LibraryTree::itemIndexOfNode(m_editor.items(), node);
    if (index < 0 || LibraryTree::isPlaceholder(m_editor.items().at(index)) ||
        m_editor.items().at(index).categoryName.isEmpty())
        return;
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("accuracyMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(QStringLiteral("删除") + QString(15, u' '), this, [this, node] { deleteNode(node); });
    menu->popup(m_tree->viewport()->mapToGlobal(pos + QPoint(0, 5)));
}

void CEditTempItemDlg::deleteNode(int node)
{
    if (!m_editor.deleteNode(node))
        return;
    showTree();
    showShown();
}

void CEditTempItemDlg::itemCellClicked(int row, int column)
{
    if (row == 1 && column == 2) {
        m_editor.beginNameEdit();
        m_nameClicked = true;
    }
}

// A text the template file would misread, or a number beyond float range,
// is refused where it is typed: the cell keeps its earlier text.
bool CEditTempItemDlg::refuseCellEdit(GridView *view, int row, int column)
{
    const QString why =
        ItemEditCheck::cellEdited(m_grids, *view->grid(), row, column, view->gridModel()->textBeforeEdit());
    if (why.isEmpty())
        return false;
    QMessageBox::warning(this, windowTitle(), why);
    return true;
}

void CEditTempItemDlg::itemCellEdited(int row, int column)
{
    if (refuseCellEdit(m_itemView, row, column)) {
        m_nameClicked = false;
        return;
    }
    if (row != 1 || column != 2 || !m_nameClicked)
        return;
    m_nameClicked = false;
    const QString typed = m_itemGrid.text(1, 2);
    // The other cells keep what was typed; the name waits for the check.
    ItemEdit current = m_grids.read();
    current.name = m_editor.edit().name;
    m_editor.edit() = current;
    const auto ask = [this](int message, int style) { return m_prompter.ask(message, style); };
    const qsizetype before = m_editor.items().size();
    if (!m_editor.nameEdited(typed, ask)) {
        m_itemGrid.setText(1, 2, m_editor.edit().name);
        return;
    }
    if (m_editor.items().size() != before) {
        showTree();
        return;
    }
    const qsizetype shown = m_editor.shownIndex();
    if (QTreeWidgetItem *item = m_itemsByNode.value(m_editor.items().at(shown).treeNode))
        item->setText(0, LibraryTree::itemText(typed.trimmed()));
}

void CEditTempItemDlg::lineCellClicked(int row, int column)
{
    KindMenu::lineCellClicked(m_lineView, m_grids, row, column, true);
}

void CEditTempItemDlg::onOk()
{
    const QString why = m_grids.read().refusal();
    if (!why.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), why);
        return;
    }
    m_editor.edit() = m_grids.read();
    m_outcome = m_editor.ok(m_library, m_libraryTree, m_choice);
    accept();
}

void CEditTempItemDlg::keyPressEvent(QKeyEvent *event)
{
    // Enter moves in the grids; it must not press OK. Escape, pressed once more than needed to
    // leave a cell, must not throw away every edit of the session: 取消 does that.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
