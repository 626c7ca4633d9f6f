#pragma once
// Sorting a block of list entries by one of their fields, as a spreadsheet sorts rows: the
// entries in use in key order (equal keys keep their order), the entries not in use after
// them. The entries move as whole records, so everything a record carries (bank slot, RPT1-use
// flag) goes along, and the references into the list follow them (ListReferenceKeeper).
#include <cstdint>
#include <optional>
#include <string_view>

#include "memory/cmcEeprom.h"

enum class SortKey { kFrequency, kName, kMode, kCall };
inline constexpr int kSortKeyCount = 4;

struct SortOrder {
  SortKey key = SortKey::kFrequency;
  bool descending = false;
};

// The order as one number, as the window's command carries it to the cells, and back.
std::int32_t SortOrderCode(SortOrder order);
SortOrder SortOrderOfCode(std::int32_t code);

// The key's word as the command line spells it ("frequency", "name", "mode", "call"), and
// back; nothing for any other word.
std::string_view SortKeyWord(SortKey key);
std::optional<SortKey> SortKeyOfWord(std::string_view word);

// Whether entries of a list kind have the key's field: memory channels (and bank views) and
// repeaters every key, GPS memories the name, your call signs the name and the call sign.
bool SortKeyApplies(int kind, SortKey key);

// Sorts entries first to last of a list kind (memory channels, repeaters, GPS list positions,
// your call signs); the caller keeps the block inside one page or group and checks the key
// with SortKeyApplies. The bank tables are the caller's to rebuild, as after every block
// operation.
void SortBlock(cmcEeprom& image, int kind, int first, int last, SortOrder order);

// Sorts rows first to last of a bank view: the channels those rows name take the rows from
// first on in key order, each keeping its place in the memory channel list; a row claimed by
// two channels keeps them. Rebuilds the bank tables.
void SortBankRows(cmcEeprom& image, int bank, int first, int last, SortOrder order);
