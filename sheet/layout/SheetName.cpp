#include "sheet/layout/SheetName.h"

#include <charconv>

#include "text/TextFields.h"

SheetName SplitSheetName(std::string_view name) {
  SheetName result;
  const std::size_t comma = name.find(',');
  std::string_view head = name.substr(0, comma);
  if (comma != std::string_view::npos) result.arguments = std::string(name.substr(comma + 1));
  const std::size_t open = head.find('[');
  const std::size_t close = open == std::string_view::npos ? open : head.find(']', open + 1);
  if (close != std::string_view::npos) {
    result.type = std::string(head.substr(open + 1, close - open - 1));
    head = head.substr(close + 1);
  }
  result.key = std::string(head);
  return result;
}

int ArgumentNumber(std::string_view arguments) {
  if (arguments.empty()) return -1;
  std::string_view field = TrimSpacesAndTabs(FieldAt(arguments, ',', 0));
  if (!field.empty() && field.front() == '+') field.remove_prefix(1);
  int value = 0;
  std::from_chars(field.data(), field.data() + field.size(), value);
  return value;
}
