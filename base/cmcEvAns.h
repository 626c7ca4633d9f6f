#pragma once
// The answer to a query: two numbers, an optional byte block and an optional object, all
// empty when no listener answered. Callers take a zero value or an absent block as no
// answer. An object answer is a copy the asker reads by its type (std::any_cast), so no
// address has to travel.
#include <any>
#include <cstdint>
#include <vector>

struct cmcEvAns {
  std::int64_t value1 = 0;
  std::int64_t value2 = 0;
  std::vector<std::uint8_t> data;
  std::any object;
  bool answered = false;

  bool HasData() const { return !data.empty(); }
};
