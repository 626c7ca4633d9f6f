#pragma once
// The lists whose entries carry a 16-character name in the image (banks, program scan links,
// broadcast radio banks, repeater groups, GPS groups) and the label each entry goes by:
// its letter, digit or two-digit number, ": " and its name, as in "C: Airband        ".
#include <string>

class cmcEeprom;

enum class NamedList { kBank, kScanLink, kBroadcastBank, kRepeaterGroup, kGpsGroup };

// The number of entries of a named list.
int NamedListCount(NamedList list);
// The entry's label and name; empty for a position outside the list.
std::string NamedListLabel(const cmcEeprom& image, NamedList list, int position);
