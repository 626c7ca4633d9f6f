#include "sheet/SelectionLists.h"

#include <map>

#include "sheet/CellTextMeasure.h"
#include "sheet/SheetLayout.h"
#include "text/cmcGTex.h"

namespace {

// Selection lists are laid out only for their order; sizes do not matter here.
class NoMeasure final : public CellTextMeasure {
 public:
  int Width(const CellFont&, std::string_view) override { return 0; }
  int Height(const CellFont&, std::string_view) override { return 0; }
};

bool IsListEntry(const cmcCellObj& cell) { return cell.cellId >= Flex0 && cell.cellId <= CL_FlexMark_RptDup; }

std::vector<SelectionEntry> LayOutEntries(cmcGTex& texts, std::string_view key) {
  NoMeasure measure;
  SheetLayout layout(SheetEnvironment{texts, measure});
  layout.SetName(key);
  layout.SetListMode(true);
  layout.Build();
  std::vector<SelectionEntry> entries;
  for (int column = 0; column < layout.ColumnCount(); ++column) {
    for (int row = 0; row < layout.RowCount(); ++row) {
      const cmcCellObj& cell = layout.GetCell(column, row);
      if (!IsListEntry(cell)) continue;
      entries.push_back({cell.index, cell.argument.empty() ? GetCaption(cell) : cell.argument, cell.cellId});
    }
  }
  return entries;
}

struct KeptList {
  std::string definition;
  std::vector<SelectionEntry> entries;
};

}  // namespace

const std::vector<SelectionEntry>& SelectionListEntries(cmcGTex& texts, std::string_view key) {
  static std::map<std::string, KeptList, std::less<>> kept;
  std::string definition = texts.GetValueText(std::string(key) + "_Cells");
  auto found = kept.find(key);
  if (found == kept.end()) {
    found = kept.emplace(std::string(key), KeptList{}).first;
  } else if (found->second.definition == definition) {
    return found->second.entries;
  }
  found->second.entries = LayOutEntries(texts, key);
  found->second.definition = std::move(definition);
  return found->second.entries;
}
