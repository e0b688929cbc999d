#pragma once

// Ramulet, the tree node library: an ordered tree of text nodes for a tree-shaped grid.
//
//   Ramulet::Node top;                               // a node made by hand has level 0
//   Ramulet::Node *a = top.Nodes().Add("a");         // key "1N", level 1
//   Ramulet::Node *b = top.Nodes().Add("b");         // key "2N"
//   a->Nodes().Add("a1");
//   a->Collapse();                                   // a now occupies one row
//   Ramulet::Node *row = top.FindNode(3);            // pre-order position 3: b
//   b = b->MoveUp();                                 // b is now a copy, before a
//
// Node (node.h) and Nodes (nodes.h) carry the members of the _Node and _Nodes interfaces
// under the same names; ramuletids.h holds their GUIDs and dispatch identifiers, and
// automationerror.h the error type and numbers every failing operation throws.
#include "treenodes/automationerror.h"
#include "treenodes/node.h"
#include "treenodes/nodes.h"
#include "treenodes/ramuletids.h"
