#pragma once

#include "treenodes/ramuletexport.h"

#include <QString>
#include <QtGlobal>

#include <memory>

namespace Ramulet {

class Nodes;

// One node of an ordered tree of text rows. A node knows its parent, its neighbours and
// its level, and keeps running counts of its descendants and of the rows it occupies,
// so that a grid maps rows to nodes without walking the whole tree.
//
// Ownership: a node owns its child collection and the collection owns its children;
// Parent, PrevNode and NextNode are plain back references. A top node is owned by whoever
// made it. Remove, Clear and the four moving operations destroy the nodes they take out,
// so pointers to those nodes become invalid.
//
// Failures throw AutomationError (see automationerror.h).
class RAMULET_EXPORT Node
{
public:
    Node();
    ~Node();
    Node(const Node &) = delete;
    Node &operator=(const Node &) = delete;

    // Plain fields: the setters store the value and nothing else; they do not
    // update counts or chains, so a caller who uses them keeps the tree consistent.
    const QString &Key() const { return m_key; }
    void SetKey(const QString &key) { m_key = key; }
    const QString &Text() const { return m_text; }
    void SetText(const QString &text) { m_text = text; }
    qint32 Level() const { return m_level; }
    void SetLevel(qint32 level) { m_level = level; }
    Node *Parent() const { return m_parent; }
    void SetParent(Node *parent) { m_parent = parent; }
    Node *PrevNode() const { return m_prevNode; }
    void SetPrevNode(Node *node) { m_prevNode = node; }
    Node *NextNode() const { return m_nextNode; }
    void SetNextNode(Node *node) { m_nextNode = node; }
    bool Expanded() const { return m_expanded; }
    // Number of all descendants.
    qint32 ChildrenCount() const { return m_childrenCount; }
    // 1 plus, when expanded, the rows of the children.
    qint32 VisibleNodesCount() const { return m_visibleNodesCount; }

    // The child collection, made on first use. HasChildren tells whether it exists, even empty.
    Ramulet::Nodes &Nodes();
    bool HasChildren() const { return m_nodes != nullptr; }

    // 1-based pre-order position in the whole tree, the top node being 1. Overflow: error 6.
    qint32 AbsIndex() const;
    // The top node of the tree this node belongs to.
    Node *Root();
    // False for a level-0 node; otherwise whether every ancestor down to level 0 is expanded.
    // Error 91 when the level promises an ancestor that is missing.
    bool Visible() const;

    // Collapse does nothing on a level-0 node; both keep every count above up to date.
    void Collapse();
    void Expand();
    void ExpandAll();

    // The four moves put a copy of this node and its subtree (new keys, same texts and
    // expanded states, children in their sibling order) at the new place and destroy this
    // node. They return the copy, or this node when there is nowhere to move.
    // LevelUp: the copy follows the former parent. Nothing happens when the parent is at
    // level 1; error 91 when there is no grandparent (a node of level 1).
    Node *LevelUp();
    // LevelDown: the copy becomes the last child of the previous sibling.
    Node *LevelDown();
    // MoveUp / MoveDown: the copy changes places with the previous / next sibling.
    Node *MoveUp();
    Node *MoveDown();

    // The node at 1-based pre-order position index counting this node as 1, then its
    // descendants, then its following siblings and theirs; nullptr past the end.
    // Error 91 for an index below 1.
    Node *FindNode(qint32 index);

private:
    friend class Ramulet::Nodes;

    void AddDescendants(qint32 delta);
    void AddVisible(qint32 delta);
    static void CopySubtree(const Node *source, Node *target);
    Ramulet::Nodes &siblings();
    Node *moveToCopy(Ramulet::Nodes &from, Ramulet::Nodes &to, Node *copy);

    QString m_key;
    QString m_text;
    bool m_expanded = true;
    qint32 m_childrenCount = 0;
    qint32 m_visibleNodesCount = 1;
    qint32 m_level = 0;
    std::unique_ptr<Ramulet::Nodes> m_nodes;
    Node *m_parent = nullptr;
    Node *m_prevNode = nullptr;
    Node *m_nextNode = nullptr;
};

} // namespace Ramulet
