#include "memory/ListPacking.h"

#include <array>

#include "memory/BroadcastList.h"
#include "memory/GpsList.h"
#include "memory/ImageFields.h"
#include "memory/RepeaterList.h"
#include "memory/YourCallList.h"
#include "memory/datCh.h"

using namespace MemoryMap;

namespace {

constexpr int kGatewayReferenceOffset = 5;

int LeadingRepeaterOrderEntries(const cmcEeprom& image) {
  int n = 0;
  while (n < kRepeaterCount && ReadU16(image, kRepeaterOrder + 2 * n) != kEmptySlot16) ++n;
  return n;
}

struct RepeaterGroupSpan {
  int sourceStart = 0;  // first position of the group in the radio's order table
  int count = 0;
};

// Walks the group starts from the last group down: a start at or beyond the running end
// leaves its group empty, so counts never go negative and never sum beyond the table.
std::array<RepeaterGroupSpan, kRepeaterGroupCount> ReadRepeaterGroupSpans(const cmcEeprom& image) {
  std::array<RepeaterGroupSpan, kRepeaterGroupCount> spans{};
  int end = LeadingRepeaterOrderEntries(image);
  for (int group = kRepeaterGroupCount; group-- > 0;) {
    const int start = ReadU16(image, kRepeaterGroupStarts + 2 * group);
    if (start >= end) continue;
    spans[static_cast<std::size_t>(group)] = {start, end - start};
    end = start;
  }
  return spans;
}

void WriteNewRepeater(cmcEeprom& image, int position) {
  datCh entry(image);
  entry.Load(RecordKind::kNewRepeater, position);
  entry.Store(RecordKind::kRepeater, position);
}

// Copies the source's entry at position and gives it the gateway call sign its gateway
// reference names (blank for a reference outside the list).
void CopyRepeaterEntry(cmcEeprom& image, const cmcEeprom& source, int position, int entry) {
  if (entry >= kRepeaterCount) return WriteNewRepeater(image, position);
  const auto bytes = ReadBytes<kRepeaterRecordSize>(source, RepeaterAddress(entry));
  WriteBytes(image, RepeaterAddress(position), bytes);
  WriteBit(image, kRepeaterRpt1UseBits, position, ReadBit(source, kRepeaterRpt1UseBits, entry));
  const int reference = ReadU16(source, RepeaterAddress(entry) + kGatewayReferenceOffset);
  const CallSignText gateway = reference < kRepeaterCount ? RepeaterGatewayOf(source, reference) : kBlankCallSign;
  WritePackedCallSign(image, kRepeaterGateways + kPackedCallSignSize * position, gateway);
}

// Entries land group by group, each group's entries in the order the radio lists them.
void UnpackRepeaters(cmcEeprom& image, const cmcEeprom& source) {
  const auto spans = ReadRepeaterGroupSpans(source);
  for (int group = 0; group < kRepeaterGroupCount; ++group) {
    SetGroupCount(image, group, spans[static_cast<std::size_t>(group)].count);
  }
  int position = 0;
  for (const RepeaterGroupSpan& span : spans) {
    for (int k = 0; k < span.count; ++k) {
      const int entry = ReadU16(source, kRepeaterOrder + 2 * (span.sourceStart + k));
      CopyRepeaterEntry(image, source, position++, entry);
    }
  }
  while (position < kRepeaterCount) WriteNewRepeater(image, position++);
}

// Positions after the list's end take the new-entry template, as unused repeater positions do.
void UnpackYourCalls(cmcEeprom& image, const cmcEeprom& source) {
  int count = 0;
  while (count < kYourCallCount && source.GetByte(kYourCallOrder + count) != kEmptySlot8) ++count;
  SetYourCallCount(image, count);
  datCh entry(image);
  for (int position = 0; position < kYourCallCount; ++position) {
    const int record = source.GetByte(kYourCallOrder + position);
    entry.Load(RecordKind::kNewYourCall, position);
    if (position < count && record < kYourCallCount) {
      entry.callSign = YourCallOf(source, record);
      entry.name = YourCallNameOf(source, record);
    }
    entry.Store(RecordKind::kYourCall, position);
  }
}

void NormaliseGpsTables(cmcEeprom& image) {
  const GpsGroups groups = ReadGpsGroups(image);
  for (int position = groups.length; position < kGpsMemoryCount; ++position) {
    image.SetByte(kGpsOrder + position, kEmptySlot8);
  }
  for (std::size_t g = 0; g < groups.start.size(); ++g) {
    const int start = groups.start[g];
    image.SetByte(kGpsGroupStarts + static_cast<Address>(g),
                  start == kGpsNoGroupStart ? kEmptySlot8 : static_cast<std::uint8_t>(start));
  }
}

void PackRepeaterTables(cmcEeprom& image, int count) {
  for (int group = 0; group < kRepeaterGroupCount; ++group) {
    const bool used = GroupCount(image, group) != 0;
    WriteU16(image, kRepeaterGroupStarts + 2 * group,
             used ? static_cast<std::uint16_t>(GroupStart(image, group)) : kEmptySlot16);
  }
  for (int position = 0; position < kRepeaterCount; ++position) {
    WriteU16(image, kRepeaterOrder + 2 * position,
             position < count ? static_cast<std::uint16_t>(position) : kEmptySlot16);
  }
}

void WriteGatewayReference(cmcEeprom& image, int entry, std::uint16_t reference) {
  WriteU16(image, RepeaterAddress(entry) + kGatewayReferenceOffset, reference);
}

// The radio keeps each distinct gateway once: later entries with the same gateway get a
// blank gateway and a reference to the first entry that holds it.
void PackGateways(cmcEeprom& image, int count) {
  std::array<CallSignText, kRepeaterCount> gateways;
  for (int entry = 0; entry < count; ++entry) {
    gateways[static_cast<std::size_t>(entry)] = RepeaterGatewayOf(image, entry);
    const bool blank = IsBlank(gateways[static_cast<std::size_t>(entry)]);
    WriteGatewayReference(image, entry, blank ? kEmptySlot16 : static_cast<std::uint16_t>(entry));
  }
  for (int first = 0; first < count; ++first) {
    const CallSignText gateway = gateways[static_cast<std::size_t>(first)];
    if (IsBlank(gateway)) continue;
    for (int later = first + 1; later < count; ++later) {
      if (gateways[static_cast<std::size_t>(later)] != gateway) continue;
      gateways[static_cast<std::size_t>(later)] = kBlankCallSign;
      WritePackedCallSign(image, kRepeaterGateways + kPackedCallSignSize * later, kBlankCallSign);
      WriteGatewayReference(image, later, static_cast<std::uint16_t>(first));
    }
  }
}

void PackYourCallOrder(cmcEeprom& image) {
  const int count = YourCallCount(image);
  for (int position = 0; position < kYourCallCount; ++position) {
    image.SetByte(kYourCallOrder + position, position < count ? static_cast<std::uint8_t>(position) : kEmptySlot8);
  }
}

}  // namespace

void UnpackImage(cmcEeprom& image) {
  const cmcEeprom source = image;
  UnpackRepeaters(image, source);
  UnpackYourCalls(image, source);
  NormaliseGpsTables(image);
  NormaliseBroadcastGroups(image);
}

void PackImage(cmcEeprom& image) {
  const int count = RepeaterCount(image);
  PackRepeaterTables(image, count);
  PackGateways(image, count);
  PackYourCallOrder(image);
}
