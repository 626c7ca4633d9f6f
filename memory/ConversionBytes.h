#pragma once
// Byte work shared by the generation conversion steps. Records and blocks go through the
// image's checked block operations: a range outside an image can only be a defect of the
// layout tables, and it is fatal rather than a silent loss.
#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "memory/OlderLayouts.h"
#include "memory/cmcEeprom.h"

namespace ConversionBytes {

template <std::size_t N>
using Record = std::array<std::uint8_t, N>;

[[noreturn]] void ConversionRangeDefect();

template <std::size_t N>
Record<N> ReadRecord(const cmcEeprom& image, MemoryMap::Address address) {
  Record<N> record;
  if (!image.ReadBlock(address, record.data(), static_cast<std::int32_t>(N))) ConversionRangeDefect();
  return record;
}

template <std::size_t N>
void WriteRecord(cmcEeprom& image, MemoryMap::Address address, const Record<N>& record) {
  if (!image.WriteBlock(address, record.data(), static_cast<std::int32_t>(N))) ConversionRangeDefect();
}

// A record of N bytes of 0xFF, the blank pattern of the radio.
template <std::size_t N>
Record<N> BlankRecord() {
  Record<N> record;
  record.fill(0xFF);
  return record;
}

// Moves the fields a table names from source to target; the table is checked against both
// record sizes where it is used.
template <const auto& moves, std::size_t T, std::size_t S>
void MoveFields(Record<T>& target, const Record<S>& source) {
  static_assert(std::all_of(moves.begin(), moves.end(), [](const OlderLayouts::FieldMove& move) {
    return move.target >= 0 && move.source >= 0 && move.length >= 1 &&
           move.target + move.length <= static_cast<int>(T) && move.source + move.length <= static_cast<int>(S);
  }));
  for (const OlderLayouts::FieldMove& move : moves) {
    std::copy_n(source.begin() + move.source, move.length, target.begin() + move.target);
  }
}

// Applies the rows of a step in order. Rows from the default image leave the target as it is
// when the default image does not hold them.
void ApplyByteMoves(std::span<const OlderLayouts::ByteMove> moves, const cmcEeprom& source, const cmcEeprom& defaults,
                    cmcEeprom& target);

// The received-call slots in list order: for each list position the first slot whose
// position byte holds it; positions no slot holds are left out.
std::vector<int> ShownReceivedSlots(const cmcEeprom& image, const OlderLayouts::ReceivedCallLayout& layout);

// Copies the parts of a received call that every generation keeps alike: status byte, call
// block and message.
void CopyReceivedCallSlot(const cmcEeprom& source, const OlderLayouts::ReceivedCallLayout& from, cmcEeprom& target,
                          const OlderLayouts::ReceivedCallLayout& to, int slot);

// Generation 1's SSID index of a generation-2 SSID text (two bytes, 0xFF-filled); 0 when none
// matches.
std::uint8_t SsidIndexOf(std::uint8_t first, std::uint8_t second);
// The two-byte, 0xFF-filled SSID text of an SSID index; indexes above the table mean none.
std::array<std::uint8_t, 2> SsidTextOf(std::uint8_t index);

}  // namespace ConversionBytes
