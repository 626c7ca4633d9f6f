#include "memory/ConversionBytes.h"

#include <vector>

#include "platform/Fatal.h"

namespace ConversionBytes {

using OlderLayouts::ByteMove;
using OlderLayouts::ByteMoveKind;

namespace {

std::uint8_t SwappedOneAndTwo(std::uint8_t value) {
  switch (value) {
    case 1:
      return 2;
    case 2:
      return 1;
    default:
      return 0;
  }
}

std::uint8_t AboveTwoAsOne(std::uint8_t value) { return value > 2 ? 1 : value; }

std::uint8_t ChangedValue(ByteMoveKind kind, std::uint8_t value) {
  switch (kind) {
    case ByteMoveKind::SwapOneAndTwo:
      return SwappedOneAndTwo(value);
    case ByteMoveKind::AboveTwoIsOne:
      return AboveTwoAsOne(value);
    default:
      return value;
  }
}

void ApplyByteMove(const ByteMove& move, const cmcEeprom& source, const cmcEeprom& defaults, cmcEeprom& target) {
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(move.length), ' ');
  switch (move.kind) {
    case ByteMoveKind::FillWithSpaces:
      break;
    case ByteMoveKind::FromDefaultImage:
      if (!defaults.ReadBlock(move.source, bytes.data(), move.length)) return;
      break;
    default:
      if (!source.ReadBlock(move.source, bytes.data(), move.length)) ConversionRangeDefect();
      for (std::uint8_t& byte : bytes) byte = ChangedValue(move.kind, byte);
  }
  if (!target.WriteBlock(move.target, bytes.data(), move.length)) ConversionRangeDefect();
}

}  // namespace

void ConversionRangeDefect() { Fatal("Generation conversion: a layout range lies outside the image."); }

void ApplyByteMoves(std::span<const ByteMove> moves, const cmcEeprom& source, const cmcEeprom& defaults,
                    cmcEeprom& target) {
  for (const ByteMove& move : moves) ApplyByteMove(move, source, defaults, target);
}

std::vector<int> ShownReceivedSlots(const cmcEeprom& image, const OlderLayouts::ReceivedCallLayout& layout) {
  const auto positions = ReadRecord<MemoryMap::kReceivedCallCount>(image, layout.positionTable);
  std::vector<int> slots;
  for (int position = 0; position < MemoryMap::kReceivedCallCount; ++position) {
    const auto found = std::find(positions.begin(), positions.end(), position);
    if (found != positions.end()) slots.push_back(static_cast<int>(found - positions.begin()));
  }
  return slots;
}

void CopyReceivedCallSlot(const cmcEeprom& source, const OlderLayouts::ReceivedCallLayout& from, cmcEeprom& target,
                          const OlderLayouts::ReceivedCallLayout& to, int slot) {
  using namespace MemoryMap;
  WriteRecord(target, to.status + slot, ReadRecord<1>(source, from.status + slot));
  WriteRecord(target, to.calls + kReceivedCallSize * slot,
              ReadRecord<kReceivedCallSize>(source, from.calls + kReceivedCallSize * slot));
  WriteRecord(target, to.messages + kMessageLength * slot,
              ReadRecord<kMessageLength>(source, from.messages + kMessageLength * slot));
}

std::array<std::uint8_t, 2> SsidTextOf(std::uint8_t index) {
  std::array<std::uint8_t, 2> text{0xFF, 0xFF};
  if (index >= OlderLayouts::kSsidTexts.size()) return text;
  const std::string_view ssid = OlderLayouts::kSsidTexts[index];
  std::copy(ssid.begin(), ssid.end(), text.begin());
  return text;
}

std::uint8_t SsidIndexOf(std::uint8_t first, std::uint8_t second) {
  const std::array<std::uint8_t, 2> text{first, second};
  for (std::size_t index = 1; index < OlderLayouts::kSsidTexts.size(); ++index) {
    if (SsidTextOf(static_cast<std::uint8_t>(index)) == text) return static_cast<std::uint8_t>(index);
  }
  return 0;
}

}  // namespace ConversionBytes
