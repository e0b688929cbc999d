#pragma once

#include "librarytree.h"
#include "quotaitem.h"

#include <QList>
#include <QStringList>

// Entering an estimate item into a category of the current template, in memory
// only: the item list and the library tree change, no file is written.
class CategoryInsertion
{
public:
    // The category of the first item, then of every item whose category differs
    // from the one before it; a category that reappears later counts again.
    static QStringList categoryNames(const QList<QuotaItem> &items);
    // Index of the first item of the category at `position`, or -1.
    static qsizetype firstItemOfCategory(const QList<QuotaItem> &items, int position);
    // Puts the item directly after the category's first item, or in place of a
    // later item of that category with the same name. False when there is no
    // such category; the list and the tree are then unchanged.
    static bool insertIntoCategory(QList<QuotaItem> &items, LibraryTree &tree, const ConstructItem &item,
                                   int position);

private:
    static qsizetype sameNameAfter(const QList<QuotaItem> &items, qsizetype first, const QString &name);
    // The node deleted with the item, or 0 when it belonged to an earlier item.
    static int removeItem(QList<QuotaItem> &items, LibraryTree &tree, qsizetype index);
};
