#pragma once
// The entries of the pop-up selection lists ("GI_Sheet_Sel_" keys) as list cells need them:
// each entry's index (the value it stands for), its display text and its cell identifier, in
// list order (down each column, then the next column). Lists are laid out once and kept; a
// kept list is laid out again when its definition text changed (another language table).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class cmcGTex;

struct SelectionEntry {
  std::int32_t index = 0;
  std::string text;  // the entry's argument when it has one, else its caption
  unsigned cellId = 0;
};

// The entries of the list whose definition key is key; spacer cells are left out.
const std::vector<SelectionEntry>& SelectionListEntries(cmcGTex& texts, std::string_view key);
