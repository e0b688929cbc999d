#include "citemdlg.h"

#include "libraryicons.h"

#include "estimate/prompter.h"
#include "estimate/tablesharedstate.h"
#include "library/librarycommands.h"
#include "library/librarysearch.h"
#include "library/librarytree.h"
#include "library/quotalibrary.h"
#include "library/templateslots.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>

namespace {

constexpr int NodeRole = Qt::UserRole;
constexpr int StepWidth = 208;
constexpr int StepHeight = 30;
constexpr int StepSpacing = 33;
constexpr int TreeWidth = 206;
// Wide enough for its two characters at the small font, beside the search box.
constexpr int SearchButtonWidth = 34;
constexpr int RoomNodeHeight = 26;
constexpr int VisibleRoomNodes = 7;
constexpr int FullRoomsHeight = 160;
constexpr int NoticeStyle = 1;

// Menu texts carry trailing blanks so that the menus are as wide as the pane's look wants.
QString templateCommandText(const char16_t *text)
{
    return QString::fromUtf16(text) + QString(9, QLatin1Char(' '));
}

QTreeWidgetItem *nodeItem(const QString &text, int node, const QIcon &icon)
{
    auto *item = new QTreeWidgetItem(QStringList{text});
    item->setData(0, NodeRole, node);
    item->setIcon(0, icon);
    // Long item names do not fit the narrow pane; the whole name shows on hover.
    item->setToolTip(0, text.trimmed());
    return item;
}

QIcon iconOf(LibraryTree::NodeKind kind)
{
    switch (kind) {
    case LibraryTree::NodeKind::Category: return LibraryIcons::category();
    case LibraryTree::NodeKind::Item: return LibraryIcons::item();
    case LibraryTree::NodeKind::AddItem: return LibraryIcons::addItem();
    }
    return {};
}

} // namespace

CItemDlg::CItemDlg(const Parts &parts, QWidget *parent)
    : QWidget(parent), m_library(parts.library), m_tree(parts.tree), m_shared(parts.shared),
      m_roomNames(parts.roomNames),
      m_prompter(parts.prompter), m_templateList(parts.templateList), m_selectedTemplate(parts.selectedTemplate),
      m_currentTemplatePath(parts.currentTemplatePath), m_customItemCounter(parts.customItemCounter)
{
    setObjectName(QStringLiteral("CItemDlg"));
    m_customItemCounter = 1;
    createControls();
    connectTrees();
    fillLibraryTree();
    fillRoomsTree();
    layoutForView(FormView, 0, PaneY + 700);
}

void CItemDlg::createControls()
{
    createStepButtons();
    m_templateButton = new QPushButton(QStringLiteral("打开编辑模板"), this);
    QFont small = m_templateButton->font();
    small.setPixelSize(10);
    m_templateButton->setFont(small);
    m_templateButton->setProperty("skin", QStringLiteral("PaneSmallButton"));
    connect(m_templateButton, &QPushButton::clicked, this, [this] {
        emit closeFloatingMenuRequested();
        templateMenu()->popup(window()->frameGeometry().topLeft() + QPoint(145, 186));
    });
    m_searchBox = new QLineEdit(this);
    m_searchBox->installEventFilter(this);
    connect(m_searchBox, &QLineEdit::textChanged, this, &CItemDlg::onSearchTextChanged);
    m_search = new QPushButton(QStringLiteral("搜索"), this);
    m_clear = new QPushButton(QStringLiteral("清除"), this);
    for (QPushButton *button : {m_search, m_clear}) {
        button->setFont(small);
        button->setProperty("skin", QStringLiteral("PaneSmallButton"));
    }
    connect(m_search, &QPushButton::clicked, this, [this] {
        emit closeFloatingMenuRequested();
        m_searchBox->setFocus();
    });
    connect(m_clear, &QPushButton::clicked, this, &CItemDlg::clearSearch);
    m_libraryTree = createTree();
    m_resultTree = createTree();
    m_resultTree->setRootIsDecorated(false);
    m_newRoom = new QPushButton(QStringLiteral("新建房间"), this);
    connect(m_newRoom, &QPushButton::clicked, this, [this] {
        emit closeFloatingMenuRequested();
        emit newRoomRequested();
    });
    m_roomsTree = createTree();
    m_roomsTree->setRootIsDecorated(false);
    m_roomsTree->setContextMenuPolicy(Qt::NoContextMenu);
}

