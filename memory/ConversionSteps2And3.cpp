// The steps between generations 2 and 3, which share one layout: generation 3 adds the split
// tone modes and three setting bytes, and generation 2 keeps two flag bits set.
#include <algorithm>

#include "memory/ConversionBytes.h"
#include "memory/ConversionSteps.h"
#include "memory/Generation.h"
#include "memory/MemoryMap.h"

using MemoryMap::Address;
namespace Generation2 = OlderLayouts::Generation2;

using namespace ConversionBytes;

namespace {

constexpr int kToneModeByte = 10;
constexpr int kToneModeShift = 4;
constexpr std::uint8_t kBelowToneModeMask = 0x0F;

void CopyWhole(const cmcEeprom& source, int targetGeneration, cmcEeprom& target) {
  PrepareImage(target, targetGeneration);
  if (!target.WriteBlock(0, source.Bytes().data(), std::min(source.GetSize(), target.GetSize()))) {
    ConversionRangeDefect();
  }
}

Address ChannelRecordAddress(int index) {
  using namespace MemoryMap;
  if (index < kFirstScanEdgeIndex) return kMemoryChannels + kChannelRecordSize * index;
  if (index < kFirstCallChannelIndex) {
    return kScanEdges + kChannelRecordSize * (index - kFirstScanEdgeIndex);
  }
  return kCallChannels + kChannelRecordSize * (index - kFirstCallChannelIndex);
}

// Call channels skip bit 550 of the empty map.
bool IsChannelUsed(const cmcEeprom& image, int index) {
  const int bit = index < MemoryMap::kFirstCallChannelIndex ? index : index + 1;
  const std::uint8_t byte = ReadRecord<1>(image, MemoryMap::kChannelEmptyBits + bit / 8)[0];
  return (byte >> (bit % 8) & 1) == 0;
}

void TurnSplitToneModeOff(cmcEeprom& image, int index) {
  const Address address = ChannelRecordAddress(index) + kToneModeByte;
  Record<1> byte = ReadRecord<1>(image, address);
  if (byte[0] >> kToneModeShift > Generation2::kHighestToneMode) {
    byte[0] &= kBelowToneModeMask;
    WriteRecord(image, address, byte);
  }
}

}  // namespace

void ConvertStep2To3(const cmcEeprom& source, const cmcEeprom& defaults, cmcEeprom& target) {
  CopyWhole(source, 3, target);
  ApplyByteMoves(OlderLayouts::kStep2To3Moves, source, defaults, target);
}

void ConvertStep3To2(const cmcEeprom& source, const cmcEeprom& /*defaults*/, cmcEeprom& target) {
  CopyWhole(source, 2, target);
  for (int index = 0; index < MemoryMap::kChannelIndexCount; ++index) {
    if (IsChannelUsed(target, index)) TurnSplitToneModeOff(target, index);
  }
  for (const Address address : Generation2::kCurrentOnlySettings) {
    WriteRecord(target, address, BlankRecord<1>());
  }
  Record<1> flags = ReadRecord<1>(target, Generation2::kFlagsSetByte);
  flags[0] |= Generation2::kFlagsSet;
  WriteRecord(target, Generation2::kFlagsSetByte, flags);
}
