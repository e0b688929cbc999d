#include "quotalibraryitems.h"

#include "categoryinsertion.h"

QuotaLibraryItems::QuotaLibraryItems(QuotaLibrary &library, LibraryTree &tree) : m_library(library), m_tree(tree)
{
}

const ConstructItem *QuotaLibraryItems::findByTreeNode(qint64 treeNode) const
{
    // Node 0 is no node; items that no tree shows carry it.
    if (treeNode <= 0)
        return nullptr;
    for (const QuotaItem &item : m_library.items()) {
        if (item.treeNode == treeNode)
            return &item;
    }
    return nullptr;
}

const ConstructItem *QuotaLibraryItems::findByNameNoBlanks(const QString &name) const
{
    for (const QuotaItem &item : m_library.items()) {
        if (QString(item.itemName).remove(u' ') == name)
            return &item;
    }
    return nullptr;
}

QStringList QuotaLibraryItems::categoryNames() const
{
    return CategoryInsertion::categoryNames(m_library.items());
}

bool QuotaLibraryItems::insertIntoCategory(const ConstructItem &item, int position)
{
    return CategoryInsertion::insertIntoCategory(m_library.items(), m_tree, item, position);
}

bool QuotaLibraryItems::canEditTemplate() const
{
    return m_library.canEditTemplate();
}
