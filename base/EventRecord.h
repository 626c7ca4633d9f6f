#pragma once
// One event as a listener sees it. It lives for one dispatch: a listener that needs the
// data later copies it.
#include <cstdint>
#include <string_view>
#include <vector>

enum class EventMode : std::int32_t { Queued = 0, Immediate = 1, Query = 2 };

struct EventRecord {
  std::int32_t code = 0;
  EventMode mode = EventMode::Immediate;
  // Numbers only: an index, a count, flags, a cell identifier or a component's number
  // (ComponentId). Addresses never travel on the bus.
  std::int64_t p1 = 0;
  std::int64_t p2 = 0;
  // A copied byte block; a text is copied with its terminating zero.
  std::vector<std::uint8_t> data;

  // The text up to its terminating zero ("" without data).
  std::string_view Text() const {
    const std::string_view all(reinterpret_cast<const char*>(data.data()), data.size());
    return all.substr(0, all.find('\0'));
  }
};
