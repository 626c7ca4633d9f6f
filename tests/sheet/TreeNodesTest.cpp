#include <gtest/gtest.h>

#include "memory/datCh.h"
#include "sheet/layout/TreeNodes.h"

namespace {

TEST(TreeNodes, NodesStandForTheEntriesOfTheirList) {
  const struct {
    NamedList list;
    int node;
    int position;  // -1: the node stands for no entry of the list
  } cases[] = {
      {NamedList::kBank, 20, -1},           {NamedList::kBank, 21, 0},
      {NamedList::kBank, 46, 25},           {NamedList::kBank, 47, -1},
      {NamedList::kScanLink, 51, 0},        {NamedList::kScanLink, 60, 9},
      {NamedList::kScanLink, 61, -1},       {NamedList::kBroadcastBank, 72, 0},
      {NamedList::kBroadcastBank, 73, -1},  {NamedList::kBroadcastBank, 75, 1},
      {NamedList::kBroadcastBank, 147, 25}, {NamedList::kBroadcastBank, 150, -1},
      {NamedList::kRepeaterGroup, 163, 0},  {NamedList::kRepeaterGroup, 192, 29},
      {NamedList::kRepeaterGroup, 193, -1}, {NamedList::kGpsGroup, 222, 0},
      {NamedList::kGpsGroup, 247, 25},      {NamedList::kGpsGroup, 248, -1},
  };
  for (const auto& c : cases) {
    const NamedListNodes& nodes = NodesOf(c.list);
    EXPECT_EQ(nodes.PositionOf(c.node), c.position) << c.node;
    if (c.position >= 0) {
      EXPECT_EQ(nodes.NodeOf(c.position), c.node);
    }
  }
}

TEST(TreeNodes, OnlyBankNodesNameABank) {
  const struct {
    int node;
    int bank;
  } cases[] = {{0, kNoBank}, {20, kNoBank}, {21, 0}, {23, 2}, {46, 25}, {47, kNoBank}, {72, kNoBank}};
  for (const auto& c : cases) EXPECT_EQ(BankOfNode(c.node), c.bank) << c.node;
}

}  // namespace
