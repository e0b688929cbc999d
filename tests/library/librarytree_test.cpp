#include "library/librarytree.h"

#include <gtest/gtest.h>

namespace {

QuotaItem item(const char *category, const char *name)
{
    QuotaItem i;
    i.categoryName = QString::fromUtf8(category);
    i.itemName = QString::fromUtf8(name);
    return i;
}

QStringList outline(const LibraryTree &tree)
{
    QStringList lines;
    for (const int root : tree.children(0)) {
        lines << tree.node(root)->text;
        for (const int child : tree.children(root))
            lines << "  " + tree.node(child)->text;
    }
    return lines;
}

TEST(LibraryTree, CategoriesHoldItemsAndOneAddNodeForTheirPlaceholders)
{
    QList<QuotaItem> items = {item("A", "自定义"), item("A", "a1"),     item("A", "自定义项目"),
                              item("B", "自定义"), item("B", "自定义"), item("A", "a2")};
    LibraryTree tree;
    tree.fill(items);
    const QString cat(52, u' ');
    const QString pad(50, u' ');
    EXPECT_EQ(outline(tree), QStringList({"A" + cat, "  添加定额" + pad, "  a1" + pad, "B" + cat,
                                          "  添加定额" + pad, "A" + cat, "  a2" + pad}));
    // A later placeholder shares the node inserted last before it.
    EXPECT_EQ(items.at(2).treeNode, items.at(1).treeNode);
    EXPECT_EQ(items.at(4).treeNode, items.at(3).treeNode);
    EXPECT_EQ(tree.node(items.at(0).treeNode)->kind, LibraryTree::NodeKind::AddItem);
    EXPECT_EQ(tree.node(items.at(5).treeNode)->text, "a2" + pad);
}

TEST(LibraryTree, NodesNameTheirItemsAndCategoriesNameNone)
{
    QList<QuotaItem> items = {item("A", "a1"), item("A", "a2")};
    LibraryTree tree;
    tree.fill(items);
    EXPECT_EQ(LibraryTree::itemIndexOfNode(items, items.at(1).treeNode), 1);
    EXPECT_EQ(LibraryTree::itemIndexOfNode(items, tree.children(0).first()), -1);
    EXPECT_EQ(LibraryTree::itemIndexOfNode(items, 0), -1);
}

TEST(LibraryTree, ARebuildNeverReusesNodeIds)
{
    QList<QuotaItem> items = {item("A", "a1")};
    LibraryTree tree;
    tree.fill(items);
    const int old = items.first().treeNode;
    tree.fill(items);
    EXPECT_NE(items.first().treeNode, old);
    EXPECT_EQ(tree.node(old), nullptr);
}

TEST(LibraryTree, RemovingACategoryRemovesItsItems)
{
    QList<QuotaItem> items = {item("A", "a1"), item("B", "b1")};
    LibraryTree tree;
    tree.fill(items);
    ASSERT_TRUE(tree.remove(tree.children(0).first()));
    EXPECT_EQ(tree.node(items.first().treeNode), nullptr);
    EXPECT_EQ(tree.nodes().size(), 2);
    EXPECT_FALSE(tree.remove(items.first().treeNode));
}

} // namespace
