#include "workflows/DialogFilters.h"

std::vector<std::string> DialogFilters(const std::string& line) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t bar = line.find('|'); bar != std::string::npos; bar = line.find('|', start)) {
    parts.push_back(line.substr(start, bar - start));
    start = bar + 1;
  }
  parts.push_back(line.substr(start));
  std::vector<std::string> filters;
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    const std::string& text = parts[i];
    filters.push_back(text.find('(') != std::string::npos ? text : text + " (" + parts[i + 1] + ")");
  }
  return filters;
}
