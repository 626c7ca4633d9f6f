#pragma once
// A line table made from literal lines, for tests of the text database and the markup.
// Line 0 is the empty line every table starts with.
#include <string>
#include <vector>

#include "text/LineTables.h"

class LineTableFixture {
 public:
  explicit LineTableFixture(std::vector<std::string> body) : lines_{""} {
    lines_.insert(lines_.end(), body.begin(), body.end());
    for (const auto& line : lines_) pointers_.push_back(line.c_str());
  }
  LineTableFixture(const LineTableFixture&) = delete;
  LineTableFixture& operator=(const LineTableFixture&) = delete;

  LineTable Table() const { return {pointers_.data(), pointers_.size()}; }

 private:
  std::vector<std::string> lines_;
  std::vector<const char*> pointers_;
};
