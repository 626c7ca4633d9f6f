#include "clone/CloneRanges.h"

#include <algorithm>

#include "memory/MemoryMap.h"

AddressRangeList CloneReadRanges() { return {{0, MemoryMap::kExchangedEnd}, kAddressRangeEnd}; }

AddressRangeList CloneWriteRanges() {
  return {{0x00000, 0x06A3F}, {0x06A40, 0x06B3F}, {0x06B40, 0x06FBF}, {0x06FC0, 0x0753F},
          {0x07540, 0x0A8BF}, {0x0A8C0, 0x185BF}, {0x185C0, 0x1A1FF}, {0x1A200, 0x1AC3F},
          {0x1AC40, 0x1AF3F}, {0x1AF40, 0x1AF4F}, {0x1AF50, 0x1FB3F}, kAddressRangeEnd};
}

std::int64_t RangeByteTotal(const AddressRangeList& ranges) {
  std::int64_t total = 0;
  for (const AddressRange& range : ranges) {
    if (range.IsEndMarker()) break;
    total += std::int64_t{range.end} - range.start + 1;
  }
  return total;
}

int ProgressSegments(std::int64_t bytes, std::int64_t total) {
  if (total <= 0) return 0;
  return static_cast<int>(std::clamp<std::int64_t>(bytes * (kProgressSegments + 1) / total, 0, kProgressSegments));
}
