#include "treecheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>

using Ramulet::Node;
namespace ErrorNumber = Ramulet::ErrorNumber;

namespace {

// A plain tree that the randomized run changes alongside the library: children in sibling
// order, the keyed list in insertion order, and a key counter per node.
struct Model {
    QString text;
    QString key;
    bool expanded = true;
    bool hasCollection = false;
    qint32 counter = 0;
    Model *parent = nullptr;
    std::vector<std::unique_ptr<Model>> children;
    std::vector<Model *> inserted;
};

struct MoveResult {
    Model *node;
    int error;
};

int depthOf(const Model *model)
{
    int depth = 0;
    for (; model->parent; model = model->parent)
        ++depth;
    return depth;
}

size_t siblingIndex(const Model *model)
{
    const auto &siblings = model->parent->children;
    return std::find_if(siblings.begin(), siblings.end(),
                        [&](const auto &item) { return item.get() == model; }) -
           siblings.begin();
}

Model *addChild(Model &owner, const QString &text, size_t at)
{
    owner.hasCollection = true;
    auto child = std::make_unique<Model>();
    child->text = text;
    child->key = QString::number(++owner.counter) + u'N';
    child->parent = &owner;
    Model *added = child.get();
    owner.children.insert(owner.children.begin() + static_cast<std::ptrdiff_t>(at), std::move(child));
    owner.inserted.push_back(added);
    return added;
}

void removeChild(Model &owner, Model *child)
{
    owner.inserted.erase(std::find(owner.inserted.begin(), owner.inserted.end(), child));
    owner.children.erase(owner.children.begin() + static_cast<std::ptrdiff_t>(siblingIndex(child)));
}

Model *findByKey(const Model &owner, const QString &key)
{
    for (Model *child : owner.inserted) {
        if (child->key == key)
            return child;
    }
    return nullptr;
}

// The copy a move leaves behind: new keys, same texts and expanded states, sibling order.
Model *copyInto(const Model &source, Model &owner, size_t at)
{
    Model *copy = addChild(owner, source.text, at);
    copy->expanded = source.expanded;
    for (const auto &child : source.children)
        copyInto(*child, *copy, copy->children.size());
    return copy;
}

MoveResult replaceByCopy(Model *model, Model &owner, size_t at)
{
    Model *copy = copyInto(*model, owner, at);
    removeChild(*model->parent, model);
    return {copy, 0};
}

MoveResult moveUp(Model *model)
{
    if (!model->parent || siblingIndex(model) == 0)
        return {model, 0};
    return replaceByCopy(model, *model->parent, siblingIndex(model) - 1);
}

MoveResult moveDown(Model *model)
{
    if (!model->parent || siblingIndex(model) + 1 == model->parent->children.size())
        return {model, 0};
    return replaceByCopy(model, *model->parent, siblingIndex(model) + 2);
}

MoveResult levelDown(Model *model)
{
    if (!model->parent || siblingIndex(model) == 0)
        return {model, 0};
    Model &previous = *model->parent->children[siblingIndex(model) - 1];
    previous.hasCollection = true;
    return replaceByCopy(model, previous, previous.children.size());
}

MoveResult levelUp(Model *model)
{
    Model *parent = model->parent;
    if (!parent)
        return {model, ErrorNumber::ObjectNotSet};
    if (depthOf(parent) == 1)
        return {model, 0};
    if (!parent->parent)
        return {model, ErrorNumber::ObjectNotSet};
    return replaceByCopy(model, *parent->parent, siblingIndex(parent) + 1);
}

void collectModel(Model &model, std::vector<Model *> &out)
{
    out.push_back(&model);
    for (const auto &child : model.children)
        collectModel(*child, out);
}

std::vector<Model *> modelPreorder(Model &root)
{
    std::vector<Model *> out;
    collectModel(root, out);
    return out;
}

void expandAll(Model &model)
{
    model.expanded = true;
    for (const auto &child : model.children)
        expandAll(*child);
}

void compare(Node &node, const Model &model, std::vector<std::string> &faults)
{
    const std::string at = "node " + model.key.toStdString() + " '" + model.text.toStdString() + "': ";
    if (node.Text() != model.text || node.Key() != model.key)
        faults.push_back(at + "text or key differ");
    if (node.Expanded() != model.expanded)
        faults.push_back(at + "expanded state differs");
    if (node.HasChildren() != model.hasCollection)
        faults.push_back(at + "HasChildren differs");
    if (!node.HasChildren() || node.Nodes().Count() != static_cast<qint32>(model.inserted.size())) {
        if (node.HasChildren() || !model.children.empty())
            faults.push_back(at + "child count differs");
        return;
    }
    for (size_t i = 0; i < model.inserted.size(); ++i) {
        if (node.Nodes().Item(static_cast<qint32>(i + 1))->Key() != model.inserted[i]->key)
            faults.push_back(at + "insertion order differs");
    }
    Node *child = node.Nodes().FirstNode();
    for (const auto &expected : model.children) {
        if (!child) {
            faults.push_back(at + "sibling chain too short");
            return;
        }
        compare(*child, *expected, faults);
        child = child->NextNode();
    }
}

enum Operation {
    Add,
    AddChildNodes,
    InsertBefore,
    InsertAfter,
    RemoveByKey,
    RemoveByPosition,
    Collapse,
    Expand,
    ExpandAll,
    MoveUp,
    MoveDown,
    LevelUp,
    LevelDown,
    ReadNodes,
    Clear,
    OperationCount
};

class RandomTree
{
public:
    explicit RandomTree(unsigned seed) : m_random(seed) {}

