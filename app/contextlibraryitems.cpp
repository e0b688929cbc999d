#include "contextlibraryitems.h"

#include "library/quotalibrary.h"

ContextLibraryItems::ContextLibraryItems(QuotaLibrary &library) : m_library(library) {}

const ConstructItem *ContextLibraryItems::findByTreeNode(qint64 treeNode) const
{
    if (treeNode == 0)
        return nullptr;
    for (const QuotaItem &item : m_library.items()) {
        if (item.treeNode == treeNode)
            return &item;
    }
    return nullptr;
}

const ConstructItem *ContextLibraryItems::findByNameNoBlanks(const QString &name) const
{
    for (const QuotaItem &item : m_library.items()) {
        if (QString(item.itemName).remove(QLatin1Char(' ')) == name)
            return &item;
    }
    return nullptr;
}

QStringList ContextLibraryItems::categoryNames() const
{
    QStringList names;
    const QList<QuotaItem> &items = m_library.items();
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i == 0 || items.at(i).categoryName != items.at(i - 1).categoryName)
            names << items.at(i).categoryName;
    }
    return names;
}

bool ContextLibraryItems::insertIntoCategory(const ConstructItem &, int)
{
    return false;
}

bool ContextLibraryItems::canEditTemplate() const
{
    return m_library.canEditTemplate();
}
