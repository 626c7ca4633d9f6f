#pragma once
// Walking the built-in tables in tests: their keys in table order and the lines
// of a value.
#include <string>
#include <vector>

#include "text/ApplicationTexts.h"
#include "text/LineTables.h"

// The key lines in table order; a terminator line "#" alone is not a key.
inline std::vector<std::string> KeysOf(LineTable table) {
  std::vector<std::string> keys;
  for (std::size_t i = 0; i < table.count; ++i) {
    const std::string line = table.lines[i];
    if (line.size() > 1 && line[0] == '#') keys.push_back(line.substr(1));
  }
  return keys;
}

// The value lines of key in the application-wide database, empty lines
// included, up to the first line that begins with '#'.
inline std::vector<std::string> ValueLines(const std::string& key) {
  std::vector<std::string> lines;
  for (int n = 0;; ++n) {
    std::string line = ApplicationTexts().GetLine(key, n);
    if (!line.empty() && line[0] == '#') return lines;
    lines.push_back(std::move(line));
  }
}