void CItemDlg::createStepButtons()
{
    static constexpr const char16_t *texts[StepCount] = {u"项目信息", u"园林预算", u"工程清单", u"材料清单",
                                                         u"机械清单"};
    for (int step = 0; step < StepCount; ++step) {
        m_steps[step] = new QPushButton(QString::fromUtf16(texts[step]), this);
        // A click only switches the view; a focus frame left on the button would look like a selection.
        m_steps[step]->setFocusPolicy(Qt::NoFocus);
        connect(m_steps[step], &QPushButton::clicked, this, [this, step] {
            emit closeFloatingMenuRequested();
            emit stepRequested(step);
        });
    }
    m_newProject = new QPushButton(QStringLiteral("新建项目"), this);
    connect(m_newProject, &QPushButton::clicked, this, &CItemDlg::newProjectRequested);
}

QTreeWidget *CItemDlg::createTree()
{
    auto *tree = new QTreeWidget(this);
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    tree->setContextMenuPolicy(Qt::CustomContextMenu);
    tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Node texts end in padding blanks, which must not turn into an ellipsis.
    tree->setTextElideMode(Qt::ElideNone);
    return tree;
}

void CItemDlg::connectTrees()
{
    connect(m_libraryTree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
        m_selection.lastClickedText = item->text(0).trimmed();
        emit closeFloatingMenuRequested();
    });
    connect(m_libraryTree, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *item) { activateLibraryNode(nodeOf(item)); });
    connect(m_libraryTree, &QWidget::customContextMenuRequested, this, &CItemDlg::onLibraryContextMenu);
    connect(m_resultTree, &QTreeWidget::itemDoubleClicked, this, &CItemDlg::activateResult);
    connect(m_resultTree, &QWidget::customContextMenuRequested, this, &CItemDlg::onResultContextMenu);
    connect(m_roomsTree, &QTreeWidget::itemClicked, this, &CItemDlg::onRoomClicked);
}

int CItemDlg::nodeOf(const QTreeWidgetItem *item)
{
    return item ? item->data(0, NodeRole).toInt() : 0;
}

void CItemDlg::showTemplateName()
{
    // The tree's header says whose items these are: the template a double-click takes them from,
    // named as the template menus name it.
    const QString name = m_currentTemplatePath.isEmpty()
                             ? QString()
                             : TemplateSlots::displayName(m_currentTemplatePath,
                                                          m_templateList.indexOf(m_currentTemplatePath));
    m_libraryTree->setHeaderHidden(name.isEmpty());
    m_libraryTree->setHeaderLabel(QStringLiteral("当前模板：") + name);
    m_libraryTree->headerItem()->setToolTip(0, m_currentTemplatePath);
}

void CItemDlg::fillLibraryTree()
{
    m_tree.fill(m_library.items());
    showTreeNodes();
    reselect();
}

void CItemDlg::showLibraryChange()
{
    QList<int> expanded;
    for (auto it = m_itemsByNode.cbegin(); it != m_itemsByNode.cend(); ++it) {
        if (it.value()->isExpanded())
            expanded.append(it.key());
    }
    const int current = nodeOf(m_libraryTree->currentItem());
    showTreeNodes();
    for (int node : expanded) {
        if (QTreeWidgetItem *item = m_itemsByNode.value(node))
            item->setExpanded(true);
    }
    if (QTreeWidgetItem *item = m_itemsByNode.value(current))
        m_libraryTree->setCurrentItem(item);
}

void CItemDlg::showTreeNodes()
{
    m_libraryTree->clear();
    m_itemsByNode.clear();
    showTemplateName();
    for (const LibraryTree::Node &node : m_tree.nodes()) {
        QTreeWidgetItem *item = nodeItem(node.text, node.id, iconOf(node.kind));
        m_itemsByNode.insert(node.id, item);
        if (QTreeWidgetItem *parent = m_itemsByNode.value(node.parent))
            parent->addChild(item);
        else
            m_libraryTree->addTopLevelItem(item);
    }
    if (!m_searchBox->text().trimmed().isEmpty())
        onSearchTextChanged(m_searchBox->text());
}

