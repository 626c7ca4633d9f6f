#include "sheet/layout/TreeNodes.h"

#include <algorithm>

#include "memory/datCh.h"
#include "platform/Fatal.h"
#include "sheet/layout/BodyLines.h"
#include "text/CellIds.h"
#include "text/cmcCellObj.h"
#include "text/cmcGTex.h"

int NamedListNodes::PositionOf(int node) const {
  const int offset = node - firstNode;
  if (offset < 0 || offset % nodeStep != 0) return -1;
  const int position = offset / nodeStep;
  return position < NamedListCount(list) ? position : -1;
}

const NamedListNodes& NodesOf(NamedList list) {
  const auto nodes = std::ranges::find(kNamedListNodes, list, &NamedListNodes::list);
  if (nodes == kNamedListNodes.end()) Fatal("Named list without tree nodes.");
  return *nodes;
}

int BankOfNode(int node) {
  const int bank = NodesOf(NamedList::kBank).PositionOf(node);
  return bank >= 0 ? bank : kNoBank;
}

std::vector<std::string> TreeSheetNames(cmcGTex& texts) {
  cmcCellObj basic;
  ParseCellDefinition(basic, texts.GetLine("GI_Tree_Main_BasicCell", 0), nullptr, nullptr);
  std::vector<std::string> names;
  for (const BodyLine& line : ReadIndentedBody(texts, "GI_Tree_Main")) {
    cmcCellObj node;
    ParseCellDefinition(node, line.definition, nullptr, &basic);
    if (node.cellId == CallSheet && !node.argument.empty()) names.push_back(node.argument);
  }
  return names;
}
