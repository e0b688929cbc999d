#include "librarytext.h"
#include "templatefixture.h"

#include "library/categoryinsertion.h"
#include "library/quotalibraryitems.h"

namespace {

struct InsertCase {
    const char *what;
    int position;
    const char *name;
    QStringList expected; // item texts after the insertion
};

class InsertIntoCategory : public ::testing::TestWithParam<InsertCase>
{
protected:
    void SetUp() override
    {
        m_items = {quotaItem("A", "自定义", "ka"), quotaItem("A", "a1", "ka"), quotaItem("A", "a2", "ka2"),
                   quotaItem("B", "b1", "kb"),     quotaItem("B", "b2", "kb")};
        m_tree.fill(m_items);
    }

    QList<QuotaItem> m_items;
    LibraryTree m_tree;
};

TEST_P(InsertIntoCategory, PlacesAfterTheFirstItemOrReplacesInPlace)
{
    const InsertCase c = GetParam();
    ConstructItem entered;
    entered.categoryName = QStringLiteral("from the estimate");
    entered.categoryKind = QStringLiteral("estimate kind");
    entered.itemName = QString::fromUtf8(c.name);
    entered.brand.material = 42.0f;
    ASSERT_TRUE(CategoryInsertion::insertIntoCategory(m_items, m_tree, entered, c.position)) << c.what;
    EXPECT_EQ(itemTexts(m_items), c.expected) << c.what;

    const qsizetype at = std::find_if(m_items.cbegin(), m_items.cend(),
                                      [](const QuotaItem &i) { return i.brand.material == 42.0f; }) -
                         m_items.cbegin();
    ASSERT_LT(at, m_items.size());
    // The kind comes from the item it follows, the category from the category.
    EXPECT_EQ(m_items.at(at).categoryKind, m_items.at(at - 1).categoryKind) << c.what;
    EXPECT_EQ(LibraryTree::itemIndexOfNode(m_items, m_items.at(at).treeNode), at) << c.what;
    // The tree changed in place shows what a rebuilt tree would show.
    QList<QuotaItem> copy = m_items;
    LibraryTree rebuilt;
    rebuilt.fill(copy);
    EXPECT_EQ(treeTexts(m_tree), treeTexts(rebuilt)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InsertIntoCategory,
    ::testing::Values(
        InsertCase{"new name: second in its category", 0, "n",
                   {"A:自定义", "A:n", "A:a1", "A:a2", "B:b1", "B:b2"}},
        InsertCase{"same name: replaces in place", 0, "a2", {"A:自定义", "A:a1", "A:a2", "B:b1", "B:b2"}},
        InsertCase{"the first item's name: a second one after it", 1, "b1",
                   {"A:自定义", "A:a1", "A:a2", "B:b1", "B:b1", "B:b2"}},
        InsertCase{"last category: after its first item, not at its end", 1, "x",
                   {"A:自定义", "A:a1", "A:a2", "B:b1", "B:x", "B:b2"}}));

TEST(InsertIntoCategoryTest, EnteringAgainReplacesTheCopyAndAMissingCategoryChangesNothing)
{
    QList<QuotaItem> items = {quotaItem("A", "a1"), quotaItem("A", "a2")};
    LibraryTree tree;
    tree.fill(items);
    ConstructItem entered;
    entered.itemName = QStringLiteral("n");
    ASSERT_TRUE(CategoryInsertion::insertIntoCategory(items, tree, entered, 0));
    const int firstCopyNode = items.at(1).treeNode;
    entered.itemDesc = QStringLiteral("second");
    ASSERT_TRUE(CategoryInsertion::insertIntoCategory(items, tree, entered, 0));
    EXPECT_EQ(itemTexts(items), QStringList({"A:a1", "A:n", "A:a2"}));
    EXPECT_EQ(items.at(1).itemDesc, QStringLiteral("second"));
    EXPECT_EQ(tree.node(firstCopyNode), nullptr);

    const QList<QuotaItem> before = items;
    EXPECT_FALSE(CategoryInsertion::insertIntoCategory(items, tree, entered, 1));
    EXPECT_FALSE(CategoryInsertion::insertIntoCategory(items, tree, entered, -1));
    EXPECT_EQ(items, before);
}

TEST(InsertIntoCategoryTest, AReappearingCategoryCountsAsItsOwnPosition)
{
    const QList<QuotaItem> items = {quotaItem("A", "a"), quotaItem("B", "b"), quotaItem("A", "a2")};
    EXPECT_EQ(CategoryInsertion::categoryNames(items), QStringList({"A", "B", "A"}));
    EXPECT_EQ(CategoryInsertion::firstItemOfCategory(items, 2), 2);
}

TEST(InsertIntoCategoryTest, ReplacingAnItemKeepsThePlaceholderAfterItShown)
{
    // The second placeholder shares the node of the item before it.
    QList<QuotaItem> items = {quotaItem("A", "自定义"), quotaItem("A", "a1"), quotaItem("A", "自定义项目")};
    LibraryTree tree;
    tree.fill(items);
    ASSERT_EQ(items.at(2).treeNode, items.at(1).treeNode);
    ConstructItem entered;
    entered.itemName = QStringLiteral("a1");
    ASSERT_TRUE(CategoryInsertion::insertIntoCategory(items, tree, entered, 0));
    EXPECT_EQ(treeTexts(tree), QStringList({"A>添加定额,a1"}));
    EXPECT_EQ(items.at(2).treeNode, items.at(1).treeNode);
    EXPECT_NE(tree.node(items.at(2).treeNode), nullptr);
}

class AdapterTest : public TemplateFixture
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(load(R"(<project name="A" kind="ka">
  <construction name="自定义" desc="">
    <brand unit="m" num="1.000" material="0">
    </brand>
  </construction>
  <construction name="挖 土" desc="d">
    <brand unit="m3" num="1.000" material="2.000">
    </brand>
  </construction>
  </project>
  <project name="B" kind="kb">
  <construction name="b1" desc="">
    <brand unit="m" num="1.000" material="1.000">
    </brand>
  </construction>
  </project>)"));
        m_tree.fill(m_library.items());
    }

    LibraryTree m_tree;
    QuotaLibraryItems m_items{m_library, m_tree};
};

TEST_F(AdapterTest, FindsItemsByNodeAndByNameWithoutBlanks)
{
    const QuotaItem &dig = m_library.items().at(1);
    EXPECT_EQ(m_items.findByTreeNode(dig.treeNode), &dig);
    EXPECT_EQ(m_items.findByTreeNode(0), nullptr);
    EXPECT_EQ(m_items.findByTreeNode(9999), nullptr);
    EXPECT_EQ(m_items.findByNameNoBlanks(QStringLiteral("挖土")), &dig);
    EXPECT_EQ(m_items.findByNameNoBlanks(QStringLiteral("挖 土")), nullptr);
    EXPECT_EQ(m_items.categoryNames(), QStringList({"A", "B"}));
    EXPECT_TRUE(m_items.canEditTemplate());
}

} // namespace