void CItemDlg::reselect()
{
    const QList<QuotaItem> &items = m_library.items();
    const qsizetype index = m_selection.reselectIndex;
    if (m_selection.lastClickedText.isEmpty() || !m_selection.reselect || index < 0 || index >= items.size())
        return;
    if (QTreeWidgetItem *item = m_itemsByNode.value(items.at(index).treeNode)) {
        if (item->parent())
            item->parent()->setExpanded(true);
        m_libraryTree->setCurrentItem(item);
    }
    m_selection.reselect = false;
    m_selection.lastClickedText.clear();
}

qsizetype CItemDlg::itemIndexOfNode(int node) const
{
    return node == 0 ? -1 : LibraryTree::itemIndexOfNode(m_library.items(), node);
}

void CItemDlg::activateLibraryNode(int node)
{
    const qsizetype index = itemIndexOfNode(node);
    if (index < 0)
        return;
    const QuotaItem &item = m_library.items().at(index);
    if (!LibraryTree::isPlaceholder(item)) {
        emit addLibraryItemRequested(item.treeNode);
        return;
    }
    if (allowedToEdit())
        emit templateEditorRequested(int(index));
}

void CItemDlg::activateResult(QTreeWidgetItem *result)
{
    const int node = nodeOf(result);
    if (node != 0)
        emit addLibraryItemRequested(node);
}

bool CItemDlg::allowedToEdit()
{
    if (m_library.canEditTemplate())
        return true;
    m_prompter.notify(Prompter::NoTemplateRights, NoticeStyle);
    return false;
}

QMenu *CItemDlg::itemMenu(int itemIndex, bool withDelete)
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("accuracyMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(QStringLiteral("添加到所有项目"), this, [this, itemIndex] { addToAllRooms(itemIndex); });
    menu->addAction(QStringLiteral("编辑"), this, [this, itemIndex] { editItem(itemIndex); });
    if (withDelete)
        menu->addAction(QStringLiteral("删除"), this, [this, itemIndex] { deleteItem(itemIndex); });
    return menu;
}

void CItemDlg::onLibraryContextMenu(const QPoint &pos)
{
    QTreeWidgetItem *item = m_libraryTree->itemAt(pos);
    if (!item)
        return;
    m_libraryTree->setCurrentItem(item);
    const qsizetype index = itemIndexOfNode(nodeOf(item));
    if (index < 0)
        return;
    const QuotaItem &quota = m_library.items().at(index);
    if (LibraryTree::isPlaceholder(quota) || quota.categoryName.isEmpty())
        return;
    itemMenu(int(index), true)->popup(m_libraryTree->viewport()->mapToGlobal(pos));
}

void CItemDlg::onResultContextMenu(const QPoint &pos)
{
    QTreeWidgetItem *result = m_resultTree->itemAt(pos);
    if (!m_library.canEditTemplate() || !result)
        return;
    m_resultTree->setCurrentItem(result);
    const int node = nodeOf(result);
    if (QTreeWidgetItem *libraryItem = m_itemsByNode.value(node))
        m_libraryTree->setCurrentItem(libraryItem);
    const qsizetype index = itemIndexOfNode(node);
    if (index < 0 || m_library.items().at(index).categoryName.isEmpty())
        return;
    itemMenu(int(index), false)->popup(m_resultTree->viewport()->mapToGlobal(pos + QPoint(0, 5)));
}

void CItemDlg::addToAllRooms(int itemIndex)
{
    if (itemIndex >= 0 && itemIndex < m_library.items().size())
        emit addToAllRoomsRequested(m_library.items().at(itemIndex).treeNode);
}

void CItemDlg::editItem(int itemIndex)
{
    if (allowedToEdit())
        emit templateEditorRequested(itemIndex);
}

void CItemDlg::deleteItem(int itemIndex)
{
    using Outcome = LibraryCommands::DeleteOutcome;
    const int deletedNode =
        itemIndex >= 0 && itemIndex < m_library.items().size() ? m_library.items().at(itemIndex).treeNode : 0;
    const Outcome outcome = LibraryCommands::deleteItem(m_library, m_tree, itemIndex, m_selectedTemplate,
                                                        m_currentTemplatePath, m_customItemCounter);
    if (outcome == Outcome::NoPermission) {
        m_prompter.notify(Prompter::NoTemplateRights, NoticeStyle);
        return;
    }
    if (outcome == Outcome::NoItem)
        return;
    // Only the item's own node goes: open categories and the selection stay.
    delete m_itemsByNode.take(deletedNode);
    if (!m_searchBox->text().trimmed().isEmpty())
        onSearchTextChanged(m_searchBox->text());
    if (outcome == Outcome::OpenSaveDialog)
        emit saveTemplateRequested(true);
    else if (outcome == Outcome::TemplateWriteFailed)
        emit templateWriteFailed();
}

