#include "memory/RadioRepeaterOrder.h"

#include <algorithm>

#include "memory/ConversionBytes.h"

using MemoryMap::kEmptySlot16;
using MemoryMap::kRepeaterCount;
using MemoryMap::kRepeaterGroupCount;

using namespace ConversionBytes;

namespace {

template <std::size_t N>
std::array<std::uint16_t, N> ReadU16Table(const cmcEeprom& image, MemoryMap::Address address) {
  const auto bytes = ReadRecord<2 * N>(image, address);
  std::array<std::uint16_t, N> values;
  for (std::size_t i = 0; i < N; ++i) {
    values[i] = static_cast<std::uint16_t>(bytes[2 * i] << 8 | bytes[2 * i + 1]);
  }
  return values;
}

template <std::size_t N>
void WriteU16Table(cmcEeprom& image, MemoryMap::Address address, const std::array<std::uint16_t, N>& values) {
  Record<2 * N> bytes;
  for (std::size_t i = 0; i < N; ++i) {
    bytes[2 * i] = static_cast<std::uint8_t>(values[i] >> 8);
    bytes[2 * i + 1] = static_cast<std::uint8_t>(values[i]);
  }
  WriteRecord(image, address, bytes);
}

}  // namespace

RadioRepeaterOrder RadioRepeaterOrder::Read(const cmcEeprom& image) {
  RadioRepeaterOrder order;
  order.entries_ = ReadU16Table<kRepeaterCount>(image, MemoryMap::kRepeaterOrder);
  order.starts_ = ReadU16Table<kRepeaterGroupCount>(image, MemoryMap::kRepeaterGroupStarts);
  order.length_ =
      static_cast<int>(std::find(order.entries_.begin(), order.entries_.end(), kEmptySlot16) - order.entries_.begin());
  return order;
}

void RadioRepeaterOrder::Write(cmcEeprom& image) const {
  WriteU16Table(image, MemoryMap::kRepeaterOrder, entries_);
  WriteU16Table(image, MemoryMap::kRepeaterGroupStarts, starts_);
}

std::uint16_t RadioRepeaterOrder::EntryAt(int position) const { return entries_[static_cast<std::size_t>(position)]; }

RadioRepeaterOrder::GroupCounts RadioRepeaterOrder::CountsOfGroups() const {
  GroupCounts counts{};
  int end = length_;
  for (int group = kRepeaterGroupCount - 1; group >= 0; --group) {
    const int start = starts_[static_cast<std::size_t>(group)];
    if (start >= end) continue;
    counts[static_cast<std::size_t>(group)] = end - start;
    end = start;
  }
  return counts;
}

int RadioRepeaterOrder::GroupHolding(int position, const GroupCounts& counts) const {
  for (int group = 0; group < kRepeaterGroupCount; ++group) {
    const auto g = static_cast<std::size_t>(group);
    if (counts[g] > 0 && starts_[g] <= position && position < starts_[g] + counts[g]) return group;
  }
  return kRepeaterGroupCount;
}

void RadioRepeaterOrder::RemovePosition(int position) {
  const GroupCounts counts = CountsOfGroups();
  const int holder = GroupHolding(position, counts);
  if (holder < kRepeaterGroupCount && counts[static_cast<std::size_t>(holder)] == 1) {
    starts_[static_cast<std::size_t>(holder)] = kEmptySlot16;
  }
  for (std::uint16_t& start : starts_) {
    if (start > position && start < kRepeaterCount) --start;
  }
  const auto removed = entries_.begin() + position;
  std::move(removed + 1, entries_.end(), removed);
  entries_.back() = kEmptySlot16;
  if (position < length_) --length_;
}

void RadioRepeaterOrder::SetGroupStart(int group, std::uint16_t start) {
  starts_[static_cast<std::size_t>(group)] = start;
}
