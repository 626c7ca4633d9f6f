#pragma once
// Lists of inclusive address ranges, as the clone frames, the clone sessions and the image
// files use them to name the parts of an image that are exchanged. A list ends with a pair
// whose end is below its start; pairs after it are not part of the list.
#include <cstdint>
#include <vector>

struct AddressRange {
  std::int32_t start = 0;
  std::int32_t end = 0;

  constexpr bool IsEndMarker() const { return end < start; }
};

// The conventional end marker.
inline constexpr AddressRange kAddressRangeEnd{1, 0};

using AddressRangeList = std::vector<AddressRange>;