void CItemDlg::onSearchTextChanged(const QString &text)
{
    const QString searchText = LibrarySearch::searchText(text);
    m_resultTree->clear();
    if (!searchText.isEmpty()) {
        for (const LibrarySearch::Hit &hit : LibrarySearch::search(m_library.items(), searchText)) {
            const QIcon icon = hit.libraryNode == 0 ? QIcon() : LibraryIcons::item();
            m_resultTree->addTopLevelItem(nodeItem(hit.text, hit.libraryNode, icon));
        }
    }
    showSearchState();
}

void CItemDlg::showSearchState()
{
    if (m_view != TableView)
        return;
    const bool searching = !LibrarySearch::searchText(m_searchBox->text()).isEmpty();
    m_libraryTree->setVisible(!searching);
    m_resultTree->setVisible(searching);
    const bool clearShown = searching || m_searchBox->hasFocus();
    m_clear->setVisible(clearShown);
    m_search->setVisible(!clearShown);
}

void CItemDlg::clearSearch()
{
    m_searchBox->clear();
    m_clear->hide();
    m_search->show();
    showSearchState();
}

void CItemDlg::fillRoomsTree()
{
    m_roomsTree->clear();
    m_shownRoomNames = m_roomNames();
    for (const QString &name : m_shownRoomNames) {
        QTreeWidgetItem *item = nodeItem(name, 0, LibraryIcons::item());
        item->setSizeHint(0, QSize(0, RoomNodeHeight));
        m_roomsTree->addTopLevelItem(item);
    }
    markReceivingRoom(m_markedRoom);
    if (m_view == TableView)
        layoutRoomsArea(m_bottom);
}

void CItemDlg::markReceivingRoom(int ordinal)
{
    m_markedRoom = ordinal;
    for (int i = 0; i < m_roomsTree->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = m_roomsTree->topLevelItem(i);
        QFont font = item->font(0);
        font.setBold(i == ordinal);
        item->setFont(0, font);
        item->setBackground(0, i == ordinal ? QBrush(QColor(0xCB, 0xE8, 0xFB)) : QBrush());
        item->setToolTip(0, i == ordinal ? QStringLiteral("双击的项目添加到此房间") : QString());
    }
}

void CItemDlg::onRoomClicked(QTreeWidgetItem *item)
{
    const int index = m_roomsTree->indexOfTopLevelItem(item);
    if (index < 0)
        return;
    m_roomsTree->setCurrentItem(item);
    m_shared.selectedRoomIndex = index;
    emit roomSelected(index);
}

QMenu *CItemDlg::templateMenu()
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("accuracyMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(templateCommandText(u"打开模板"), this, &CItemDlg::chooseTemplateFile);
    menu->addAction(templateCommandText(u"编辑模板"), this, [this] { requestTemplateCommand(0); });
    menu->addAction(templateCommandText(u"保存模板"), this, [this] { requestTemplateCommand(1); });
    menu->addAction(templateCommandText(u"导入模板"), this, &CItemDlg::importTemplateRequested);
    return menu;
}

void CItemDlg::requestTemplateCommand(int command)
{
    if (!allowedToEdit())
        return;
    emit closeFloatingMenuRequested();
    if (command == 0)
        emit templateEditorRequested(1);
    else
        emit saveTemplateRequested(false);
}

void CItemDlg::chooseTemplateFile()
{
    emit closeFloatingMenuRequested();
    std::optional<QString> chosen;
    if (m_chooseOpenPath) {
        chosen = m_chooseOpenPath(m_proposedTemplatePath);
    } else {
        QFileDialog dialog(this, QStringLiteral("打开模板"), m_proposedTemplatePath,
                           QStringLiteral("项目模板(*.xml *.oml)"));
        dialog.setDefaultSuffix(QStringLiteral("xml"));
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setFilter(dialog.filter() | QDir::Hidden);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            chosen = dialog.selectedFiles().constFirst();
    }
    if (!chosen)
        return;
    m_proposedTemplatePath = *chosen;
    openTemplateFile(m_proposedTemplatePath);
}

