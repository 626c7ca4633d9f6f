// Generation 2 to 1: the repeater list first loses the entries generation 1 cannot hold, then
// settings and tables move to their generation-1 addresses, and repeater entries, received
// calls, GPS memories and repeater snapshot records are rewritten in the shorter records.
#include <algorithm>

#include "memory/ConversionBytes.h"
#include "memory/ConversionSteps.h"
#include "memory/Generation.h"
#include "memory/MemoryMap.h"
#include "memory/RadioRepeaterOrder.h"

using namespace OlderLayouts;
namespace Gen1 = OlderLayouts::Generation1;
namespace Gen2 = OlderLayouts::Generation2;

using namespace ConversionBytes;

namespace {

bool IsEntryWithoutDv(const cmcEeprom& image, std::uint16_t entry) {
  using namespace MemoryMap;
  if (entry >= kRepeaterCount) return false;
  const auto flags = ReadRecord<1>(image, kRepeaters + kRepeaterRecordSize * entry + Fields::kRepeaterFlags)[0];
  return RepeaterFlags::TwoBitsAt(flags, RepeaterFlags::kModeShift) != RepeaterFlags::kModeDv;
}

// The remembered repeater is a list position: it names none when its position goes, and
// follows its entry when an earlier position goes.
void ForgetRemovedPosition(cmcEeprom& image, int removed) {
  auto remembered = ReadRecord<2>(image, MemoryMap::kRememberedRepeater);
  const int position = remembered[0] << 8 | remembered[1];
  if (position == removed) {
    remembered = BlankRecord<2>();
  } else if (position > removed && position < MemoryMap::kRepeaterCount) {
    remembered = {static_cast<std::uint8_t>((position - 1) >> 8), static_cast<std::uint8_t>(position - 1)};
  } else {
    return;
  }
  WriteRecord(image, MemoryMap::kRememberedRepeater, remembered);
}

// Entries of the groups generation 1 lacks join its last group when none of its own groups
// holds any.
void GiveLaterGroupsToLastOldGroup(RadioRepeaterOrder& order) {
  const auto counts = order.CountsOfGroups();
  const auto firstLater = counts.begin() + Gen1::kRepeaterGroupCount;
  const auto isHeld = [](int count) { return count > 0; };
  if (std::none_of(counts.begin(), firstLater, isHeld) && std::any_of(firstLater, counts.end(), isHeld)) {
    order.SetGroupStart(Gen1::kRepeaterGroupCount - 1, 0);
  }
}

// Generation 1 knows only DV entries: every other entry leaves the list.
void RemoveEntriesGeneration1CannotHold(cmcEeprom& image) {
  RadioRepeaterOrder order = RadioRepeaterOrder::Read(image);
  int position = 0;
  while (position < order.Length()) {
    if (IsEntryWithoutDv(image, order.EntryAt(position))) {
      order.RemovePosition(position);
      ForgetRemovedPosition(image, position);
    } else {
      ++position;
    }
  }
  GiveLaterGroupsToLastOldGroup(order);
  order.Write(image);
}

// Generation 1 keeps duplex and position of a repeater in bits 7-6 and 3-2.
std::uint8_t OldRepeaterFlags(std::uint8_t flags) {
  using namespace RepeaterFlags;
  return static_cast<std::uint8_t>(TwoBitsAt(flags, kDuplexShift) << kOldDuplexShift | TwoBitsAt(flags, kPositionShift)
                                                                                           << kOldPositionShift);
}

void ConvertRepeaterEntries(const cmcEeprom& source, cmcEeprom& target) {
  using MemoryMap::kRepeaterRecordSize;
  for (int entry = 0; entry < MemoryMap::kRepeaterCount; ++entry) {
    const auto current = ReadRecord<kRepeaterRecordSize>(source, MemoryMap::kRepeaters + kRepeaterRecordSize * entry);
    auto old = BlankRecord<Gen1::kRepeaterRecordSize>();
    MoveFields<kRepeaterEntryDown>(old, current);
    old[Fields::kRepeaterFlags] = OldRepeaterFlags(current[Fields::kRepeaterFlags]);
    WriteRecord(target, Gen1::kRepeaters + Gen1::kRepeaterRecordSize * entry, old);
  }
}

void ConvertRepeaterSnapshots(const cmcEeprom& source, cmcEeprom& target) {
  for (std::size_t k = 0; k < Gen2::kRepeaterSnapshots.size(); ++k) {
    const auto current = ReadRecord<Gen2::kRepeaterSnapshotSize>(source, Gen2::kRepeaterSnapshots[k]);
    auto old = BlankRecord<Gen1::kRepeaterSnapshotSize>();
    MoveFields<kRepeaterSnapshotDown>(old, current);
    old[Fields::kSnapshotFlags] =
        static_cast<std::uint8_t>(OldRepeaterFlags(current[Fields::kSnapshotFlags]) | RepeaterFlags::kOldSnapshotMark);
    WriteRecord(target, Gen1::kRepeaterSnapshots[k], old);
  }
}

Record<Gen1::kReceivedPositionSize> ReceivedPositionDown(const Record<MemoryMap::kReceivedPositionSize>& block) {
  using namespace Fields;
  auto old = BlankRecord<Gen1::kReceivedPositionSize>();
  const std::uint8_t type = block[kDataType];
  if (type == kDataTypePosition || type == kDataTypePositionWithoutStation) {
    MoveFields<kReceivedPositionDown>(old, block);
    old[kOldSsidIndex] = SsidIndexOf(block[kSsidText], block[kSsidText + 1]);
    return old;
  }
  std::copy(kAltitudeNotSet.begin(), kAltitudeNotSet.end(), old.begin() + kOldAltitude);
  old[kOldSsidIndex] = 0;
  std::fill_n(old.begin() + kOldMessage, kGpsMessageLength, ' ');
  return old;
}

void ConvertReceivedCalls(const cmcEeprom& source, cmcEeprom& target) {
  using MemoryMap::kReceivedPositionSize;
  const ReceivedCallLayout& from = kGeneration2ReceivedCalls;
  const ReceivedCallLayout& to = kGeneration1ReceivedCalls;
  for (const int slot : ShownReceivedSlots(source, from)) {
    CopyReceivedCallSlot(source, from, target, to, slot);
    const auto block = ReadRecord<kReceivedPositionSize>(source, from.positions + kReceivedPositionSize * slot);
    WriteRecord(target, to.positions + Gen1::kReceivedPositionSize * slot, ReceivedPositionDown(block));
  }
}

// Every record, used or not: generation 1 has room for all of them.
void ConvertGpsMemories(const cmcEeprom& source, cmcEeprom& target) {
  using MemoryMap::kGpsRecordSize;
  for (int record = 0; record < MemoryMap::kGpsMemoryCount; ++record) {
    auto old = BlankRecord<Gen1::kGpsRecordSize>();
    MoveFields<kGpsMemoryDown>(old,
                               ReadRecord<kGpsRecordSize>(source, MemoryMap::kGpsMemories + kGpsRecordSize * record));
    WriteRecord(target, Gen1::kGpsMemories + Gen1::kGpsRecordSize * record, old);
  }
}

}  // namespace

void ConvertStep2To1(const cmcEeprom& source, const cmcEeprom& defaults, cmcEeprom& target) {
  cmcEeprom work;
  work.Assign(source);
  RemoveEntriesGeneration1CannotHold(work);
  PrepareImage(target, 1);
  ApplyByteMoves(kStep2To1Moves, work, defaults, target);
  ConvertRepeaterEntries(work, target);
  ConvertReceivedCalls(work, target);
  ConvertGpsMemories(work, target);
  ConvertRepeaterSnapshots(work, target);
}