    // Applies one random operation to a random node of both trees; returns what it did.
    std::string step()
    {
        const std::vector<Node *> nodes = preorder(m_top);
        const std::vector<Model *> models = modelPreorder(m_root);
        const size_t pick = pickBelow(nodes.size());
        int operation = nodes.size() > 60 ? RemoveByKey + int(pickBelow(2)) : int(pickBelow(OperationCount));
        // A clear near the top empties most of the tree; keep it rare so trees grow deep.
        if (operation == Clear && pickBelow(5) != 0)
            operation = Add;
        apply(operation, *nodes[pick], *models[pick]);
        return "operation " + std::to_string(operation) + " on pre-order node " + std::to_string(pick + 1);
    }

    std::vector<std::string> faults()
    {
        std::vector<std::string> found = treeFaults(m_top);
        compare(m_top, m_root, found);
        return found;
    }

private:
    size_t pickBelow(size_t bound) { return std::uniform_int_distribution<size_t>(0, bound - 1)(m_random); }

    QString freshText() { return QStringLiteral("t%1").arg(++m_texts); }

    // A key of one of the children, now and then one that the collection never held.
    QString pickKey(const Model &model)
    {
        if (model.inserted.empty() || pickBelow(8) == 0)
            return QStringLiteral("0N");
        return model.inserted[pickBelow(model.inserted.size())]->key;
    }

    void expectError(int expected, const std::function<void()> &action)
    {
        const QString before = describeTree(m_top);
        EXPECT_EQ(errorNumberOf(action), expected);
        if (expected != 0) {
            EXPECT_EQ(describeTree(m_top), before) << "a failed call changed the tree";
        }
    }

    void apply(int operation, Node &node, Model &model)
    {
        switch (operation) {
        case Add:
        case AddChildNodes:
        case InsertBefore:
        case InsertAfter:
            return grow(operation, node, model);
        case RemoveByKey:
        case RemoveByPosition:
        case Clear:
            return shrink(operation, node, model);
        case Collapse:
            node.Collapse();
            model.expanded = model.expanded && depthOf(&model) == 0;
            return;
        case Expand:
            node.Expand();
            model.expanded = true;
            return;
        case ExpandAll:
            node.ExpandAll();
            return expandAll(model);
        case ReadNodes:
            node.Nodes();
            model.hasCollection = true;
            return;
        default:
            return move(operation, node, model);
        }
    }

