#pragma once
// The lists whose entries carry a 16-character name in the image (banks, program scan links,
// broadcast radio banks, repeater groups, GPS groups) and the label each entry goes by:
// its letter, digit or two-digit number, ": " and its name, as in "C: Airband        ".
#include <string>

#include "memory/MemoryMap.h"

class cmcEeprom;

enum class NamedList { kBank, kScanLink, kBroadcastBank, kRepeaterGroup, kGpsGroup };

// The number of entries of a named list.
int NamedListCount(NamedList list);
// The key an entry goes by: its letter, its digit, or its number counted from 01 (repeater
// groups, as the radio shows them).
std::string NamedListKey(NamedList list, int position);
// Where the entry's name is kept.
MemoryMap::Address NamedListNameAddress(NamedList list, int position);
// The entry's label and name; empty for a position outside the list.
std::string NamedListLabel(const cmcEeprom& image, NamedList list, int position);
