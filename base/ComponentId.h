#pragma once
// A number that names one part of a window (a sheet's grid) in events, where addresses do not
// travel: the part draws its number when it is made and names itself by it.
#include <atomic>
#include <cstdint>

using ComponentId = std::int64_t;

inline constexpr ComponentId kNoComponent = 0;

// 1, 2, 3 ... for the life of the process.
inline ComponentId NewComponentId() {
  static std::atomic<ComponentId> last{kNoComponent};
  return ++last;
}
