#pragma once
// The settings that name list entries (the remembered memory channel, the remembered
// repeater, the GPS alarm memory) and the scan-link membership maps, kept on the same
// entries while a list operation moves, blanks or replaces them.
//
// An operation reports where the entries of the part of a list it touched came from
// (EntryOrigins); a keeper taken before the operation maps every reference through it:
// a reference follows its entry to the entry's new index, and an entry that is gone or
// blanked takes its references with it. An entry replaced by a pasted record keeps them while
// it is still in use.
#include <array>
#include <cstdint>
#include <vector>

#include "memory/MemoryMap.h"
#include "memory/cmcEeprom.h"

struct EntryOrigins {
  static constexpr int kFresh = -1;   // a blank entry
  static constexpr int kPasted = -2;  // a record from a clipboard

  // Entries low to low + size - 1 were touched; every one starts where it was.
  EntryOrigins(int low, int high);

  bool Covers(int index) const { return index >= low && index < low + static_cast<int>(origin.size()); }
  int& At(int index) { return origin[static_cast<std::size_t>(index - low)]; }
  int At(int index) const { return origin[static_cast<std::size_t>(index - low)]; }
  // The new index of the entry that was at old; -1 when it is gone.
  int NewIndexOf(int old) const;
  // Entries first to last now hold what was at first + by to last + by.
  void Shift(int first, int last, int by);
  void Mark(int first, int last, int how);

  int low;
  std::vector<int> origin;
};

class ListReferenceKeeper {
 public:
  // Reads the references into the list of kind (1 channels, 6 GPS list positions, 7
  // repeaters); other kinds have none.
  ListReferenceKeeper(cmcEeprom& image, int kind);
  // Writes the references back through what the operation reports.
  void Follow(const EntryOrigins& origins);

 private:
  static constexpr int kNone = -1;

  int FollowIndex(int index, const EntryOrigins& origins, bool stillUsed) const;
  void FollowChannel(const EntryOrigins& origins);
  void FollowScanLinks(const EntryOrigins& origins);
  void FollowRepeater(const EntryOrigins& origins);
  void FollowGpsAlarm(const EntryOrigins& origins);

  cmcEeprom& image_;
  int kind_;
  int reference_ = kNone;  // channel index, repeater position or GPS alarm list position
  std::array<std::uint32_t, MemoryMap::kScanLinkCount> links_{};
};
