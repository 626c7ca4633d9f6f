#pragma once
// A word and its comma-separated items, as sheet directives and list arguments write them:
// "RptCH  3" has the name "RptCH" and item 0 "3".
#include <string>
#include <string_view>
#include <vector>

class cmcScrBlock {
 public:
  void Parse(std::string_view text);

  const std::string& Name() const { return name_; }
  std::size_t Count() const { return items_.size(); }
  // Item i, or an empty string outside 0 to Count() - 1.
  const std::string& GetItem(std::size_t i) const;

 private:
  std::string name_;
  std::vector<std::string> items_;
};
