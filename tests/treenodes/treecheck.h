#pragma once

#include "treenodes/ramulet.h"

#include <QString>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

// Readable texts in failure messages.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

// Recomputes from the links alone what every chain, parent, level, count, row count,
// pre-order index and visibility of a tree must be, and lists each stored value that
// disagrees. Empty when the tree is sound.
std::vector<std::string> treeFaults(Ramulet::Node &top);

// Every node of the tree in pre-order (sibling order), the top node first.
std::vector<Ramulet::Node *> preorder(Ramulet::Node &top);

// A text that changes whenever anything a client can read of the tree changes.
QString describeTree(Ramulet::Node &top);

// The error number the action throws, or 0 when it succeeds.
int errorNumberOf(const std::function<void()> &action);
