#pragma once

#include "estimaterecords.h"

#include <QString>
#include <QStringList>

// What the item operations need of the quota library: finding items, listing the
// categories of the submenu, entering an item into a category, and the template lock.
class LibraryItems {
public:
    virtual ~LibraryItems() = default;

    // The first item shown by this tree node, or nullptr.
    virtual const ConstructItem *findByTreeNode(qint64 treeNode) const = 0;
    // The first item whose itemName, with every blank removed, equals name; or nullptr.
    virtual const ConstructItem *findByNameNoBlanks(const QString &name) const = 0;
    // categoryName of the first item, then of every item whose category differs from the one before.
    virtual QStringList categoryNames() const = 0;
    // Puts item into the category at position (counted as categoryNames()); false when there is none.
    virtual bool insertIntoCategory(const ConstructItem &item, int position) = 0;
    virtual bool canEditTemplate() const = 0;
};