void CItemDlg::openTemplateFile(const QString &path)
{
    using Outcome = LibraryCommands::OpenOutcome;
    emit showBudgetTableRequested();
    const Outcome outcome = LibraryCommands::openTemplateFile(m_library, path, m_templateList,
                                                              m_selectedTemplate, m_customItemCounter);
    if (outcome == Outcome::NotATemplate)
        emit templateReadFailed();
    if (outcome != Outcome::Opened)
        return;
    // Later deletions write to the file just opened, not to the one before it.
    m_currentTemplatePath = m_templateList.value(m_selectedTemplate);
    fillLibraryTree();
    emit templateOpened();
}

void CItemDlg::setCurrentStep(int step)
{
    for (int i = 0; i < StepCount; ++i)
        m_steps[i]->setEnabled(i != step);
}

void CItemDlg::layoutForView(int view, int top, int bottom)
{
    m_view = view;
    m_bottom = bottom;
    if (parentWidget())
        setGeometry(PaneX, PaneY, PaneWidth, bottom - top - 119);
    if (view == TableView)
        layoutTableView(top, bottom);
    else
        layoutOtherView(top);
}

void CItemDlg::layoutTableView(int top, int bottom)
{
    for (int step = 0; step < 2; ++step)
        m_steps[step]->setGeometry(1, top + StepSpacing * step, StepWidth, StepHeight);
    m_newProject->setGeometry(1, top + 2 * StepSpacing, 140, StepHeight);
    m_templateButton->setGeometry(144, top + 71, 64, 20);
    m_searchBox->setGeometry(1, top + 93, TreeWidth - SearchButtonWidth, 20);
    m_search->setGeometry(1 + TreeWidth - SearchButtonWidth, top + 93, SearchButtonWidth, 20);
    m_clear->setGeometry(1 + TreeWidth - SearchButtonWidth, top + 93, SearchButtonWidth, 20);
    m_libraryTree->setGeometry(1, top + 113, TreeWidth, bottom - top - 517);
    m_resultTree->setGeometry(1, top + 113, TreeWidth, bottom - top - 517);
    m_newRoom->setGeometry(1, bottom - 404, TreeWidth, 24);
    for (QWidget *shown : {static_cast<QWidget *>(m_newProject), static_cast<QWidget *>(m_templateButton),
                           static_cast<QWidget *>(m_searchBox), static_cast<QWidget *>(m_newRoom)})
        shown->show();
    for (QPushButton *step : m_steps)
        step->show();
    layoutRoomsArea(bottom);
    showSearchState();
}

void CItemDlg::layoutRoomsArea(int bottom)
{
    const int top = bottom - 378;
    const int count = m_roomsTree->topLevelItemCount();
    if (count == 0) {
        m_roomsTree->hide();
        placeListSteps(top);
        return;
    }
    const int height = count < VisibleRoomNodes ? RoomNodeHeight * count + 4 : FullRoomsHeight;
    m_roomsTree->setGeometry(1, top, TreeWidth, height);
    m_roomsTree->show();
    placeListSteps(top + height + 3);
}

void CItemDlg::placeListSteps(int y)
{
    for (int step = BillStep; step < StepCount; ++step)
        m_steps[step]->setGeometry(1, y + StepSpacing * (step - BillStep), StepWidth, StepHeight);
}

void CItemDlg::layoutOtherView(int top)
{
    for (QWidget *hidden : {static_cast<QWidget *>(m_newProject), static_cast<QWidget *>(m_templateButton),
                            static_cast<QWidget *>(m_searchBox), static_cast<QWidget *>(m_search),
                            static_cast<QWidget *>(m_clear), static_cast<QWidget *>(m_libraryTree),
                            static_cast<QWidget *>(m_resultTree), static_cast<QWidget *>(m_newRoom),
                            static_cast<QWidget *>(m_roomsTree)})
        hidden->hide();
    for (int step = 0; step < StepCount; ++step) {
        m_steps[step]->setGeometry(1, top + StepSpacing * step, StepWidth, StepHeight);
        m_steps[step]->show();
    }
}

bool CItemDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_searchBox && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        showSearchState();
    return QWidget::eventFilter(watched, event);
}

void CItemDlg::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CItemDlg::mousePressEvent(QMouseEvent *event)
{
    emit closeFloatingMenuRequested();
    QWidget::mousePressEvent(event);
}
