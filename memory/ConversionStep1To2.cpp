// Generation 1 to 2: the settings and tables move to their generation-2 addresses, and the
// repeater entries, received calls and GPS memories are rewritten in the longer
// generation-2 records.
#include <algorithm>
#include <string>
#include <string_view>

#include "memory/ConversionBytes.h"
#include "memory/ConversionSteps.h"
#include "memory/Generation.h"
#include "memory/MemoryMap.h"

using namespace OlderLayouts;
namespace Gen1 = OlderLayouts::Generation1;

using namespace ConversionBytes;

namespace {

using OldRepeater = Record<Gen1::kRepeaterRecordSize>;
using Repeater = Record<MemoryMap::kRepeaterRecordSize>;
using OldPosition = Record<Gen1::kReceivedPositionSize>;
using Position = Record<MemoryMap::kReceivedPositionSize>;
using CallerWithSsidText = Record<Fields::kCallerWithSsidLength>;

Repeater RepeaterEntryUp(const OldRepeater& old) {
  using namespace RepeaterFlags;
  Repeater entry = BlankRecord<MemoryMap::kRepeaterRecordSize>();
  MoveFields<kRepeaterEntryUp>(entry, old);
  const std::uint8_t flags = old[Fields::kRepeaterFlags];
  // Mode DV and tone OFF are both 0.
  entry[Fields::kRepeaterFlags] =
      static_cast<std::uint8_t>(kModeDv << kModeShift | TwoBitsAt(flags, kOldDuplexShift) << kDuplexShift |
                                TwoBitsAt(flags, kOldPositionShift) << kPositionShift);
  entry[Fields::kRepeaterToneIndex] = Fields::kNewRepeaterToneIndex;
  return entry;
}

// Every entry the order table names; order values of 750 and more name no entry.
void ConvertRepeaterEntries(const cmcEeprom& source, cmcEeprom& target) {
  for (int position = 0; position < MemoryMap::kRepeaterCount; ++position) {
    const Record<2> order = ReadRecord<2>(source, Gen1::kRepeaterOrder + 2 * position);
    const int entry = order[0] << 8 | order[1];
    if (entry >= MemoryMap::kRepeaterCount) continue;
    WriteRecord(target, MemoryMap::kRepeaters + MemoryMap::kRepeaterRecordSize * entry,
                RepeaterEntryUp(ReadRecord<Gen1::kRepeaterRecordSize>(
                    source, Gen1::kRepeaters + Gen1::kRepeaterRecordSize * entry)));
  }
}

bool IsBlankPosition(const OldPosition& old) {
  using namespace Fields;
  const auto from = [&old](int offset) { return old.begin() + offset; };
  return old[kOldLatitude] == 0xFF && old[kOldLongitude] == 0xFF &&
         std::equal(kAltitudeNotSet.begin(), kAltitudeNotSet.end(), from(kOldAltitude)) &&
         std::all_of(from(kOldDetailStart), from(kOldDetailStart + kOldDetailLength),
                     [](std::uint8_t byte) { return byte == 0xFF; }) &&
         std::all_of(from(kOldMessage), from(kOldMessage + kGpsMessageLength),
                     [](std::uint8_t byte) { return byte == ' '; });
}

std::uint8_t DataTypeOf(const OldPosition& old, std::uint8_t ssidIndex) {
  if (IsBlankPosition(old)) return Fields::kDataTypeNone;
  if (ssidIndex != 0 || old[Fields::kOldSecondDetail] != 0xFF) return Fields::kDataTypePosition;
  return Fields::kDataTypePositionWithoutStation;
}

// The leading part of a call sign up to an inner space ("JA1ABC A" gives "JA1ABC").
std::string_view BaseCallSign(std::string_view caller) {
  const std::size_t start = caller.find_first_not_of(' ');
  return caller.substr(0, caller.find(' ', start == std::string_view::npos ? 0 : start));
}

// The caller with "-" and its SSID appended where both fit, space-filled. SSID "0" and SSIDs
// that do not fit leave the base call sign alone; no SSID leaves the caller as it is.
CallerWithSsidText CallerWithSsid(const Record<MemoryMap::kCallSignLength>& callerBytes, std::uint8_t ssidIndex) {
  const std::string_view caller(reinterpret_cast<const char*>(callerBytes.data()), callerBytes.size());
  std::string text(caller);
  if (ssidIndex != 0) {
    const std::string_view base = BaseCallSign(caller);
    const std::string_view ssid = kSsidTexts[ssidIndex];
    text = base;
    if (ssidIndex != 1 && base.size() + 1 + ssid.size() <= CallerWithSsidText{}.size()) {
      text.append("-").append(ssid);
    }
  }
  CallerWithSsidText field;
  field.fill(' ');
  std::copy(text.begin(), text.end(), field.begin());
  return field;
}

bool IsBlank(const Record<MemoryMap::kCallSignLength>& caller) {
  return std::all_of(caller.begin(), caller.end(), [](std::uint8_t byte) { return byte == ' '; });
}

Position ReceivedPositionUp(const OldPosition& old, const Record<MemoryMap::kCallSignLength>& caller) {
  using namespace Fields;
  Position block = BlankRecord<MemoryMap::kReceivedPositionSize>();
  MoveFields<kReceivedPositionUp>(block, old);
  const std::uint8_t ssidIndex = old[kOldSsidIndex] < kSsidTexts.size() ? old[kOldSsidIndex] : 0;
  const auto ssidText = SsidTextOf(ssidIndex);
  std::copy(ssidText.begin(), ssidText.end(), block.begin() + kSsidText);
  if (!IsBlank(caller)) {
    const CallerWithSsidText callerWithSsid = CallerWithSsid(caller, ssidIndex);
    std::copy(callerWithSsid.begin(), callerWithSsid.end(), block.begin() + kCallerWithSsid);
  }
  block[kDataType] = DataTypeOf(old, ssidIndex);
  if (block[kDataType] != kDataTypeNone) MoveFields<kReceivedCourseSpeedUp>(block, old);
  return block;
}

void ConvertReceivedCalls(const cmcEeprom& source, cmcEeprom& target) {
  using namespace MemoryMap;
  const ReceivedCallLayout& from = kGeneration1ReceivedCalls;
  const ReceivedCallLayout& to = kGeneration2ReceivedCalls;
  for (const int slot : ShownReceivedSlots(source, from)) {
    CopyReceivedCallSlot(source, from, target, to, slot);
    const auto caller = ReadRecord<kCallSignLength>(source, from.calls + kReceivedCallSize * slot);
    const auto old =
        ReadRecord<Gen1::kReceivedPositionSize>(source, from.positions + Gen1::kReceivedPositionSize * slot);
    WriteRecord(target, to.positions + kReceivedPositionSize * slot, ReceivedPositionUp(old, caller));
  }
}

// Every record the order table names; record numbers of 200 and more name none.
void ConvertGpsMemories(const cmcEeprom& source, cmcEeprom& target) {
  using MemoryMap::kGpsRecordSize;
  const auto order = ReadRecord<MemoryMap::kGpsMemoryCount>(source, Gen1::kGpsOrder);
  for (const std::uint8_t record : order) {
    if (record >= MemoryMap::kGpsMemoryCount) continue;
    auto memory = BlankRecord<kGpsRecordSize>();
    MoveFields<kGpsMemoryUp>(
        memory, ReadRecord<Gen1::kGpsRecordSize>(source, Gen1::kGpsMemories + Gen1::kGpsRecordSize * record));
    std::copy(Fields::kAltitudeNotSet.begin(), Fields::kAltitudeNotSet.end(), memory.begin() + Fields::kGpsAltitude);
    WriteRecord(target, MemoryMap::kGpsMemories + kGpsRecordSize * record, memory);
  }
}

}  // namespace

void ConvertStep1To2(const cmcEeprom& source, const cmcEeprom& defaults, cmcEeprom& target) {
  PrepareImage(target, 2);
  ApplyByteMoves(kStep1To2Moves, source, defaults, target);
  ConvertRepeaterEntries(source, target);
  ConvertReceivedCalls(source, target);
  ConvertGpsMemories(source, target);
}
