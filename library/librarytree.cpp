#include "librarytree.h"

#include <algorithm>

void LibraryTree::fill(QList<QuotaItem> &items)
{
    m_nodes.clear();
    int category = 0;
    int lastInserted = 0;
    int placeholders = 0;
    for (qsizetype i = 0; i < items.size(); ++i) {
        QuotaItem &item = items[i];
        if (i == 0 || item.categoryName != items.at(i - 1).categoryName) {
            category = lastInserted = insert(0, NodeKind::Category, categoryText(item.categoryName));
            placeholders = 0;
        }
        if (!isPlaceholder(item))
            lastInserted = insert(category, NodeKind::Item, itemText(item.itemName));
        else if (++placeholders == 1)
            lastInserted = insert(category, NodeKind::AddItem, addItemText());
        // A later placeholder of the category shares the node inserted last.
        item.treeNode = lastInserted;
    }
}

bool LibraryTree::remove(int id)
{
    const auto before = m_nodes.size();
    m_nodes.removeIf([id](const Node &n) { return n.id == id || n.parent == id; });
    return m_nodes.size() != before;
}

int LibraryTree::insertAfter(int parent, int sibling, NodeKind kind, const QString &text)
{
    const auto at = std::find_if(m_nodes.begin(), m_nodes.end(),
                                 [&](const Node &n) { return n.id == sibling && n.parent == parent; });
    if (at == m_nodes.end())
        return insert(parent, kind, text);
    const int id = m_nextId++;
    m_nodes.insert(at + 1, Node{id, parent, kind, text});
    return id;
}

bool LibraryTree::setText(int id, const QString &text)
{
    for (Node &n : m_nodes) {
        if (n.id == id) {
            n.text = text;
            return true;
        }
    }
    return false;
}

const LibraryTree::Node *LibraryTree::node(int id) const
{
    const auto it =
        std::find_if(m_nodes.cbegin(), m_nodes.cend(), [id](const Node &n) { return n.id == id; });
    return it == m_nodes.cend() ? nullptr : &*it;
}

QList<int> LibraryTree::children(int parent) const
{
    QList<int> ids;
    for (const Node &n : m_nodes) {
        if (n.parent == parent)
            ids.append(n.id);
    }
    return ids;
}

bool LibraryTree::isPlaceholder(const QuotaItem &item)
{
    return item.itemName == u"自定义" || item.itemName == u"自定义项目";
}

qsizetype LibraryTree::itemIndexOfNode(const QList<QuotaItem> &items, int node)
{
    if (node == 0)
        return -1;
    const auto it = std::find_if(items.cbegin(), items.cend(),
                                 [node](const QuotaItem &item) { return item.treeNode == node; });
    return it == items.cend() ? -1 : it - items.cbegin();
}

QString LibraryTree::categoryText(const QString &name)
{
    return name + QString(CategoryPadding, u' ');
}

QString LibraryTree::itemText(const QString &name)
{
    return name + QString(ItemPadding, u' ');
}

QString LibraryTree::addItemText()
{
    return itemText(QStringLiteral("添加定额"));
}

int LibraryTree::insert(int parent, NodeKind kind, const QString &text)
{
    const int id = m_nextId++;
    m_nodes.append(Node{id, parent, kind, text});
    return id;
}
