// Broadcast radio memories by group list (kinds 14 and 15) and the new-memory templates
// (kinds 19 and 20).
#include "memory/BroadcastList.h"
#include "memory/ImageFields.h"
#include "memory/RecordCodecs.h"

using namespace MemoryMap;

namespace {

// The record number a list index names, or -1. The FM list of a group ends at its FM count:
// the slots after it hold the group's AM stations, which belong to the AM list alone.
int RecordOfListIndex(const cmcEeprom& image, int kind, int index) {
  if (index < 0) return -1;
  const int group = BroadcastGroupOfIndex(index);
  const int amPosition = index - BroadcastListIndex(group, true, 0);
  if (group >= kBroadcastGroupCount) return -1;
  const int fmCount = BroadcastFmCount(image, group);
  if (kind == RecordKind::kBroadcastFm) {
    const int fmPosition = index - BroadcastListIndex(group, false, 0);
    return fmPosition < fmCount ? BroadcastSlotRecord(image, group, fmPosition) : -1;
  }
  if (amPosition < 0) return -1;
  return BroadcastSlotRecord(image, group, fmCount + amPosition);
}

Address RecordAddress(int record) { return kBroadcastMemories + kBroadcastRecordSize * record; }

}  // namespace

void DecodeBroadcast(datCh& r, const cmcEeprom& image, int kind, int index) {
  r.record = static_cast<std::int16_t>(RecordOfListIndex(image, kind, index));
  if (r.record < 0) {
    r.SetUsed(false);
    return;
  }
  r.frequency = BroadcastFrequencyOf(image, r.record);
  r.name = ReadText<kNameLength>(image, RecordAddress(r.record) + 4);
  r.skip = ReadBit(image, kBroadcastSkipBits, r.record) ? 1 : 0;
}

void EncodeBroadcast(const datCh& r, cmcEeprom& image, int kind, int index) {
  const int record = RecordOfListIndex(image, kind, index);
  if (record >= 0) EncodeBroadcastRecord(r, image, record);
}

void EncodeBroadcastRecord(const datCh& r, cmcEeprom& image, int record) {
  if (record < 0 || record >= kBroadcastMemoryCount) return;
  WriteU32(image, RecordAddress(record), r.frequency);
  WriteText(image, RecordAddress(record) + 4, r.name);
  WriteBit(image, kBroadcastSkipBits, record, r.skip != 0);
}

void DecodeNewBroadcast(datCh& r, const cmcEeprom& image, int kind) {
  const int entry = kind == RecordKind::kNewBroadcastFm ? 0 : 1;
  r.frequency = ReadU32(image, kBroadcastTemplates + kBroadcastTemplateSize * entry);
  r.record = -1;
}
