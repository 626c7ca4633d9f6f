// The read-only records the radio keeps of its traffic: the received call record (kind 9)
// and the transmit histories From, From-analog, To and Reflector (kinds 10-13).
#include "memory/ImageFields.h"
#include "memory/RecordCodecs.h"
#include "memory/RepeaterFields.h"
#include "memory/RepeaterList.h"
#include "memory/YourCallList.h"

using namespace MemoryMap;

namespace {

struct HistoryLayout {
  Address slots;
  int count;
  Address entries;
  int entrySize;
};

HistoryLayout LayoutOf(int kind) {
  switch (kind) {
    case RecordKind::kHistoryFrom:
      return {kHistoryFromSlots, kHistoryFromCount, kHistoryFrom, kCallSignLength};
    case RecordKind::kHistoryFromAnalog:
      return {kHistoryFromAnalogSlots, kHistoryFromAnalogCount, kHistoryFromAnalog, kHistoryFromAnalogSize};
    case RecordKind::kHistoryTo:
      return {kHistoryToSlots, kHistoryToCount, kHistoryTo, kCallSignLength};
    default:
      return {kHistoryReflectorSlots, kHistoryReflectorCount, kHistoryReflector, kCallSignLength};
  }
}

// The slot whose position byte equals position; the first such slot wins. -1 when none.
int ReceivedSlotAt(const cmcEeprom& image, int position) {
  if (position < 0 || position >= kReceivedCallCount) return -1;
  for (int slot = 0; slot < kReceivedCallCount; ++slot) {
    if (image.GetByte(kReceivedPositionTable + slot) == position) return slot;
  }
  return -1;
}

void TakeRepeater(datCh& r, const cmcEeprom& image, std::uint16_t entry, bool takeFrequency) {
  r.found = entry != kNoRepeater ? 1 : 0;
  r.foundEntry = entry;
  if (entry == kNoRepeater) return;
  datCh repeater;
  DecodeRepeater(repeater, image, entry);
  r.name = repeater.name;
  r.duplex = repeater.duplex;
  r.offset = repeater.offset;
  if (takeFrequency) r.frequency = repeater.frequency;
}

void TakeYourCall(datCh& r, const cmcEeprom& image, int entry) {
  r.found = entry != kNoYourCall ? 1 : 0;
  r.foundEntry = static_cast<std::uint16_t>(entry);
  if (entry == kNoYourCall) return;
  datCh yourCall;
  DecodeYourCall(yourCall, image, entry);
  r.name = yourCall.name;
}

void LookUpHistoryEntry(datCh& r, const cmcEeprom& image, int kind) {
  switch (kind) {
    case RecordKind::kHistoryFrom:
      return TakeRepeater(r, image, FindRepeaterForCallSign(image, ViewOf(r.callSign)), true);
    case RecordKind::kHistoryFromAnalog:
      return TakeRepeater(r, image, FindFmRepeater(image, r.callSign, r.frequency), false);
    case RecordKind::kHistoryTo:
      if (r.callSign[0] == '/') {
        return TakeRepeater(r, image, FindRepeaterByCall(image, ViewOf(r.callSign), {}, CallSignRule::kSlash), false);
      }
      return TakeYourCall(r, image, FindYourCallLoose(image, r.callSign));
    default:
      return;
  }
}

}  // namespace

void DecodeReceivedCall(datCh& r, const cmcEeprom& image, int index) {
  const int slot = ReceivedSlotAt(image, index);
  if (slot < 0) {
    r.SetUsed(false);
    return;
  }
  r.status = image.GetByte(kReceivedStatus + slot);
  const Address call = kReceivedCalls + kReceivedCallSize * slot;
  r.caller = ReadText<kCallSignLength>(image, call);
  r.callerNote = ReadText<4>(image, call + 8);
  r.rpt1 = ReadText<kCallSignLength>(image, call + 12);
  r.rpt2 = ReadText<kCallSignLength>(image, call + 20);
  r.called = ReadText<kCallSignLength>(image, call + 28);
  r.receivedTime = ReadU32(image, call + 36);
  r.receivedFieldA = ReadBytes<3>(image, call + 40);
  r.receivedFieldB = ReadBytes<3>(image, call + 43);
  r.message = ReadText<kMessageLength>(image, kReceivedMessages + kMessageLength * slot);
  const Address position = kReceivedPositions + kReceivedPositionSize * slot;
  r.positionBlock = ReadBytes<kReceivedPositionSize>(image, position);
  r.latitude = ReadPosition(image, position);
  r.longitude = ReadPosition(image, position + 4);
  r.altitude = static_cast<std::int32_t>(ReadU32(image, position + 8));
  r.ssid = ReadText<2>(image, position + 14);
  r.callerWithSsid = ReadText<9>(image, position + 16);
  r.gpsTimestamp = ReadU32(image, position + 25);
  r.dataType = image.GetByte(position + 29);
  r.gpsMessage = ReadText<43>(image, position + 49);
}

void DecodeHistory(datCh& r, const cmcEeprom& image, int kind, int index) {
  const HistoryLayout layout = LayoutOf(kind);
  const int slot = index >= 0 && index < layout.count ? image.GetByte(layout.slots + index) : -1;
  if (slot < 0 || slot >= layout.count) {
    r.SetUsed(false);
    return;
  }
  const Address entry = layout.entries + layout.entrySize * slot;
  r.callSign = ReadText<kCallSignLength>(image, entry);
  if (kind == RecordKind::kHistoryFromAnalog) r.frequency = ReadU32(image, entry + kCallSignLength);
  LookUpHistoryEntry(r, image, kind);
}