    void grow(int operation, Node &node, Model &model)
    {
        node.Nodes();
        model.hasCollection = true;
        const QString text = freshText();
        if (operation == Add) {
            expectError(0, [&] { node.Nodes().Add(text); });
            addChild(model, text, model.children.size());
            return;
        }
        if (operation == AddChildNodes) {
            const qint32 count = static_cast<qint32>(pickBelow(4));
            node.Nodes().AddChildNodes(count);
            for (qint32 i = 0; i < count; ++i)
                addChild(model, QString(), model.children.size());
            return;
        }
        const QString key = pickKey(model);
        Model *reference = findByKey(model, key);
        const bool before = operation == InsertBefore;
        expectError(reference ? 0 : ErrorNumber::InvalidArgument, [&] {
            before ? node.Nodes().InsertBefore(key, text) : node.Nodes().InsertAfter(key, text);
        });
        if (!reference) {
            ++model.counter;
            return;
        }
        addChild(model, text, siblingIndex(reference) + (before ? 0 : 1));
    }

    void shrink(int operation, Node &node, Model &model)
    {
        node.Nodes();
        model.hasCollection = true;
        if (operation == Clear) {
            node.Nodes().Clear();
            model.children.clear();
            model.inserted.clear();
            return;
        }
        Model *removed = nullptr;
        int expected = 0;
        std::function<void()> action;
        if (operation == RemoveByKey) {
            const QString key = pickKey(model);
            removed = findByKey(model, key);
            expected = ErrorNumber::InvalidArgument;
            action = [&node, key] { node.Nodes().Remove(key); };
        } else {
            const size_t position = pickBelow(model.inserted.size() + 2);
            removed =
                position >= 1 && position <= model.inserted.size() ? model.inserted[position - 1] : nullptr;
            expected = ErrorNumber::SubscriptOutOfRange;
            action = [&node, position] { node.Nodes().Remove(static_cast<qint32>(position)); };
        }
        expectError(removed ? 0 : expected, action);
        if (removed)
            removeChild(model, removed);
    }

    void move(int operation, Node &node, Model &model)
    {
        MoveResult expected{nullptr, 0};
        Node *(Node::*method)() = nullptr;
        switch (operation) {
        case MoveUp:
            method = &Node::MoveUp;
            expected = moveUp(&model);
            break;
        case MoveDown:
            method = &Node::MoveDown;
            expected = moveDown(&model);
            break;
        case LevelUp:
            method = &Node::LevelUp;
            expected = levelUp(&model);
            break;
        default:
            method = &Node::LevelDown;
            expected = levelDown(&model);
            break;
        }
        Node *result = nullptr;
        expectError(expected.error, [&] { result = (node.*method)(); });
        if (expected.error != 0)
            return;
        const std::vector<Model *> models = modelPreorder(m_root);
        const auto position = std::find(models.begin(), models.end(), expected.node) - models.begin() + 1;
        EXPECT_EQ(result->AbsIndex(), position) << "the move returned a node at the wrong place";
    }

    std::mt19937 m_random;
    Node m_top;
    Model m_root;
    int m_texts = 0;
};

TEST(RandomizedTreeTest, EverySequenceOfOperationsKeepsTheTreeSound)
{
    for (unsigned seed : {11u, 2024u, 777u}) {
        RandomTree tree(seed);
        for (int step = 0; step < 1200; ++step) {
            const std::string what = tree.step();
            const std::vector<std::string> faults = tree.faults();
            ASSERT_EQ(faults, std::vector<std::string>())
                << "seed " << seed << ", step " << step << ": " << what;
            ASSERT_FALSE(::testing::Test::HasFailure())
                << "seed " << seed << ", step " << step << ": " << what;
        }
    }
}

} // namespace
