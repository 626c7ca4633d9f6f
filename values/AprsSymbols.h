#pragma once
// The APRS position symbols the radio offers: a table of 74 two-character symbols (table
// identifier, symbol code) whose entry i has the caption of entry i of the list
// "GI_Sheet_Sel_Common_APRS_Symbol"; that list's entry 74 stands for every other symbol.
// A digit or capital letter as table identifier is an overlay on the alternate table.
#include <array>
#include <string>

class cmcFCache;

inline constexpr int kAprsSymbolCount = 74;
inline constexpr int kAprsOtherSymbol = kAprsSymbolCount;  // the list entry for any other pair

using SymbolPair = std::array<char, 2>;

// The pair of a table entry 0-73; the pair stored for "other" ("/" and a double quote) for
// every other entry.
SymbolPair AprsSymbolPair(int entry);

// A digit or a capital letter: shown on the alternate table's symbol.
bool IsOverlayCharacter(char c);

struct SymbolLookup {
  int entry = kAprsOtherSymbol;
  char overlay = 0;  // the overlay character, 0 for none
};

// The table entry of a stored pair: an overlay pair (other than "IY", which the table holds
// itself) is looked up on the alternate table "\"; kAprsOtherSymbol when none holds it.
SymbolLookup FindAprsSymbol(const SymbolPair& pair);

// The caption of a looked-up entry as a cell shows it: the list caption, with a space and
// the overlay character in parentheses appended for an overlay.
std::string AprsSymbolCaption(cmcFCache& lists, const SymbolLookup& symbol);

// The symbol cell of the received call records: the caption when the table holds the pair,
// else the two stored characters.
std::string AprsSymbolText(cmcFCache& lists, const SymbolPair& pair);
