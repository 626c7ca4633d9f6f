#pragma once
// The parsed entries of selection lists. A list's entries are the cells of its "_Cells"
// value that carry one cell identifier; each names a stored value (its index) and the text
// shown for it. Cells paint their list texts on every repaint, so the entries are parsed
// once per list and looked up by binary search. A switch of the text database to another
// table (another language) empties the cache.
#include <cstdint>
#include <list>
#include <string>
#include <string_view>
#include <vector>

#include "text/cmcHash.h"

class cmcGTex;

struct FCacheItem {
  int line = 0;
  int column = 0;
  int32_t index = 0;
  std::string text;     // what a list cell shows: the cell's argument when it has one (even empty), else its caption
  std::string caption;  // what the pop-up list shows
};

struct FCacheEntry {
  int lineCount = 0;
  int maxCellsOnLine = 0;
  std::vector<FCacheItem> byIndex;    // sorted by index
  std::vector<FCacheItem> listOrder;  // down each column, then the next column
};

class cmcFCache {
 public:
  explicit cmcFCache(cmcGTex& texts) : texts_(texts), table_(kBuckets) {}

  // The display text of the entry with this index; "error" when the list has none.
  std::string_view GetText(std::string_view listKey, unsigned cellId, int32_t index);

  // The index of the entry after (direction > 0) or before the one with this index, in list
  // order, wrapping at both ends. An index without an entry steps from past the end.
  int32_t Step(std::string_view listKey, unsigned cellId, int32_t index, int direction);

  const FCacheEntry& Entry(std::string_view listKey, unsigned cellId);

 private:
  static constexpr std::uint32_t kBuckets = 1031;

  FCacheEntry Build(std::string_view listKey, unsigned cellId);
  // Entries parsed from other tables (a language switch) are forgotten.
  void ForgetOtherTables();

  cmcGTex& texts_;
  const char* const* builtFrom_ = nullptr;
  cmcHash2 table_;
  std::list<FCacheEntry> entries_;
};
