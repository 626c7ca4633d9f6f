#include "memory/BroadcastList.h"

#include <algorithm>
#include <array>
#include <vector>

#include "memory/DestinationTables.h"
#include "memory/ImageFields.h"
#include "memory/datCh.h"

using namespace MemoryMap;

namespace {

bool IsSlot(int group, int slot) {
  return group >= 0 && group < kBroadcastGroupCount && slot >= 0 && slot < kBroadcastGroupSlots;
}

Address SlotAddress(int group, int slot) { return kBroadcastGroups + 2 * (kBroadcastGroupSlots * group + slot); }

}  // namespace

int BroadcastListIndex(int group, bool am, int position) {
  return kBroadcastIndexStride * group + (am ? kBroadcastGroupSlots : 0) + position;
}

int BroadcastGroupOfIndex(int index) { return index / kBroadcastIndexStride; }

int BroadcastGroupOfList(int listNumber) { return listNumber / 2; }

bool IsAmList(int listNumber) { return listNumber % 2 == 1; }

int BroadcastSlotRecord(const cmcEeprom& image, int group, int slot) {
  if (!IsSlot(group, slot)) return -1;
  const int record = ReadU16(image, SlotAddress(group, slot));
  return record < kBroadcastMemoryCount ? record : -1;
}

void SetBroadcastSlotRecord(cmcEeprom& image, int group, int slot, std::uint16_t record) {
  if (IsSlot(group, slot)) WriteU16(image, SlotAddress(group, slot), record);
}

bool IsFmBroadcastFrequency(std::uint32_t frequency) { return Bands::kFmBroadcastWide.Contains(frequency); }

int BroadcastFmCount(const cmcEeprom& image, int group) {
  int count = 0;
  while (count < kBroadcastGroupSlots) {
    const int record = BroadcastSlotRecord(image, group, count);
    if (record < 0 || !IsFmBroadcastFrequency(BroadcastFrequencyOf(image, record))) break;
    ++count;
  }
  return count;
}

int BroadcastStationCount(const cmcEeprom& image, int group) {
  int count = 0;
  while (count < kBroadcastGroupSlots && BroadcastSlotRecord(image, group, count) >= 0) ++count;
  return count;
}

int BroadcastListCount(const cmcEeprom& image, int group, bool am) {
  const int fm = BroadcastFmCount(image, group);
  return am ? BroadcastStationCount(image, group) - fm : fm;
}

void NormaliseBroadcastGroups(cmcEeprom& image) {
  std::array<bool, kBroadcastMemoryCount> referenced{};
  for (int group = 0; group < kBroadcastGroupCount; ++group) {
    std::vector<std::uint16_t> records;
    for (int slot = 0; slot < kBroadcastGroupSlots; ++slot) {
      const int record = BroadcastSlotRecord(image, group, slot);
      if (record < 0 || referenced[static_cast<std::size_t>(record)]) continue;
      referenced[static_cast<std::size_t>(record)] = true;
      records.push_back(static_cast<std::uint16_t>(record));
    }
    std::stable_partition(records.begin(), records.end(), [&](std::uint16_t record) {
      return IsFmBroadcastFrequency(BroadcastFrequencyOf(image, record));
    });
    records.resize(kBroadcastGroupSlots, MemoryMap::kEmptySlot16);
    for (int slot = 0; slot < kBroadcastGroupSlots; ++slot) {
      SetBroadcastSlotRecord(image, group, slot, records[static_cast<std::size_t>(slot)]);
    }
  }
}
