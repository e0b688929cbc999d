#include "nodes.h"

#include "automationerror.h"
#include "node.h"

#include <limits>

namespace Ramulet {

Nodes::Nodes() = default;

Nodes::~Nodes()
{
    Clear();
}

Node *Nodes::Item(const QString &key) const
{
    return m_byKey.value(key, nullptr);
}

Node *Nodes::Item(qint32 position) const
{
    if (position < 1 || position > Count())
        return nullptr;
    return m_items[static_cast<size_t>(position - 1)].node.get();
}

Node *Nodes::Add(const QString &text)
{
    advanceCounter();
    return linkNew(text, m_lastNode);
}

void Nodes::AddChildNodes(qint32 count)
{
    for (qint32 i = 0; i < count; ++i)
        Add(QString());
}

Node *Nodes::InsertBefore(const QString &key, const QString &text)
{
    return insertNear(key, Side::Before, text);
}

Node *Nodes::InsertAfter(const QString &key, const QString &text)
{
    return insertNear(key, Side::After, text);
}

void Nodes::Remove(const QString &key)
{
    const Node *node = m_byKey.value(key, nullptr);
    if (!node)
        throw AutomationError(ErrorNumber::InvalidArgument);
    removeAt(indexOf(node));
}

void Nodes::Remove(qint32 position)
{
    if (position < 1 || position > Count())
        throw AutomationError(ErrorNumber::SubscriptOutOfRange);
    removeAt(position - 1);
}

void Nodes::Clear()
{
    if (m_items.empty())
        return;
    qint32 descendants = 0;
    qint32 rows = 0;
    for (const Entry &entry : m_items) {
        descendants += entry.node->m_childrenCount + 1;
        rows += entry.node->m_visibleNodesCount;
    }
    if (m_owner) {
        m_owner->AddDescendants(-descendants);
        if (m_owner->m_expanded)
            m_owner->AddVisible(-rows);
    }
    takeAll();
}

Node *Nodes::requireOwner() const
{
    if (!m_owner)
        throw AutomationError(ErrorNumber::ObjectNotSet);
    return m_owner;
}

void Nodes::advanceCounter()
{
    const Node *owner = requireOwner();
    constexpr qint32 limit = std::numeric_limits<qint32>::max();
    if (m_counter == limit || owner->m_level == limit)
        throw AutomationError(ErrorNumber::Overflow);
    ++m_counter;
}

// The counter moves on before the key is looked up, so a missing key still uses up a number.
Node *Nodes::insertNear(const QString &key, Side side, const QString &text)
{
    advanceCounter();
    Node *reference = m_byKey.value(key, nullptr);
    if (!reference)
        throw AutomationError(ErrorNumber::InvalidArgument);
    return linkNew(text, side == Side::Before ? reference->m_prevNode : reference);
}

Node *Nodes::insertNear(Node *reference, Side side, const QString &text)
{
    if (indexOf(reference) < 0)
        throw AutomationError(ErrorNumber::InvalidArgument);
    advanceCounter();
    return linkNew(text, side == Side::Before ? reference->m_prevNode : reference);
}

Node *Nodes::linkNew(const QString &text, Node *previous)
{
    Node *node = appendEntry(text);
    linkAfter(node, previous);
    m_owner->AddDescendants(1);
    if (m_owner->m_expanded)
        m_owner->AddVisible(1);
    return node;
}

Node *Nodes::appendEntry(const QString &text)
{
    auto node = std::make_unique<Node>();
    node->m_key = QString::number(m_counter) + u'N';
    node->m_text = text;
    node->m_level = m_owner->m_level + 1;
    node->m_parent = m_owner;
    Node *added = node.get();
    m_byKey.insert(added->m_key, added);
    m_items.push_back(Entry{added->m_key, std::move(node)});
    return added;
}

void Nodes::linkAfter(Node *node, Node *previous)
{
    Node *next = previous ? previous->m_nextNode : m_firstNode;
    node->m_prevNode = previous;
    node->m_nextNode = next;
    if (previous)
        previous->m_nextNode = node;
    else
        m_firstNode = node;
    if (next)
        next->m_prevNode = node;
    else
        m_lastNode = node;
}

void Nodes::unlink(Node *node)
{
    if (m_firstNode == node)
        m_firstNode = node->m_nextNode;
    if (m_lastNode == node)
        m_lastNode = node->m_prevNode;
    if (node->m_prevNode)
        node->m_prevNode->m_nextNode = node->m_nextNode;
    if (node->m_nextNode)
        node->m_nextNode->m_prevNode = node->m_prevNode;
}

qsizetype Nodes::indexOf(const Node *node) const
{
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i].node.get() == node)
            return static_cast<qsizetype>(i);
    }
    return -1;
}

// Takes the child at an index of the keyed list off the chain and the counts, then destroys it.
void Nodes::removeAt(qsizetype index)
{
    const auto at = m_items.begin() + index;
    std::unique_ptr<Node> node = std::move(at->node);
    m_byKey.remove(at->key);
    m_items.erase(at);
    unlink(node.get());
    if (m_owner) {
        m_owner->AddDescendants(-(node->m_childrenCount + 1));
        if (m_owner->m_expanded)
            m_owner->AddVisible(-node->m_visibleNodesCount);
    }
}

std::vector<std::unique_ptr<Node>> Nodes::takeAll()
{
    std::vector<std::unique_ptr<Node>> taken;
    taken.reserve(m_items.size());
    for (Entry &entry : m_items)
        taken.push_back(std::move(entry.node));
    m_items.clear();
    m_byKey.clear();
    m_firstNode = nullptr;
    m_lastNode = nullptr;
    return taken;
}

} // namespace Ramulet
