#pragma once
// The numbers of the navigation tree's nodes that the sheets and the tree both rely on. A
// sheet opened from the tree takes its node's number as its first argument, and the tree
// renames the nodes of a named list's entries when a name changes.
#include <array>
#include <string>
#include <vector>

#include "memory/MemoryMap.h"
#include "memory/NamedLists.h"

// Memory channels are shown in blocks of kMemoryBlockSize: block n under node n.
inline constexpr int kMemoryBlockSize = 100;

namespace TreeNode {
inline constexpr int kLastMemoryBlock = MemoryMap::kMemoryChannelCount / kMemoryBlockSize - 1;
inline constexpr int kScanEdges = 5;
inline constexpr int kCallChannels = 47;
}  // namespace TreeNode

// The nodes of a named list's entries: firstNode + nodeStep x position.
struct NamedListNodes {
  NamedList list;
  int firstNode;
  int nodeStep;

  int NodeOf(int position) const { return firstNode + nodeStep * position; }
  // The entry a node stands for; -1 for a node that stands for none of the list's entries.
  int PositionOf(int node) const;
};

// Each broadcast bank has three nodes: the bank, its FM page and its AM page.
inline constexpr std::array<NamedListNodes, 5> kNamedListNodes{{
    {NamedList::kBank, 21, 1},
    {NamedList::kScanLink, 51, 1},
    {NamedList::kBroadcastBank, 72, 3},
    {NamedList::kRepeaterGroup, 163, 1},
    {NamedList::kGpsGroup, 222, 1},
}};

const NamedListNodes& NodesOf(NamedList list);

// The bank a bank sheet's node stands for; kNoBank for any other node.
int BankOfNode(int node);

class cmcGTex;

// The sheet name of every node of the navigation tree that opens one, in tree order: what
// "print all" and the comparison of two documents go through.
std::vector<std::string> TreeSheetNames(cmcGTex& texts);
