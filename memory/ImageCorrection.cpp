#include "memory/ImageCorrection.h"

#include "memory/BroadcastList.h"
#include "memory/ImageFields.h"
#include "memory/MemoryMap.h"
#include "memory/RecordChecks.h"
#include "memory/RepeaterList.h"
#include "memory/YourCallList.h"
#include "memory/datCh.h"
#include "memory/indDestination.h"

using namespace MemoryMap;

namespace {

constexpr std::uint16_t kNone16 = 0xFFFF;
constexpr int kDvRepeater = 0;

bool FailsChannelChecks(const datCh& record) {
  return CheckFrequency(record) || CheckOffsetGrid(record) || CheckModeForBand(record) || CheckStepForBand(record);
}

// A rejected channel takes the defaults' channel; a memory channel is emptied as well, and
// stops being the remembered channel.
void CorrectChannels(cmcEeprom& image, const cmcEeprom& defaults) {
  cmcEeprom replacements = defaults;
  datCh record(image);
  for (int index = 0; index < kChannelIndexCount; ++index) {
    record.Load(RecordKind::kChannel, index);
    if (!record.IsUsed()) continue;
    if (FailsChannelChecks(record)) {
      record.LoadFrom(replacements, RecordKind::kChannel, index);
      if (index < kMemoryChannelCount) {
        record.SetUsed(false);
        if (ReadU16(image, kRememberedChannel) == index) WriteU16(image, kRememberedChannel, kNone16);
      }
    }
    record.Store(RecordKind::kChannel, index);
  }
}

// Entries p+1 to last move up one; last takes templateKind's new entry.
void ShiftUp(cmcEeprom& image, int kind, int templateKind, int position, int last) {
  datCh record(image);
  for (int index = position; index < last; ++index) {
    record.Load(kind, index + 1);
    record.Store(kind, index);
  }
  record.Load(templateKind, last);
  record.Store(kind, last);
}

void RemoveBroadcastSlot(cmcEeprom& image, int group, int slot) {
  for (int s = slot; s + 1 < kBroadcastGroupSlots; ++s) {
    const int next = BroadcastSlotRecord(image, group, s + 1);
    SetBroadcastSlotRecord(image, group, s, next < 0 ? kNone16 : static_cast<std::uint16_t>(next));
  }
  SetBroadcastSlotRecord(image, group, kBroadcastGroupSlots - 1, kNone16);
}

// One list of a group, from its last entry to its first; the AM list follows the FM one.
bool CorrectBroadcastList(cmcEeprom& image, int group, int kind) {
  const bool am = kind == RecordKind::kBroadcastAm;
  const int fmCount = BroadcastFmCount(image, group);
  const int first = am ? fmCount : 0;
  const int end = am ? BroadcastStationCount(image, group) : fmCount;
  const int indexBase = BroadcastListIndex(group, am, 0) - first;
  bool removed = false;
  datCh record(image);
  for (int slot = end; slot-- > first;) {
    record.Load(kind, indexBase + slot);
    if (CheckBroadcastFrequency(record)) {
      RemoveBroadcastSlot(image, group, slot);
      removed = true;
    } else {
      record.Store(kind, indexBase + slot);
    }
  }
  return removed;
}

bool CorrectBroadcasts(cmcEeprom& image) {
  bool removed = false;
  for (int group = 0; group < kBroadcastGroupCount; ++group) {
    removed |= CorrectBroadcastList(image, group, RecordKind::kBroadcastFm);
    removed |= CorrectBroadcastList(image, group, RecordKind::kBroadcastAm);
  }
  return removed;
}

void RemoveRepeater(cmcEeprom& image, int position) {
  const int group = GroupOf(image, position);
  ShiftUp(image, RecordKind::kRepeater, RecordKind::kNewRepeater, position, kRepeaterCount - 1);
  SetGroupCount(image, group, GroupCount(image, group) - 1);
  const std::uint16_t remembered = ReadU16(image, kRememberedRepeater);
  if (remembered == position) {
    WriteU16(image, kRememberedRepeater, kNone16);
  } else if (remembered != kNone16 && remembered > position && remembered < kRepeaterCount) {
    WriteU16(image, kRememberedRepeater, static_cast<std::uint16_t>(remembered - 1));
  }
}

// A repeater without a valid call sign is removed, or loses its call sign where the entry
// does not need one; a rejected frequency of a DV repeater becomes 0 (none).
bool CorrectRepeaterCall(datCh& record) {
  if (CheckRepeaterCall(record)) {
    if (record.RepeaterEntryType() == kDvRepeater) return true;
    record.callSign = kBlankCallSign;
  }
  if (record.RepeaterEntryType() == kDvRepeater && record.frequency != 0 &&
      indDestination::Current().IsRepeaterFrequencyRejected(record.frequency)) {
    record.frequency = 0;
  }
  return false;
}

bool CorrectRepeaters(cmcEeprom& image) {
  bool removed = false;
  datCh record(image);
  for (int position = RepeaterCount(image); position-- > 0;) {
    record.Load(RecordKind::kRepeater, position);
    if (CorrectRepeaterCall(record) || CheckRepeaterFrequency(record) || CheckRepeaterDuplex(record)) {
      RemoveRepeater(image, position);
      removed = true;
    } else {
      record.Store(RecordKind::kRepeater, position);
    }
  }
  return removed;
}

bool CorrectYourCalls(cmcEeprom& image) {
  bool removed = false;
  datCh record(image);
  for (int position = YourCallCount(image); position-- > 0;) {
    record.Load(RecordKind::kYourCall, position);
    if (!CheckYourCall(record)) continue;
    ShiftUp(image, RecordKind::kYourCall, RecordKind::kNewYourCall, position, kYourCallCount - 1);
    SetYourCallCount(image, YourCallCount(image) - 1);
    removed = true;
  }
  return removed;
}

}  // namespace

bool CorrectImage(cmcEeprom& image, const cmcEeprom& defaults) {
  CorrectChannels(image, defaults);
  bool removed = CorrectBroadcasts(image);
  removed |= CorrectRepeaters(image);
  removed |= CorrectYourCalls(image);
  return removed;
}
