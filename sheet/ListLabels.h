#pragma once
// Captions of the pop-up lists that offer named groups: a key, ": " and the 16 stored name
// characters, as in "A: Home repeaters  ".
#include <string>

#include "memory/FixedText.h"

enum class ListLabelKey {
  kScanLink,        // the digit 0-9
  kLetter,          // "A" to "Z": banks, GPS groups, broadcast radio groups
  kRepeaterGroup,   // the group number 01-30 of group index 0-29
};

// An index outside the key's range is a defect (fatal).
std::string ListLabel(ListLabelKey key, int index, const NameText& name, bool leadingSpace = false);
