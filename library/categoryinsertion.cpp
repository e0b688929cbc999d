#include "categoryinsertion.h"

#include <algorithm>

QStringList CategoryInsertion::categoryNames(const QList<QuotaItem> &items)
{
    QStringList names;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i == 0 || items.at(i).categoryName != items.at(i - 1).categoryName)
            names.append(items.at(i).categoryName);
    }
    return names;
}

qsizetype CategoryInsertion::firstItemOfCategory(const QList<QuotaItem> &items, int position)
{
    int current = -1;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i == 0 || items.at(i).categoryName != items.at(i - 1).categoryName) {
            if (++current == position)
                return i;
        }
    }
    return -1;
}

bool CategoryInsertion::insertIntoCategory(QList<QuotaItem> &items, LibraryTree &tree, const ConstructItem &item,
                                           int position)
{
    const qsizetype first = firstItemOfCategory(items, position);
    if (first < 0)
        return false;
    const QuotaItem &firstItem = items.at(first);
    const QString category = firstItem.categoryName;
    const LibraryTree::Node *firstNode = tree.node(firstItem.treeNode);
    const int categoryNode = firstNode ? firstNode->parent : 0;

    qsizetype predecessor = first;
    int removedNode = 0;
    const qsizetype replaced = sameNameAfter(items, first, item.itemName);
    if (replaced >= 0) {
        removedNode = removeItem(items, tree, replaced);
        predecessor = replaced - 1;
    }

    QuotaItem entered;
    static_cast<ConstructItem &>(entered) = item;
    entered.categoryName = category;
    entered.categoryKind = items.at(predecessor).categoryKind;
    entered.treeNode = 0;
    if (categoryNode != 0)
        entered.treeNode = tree.insertAfter(categoryNode, items.at(predecessor).treeNode,
                                            LibraryTree::NodeKind::Item, item.itemName);
    items.insert(predecessor + 1, entered);
    // Placeholders that shared the replaced node are now shown by the new one.
    for (QuotaItem &other : items) {
        if (removedNode != 0 && other.treeNode == removedNode)
            other.treeNode = entered.treeNode;
    }
    return true;
}

qsizetype CategoryInsertion::sameNameAfter(const QList<QuotaItem> &items, qsizetype first, const QString &name)
{
    const QString &category = items.at(first).categoryName;
    for (qsizetype i = first + 1; i < items.size() && items.at(i).categoryName == category; ++i) {
        if (items.at(i).itemName == name)
            return i;
    }
    return -1;
}

int CategoryInsertion::removeItem(QList<QuotaItem> &items, LibraryTree &tree, qsizetype index)
{
    const int node = items.takeAt(index).treeNode;
    // A later placeholder shares the node shown before it: that node belongs to
    // an earlier item and stays.
    const auto earlier = items.cbegin() + index;
    const bool borrowed = std::any_of(items.cbegin(), earlier,
                                      [node](const QuotaItem &other) { return other.treeNode == node; });
    if (node == 0 || borrowed)
        return 0;
    tree.remove(node);
    return node;
}
