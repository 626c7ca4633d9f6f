#pragma once
// The answer to a query: two values and an optional byte block, all empty when no listener
// answered. Callers take a zero value or an absent block as no answer.
#include <cstdint>
#include <vector>

struct cmcEvAns {
  std::intptr_t value1 = 0;
  std::intptr_t value2 = 0;
  std::vector<std::uint8_t> data;
  bool answered = false;

  bool HasData() const { return !data.empty(); }
};
