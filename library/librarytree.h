#pragma once

#include "quotaitem.h"

#include <QList>
#include <QString>

// The content of the library tree without any widget: category nodes with
// their items, and one "添加定额" node per category for its placeholders.
// Node ids keep counting up across rebuilds, so an id from an earlier tree
// never names a node of the current one; 0 is no node.
class LibraryTree
{
public:
    enum class NodeKind { Category, Item, AddItem };

    struct Node {
        int id = 0;
        int parent = 0; // 0 for a category
        NodeKind kind = NodeKind::Category;
        QString text; // the name padded with trailing spaces
    };

    static constexpr int CategoryPadding = 52;
    static constexpr int ItemPadding = 50;

    // Rebuilds the tree from the item list and stores each item's node in its treeNode.
    void fill(QList<QuotaItem> &items);
    // Removes a node and its children; false when there is no such node.
    bool remove(int id);
    // Inserts a node under `parent` directly after `sibling` (at the end when
    // `sibling` is not one of its children) and returns its id.
    int insertAfter(int parent, int sibling, NodeKind kind, const QString &text);
    // False when there is no such node.
    bool setText(int id, const QString &text);

    const QList<Node> &nodes() const { return m_nodes; }
    const Node *node(int id) const;
    QList<int> children(int parent) const;

    // A placeholder stands for adding a new item to its category.
    static bool isPlaceholder(const QuotaItem &item);
    // Index of the item that a node shows, or -1 (a category node shows none).
    static qsizetype itemIndexOfNode(const QList<QuotaItem> &items, int node);
    static QString categoryText(const QString &name);
    static QString itemText(const QString &name);
    static QString addItemText();

private:
    int insert(int parent, NodeKind kind, const QString &text);

    QList<Node> m_nodes;
    int m_nextId = 1;
};
