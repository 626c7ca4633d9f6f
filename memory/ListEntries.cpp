#include "memory/ListEntries.h"

#include <array>

#include "memory/BroadcastList.h"
#include "memory/GpsList.h"
#include "memory/ImageFields.h"
#include "memory/ListBlocks.h"
#include "memory/ListReferences.h"
#include "memory/MemoryMap.h"
#include "memory/RepeaterList.h"
#include "memory/YourCallList.h"
#include "memory/datCh.h"

using namespace MemoryMap;

namespace {

// Entries position to last - 1 move down one; position gets the new entry.
void OpenRow(cmcEeprom& image, int kind, int position, int last) {
  datCh record(image);
  for (int index = last; index > position; --index) {
    record.Load(kind, index - 1);
    record.Store(kind, index);
  }
  StoreBlankEntry(image, kind, position);
}

// Entries position + 1 to last move up one; last gets the new entry.
void CloseRow(cmcEeprom& image, int kind, int position, int last) {
  datCh record(image);
  for (int index = position; index < last; ++index) {
    record.Load(kind, index + 1);
    record.Store(kind, index);
  }
  StoreBlankEntry(image, kind, last);
}

EntryOrigins Opened(int position, int last) {
  EntryOrigins origins(position, last);
  origins.Shift(position + 1, last, -1);
  origins.At(position) = EntryOrigins::kFresh;
  return origins;
}

EntryOrigins Closed(int position, int last) {
  EntryOrigins origins(position, last);
  origins.Shift(position, last - 1, 1);
  origins.At(last) = EntryOrigins::kFresh;
  return origins;
}

// GPS tables written back: order entries, the end marker and every group's start.
void WriteGpsOrder(cmcEeprom& image, int position, int record) {
  image.SetByte(kGpsOrder + position, static_cast<std::uint8_t>(record));
}

void WriteGpsStarts(cmcEeprom& image, const GpsGroups& groups) {
  for (std::size_t g = 0; g < groups.start.size(); ++g) {
    const int start = groups.start[g];
    const bool empty = start == kGpsNoGroupStart || groups.count[g] == 0;
    image.SetByte(kGpsGroupStarts + static_cast<Address>(g), empty ? kEmptySlot8 : static_cast<std::uint8_t>(start));
  }
}

int LowestFreeGpsRecord(const cmcEeprom& image, int length) {
  std::array<bool, kGpsMemoryCount> taken{};
  for (int p = 0; p < length; ++p) taken[image.GetByte(kGpsOrder + p)] = true;
  for (int r = 0; r < kGpsMemoryCount; ++r) {
    if (!taken[static_cast<std::size_t>(r)]) return r;
  }
  return -1;
}

// Where group g's entries start, or would start when it is empty.
int GpsGroupBase(const GpsGroups& groups, int group) {
  for (std::size_t g = static_cast<std::size_t>(group); g < groups.start.size(); ++g) {
    if (groups.start[g] != kGpsNoGroupStart) return groups.start[g];
  }
  return groups.length;
}

std::array<bool, kBroadcastMemoryCount> ReferencedBroadcasts(const cmcEeprom& image) {
  std::array<bool, kBroadcastMemoryCount> referenced{};
  for (int group = 0; group < kBroadcastGroupCount; ++group) {
    for (int slot = 0; slot < kBroadcastGroupSlots; ++slot) {
      const int record = BroadcastSlotRecord(image, group, slot);
      if (record >= 0) referenced[static_cast<std::size_t>(record)] = true;
    }
  }
  return referenced;
}

}  // namespace

bool InsertRepeater(cmcEeprom& image, int group, int position) {
  if (RepeaterCount(image) >= kRepeaterCount || group < 0 || group >= kRepeaterGroupCount) return false;
  if (position < GroupStart(image, group) || position > GroupStart(image, group) + GroupCount(image, group)) {
    return false;
  }
  ListReferenceKeeper keeper(image, RecordKind::kRepeater);
  OpenRow(image, RecordKind::kRepeater, position, kRepeaterCount - 1);
  SetGroupCount(image, group, GroupCount(image, group) + 1);
  keeper.Follow(Opened(position, kRepeaterCount - 1));
  return true;
}

void RemoveRepeater(cmcEeprom& image, int position) {
  const int group = GroupOf(image, position);
  if (group >= kRepeaterGroupCount) return;
  ListReferenceKeeper keeper(image, RecordKind::kRepeater);
  CloseRow(image, RecordKind::kRepeater, position, kRepeaterCount - 1);
  SetGroupCount(image, group, GroupCount(image, group) - 1);
  keeper.Follow(Closed(position, kRepeaterCount - 1));
}

bool InsertYourCall(cmcEeprom& image, int position) {
  const int count = YourCallCount(image);
  if (count >= kYourCallCount || position < 0 || position > count) return false;
  OpenRow(image, RecordKind::kYourCall, position, kYourCallCount - 1);
  SetYourCallCount(image, count + 1);
  return true;
}

void RemoveYourCall(cmcEeprom& image, int position) {
  const int count = YourCallCount(image);
  if (position < 0 || position >= count) return;
  CloseRow(image, RecordKind::kYourCall, position, kYourCallCount - 1);
  SetYourCallCount(image, count - 1);
}

