#include "node.h"

#include "automationerror.h"
#include "nodes.h"

#include <iterator>
#include <limits>
#include <utility>
#include <vector>

namespace Ramulet {

Node::Node() = default;

Node::~Node()
{
    if (!m_nodes)
        return;
    // A deep tree is taken apart from a work list: recursion could exhaust the stack.
    std::vector<std::unique_ptr<Node>> doomed = m_nodes->takeAll();
    while (!doomed.empty()) {
        std::unique_ptr<Node> node = std::move(doomed.back());
        doomed.pop_back();
        if (node->m_nodes) {
            std::vector<std::unique_ptr<Node>> children = node->m_nodes->takeAll();
            std::move(children.begin(), children.end(), std::back_inserter(doomed));
        }
    }
}

Nodes &Node::Nodes()
{
    if (!m_nodes) {
        m_nodes = std::make_unique<Ramulet::Nodes>();
        m_nodes->SetOwner(this);
    }
    return *m_nodes;
}

qint32 Node::AbsIndex() const
{
    qint64 index = 0;
    for (const Node *node = this; node; node = node->m_parent) {
        index += 1;
        for (const Node *before = node->m_prevNode; before; before = before->m_prevNode)
            index += qint64(before->m_childrenCount) + 1;
    }
    if (index > std::numeric_limits<qint32>::max())
        throw AutomationError(ErrorNumber::Overflow);
    return static_cast<qint32>(index);
}

Node *Node::Root()
{
    Node *node = this;
    while (node->m_parent)
        node = node->m_parent;
    return node;
}

bool Node::Visible() const
{
    if (m_level == 0)
        return false;
    const Node *ancestor = m_parent;
    for (qint32 step = 0; step < m_level; ++step) {
        if (!ancestor)
            throw AutomationError(ErrorNumber::ObjectNotSet);
        if (!ancestor->m_expanded)
            return false;
        ancestor = ancestor->m_parent;
    }
    return true;
}

void Node::Collapse()
{
    if (m_level == 0 || !m_expanded)
        return;
    m_expanded = false;
    AddVisible(1 - m_visibleNodesCount);
}

void Node::Expand()
{
    if (m_expanded)
        return;
    m_expanded = true;
    if (!m_nodes)
        return;
    qint32 rows = 0;
    for (const Ramulet::Nodes::Entry &entry : m_nodes->m_items)
        rows += entry.node->m_visibleNodesCount;
    AddVisible(rows);
}

void Node::ExpandAll()
{
    std::vector<Node *> pending{this};
    while (!pending.empty()) {
        Node *node = pending.back();
        pending.pop_back();
        node->Expand();
        if (node->m_nodes) {
            for (const Ramulet::Nodes::Entry &entry : node->m_nodes->m_items)
                pending.push_back(entry.node.get());
        }
    }
}

Node *Node::LevelUp()
{
    Node *parent = m_parent;
    if (!parent)
        throw AutomationError(ErrorNumber::ObjectNotSet);
    // Nodes under a level-1 node stay there.
    if (parent->m_level == 1)
        return this;
    Node *grandparent = parent->m_parent;
    if (!grandparent)
        throw AutomationError(ErrorNumber::ObjectNotSet);
    Ramulet::Nodes &from = siblings();
    Ramulet::Nodes &to = grandparent->Nodes();
    return moveToCopy(from, to, to.insertNear(parent, Ramulet::Nodes::Side::After, m_text));
}

Node *Node::LevelDown()
{
    if (!m_prevNode)
        return this;
    Ramulet::Nodes &from = siblings();
    Ramulet::Nodes &to = m_prevNode->Nodes();
    return moveToCopy(from, to, to.Add(m_text));
}

Node *Node::MoveUp()
{
    if (!m_prevNode)
        return this;
    Ramulet::Nodes &from = siblings();
    return moveToCopy(from, from, from.insertNear(m_prevNode, Ramulet::Nodes::Side::Before, m_text));
}

Node *Node::MoveDown()
{
    if (!m_nextNode)
        return this;
    Ramulet::Nodes &from = siblings();
    return moveToCopy(from, from, from.insertNear(m_nextNode, Ramulet::Nodes::Side::After, m_text));
}

Node *Node::FindNode(qint32 index)
{
    if (index < 1)
        throw AutomationError(ErrorNumber::ObjectNotSet);
    // Walks instead of recursing: a long sibling chain must not exhaust the stack.
    Node *node = this;
    while (index != 1) {
        if (node->m_childrenCount < index - 1) {
            index -= node->m_childrenCount + 1;
            node = node->m_nextNode;
            if (!node)
                return nullptr;
        } else {
            node = node->m_nodes ? node->m_nodes->m_firstNode : nullptr;
            if (!node)
                throw AutomationError(ErrorNumber::ObjectNotSet);
            index -= 1;
        }
    }
    return node;
}

void Node::AddDescendants(qint32 delta)
{
    for (Node *node = this; node; node = node->m_parent)
        node->m_childrenCount += delta;
}

void Node::AddVisible(qint32 delta)
{
    Node *node = this;
    while (true) {
        node->m_visibleNodesCount += delta;
        if (!node->m_parent || !node->m_parent->m_expanded)
            return;
        node = node->m_parent;
    }
}

void Node::CopySubtree(const Node *source, Node *target)
{
    // Children are copied in their sibling order, so a moved subtree looks as it did.
    std::vector<std::pair<const Node *, Node *>> pending{{source, target}};
    while (!pending.empty()) {
        const auto [from, to] = pending.back();
        pending.pop_back();
        if (!from->m_expanded)
            to->Collapse();
        if (from->m_childrenCount == 0 || !from->m_nodes)
            continue;
        for (const Node *child = from->m_nodes->m_firstNode; child; child = child->m_nextNode)
            pending.emplace_back(child, to->Nodes().Add(child->m_text));
    }
}

Nodes &Node::siblings()
{
    if (!m_parent)
        throw AutomationError(ErrorNumber::ObjectNotSet);
    Ramulet::Nodes &nodes = m_parent->Nodes();
    if (nodes.indexOf(this) < 0)
        throw AutomationError(ErrorNumber::InvalidArgument);
    return nodes;
}

Node *Node::moveToCopy(Ramulet::Nodes &from, Ramulet::Nodes &to, Node *copy)
{
    try {
        CopySubtree(this, copy);
    } catch (...) {
        to.removeAt(to.indexOf(copy));
        throw;
    }
    // Destroys this node: nothing below may touch its members.
    from.removeAt(from.indexOf(this));
    return copy;
}

} // namespace Ramulet
