#include "text/cmcScrBlock.h"

#include "text/TextFields.h"

void cmcScrBlock::Parse(std::string_view text) {
  const std::size_t space = text.find(' ');
  name_ = std::string(TrimSpacesAndTabs(text.substr(0, space)));
  items_.clear();
  const std::string_view rest = space == std::string_view::npos ? std::string_view() : text.substr(space + 1);
  for (const std::string_view item : SplitFields(TrimSpacesAndTabs(rest), ','))
    items_.emplace_back(TrimSpacesAndTabs(item));
}

const std::string& cmcScrBlock::GetItem(std::size_t i) const {
  static const std::string empty;
  return i < items_.size() ? items_[i] : empty;
}
