#pragma once

#include "estimate/libraryitems.h"
#include "librarytree.h"
#include "quotalibrary.h"

// The budget table's view of the current template: items named by the nodes
// of the library tree, and entry of estimate items into its categories.
class QuotaLibraryItems : public LibraryItems
{
public:
    QuotaLibraryItems(QuotaLibrary &library, LibraryTree &tree);

    const ConstructItem *findByTreeNode(qint64 treeNode) const override;
    const ConstructItem *findByNameNoBlanks(const QString &name) const override;
    QStringList categoryNames() const override;
    bool insertIntoCategory(const ConstructItem &item, int position) override;
    bool canEditTemplate() const override;

private:
    QuotaLibrary &m_library;
    LibraryTree &m_tree;
};
