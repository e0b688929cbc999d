#include "templatefixture.h"

#include "contracts/grid.h"
#include "estimate/budgettable.h"
#include "estimate/estimatedocument.h"
#include "estimate/itemoperations.h"
#include "estimate/prompter.h"
#include "estimate/roompictures.h"
#include "estimate/tablesharedstate.h"
#include "library/librarytree.h"
#include "library/quotalibraryitems.h"

namespace {

struct SilentPrompter : Prompter {
    QList<int> notified;
    int ask(int, int) override { return Prompter::Yes; }
    void notify(int message, int) override { notified << message; }
    std::optional<QString> promptRoomName(const QString &defaultName) override { return defaultName; }
};

// The budget table's item operations on a real library read from a template.
class SaveToCategoryTest : public TemplateFixture
{
protected:
    SaveToCategoryTest()
        : m_bill(8, 18),
          m_pictures(m_dir.path(), QStringLiteral(PLOTWRIGHT_SOURCE_DIR "/resources/icon_Pen_back.bmp")),
          m_table({m_doc, m_grid, m_bill, m_rates, m_shared, m_pictures, m_prompter}),
          m_items(m_library, m_tree), m_operations(m_table, m_items)
    {
        m_table.setUpGrid(QStringLiteral(PLOTWRIGHT_SOURCE_DIR "/resources"));
    }

    void SetUp() override
    {
        ASSERT_TRUE(load(R"(<project name="A" kind="ka">
  <construction name="自定义" desc="">
    <brand unit="m" num="1.000" material="0">
    </brand>
  </construction>
  <construction name="挖土" desc="d">
    <amount id="0" bDefault="1" RoomName="" Area="1.00"/>
    <brand unit="m3" num="1.000" material="2.000">
    </brand>
  </construction>
  </project>
  <project name="B" kind="kb">
  <construction name="b1" desc="">
    <brand unit="m" num="1.000" material="1.000">
    </brand>
  </construction>
  <construction name="b2" desc="">
    <brand unit="m" num="1.000" material="1.000">
    </brand>
  </construction>
  </project>)"));
        m_tree.fill(m_library.items());
    }

    EstimateDocument m_doc;
    Estimate &m_estimate = m_doc.estimate();
    Grid m_grid;
    Grid m_bill;
    DocumentState &m_document = m_doc.state();
    RateSettings m_rates;
    TableSharedState m_shared;
    RoomPictures m_pictures;
    SilentPrompter m_prompter;
    LibraryTree m_tree;
    BudgetTable m_table;
    QuotaLibraryItems m_items;
    ItemOperations m_operations;
};

TEST_F(SaveToCategoryTest, AnEstimateItemGoesSecondIntoTheCategoryAndIntoTheTree)
{
    ASSERT_TRUE(m_operations.addLibraryItem(m_library.items().at(1).treeNode));
    EXPECT_EQ(m_operations.categoryMenu(), QStringList({"A", "B"}));
    m_grid.setActiveCell(BudgetTable::TableHeaderRows + 1, 2);

    ASSERT_TRUE(m_operations.saveToCategory(1));
    const QList<QuotaItem> &items = m_library.items();
    ASSERT_EQ(items.size(), 5);
    EXPECT_EQ(items.at(3).itemName, QStringLiteral("挖土"));
    EXPECT_EQ(items.at(3).categoryName, QStringLiteral("B"));
    EXPECT_EQ(items.at(3).categoryKind, QStringLiteral("kb"));
    const LibraryTree::Node *node = m_tree.node(items.at(3).treeNode);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->parent, m_tree.node(items.at(2).treeNode)->parent);
    EXPECT_EQ(m_tree.children(node->parent).indexOf(node->id), 1);

    // The entered item can be added to a room through its new node.
    ASSERT_TRUE(m_operations.addLibraryItem(items.at(3).treeNode));
    EXPECT_EQ(m_estimate.rows().last().item.categoryName, QStringLiteral("B"));
}

TEST_F(SaveToCategoryTest, ALockedTemplateRefusesAndStaysUnchanged)
{
    ASSERT_TRUE(load(R"(<PassWord user="someone"/>
  <project name="A" kind="ka">
  <construction name="a" desc="">
    <brand unit="m" num="1.000">
    </brand>
  </construction>
  </project>)"));
    m_tree.fill(m_library.items());
    ASSERT_TRUE(m_operations.addLibraryItem(m_library.items().at(0).treeNode));
    m_grid.setActiveCell(BudgetTable::TableHeaderRows + 1, 2);
    EXPECT_FALSE(m_operations.saveToCategory(0));
    EXPECT_EQ(m_library.items().size(), 1);
    EXPECT_EQ(m_prompter.notified, QList<int>{Prompter::NoTemplateRights});
}

} // namespace
