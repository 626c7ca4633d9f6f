#include "help/cmcHelpGTex.h"

#include <charconv>

#include "help/HelpTopicTable.h"
#include "text/CellIds.h"
#include "text/cmcCellObj.h"

namespace {

// The text after the tab of the first line of key whose text before it is name; last
// instead of first when every match counts and the last wins.
std::string FieldAfter(cmcGTex& texts, std::string_view key, std::string_view name, bool last) {
  std::string found;
  for (int n = 0;; ++n) {
    const std::string line = texts.GetLine(key, n);
    if (line.starts_with('#')) return found;  // the next key: the end of this one
    const std::size_t tab = line.find('\t');
    if (tab == std::string::npos || std::string_view(line).substr(0, tab) != name) continue;
    found = line.substr(tab + 1);
    if (!last) return found;
  }
}

}  // namespace

cmcHelpGTex::cmcHelpGTex() { SelectLineTable(HelpTopicTable()); }

int ContextOfName(cmcHelpGTex& topics, std::string_view name) {
  const std::string topic = FieldAfter(topics, "GI_AppItem_Topic_ID", name, false);
  if (topic.empty()) return 0;
  const std::string context = FieldAfter(topics, "GI_AppItem_Context_ID", topic, true);
  int value = 0;
  std::from_chars(context.data(), context.data() + context.size(), value);
  return value;
}

int ContextOfCell(cmcHelpGTex& topics, const cmcCellObj& cell, std::string_view sheetKey) {
  if (cell.cellId == kCellIdNone) return 0;
  const std::string name(CellIdName(cell.cellId));
  for (const std::string& qualified :
       {std::string(sheetKey) + '>' + name, name + '[' + std::to_string(cell.index) + ']', name}) {
    if (const int context = ContextOfName(topics, qualified); context != 0) return context;
  }
  return 0;
}

std::string PageOfContext(cmcHelpGTex& topics, int context) {
  if (context <= 0) return {};
  return FieldAfter(topics, "GI_AppItem_Context_Page", std::to_string(context), false);
}
