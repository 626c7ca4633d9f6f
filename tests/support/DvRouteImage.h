#pragma once
// A document image with a small digital-voice repeater list and your-call-sign list, for the
// route, dialog and picker tests. Frequencies suit destination 0 (transmit 144-148 and
// 420-450 MHz). Groups: 0 holds entries 0-5, 1 holds entries 6-9.
//   0 "Alpha A"   JP1YAA A behind JP1YAA G, 439.01 MHz -DUP 5 MHz
//   1 "Alpha B"   JP1YAA B behind JP1YAA G, 145.30 MHz -DUP 0.6 MHz
//   2 "Bravo A"   JP1YBB A behind JP1YBB G, 434.00 MHz -DUP 5 MHz
//   3 "Local"     JP1YCC A without gateway, 438.50 MHz -DUP 5 MHz
//   4 "Simplex"   JP1YDD A behind JP1YDD G, 145.00 MHz, duplex OFF
//   5 "Faraway"   JP1YEE A behind JP1YEE G, 460.00 MHz -DUP 5 MHz (no transmit)
//   6 "NoCall"    DV without call sign
//   7 "FM One"    FM, JP1YFF A
//   8 "Local B"   JP1YCC B without gateway, 438.70 MHz -DUP 5 MHz
//   9 (no name)   JP1YGG A behind JP1YGG G, 433.10 MHz -DUP 5 MHz
// Your call signs: "Friend" JA1XYZ, (no name) JH1ABC.
#include <string>

#include "memory/DefaultImages.h"
#include "memory/MemoryMap.h"
#include "memory/RepeaterList.h"
#include "memory/YourCallList.h"
#include "memory/datCh.h"

namespace dv_route {

struct Repeater {
  const char* name;
  const char* call;
  const char* gateway;
  std::uint32_t frequency;
  std::uint8_t duplex;
  std::uint32_t offset;
  std::uint8_t mode = 0;
};

inline const Repeater kRepeaters[] = {
    {"Alpha A", "JP1YAA A", "JP1YAA G", 439010000, 1, 5000000},
    {"Alpha B", "JP1YAA B", "JP1YAA G", 145300000, 1, 600000},
    {"Bravo A", "JP1YBB A", "JP1YBB G", 434000000, 1, 5000000},
    {"Local", "JP1YCC A", "", 438500000, 1, 5000000},
    {"Simplex", "JP1YDD A", "JP1YDD G", 145000000, 0, 0},
    {"Faraway", "JP1YEE A", "JP1YEE G", 460000000, 1, 5000000},
    {"NoCall", "", "", 439500000, 1, 5000000},
    {"FM One", "JP1YFF A", "", 439600000, 1, 5000000, 1},
    {"Local B", "JP1YCC B", "", 438700000, 1, 5000000},
    {"", "JP1YGG A", "JP1YGG G", 433100000, 1, 5000000},
};

inline void StoreRepeater(cmcEeprom& image, int position, const Repeater& wanted) {
  datCh entry(image);
  entry.Load(RecordKind::kNewRepeater, position);
  entry.SetUsed(true);
  entry.name = MakeFixedText<MemoryMap::kNameLength>(wanted.name);
  entry.callSign = MakeFixedText<MemoryMap::kCallSignLength>(wanted.call);
  entry.gateway = MakeFixedText<MemoryMap::kCallSignLength>(wanted.gateway);
  entry.frequency = wanted.frequency;
  entry.duplex = wanted.duplex;
  entry.offset = wanted.offset;
  entry.mode = wanted.mode;
  entry.Store(RecordKind::kRepeater, position);
}

inline void StoreYourCall(cmcEeprom& image, int position, const char* name, const char* call) {
  datCh entry(image);
  entry.Load(RecordKind::kNewYourCall, position);
  entry.name = MakeFixedText<MemoryMap::kNameLength>(name);
  entry.callSign = MakeFixedText<MemoryMap::kCallSignLength>(call);
  entry.Store(RecordKind::kYourCall, position);
}

// Fills the repeater and your-call-sign lists of an image built for the current destination.
inline void FillLists(cmcEeprom& image) {
  for (int group = 0; group < MemoryMap::kRepeaterGroupCount; ++group) SetGroupCount(image, group, 0);
  int position = 0;
  for (const Repeater& repeater : kRepeaters) StoreRepeater(image, position++, repeater);
  SetGroupCount(image, 0, 6);
  SetGroupCount(image, 1, 4);
  StoreYourCall(image, 0, "Friend", "JA1XYZ");
  StoreYourCall(image, 1, "", "JH1ABC");
  SetYourCallCount(image, 2);
}

inline cmcEeprom Image() {
  cmcEeprom image;
  BuildDefaultsImage(image);
  FillLists(image);
  return image;
}

template <std::size_t N>
std::string Text(const std::array<char, N>& field) {
  return std::string(field.data(), N);
}

inline NameText Route(const char* text) { return MakeFixedText<MemoryMap::kNameLength>(text); }

}  // namespace dv_route