bool InsertGpsMemory(cmcEeprom& image, int group, int place) {
  GpsGroups groups = ReadGpsGroups(image);
  if (groups.length >= kGpsMemoryCount || group < 0 || group >= kGpsGroupCount) return false;
  const auto g = static_cast<std::size_t>(group);
  if (place < 0 || place > groups.count[g]) return false;
  const int record = LowestFreeGpsRecord(image, groups.length);
  if (record < 0) return false;
  ListReferenceKeeper keeper(image, RecordKind::kGps);
  const int position = GpsGroupBase(groups, group) + place;
  for (int p = groups.length; p > position; --p) WriteGpsOrder(image, p, image.GetByte(kGpsOrder + p - 1));
  WriteGpsOrder(image, position, record);
  if (groups.length + 1 < kGpsMemoryCount) image.SetByte(kGpsOrder + groups.length + 1, kEmptySlot8);
  if (groups.count[g] == 0) groups.start[g] = position;
  ++groups.count[g];
  for (std::size_t later = g + 1; later < groups.start.size(); ++later) {
    if (groups.count[later] > 0) ++groups.start[later];
  }
  WriteGpsStarts(image, groups);
  StoreBlankEntry(image, RecordKind::kGps, position);
  keeper.Follow(Opened(position, groups.length));
  return true;
}

void RemoveGpsMemory(cmcEeprom& image, int position) {
  GpsGroups groups = ReadGpsGroups(image);
  if (position < 0 || position >= groups.length) return;
  const auto g = static_cast<std::size_t>(GpsGroupOf(groups, position));
  ListReferenceKeeper keeper(image, RecordKind::kGps);
  const int last = groups.length - 1;
  for (int p = position; p < last; ++p) WriteGpsOrder(image, p, image.GetByte(kGpsOrder + p + 1));
  image.SetByte(kGpsOrder + last, kEmptySlot8);
  if (--groups.count[g] == 0) groups.start[g] = kGpsNoGroupStart;
  for (std::size_t later = g + 1; later < groups.start.size(); ++later) {
    if (groups.count[later] > 0) --groups.start[later];
  }
  WriteGpsStarts(image, groups);
  keeper.Follow(Closed(position, last));
}

int BroadcastMemoriesInUse(const cmcEeprom& image) {
  int used = 0;
  for (const bool referenced : ReferencedBroadcasts(image)) used += referenced ? 1 : 0;
  return used;
}

bool InsertBroadcast(cmcEeprom& image, int group, bool am, int position) {
  if (group < 0 || group >= kBroadcastGroupCount) return false;
  const int stations = BroadcastStationCount(image, group);
  const int slot = (am ? BroadcastFmCount(image, group) : 0) + position;
  if (stations >= kBroadcastGroupSlots || position < 0 || slot > stations) return false;
  const auto referenced = ReferencedBroadcasts(image);
  int record = 0;
  while (record < kBroadcastMemoryCount && referenced[static_cast<std::size_t>(record)]) ++record;
  if (record >= kBroadcastMemoryCount) return false;
  for (int s = stations; s > slot; --s) {
    SetBroadcastSlotRecord(image, group, s, static_cast<std::uint16_t>(BroadcastSlotRecord(image, group, s - 1)));
  }
  SetBroadcastSlotRecord(image, group, slot, static_cast<std::uint16_t>(record));
  datCh fresh(image);
  fresh.Load(am ? RecordKind::kNewBroadcastAm : RecordKind::kNewBroadcastFm, 0);
  fresh.frequency = am ? kNewAmBroadcastFrequency : kNewFmBroadcastFrequency;
  EncodeBroadcastRecord(fresh, image, record);
  return true;
}

void RemoveBroadcastSlot(cmcEeprom& image, int group, int slot) {
  for (int s = slot; s + 1 < kBroadcastGroupSlots; ++s) {
    const int next = BroadcastSlotRecord(image, group, s + 1);
    SetBroadcastSlotRecord(image, group, s, next < 0 ? kEmptySlot16 : static_cast<std::uint16_t>(next));
  }
  SetBroadcastSlotRecord(image, group, kBroadcastGroupSlots - 1, kEmptySlot16);
}

namespace {

struct SlotTable {
  Address address;
  int size;
};

SlotTable HistorySlotTable(int kind) {
  switch (kind) {
    case RecordKind::kHistoryFrom:
      return {kHistoryFromSlots, kHistoryFromCount};
    case RecordKind::kHistoryFromAnalog:
      return {kHistoryFromAnalogSlots, kHistoryFromAnalogCount};
    case RecordKind::kHistoryTo:
      return {kHistoryToSlots, kHistoryToCount};
    case RecordKind::kHistoryReflector:
      return {kHistoryReflectorSlots, kHistoryReflectorCount};
    default:
      return {0, 0};
  }
}

}  // namespace

bool RemoveReceivedCalls(cmcEeprom& image, int first, int last) {
  bool shown = false;
  for (int slot = 0; slot < kReceivedCallCount; ++slot) {
    const int position = image.GetByte(kReceivedPositionTable + slot);
    shown = shown || (position >= first && position <= last);
  }
  if (!shown) return false;
  const int length = last - first + 1;
  for (int slot = 0; slot < kReceivedCallCount; ++slot) {
    const Address at = kReceivedPositionTable + slot;
    const int position = image.GetByte(at);
    if (position == kEmptySlot8) continue;
    if (position >= first && position <= last) {
      image.SetByte(at, kEmptySlot8);
    } else if (position > last && position < kReceivedCallCount) {
      image.SetByte(at, static_cast<std::uint8_t>(position - length));
    }
  }
  return true;
}

bool RemoveHistoryPositions(cmcEeprom& image, int kind, int first, int last) {
  const SlotTable table = HistorySlotTable(kind);
  if (first < 0 || last >= table.size || first > last) return false;
  bool any = false;
  for (int p = first; p <= last; ++p) any = any || image.GetByte(table.address + p) != kEmptySlot8;
  if (!any) return false;
  const int length = last - first + 1;
  for (int p = first; p < table.size; ++p) {
    const int from = p + length;
    image.SetByte(table.address + p, from < table.size ? image.GetByte(table.address + from) : kEmptySlot8);
  }
  return true;
}
