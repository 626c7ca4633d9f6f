#include "values/ZeroPadded.h"

#include <cstdio>

std::optional<int> DigitsAt(std::string_view text, std::size_t at, std::size_t count) {
  if (at + count > text.size()) return std::nullopt;
  int value = 0;
  for (std::size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

std::string ZeroPadded(long long value, int digits) {
  char text[32];
  std::snprintf(text, sizeof text, "%0*lld", digits, value);
  return text;
}
