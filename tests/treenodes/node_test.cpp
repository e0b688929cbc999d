#include "treecheck.h"

#include <QUuid>

#include <gtest/gtest.h>

#include <pthread.h>

#include <limits>
#include <set>

using Ramulet::Node;
using Ramulet::Nodes;
namespace ErrorNumber = Ramulet::ErrorNumber;

// Starts a collection's counter where a test needs it; the counter is not reachable otherwise.
namespace Ramulet {
struct NodesCounterProbe {
    static void set(Nodes &nodes, qint32 counter) { nodes.m_counter = counter; }
};
} // namespace Ramulet

namespace {

QStringList keysInChainOrder(Node &owner)
{
    QStringList keys;
    for (Node *child = owner.Nodes().FirstNode(); child; child = child->NextNode())
        keys << child->Key();
    return keys;
}

QStringList textsInChainOrder(Node &owner)
{
    QStringList texts;
    for (Node *child = owner.Nodes().FirstNode(); child; child = child->NextNode())
        texts << child->Text();
    return texts;
}

// top
//   a (1N)
//     a1 (1N), a2 (2N)
//   b (2N)
//     b1 (1N)
//       b11 (1N)
//   c (3N)
class SmallTree : public ::testing::Test
{
public:
    void SetUp() override
    {
        a = top.Nodes().Add("a");
        b = top.Nodes().Add("b");
        c = top.Nodes().Add("c");
        a1 = a->Nodes().Add("a1");
        a2 = a->Nodes().Add("a2");
        b1 = b->Nodes().Add("b1");
        b11 = b1->Nodes().Add("b11");
    }
    void TearDown() override { EXPECT_EQ(treeFaults(top), std::vector<std::string>()); }

