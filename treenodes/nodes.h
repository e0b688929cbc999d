#pragma once

#include "treenodes/ramuletexport.h"

#include <QHash>
#include <QString>
#include <QtGlobal>

#include <memory>
#include <vector>

namespace Ramulet {

class Node;

// The children of one node: a sibling chain from FirstNode to LastNode and a keyed list in
// the order the children were added (which differs from the chain once InsertBefore or
// InsertAfter were used). Children get the keys "1N", "2N", … from a counter that is never
// reset, so keys are unique within one collection.
//
// The collection owns its children. A collection made by hand (rather than through
// Node::Nodes) needs SetOwner before Add, and its owner must outlive it.
class RAMULET_EXPORT Nodes
{
public:
    Nodes();
    // Clears the collection, taking its children off the owner's counts.
    ~Nodes();
    Nodes(const Nodes &) = delete;
    Nodes &operator=(const Nodes &) = delete;

    Node *FirstNode() const { return m_firstNode; }
    Node *LastNode() const { return m_lastNode; }
    // Stores the owner and nothing else.
    void SetOwner(Node *owner) { m_owner = owner; }

    // The child under a key, or at a 1-based position of the keyed list; nullptr, not an
    // error, when there is none.
    Node *Item(const QString &key) const;
    Node *Item(qint32 position) const;
    qint32 Count() const { return static_cast<qint32>(m_items.size()); }

    // Appends a child at the end of the chain. Error 91 without an owner, 6 when the
    // counter or the level would overflow; the collection is then unchanged.
    Node *Add(const QString &text);
    // Add with empty text, count times.
    void AddChildNodes(qint32 count);
    // A new child just before / after the child under key. A missing key is error 5 and
    // leaves the collection unchanged, except that the counter has moved on.
    Node *InsertBefore(const QString &key, const QString &text);
    Node *InsertAfter(const QString &key, const QString &text);
    // Takes out and destroys a child and its subtree: error 5 for a missing key, 9 for a
    // position outside 1 … Count, and the collection is then unchanged.
    void Remove(const QString &key);
    void Remove(qint32 position);
    // Takes out and destroys every child.
    void Clear();

private:
    friend class Node;
    friend struct NodesCounterProbe; // lets tests start the counter near its limit

    struct Entry {
        QString key;
        std::unique_ptr<Node> node;
    };
    enum class Side { Before, After };

    Node *requireOwner() const;
    void advanceCounter();
    Node *insertNear(const QString &key, Side side, const QString &text);
    Node *insertNear(Node *reference, Side side, const QString &text);
    Node *linkNew(const QString &text, Node *previous);
    Node *appendEntry(const QString &text);
    void linkAfter(Node *node, Node *previous);
    void unlink(Node *node);
    qsizetype indexOf(const Node *node) const;
    void removeAt(qsizetype index);
    std::vector<std::unique_ptr<Node>> takeAll();

    std::vector<Entry> m_items;
    QHash<QString, Node *> m_byKey;
    Node *m_owner = nullptr;
    Node *m_firstNode = nullptr;
    Node *m_lastNode = nullptr;
    qint32 m_counter = 0;
};

} // namespace Ramulet
