#pragma once
// Images whose repeater list holds given entries, for the tests of the band rules.
#include <vector>

#include "MemoryTestImages.h"
#include "memory/RepeaterList.h"
#include "memory/datCh.h"

struct RepeaterEntry {
  std::uint8_t mode;  // 0 DV, 1 FM, 2 FM-N
  const char* call;
  std::uint32_t frequency;
  std::uint8_t duplex = 0;
  std::uint8_t rpt1Use = 0;
};

inline void StoreRepeater(cmcEeprom& image, int position, const RepeaterEntry& wanted) {
  datCh entry(image);
  entry.Load(RecordKind::kNewRepeater, position);
  entry.mode = wanted.mode;
  entry.callSign = MakeFixedText<8>(wanted.call);
  entry.frequency = wanted.frequency;
  entry.duplex = wanted.duplex;
  entry.rpt1Use = wanted.rpt1Use;
  entry.Store(RecordKind::kRepeater, position);
}

// A blank image whose repeater group 0 holds the entries, in order.
inline cmcEeprom ImageWithRepeaters(const std::vector<RepeaterEntry>& entries) {
  cmcEeprom image = BlankImage();
  for (int group = 0; group < 30; ++group) SetGroupCount(image, group, 0);
  SetGroupCount(image, 0, static_cast<int>(entries.size()));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    StoreRepeater(image, static_cast<int>(i), entries[i]);
  }
  return image;
}

inline std::uint8_t Rpt1UseAt(cmcEeprom& image, int position) {
  datCh entry(image);
  entry.Load(RecordKind::kRepeater, position);
  return entry.rpt1Use;
}
