#pragma once

#include "estimate/libraryitems.h"

class QuotaLibrary;

// The budget table's view of the quota library: items found by tree node or by
// name, the category list and the template lock. Entering an item into a
// category belongs to the template saving code and is refused here.
class ContextLibraryItems : public LibraryItems
{
public:
    explicit ContextLibraryItems(QuotaLibrary &library);

    const ConstructItem *findByTreeNode(qint64 treeNode) const override;
    const ConstructItem *findByNameNoBlanks(const QString &name) const override;
    QStringList categoryNames() const override;
    bool insertIntoCategory(const ConstructItem &item, int position) override;
    bool canEditTemplate() const override;

private:
    QuotaLibrary &m_library;
};
