#include "values/AprsSymbols.h"

#include <string_view>

#include "text/CellIds.h"
#include "text/cmcFCache.h"

namespace {

constexpr std::string_view kAprsSymbolListKey = "GI_Sheet_Sel_Common_APRS_Symbol";

// Table identifier, then symbol code, entry after entry.
constexpr std::string_view kSymbolTable =
    "/!/#/&/'/+/-/.///:/;/</=/>/C/E/K/L/O/P/R/S/T/U/V/W/X/Y/[/\\/^/_/`/a/b/f/g/h/j/k/n/p/r/s/u/v/y"
    "\\#\\&\\-\\.\\0\\;\\>\\L\\S\\U\\W\\Y"
    "IY"
    "\\^\\_\\a\\c\\g\\h\\j\\m\\n\\o\\s\\t\\u\\v\\x";
static_assert(kSymbolTable.size() == 2 * kAprsSymbolCount);

constexpr SymbolPair kOtherSymbolPair{'/', '"'};
constexpr char kAlternateTable = '\\';

int EntryOf(const SymbolPair& pair) {
  for (int entry = 0; entry < kAprsSymbolCount; ++entry) {
    if (AprsSymbolPair(entry) == pair) return entry;
  }
  return kAprsOtherSymbol;
}

}  // namespace

SymbolPair AprsSymbolPair(int entry) {
  if (entry < 0 || entry >= kAprsSymbolCount) return kOtherSymbolPair;
  const auto at = static_cast<std::size_t>(2 * entry);
  return {kSymbolTable[at], kSymbolTable[at + 1]};
}

bool IsOverlayCharacter(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'); }

SymbolLookup FindAprsSymbol(const SymbolPair& pair) {
  const bool overlay = IsOverlayCharacter(pair[0]) && pair != SymbolPair{'I', 'Y'};
  if (!overlay) return {EntryOf(pair), 0};
  const int entry = EntryOf({kAlternateTable, pair[1]});
  return {entry, entry == kAprsOtherSymbol ? '\0' : pair[0]};
}

std::string AprsSymbolCaption(cmcFCache& lists, const SymbolLookup& symbol) {
  std::string caption(lists.GetText(kAprsSymbolListKey, Flex0, symbol.entry));
  if (symbol.overlay != 0) caption += std::string(" (") + symbol.overlay + ")";
  return caption;
}

std::string AprsSymbolText(cmcFCache& lists, const SymbolPair& pair) {
  const SymbolLookup symbol = FindAprsSymbol(pair);
  if (symbol.entry == kAprsOtherSymbol) return std::string(pair.begin(), pair.end());
  return AprsSymbolCaption(lists, symbol);
}
