#pragma once
// The repeater list as the radio keeps it: the order table (list position to entry number,
// 0xFFFF ends the list) and the start table (first list position of each group, 0xFFFF for
// an empty group). Values from an image are trusted for nothing: entry numbers and starts of
// 750 and more name no entry and no position.
#include <array>
#include <cstdint>

#include "memory/MemoryMap.h"
#include "memory/cmcEeprom.h"

class RadioRepeaterOrder {
 public:
  using GroupCounts = std::array<int, MemoryMap::kRepeaterGroupCount>;

  static RadioRepeaterOrder Read(const cmcEeprom& image);
  void Write(cmcEeprom& image) const;

  // The number of leading positions before the first 0xFFFF.
  int Length() const { return length_; }
  std::uint16_t EntryAt(int position) const;

  // Entries per group, walking the starts from the last group down: a start at or above the
  // running end, or of 750 and more, counts as an empty group.
  GroupCounts CountsOfGroups() const;

  // Takes a position out of the list: later positions move up one, the last becomes 0xFFFF,
  // later group starts drop by one, and the group it was the only entry of becomes empty.
  void RemovePosition(int position);

  void SetGroupStart(int group, std::uint16_t start);

 private:
  int GroupHolding(int position, const GroupCounts& counts) const;

  std::array<std::uint16_t, MemoryMap::kRepeaterCount> entries_{};
  std::array<std::uint16_t, MemoryMap::kRepeaterGroupCount> starts_{};
  int length_ = 0;
};
