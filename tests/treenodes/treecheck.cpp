#include "treecheck.h"

#include <set>

namespace {

using Ramulet::Node;

struct Recount {
    qint64 descendants = 0;
    qint64 rows = 1;
};

std::string where(const Node &node)
{
    return "node " + node.Key().toStdString() + " '" + node.Text().toStdString() + "': ";
}

// The children as the sibling chain gives them, checking the chain's links on the way.
std::vector<Node *> chainOf(Node &owner, std::vector<std::string> &faults)
{
    std::vector<Node *> chain;
    Ramulet::Nodes &nodes = owner.Nodes();
    Node *previous = nullptr;
    for (Node *child = nodes.FirstNode(); child; child = child->NextNode()) {
        if (chain.size() > static_cast<size_t>(nodes.Count())) {
            faults.push_back(where(owner) + "sibling chain longer than Count");
            break;
        }
        if (child->PrevNode() != previous)
            faults.push_back(where(*child) + "PrevNode does not match the chain");
        chain.push_back(child);
        previous = child;
    }
    if (nodes.LastNode() != previous)
        faults.push_back(where(owner) + "LastNode is not the end of the chain");
    return chain;
}

void checkKeyedList(Node &owner, const std::vector<Node *> &chain, std::vector<std::string> &faults)
{
    Ramulet::Nodes &nodes = owner.Nodes();
    std::set<Node *> listed;
    std::set<QString> keys;
    for (qint32 position = 1; position <= nodes.Count(); ++position) {
        Node *child = nodes.Item(position);
        listed.insert(child);
        keys.insert(child->Key());
        if (nodes.Item(child->Key()) != child)
            faults.push_back(where(*child) + "Item(Key) does not find the node");
    }
    if (listed != std::set<Node *>(chain.begin(), chain.end()) || keys.size() != chain.size())
        faults.push_back(where(owner) + "keyed list and sibling chain hold different nodes");
}

Recount check(Node &node, bool shown, std::vector<std::string> &faults)
{
    Recount recount;
    if (node.Visible() != shown)
        faults.push_back(where(node) + "Visible is wrong");
    if (node.HasChildren()) {
        const std::vector<Node *> chain = chainOf(node, faults);
        checkKeyedList(node, chain, faults);
        qint64 childRows = 0;
        for (Node *child : chain) {
            if (child->Parent() != &node)
                faults.push_back(where(*child) + "Parent is not the owner");
            if (child->Level() != node.Level() + 1)
                faults.push_back(where(*child) + "Level is not the owner's + 1");
            const Recount below = check(*child, (shown || node.Level() == 0) && node.Expanded(), faults);
            recount.descendants += below.descendants + 1;
            childRows += below.rows;
        }
        if (node.Expanded())
            recount.rows += childRows;
    }
    if (node.ChildrenCount() != recount.descendants)
        faults.push_back(where(node) + "ChildrenCount is wrong");
    if (node.VisibleNodesCount() != recount.rows)
        faults.push_back(where(node) + "VisibleNodesCount is wrong");
    return recount;
}

void collect(Node &node, std::vector<Node *> &out)
{
    out.push_back(&node);
    if (!node.HasChildren())
        return;
    for (Node *child = node.Nodes().FirstNode(); child; child = child->NextNode())
        collect(*child, out);
}

} // namespace

std::vector<Node *> preorder(Node &top)
{
    std::vector<Node *> nodes;
    collect(top, nodes);
    return nodes;
}

std::vector<std::string> treeFaults(Node &top)
{
    std::vector<std::string> faults;
    if (top.Parent() != nullptr || top.Level() != 0)
        faults.push_back("the top node has a parent or a level");
    check(top, false, faults);
    if (!faults.empty())
        return faults;
    const std::vector<Node *> nodes = preorder(top);
    for (size_t i = 0; i < nodes.size(); ++i) {
        const qint32 index = static_cast<qint32>(i + 1);
        if (nodes[i]->AbsIndex() != index)
            faults.push_back(where(*nodes[i]) + "AbsIndex is not its pre-order position");
        if (top.FindNode(index) != nodes[i])
            faults.push_back(where(*nodes[i]) + "FindNode(AbsIndex) does not find it");
        if (nodes[i]->Root() != &top)
            faults.push_back(where(*nodes[i]) + "Root is not the top node");
    }
    if (top.FindNode(static_cast<qint32>(nodes.size() + 1)) != nullptr)
        faults.push_back("FindNode past the last node finds something");
    return faults;
}

QString describeTree(Node &top)
{
    QString text;
    for (Node *node : preorder(top)) {
        text += QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8")
                    .arg(node->Level())
                    .arg(node->Key(), node->Text())
                    .arg(node->Expanded())
                    .arg(node->ChildrenCount())
                    .arg(node->VisibleNodesCount())
                    .arg(node->HasChildren())
                    .arg(node->HasChildren() ? node->Nodes().Count() : -1);
        for (qint32 i = 1; node->HasChildren() && i <= node->Nodes().Count(); ++i)
            text += u' ' + node->Nodes().Item(i)->Key();
        text += u'\n';
    }
    return text;
}

int errorNumberOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const Ramulet::AutomationError &error) {
        return error.Number();
    }
    return 0;
}
