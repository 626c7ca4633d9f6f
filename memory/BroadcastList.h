#pragma once
// Broadcast radio groups: 26 groups of 50 slots holding 16-bit record numbers (500 or more
// is an empty slot). Within a group the FM-band stations come first and the others after
// them; the FM list shows slot s, the AM list its position p at slot (FM count) + p.
#include <cstdint>

#include "memory/MemoryMap.h"
#include "memory/cmcEeprom.h"

// The record indexes of the broadcast lists (kinds 14 and 15): a group's FM list from
// kBroadcastIndexStride x group on, its AM list kBroadcastGroupSlots further, so both lists of
// a group fit in one stride whatever their sizes.
inline constexpr int kBroadcastIndexStride = 2 * MemoryMap::kBroadcastGroupSlots;

// The record index of a position of a group's FM or AM list.
int BroadcastListIndex(int group, bool am, int position);
int BroadcastGroupOfIndex(int index);
// The sheets number a group's lists 2 x group (FM) and 2 x group + 1 (AM).
int BroadcastGroupOfList(int listNumber);
bool IsAmList(int listNumber);

// The record number in a slot, or -1 for an empty slot or a group or slot out of range.
int BroadcastSlotRecord(const cmcEeprom& image, int group, int slot);
void SetBroadcastSlotRecord(cmcEeprom& image, int group, int slot, std::uint16_t record);
// The number of leading slots of the group that hold FM-band stations.
int BroadcastFmCount(const cmcEeprom& image, int group);
// The number of leading slots of the group that hold a station; normalised groups keep
// their stations packed from the first slot.
int BroadcastStationCount(const cmcEeprom& image, int group);
// The number of entries of a group's FM or AM list.
int BroadcastListCount(const cmcEeprom& image, int group, bool am);
bool IsFmBroadcastFrequency(std::uint32_t frequency);

// Drops empty slots and record numbers already used by an earlier slot, puts the FM-band
// stations first (keeping their order otherwise) and fills the rest with empty slots.
void NormaliseBroadcastGroups(cmcEeprom& image);
