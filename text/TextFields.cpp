#include "text/TextFields.h"

#include <algorithm>

#include "text/Cp932.h"

namespace {

// Position of the first separator at or after from, or the text's size when there is none.
std::size_t SeparatorFrom(std::string_view text, char separator, std::size_t from) {
  std::size_t start = from;
  while (start < text.size()) {
    const std::size_t length = CharacterLength(text, start);
    if (length == 1 && text[start] == separator) break;
    start += length;
  }
  return start;
}

// Whether a character is one that trimming removes.
using TrimPredicate = bool (*)(std::string_view character);

bool IsSpaceOrTab(std::string_view character) { return character == " " || character == "\t"; }
bool IsControlOrSpace(std::string_view character) {
  return character.size() == 1 && static_cast<unsigned char>(character[0]) <= 0x20;
}
bool IsAnySpace(std::string_view character) { return character == " " || character == "\x81\x40"; }

// The text from its first kept character to the end of its last kept character; leading
// trimmed characters are dropped only when trimLeading is set.
std::string_view Trimmed(std::string_view text, TrimPredicate trimmable, bool trimLeading) {
  std::size_t begin = trimLeading ? text.size() : 0;
  std::size_t end = 0;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t length = CharacterLength(text, start);
    if (!trimmable(text.substr(start, length))) {
      begin = std::min(begin, start);
      end = start + length;
    }
    start += length;
  }
  if (end == 0) return text.substr(0, 0);  // nothing kept
  return text.substr(begin, end - begin);
}

}  // namespace

std::vector<std::string_view> SplitFields(std::string_view text, char separator) {
  std::vector<std::string_view> fields;
  std::size_t begin = 0;
  for (;;) {
    const std::size_t end = SeparatorFrom(text, separator, begin);
    fields.push_back(text.substr(begin, end - begin));
    if (end == text.size()) return fields;
    begin = end + 1;
  }
}

std::string_view FieldAt(std::string_view text, char separator, std::size_t n) {
  std::size_t begin = 0;
  for (std::size_t k = 0; k < n; ++k) {
    const std::size_t end = SeparatorFrom(text, separator, begin);
    if (end == text.size()) return {};
    begin = end + 1;
  }
  return text.substr(begin, SeparatorFrom(text, separator, begin) - begin);
}

std::string_view TrimSpacesAndTabs(std::string_view text) { return Trimmed(text, IsSpaceOrTab, true); }

std::string_view TrimControlsAndSpaces(std::string_view text) { return Trimmed(text, IsControlOrSpace, true); }

std::string_view TrimTrailingSpaces(std::string_view text) { return Trimmed(text, IsAnySpace, false); }