    Node top;
    Node *a, *b, *c, *a1, *a2, *b1, *b11;
};

TEST(NodesTest, AddingThreeChildrenKeysLevelsAndCounts)
{
    Node top;
    Nodes &nodes = top.Nodes();
    const Node *first = nodes.Add("x");
    const Node *second = nodes.Add("y");
    const Node *third = nodes.Add("z");
    EXPECT_EQ(QStringList({first->Key(), second->Key(), third->Key()}), QStringList({"1N", "2N", "3N"}));
    for (const Node *node : {first, second, third})
        EXPECT_EQ(node->Level(), 1);
    EXPECT_EQ(top.ChildrenCount(), 3);
    EXPECT_EQ(top.VisibleNodesCount(), 4);
    EXPECT_EQ(nodes.Count(), 3);
    EXPECT_EQ(nodes.FirstNode(), first);
    EXPECT_EQ(nodes.LastNode(), third);
    EXPECT_EQ(treeFaults(top), std::vector<std::string>());
}

TEST(NodesTest, CounterIsNeverResetByRemoveOrClear)
{
    Node top;
    Nodes &nodes = top.Nodes();
    nodes.AddChildNodes(2);
    nodes.Remove("2N");
    EXPECT_EQ(nodes.Add("")->Key(), "3N");
    nodes.Clear();
    EXPECT_EQ(nodes.Add("")->Key(), "4N");
    EXPECT_EQ(nodes.Item(1)->Key(), "4N");
}

TEST(NodesTest, AddChildNodesAddsEmptyTextsAndIgnoresNonPositiveCounts)
{
    Node top;
    top.Nodes().AddChildNodes(0);
    top.Nodes().AddChildNodes(-3);
    EXPECT_EQ(top.Nodes().Count(), 0);
    top.Nodes().AddChildNodes(3);
    EXPECT_EQ(textsInChainOrder(top), QStringList({"", "", ""}));
    EXPECT_EQ(top.ChildrenCount(), 3);
}

TEST_F(SmallTree, CollapsingTheTopNodeDoesNothing)
{
    const QString before = describeTree(top);
    top.Collapse();
    EXPECT_TRUE(top.Expanded());
    EXPECT_EQ(describeTree(top), before);
}

TEST_F(SmallTree, CollapseCountsTheNodeAsOneRowAndExpandRestores)
{
    const qint32 topRows = top.VisibleNodesCount();
    a->Collapse();
    EXPECT_EQ(a->VisibleNodesCount(), 1);
    EXPECT_EQ(top.VisibleNodesCount(), topRows - 2);
    EXPECT_FALSE(a1->Visible());
    a->Expand();
    EXPECT_EQ(top.VisibleNodesCount(), topRows);
    EXPECT_TRUE(a1->Visible());
}

TEST_F(SmallTree, ChangesUnderACollapsedNodeKeepTheRowsAbove)
{
    b->Collapse();
    const qint32 topRows = top.VisibleNodesCount();
    b1->Nodes().Add("b12");
    b1->Nodes().Remove("1N");
    EXPECT_EQ(top.VisibleNodesCount(), topRows);
    EXPECT_EQ(b->ChildrenCount(), 2);
    EXPECT_EQ(b1->VisibleNodesCount(), 2);
    b->Expand();
    EXPECT_EQ(b->VisibleNodesCount(), 3);
}

TEST_F(SmallTree, ExpandAllOpensEveryLevel)
{
    b11->Nodes().Add("deep");
    b1->Collapse();
    b->Collapse();
    b11->Collapse();
    top.ExpandAll();
    EXPECT_EQ(top.VisibleNodesCount(), top.ChildrenCount() + 1);
}

TEST_F(SmallTree, InsertBeforeTheFirstChildKeepsInsertionOrderInItem)
{
    Node *inserted = top.Nodes().InsertBefore("1N", "first");
    EXPECT_EQ(inserted->Key(), "4N");
    EXPECT_EQ(top.Nodes().FirstNode(), inserted);
    EXPECT_EQ(top.Nodes().Item(1), a);
    EXPECT_EQ(top.Nodes().Item(4), inserted);
    EXPECT_EQ(inserted->AbsIndex(), 2);
}

TEST_F(SmallTree, InsertAfterTheLastChildBecomesLastNode)
{
    Node *inserted = top.Nodes().InsertAfter("3N", "last");
    EXPECT_EQ(top.Nodes().LastNode(), inserted);
    EXPECT_EQ(c->NextNode(), inserted);
    top.Nodes().InsertAfter("1N", "middle");
    EXPECT_EQ(textsInChainOrder(top), QStringList({"a", "middle", "b", "c", "last"}));
}

TEST_F(SmallTree, ReadingNodesOfALeafMakesHasChildrenTrueWithoutChildren)
{
    EXPECT_FALSE(c->HasChildren());
    EXPECT_EQ(c->Nodes().Count(), 0);
    EXPECT_TRUE(c->HasChildren());
    EXPECT_EQ(c->ChildrenCount(), 0);
    a->Nodes().Clear();
    b->Nodes().Remove(1);
    EXPECT_TRUE(a->HasChildren());
    EXPECT_TRUE(b->HasChildren());
}

TEST_F(SmallTree, ItemByMissingKeyOrPositionIsNothing)
{
    EXPECT_EQ(top.Nodes().Item("9N"), nullptr);
    EXPECT_EQ(top.Nodes().Item(""), nullptr);
    EXPECT_EQ(top.Nodes().Item(0), nullptr);
    EXPECT_EQ(top.Nodes().Item(4), nullptr);
    EXPECT_EQ(top.Nodes().Item(-1), nullptr);
    EXPECT_EQ(top.Nodes().Item("2N"), b);
    EXPECT_EQ(top.Nodes().Item(2), b);
}

TEST_F(SmallTree, RemoveTakesTheSubtreeOffEveryCount)
{
    top.Nodes().Remove("2N");
    EXPECT_EQ(top.ChildrenCount(), 4);
    EXPECT_EQ(top.VisibleNodesCount(), 5);
    EXPECT_EQ(a->NextNode(), c);
    EXPECT_EQ(c->PrevNode(), a);
    EXPECT_EQ(top.Nodes().Item(2), c);
}

TEST_F(SmallTree, RemovingTheEndsMovesFirstAndLast)
{
    top.Nodes().Remove(1);
    EXPECT_EQ(top.Nodes().FirstNode(), b);
    top.Nodes().Remove("3N");
    EXPECT_EQ(top.Nodes().LastNode(), b);
    top.Nodes().Remove("2N");
    EXPECT_EQ(top.Nodes().FirstNode(), nullptr);
    EXPECT_EQ(top.Nodes().LastNode(), nullptr);
    EXPECT_EQ(top.VisibleNodesCount(), 1);
}

TEST_F(SmallTree, ClearLeavesTheOwnerAsOneRow)
{
    b->Nodes().Clear();
    EXPECT_EQ(b->ChildrenCount(), 0);
    EXPECT_EQ(b->VisibleNodesCount(), 1);
    EXPECT_EQ(top.ChildrenCount(), 5);
    EXPECT_EQ(b->Nodes().FirstNode(), nullptr);
    top.Nodes().Clear();
    EXPECT_EQ(top.ChildrenCount(), 0);
    EXPECT_EQ(top.VisibleNodesCount(), 1);
}

TEST_F(SmallTree, AbsIndexCountsEarlierSubtrees)
{
    EXPECT_EQ(top.AbsIndex(), 1);
    EXPECT_EQ(a->AbsIndex(), 2);
    EXPECT_EQ(b->AbsIndex(), 3 + a->ChildrenCount());
    EXPECT_EQ(b11->AbsIndex(), 7);
    EXPECT_EQ(c->AbsIndex(), 8);
}

TEST_F(SmallTree, FindNodeCountsFromTheNodeThroughItsFollowingSiblings)
{
    EXPECT_EQ(a->FindNode(1), a);
    EXPECT_EQ(a->FindNode(4), b);
    EXPECT_EQ(a->FindNode(7), c);
    EXPECT_EQ(a->FindNode(8), nullptr);
    EXPECT_EQ(top.FindNode(9), nullptr);
    EXPECT_EQ(b1->FindNode(2), b11);
    for (Node *node : preorder(top))
        EXPECT_EQ(top.FindNode(node->AbsIndex()), node);
}

TEST_F(SmallTree, VisibleNeedsEveryAncestorExpanded)
{
    EXPECT_FALSE(top.Visible());
    EXPECT_TRUE(b11->Visible());
    b->Collapse();
    EXPECT_TRUE(b->Visible());
    EXPECT_FALSE(b1->Visible());
    EXPECT_FALSE(b11->Visible());
}

TEST_F(SmallTree, RootIsTheTopNode)
{
    EXPECT_EQ(b11->Root(), &top);
    EXPECT_EQ(top.Root(), &top);
}

// Moves that have nowhere to go leave the tree exactly as it was, counter included.
TEST_F(SmallTree, MovesWithoutATargetDoNothing)
{
    struct Case {
        const char *name;
        Node *(Node::*move)();
        Node *SmallTree::*node;
    };
    const Case cases[] = {
        {"MoveUp on the first child", &Node::MoveUp, &SmallTree::a},
        {"MoveDown on the last child", &Node::MoveDown, &SmallTree::c},
        {"LevelDown on the first child", &Node::LevelDown, &SmallTree::a},
        {"LevelUp under a level-1 node", &Node::LevelUp, &SmallTree::a1},
        {"MoveUp on the top node", &Node::MoveUp, nullptr},
        {"MoveDown on an only child", &Node::MoveDown, &SmallTree::b1},
    };
    for (const Case &test : cases) {
        SCOPED_TRACE(test.name);
        Node *node = test.node ? this->*test.node : &top;
        const QString before = describeTree(top);
        EXPECT_EQ((node->*test.move)(), node);
        EXPECT_EQ(describeTree(top), before);
    }
    EXPECT_EQ(top.Nodes().Add("d")->Key(), "4N");
    EXPECT_EQ(a->Nodes().Add("a3")->Key(), "3N");
}

TEST_F(SmallTree, MoveUpPutsACopyBeforeThePreviousSibling)
{
    Node *moved = b->MoveUp();
    EXPECT_EQ(textsInChainOrder(top), QStringList({"b", "a", "c"}));
    EXPECT_EQ(moved, top.Nodes().FirstNode());
    EXPECT_EQ(moved->Key(), "4N");
    EXPECT_EQ(moved->ChildrenCount(), 2);
    EXPECT_EQ(top.Nodes().Item("2N"), nullptr);
    EXPECT_EQ(top.Nodes().Item(3), moved);
}

TEST_F(SmallTree, MoveDownPutsACopyAfterTheNextSibling)
{
    Node *moved = a->MoveDown();
    EXPECT_EQ(textsInChainOrder(top), QStringList({"b", "a", "c"}));
    EXPECT_EQ(moved->PrevNode(), b);
    EXPECT_EQ(textsInChainOrder(*moved), QStringList({"a1", "a2"}));
}

TEST_F(SmallTree, LevelDownMakesTheLastChildOfThePreviousSibling)
{
    Node *moved = b->LevelDown();
    EXPECT_EQ(textsInChainOrder(top), QStringList({"a", "c"}));
    EXPECT_EQ(moved->Parent(), a);
    EXPECT_EQ(moved->Level(), 2);
    EXPECT_EQ(moved->Key(), "3N");
    EXPECT_EQ(a->Nodes().LastNode(), moved);
    EXPECT_EQ(moved->Nodes().FirstNode()->Nodes().FirstNode()->Level(), 4);
    EXPECT_EQ(a->ChildrenCount(), 5);
}

TEST_F(SmallTree, LevelUpPutsACopyAfterTheFormerParent)
{
    Node *moved = b11->LevelUp();
    EXPECT_EQ(moved->Parent(), b);
    EXPECT_EQ(moved->Level(), 2);
    EXPECT_EQ(moved->PrevNode(), b1);
    EXPECT_EQ(b1->ChildrenCount(), 0);
    EXPECT_TRUE(b1->HasChildren());
}

// A moved subtree keeps the order its user gave it, even where the keyed list's
// insertion order differs from the sibling order.
TEST_F(SmallTree, MovesKeepTheSiblingOrderOfTheSubtree)
{
    a2->MoveUp();
    a->Nodes().InsertBefore(a->Nodes().FirstNode()->Key(), "a0");
    ASSERT_EQ(textsInChainOrder(*a), QStringList({"a0", "a2", "a1"}));
    Node *moved = a->MoveDown();
    EXPECT_EQ(textsInChainOrder(*moved), QStringList({"a0", "a2", "a1"}));
    EXPECT_EQ(keysInChainOrder(*moved), QStringList({"1N", "2N", "3N"}));
}

TEST_F(SmallTree, MovesKeepCollapsedStatesInTheCopy)
{
    b->Collapse();
    b1->Collapse();
    Node *moved = b->MoveUp();
    EXPECT_FALSE(moved->Expanded());
    EXPECT_FALSE(moved->Nodes().FirstNode()->Expanded());
    EXPECT_EQ(moved->VisibleNodesCount(), 1);
    EXPECT_EQ(top.VisibleNodesCount(), 6);
}

TEST_F(SmallTree, CopyOfALeafWithAnEmptyCollectionHasNone)
{
    c->Nodes();
    Node *moved = c->MoveUp();
    EXPECT_FALSE(moved->HasChildren());
}

// Every failing call names its error and leaves the tree as it was.
TEST_F(SmallTree, FailuresReportTheirNumberAndChangeNothing)
{
    Nodes standalone;
    struct Case {
        const char *name;
        std::function<void()> action;
        int number;
    };
    const Case cases[] = {
        {"InsertBefore a missing key", [&] { top.Nodes().InsertBefore("7N", "x"); },
         ErrorNumber::InvalidArgument},
        {"InsertAfter a missing key", [&] { b->Nodes().InsertAfter("2N", "x"); },
         ErrorNumber::InvalidArgument},
        {"Remove a missing key", [&] { top.Nodes().Remove("1n"); }, ErrorNumber::InvalidArgument},
        {"Remove position 0", [&] { top.Nodes().Remove(0); }, ErrorNumber::SubscriptOutOfRange},
        {"Remove past Count", [&] { top.Nodes().Remove(4); }, ErrorNumber::SubscriptOutOfRange},
        {"Remove a negative position", [&] { top.Nodes().Remove(-1); }, ErrorNumber::SubscriptOutOfRange},
        {"LevelUp on a level-1 node", [&] { b->LevelUp(); }, ErrorNumber::ObjectNotSet},
        {"LevelUp on the top node", [&] { top.LevelUp(); }, ErrorNumber::ObjectNotSet},
        {"FindNode(0)", [&] { top.FindNode(0); }, ErrorNumber::ObjectNotSet},
        {"FindNode below 0 on a leaf", [&] { c->FindNode(-5); }, ErrorNumber::ObjectNotSet},
        {"Add to a collection without owner", [&] { standalone.Add("x"); }, ErrorNumber::ObjectNotSet},
    };
    for (const Case &test : cases) {
        SCOPED_TRACE(test.name);
        const QString before = describeTree(top);
        EXPECT_EQ(errorNumberOf(test.action), test.number);
        EXPECT_EQ(describeTree(top), before);
    }
    EXPECT_EQ(standalone.Count(), 0);
}

TEST_F(SmallTree, AFailedInsertStillUsesUpAKey)
{
    EXPECT_EQ(errorNumberOf([&] { top.Nodes().InsertBefore("9N", "x"); }), ErrorNumber::InvalidArgument);
    EXPECT_EQ(top.Nodes().Add("d")->Key(), "5N");
}

TEST(NodesTest, CounterAndLevelOverflowAreErrorsThatChangeNothing)
{
    Node top;
    top.Nodes().Add("a");
    Ramulet::NodesCounterProbe::set(top.Nodes(), std::numeric_limits<qint32>::max() - 1);
    EXPECT_EQ(top.Nodes().Add("b")->Key(), "2147483647N");
    const QString before = describeTree(top);
    EXPECT_EQ(errorNumberOf([&] { top.Nodes().Add("c"); }), ErrorNumber::Overflow);
    EXPECT_EQ(errorNumberOf([&] { top.Nodes().InsertAfter("1N", "c"); }), ErrorNumber::Overflow);
    EXPECT_EQ(errorNumberOf([&] { top.Nodes().Item(2)->MoveUp(); }), ErrorNumber::Overflow);
    EXPECT_EQ(describeTree(top), before);

    Node high;
    high.SetLevel(std::numeric_limits<qint32>::max());
    EXPECT_EQ(errorNumberOf([&] { high.Nodes().Add("x"); }), ErrorNumber::Overflow);
    EXPECT_EQ(high.Nodes().Count(), 0);
    EXPECT_EQ(high.ChildrenCount(), 0);
}

TEST(NodesTest, AHandMadeCollectionCountsOnItsOwner)
{
    Node owner;
    {
        Nodes nodes;
        nodes.SetOwner(&owner);
        Node *child = nodes.Add("x");
        EXPECT_EQ(child->Parent(), &owner);
        EXPECT_EQ(owner.ChildrenCount(), 1);
        EXPECT_EQ(owner.VisibleNodesCount(), 2);
    }
    EXPECT_EQ(owner.ChildrenCount(), 0);
    EXPECT_EQ(owner.VisibleNodesCount(), 1);
    EXPECT_FALSE(owner.HasChildren());
}

TEST(NodesTest, PlainSettersChangeOnlyTheirField)
{
    Node top;
    Node *child = top.Nodes().Add("x");
    child->SetKey("renamed");
    child->SetLevel(7);
    child->SetText("y");
    EXPECT_EQ(top.Nodes().Item("1N"), child);
    EXPECT_EQ(top.Nodes().Item("renamed"), nullptr);
    EXPECT_EQ(top.ChildrenCount(), 1);
    EXPECT_EQ(child->Nodes().Add("z")->Level(), 8);
}

// A node whose key was changed by hand still moves itself, not a sibling that now
// shares the key.
TEST(NodesTest, MovesFollowTheNodeNotItsChangedKey)
{
    Node top;
    Node *first = top.Nodes().Add("first");
    Node *second = top.Nodes().Add("second");
    second->SetKey(first->Key());
    Node *moved = second->MoveUp();
    EXPECT_EQ(textsInChainOrder(top), QStringList({"second", "first"}));
    EXPECT_EQ(moved->Text(), "second");
    EXPECT_EQ(top.Nodes().Count(), 2);
    EXPECT_EQ(treeFaults(top), std::vector<std::string>());
}

// Runs an action on a thread with a small stack, so that recursion as deep as the tree
// or as long as a sibling chain fails the test instead of passing by luck.
void runOnSmallStack(void (*action)())
{
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, 128 * 1024);
    pthread_t thread;
    ASSERT_EQ(pthread_create(
                  &thread, &attributes,
                  [](void *argument) -> void * {
                      reinterpret_cast<void (*)()>(argument)();
                      return nullptr;
                  },
                  reinterpret_cast<void *>(action)),
              0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
}

constexpr qint32 LongRun = 5000;

TEST(NodesTest, DeepTreesAndLongChainsNeedNoDeepStack)
{
    runOnSmallStack([] {
        auto top = std::make_unique<Node>();
        Node *deepest = top.get();
        for (qint32 i = 0; i < LongRun; ++i)
            deepest = deepest->Nodes().Add("");
        deepest->Nodes().AddChildNodes(LongRun);
        EXPECT_EQ(top->FindNode(2 * LongRun + 1), deepest->Nodes().LastNode());
        EXPECT_EQ(deepest->Nodes().LastNode()->AbsIndex(), 2 * LongRun + 1);
        top->Nodes().FirstNode()->Collapse();
        top->ExpandAll();
        EXPECT_EQ(top->VisibleNodesCount(), 2 * LongRun + 1);
        top->Nodes().FirstNode()->Nodes().Clear();
        EXPECT_EQ(top->ChildrenCount(), 1);
        for (qint32 i = 0; i < LongRun; ++i)
            top->Nodes().FirstNode()->Nodes().Add("");
        deepest = top.get();
        for (qint32 i = 0; i < LongRun; ++i)
            deepest = deepest->Nodes().Add("");
        top.reset();
    });
}

TEST(RamuletIdsTest, GuidsParseAndDiffer)
{
    const char *guids[] = {Ramulet::Guid::NodeInterface, Ramulet::Guid::NodeClass,
                           Ramulet::Guid::NodesInterface, Ramulet::Guid::NodesClass,
                           Ramulet::Guid::TypeLibrary};
    std::set<QUuid> distinct;
    for (const char *guid : guids) {
        const QUuid uuid = QUuid::fromString(QLatin1String(guid));
        EXPECT_FALSE(uuid.isNull()) << guid;
        EXPECT_EQ(uuid.toString(QUuid::WithBraces).toUpper(), QString::fromLatin1(guid));
        distinct.insert(uuid);
    }
    EXPECT_EQ(distinct.size(), std::size(guids));
}

} // namespace
