#pragma once
// printf-style formatting of the program's texts ("(Remain %3d CH)", "Group %c  No.%d"),
// whose patterns come from the built-in text tables. The result is as long as it needs to be.
#include <cstdio>
#include <string>

template <typename... Args>
std::string FormattedText(const std::string& pattern, Args... args) {
  const int length = std::snprintf(nullptr, 0, pattern.c_str(), args...);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  std::snprintf(text.data(), text.size(), pattern.c_str(), args...);
  text.pop_back();
  return text;
}
