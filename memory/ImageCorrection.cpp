#include "memory/ImageCorrection.h"

#include "memory/BroadcastList.h"
#include "memory/ImageFields.h"
#include "memory/ListEntries.h"
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
    RemoveYourCall(image, position);
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
