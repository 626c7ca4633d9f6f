#include "text/cmcFCache.h"

#include <algorithm>

#include "text/cmcCellObj.h"
#include "text/cmcGTex.h"

FCacheEntry cmcFCache::Build(std::string_view listKey, unsigned cellId) {
  FCacheEntry entry;
  const std::string cellsKey = std::string(listKey) + "_Cells";
  CellVariables variables{};
  for (int line = 0;; ++line) {
    const std::string text = texts_.GetLine(cellsKey, line);
    if (!text.empty() && text[0] == '#') break;
    ++entry.lineCount;
    std::string_view rest = text;
    int column = 0;
    for (; !rest.empty(); ++column) {
      cmcCellObj cell;
      rest = ParseCellDefinition(cell, rest, &variables, nullptr);
      if (cell.cellId != cellId) continue;
      const std::string& caption = GetCaption(cell);
      entry.byIndex.push_back({line, column, cell.index, cell.hasArgument ? cell.argument : caption, caption});
    }
    entry.maxCellsOnLine = std::max(entry.maxCellsOnLine, column);
  }
  entry.listOrder = entry.byIndex;
  std::stable_sort(entry.byIndex.begin(), entry.byIndex.end(),
                   [](const FCacheItem& a, const FCacheItem& b) { return a.index < b.index; });
  const int lines = entry.lineCount;
  std::stable_sort(entry.listOrder.begin(), entry.listOrder.end(), [lines](const FCacheItem& a, const FCacheItem& b) {
    return a.line + lines * a.column < b.line + lines * b.column;
  });
  return entry;
}

void cmcFCache::ForgetOtherTables() {
  if (builtFrom_ == texts_.Source()) return;
  table_ = cmcHash2(kBuckets);
  entries_.clear();
  builtFrom_ = texts_.Source();
}

const FCacheEntry& cmcFCache::Entry(std::string_view listKey, unsigned cellId) {
  ForgetOtherTables();
  const std::string key = std::string(listKey) + "#" + std::to_string(cellId);
  if (const FCacheEntry* const* found = table_.Find(key)) return **found;
  entries_.push_back(Build(listKey, cellId));
  table_.Insert(key, &entries_.back());
  return entries_.back();
}

std::string_view cmcFCache::GetText(std::string_view listKey, unsigned cellId, int32_t index) {
  const auto& items = Entry(listKey, cellId).byIndex;
  const auto it = std::lower_bound(items.begin(), items.end(), index,
                                   [](const FCacheItem& item, int32_t wanted) { return item.index < wanted; });
  if (it == items.end() || it->index != index) return "error";
  return it->text;
}

int32_t cmcFCache::Step(std::string_view listKey, unsigned cellId, int32_t index, int direction) {
  const auto& items = Entry(listKey, cellId).listOrder;
  if (items.empty()) return index;
  const auto count = static_cast<long>(items.size());
  long position =
      std::find_if(items.begin(), items.end(), [index](const FCacheItem& item) { return item.index == index; }) -
      items.begin();
  position += direction > 0 ? 1 : -1;
  if (position >= count) position = 0;
  if (position < 0) position = count - 1;
  return items[static_cast<std::size_t>(position)].index;
}
