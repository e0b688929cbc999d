#pragma once

#include "library/librarytree.h"
#include "library/quotaitem.h"

#include <QStringList>

// Short texts for comparing item lists and trees in the library operation tests.
inline QuotaItem quotaItem(const char *category, const char *name, const char *kind = "k")
{
    QuotaItem item;
    item.categoryName = QString::fromUtf8(category);
    item.categoryKind = QString::fromUtf8(kind);
    item.itemName = QString::fromUtf8(name);
    item.brand.num = 1.0f;
    return item;
}

// "category:name" per item.
inline QStringList itemTexts(const QList<QuotaItem> &items)
{
    QStringList out;
    for (const QuotaItem &item : items)
        out << item.categoryName + u':' + item.itemName;
    return out;
}

// "category>child,child" per category node, texts trimmed.
inline QStringList treeTexts(const LibraryTree &tree)
{
    QStringList out;
    for (int category : tree.children(0)) {
        QStringList children;
        for (int child : tree.children(category))
            children << tree.node(child)->text.trimmed();
        out << tree.node(category)->text.trimmed() + u'>' + children.join(u',');
    }
    return out;
}
