#include "values/CallSignCell.h"

#include <algorithm>

#include "text/Cp932.h"
#include "text/TextFields.h"

namespace {

constexpr std::size_t kCallSignLength = 8;

bool IsCallSignCharacter(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || c == '/'; }

char UpperCase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Every character upper-cased; one that a call sign cannot hold (a double-byte character
// counts as one) becomes a space.
std::string CallSignCharacters(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); i += CharacterLength(text, i)) {
    const char c = UpperCase(text[i]);
    out.push_back(CharacterLength(text, i) == 1 && IsCallSignCharacter(c) ? c : ' ');
  }
  return out;
}

// A call sign with an inner space ("JA1ABC B") gets its last word moved to the right end of
// the 8 characters, so the module letter lands in column 8 ("JA1ABC  B"). Text whose words
// do not fit stays as it is.
std::string Aligned(std::string text) {
  const std::string_view trimmed = TrimTrailingSpaces(text);
  const std::size_t lastSpace = trimmed.find_last_of(' ');
  if (lastSpace == std::string_view::npos) return text;
  const std::string_view head = TrimTrailingSpaces(trimmed.substr(0, lastSpace));
  const std::string_view lastWord = trimmed.substr(lastSpace + 1);
  if (head.empty() || head.size() + lastWord.size() >= kCallSignLength + 1) return text;
  std::string aligned(head);
  aligned.resize(kCallSignLength - lastWord.size(), ' ');
  return aligned.append(lastWord);
}

}  // namespace

CallSignCell::CallSignCell(const CodecSettings& settings, bool gatewayRule)
    : settings_(settings), gatewayRule_(gatewayRule) {}

std::string CallSignCell::Display(std::span<const char> field) const {
  return std::string(TrimTrailingSpaces(std::string_view(field.data(), field.size())));
}

std::string CallSignCell::Cleaned(std::string_view text, std::size_t width) const {
  std::string call = CallSignCharacters(text);
  const std::string_view trimmed = TrimTrailingSpaces(call);
  const bool align = settings_.autoCorrect && width == kCallSignLength &&
                     (!gatewayRule_ || (!trimmed.empty() && trimmed.back() == 'G'));
  if (align) call = Aligned(std::move(call));
  call.resize(width, ' ');
  return call;
}

bool CallSignCell::Commit(std::string_view text, std::span<char> field) const {
  const std::string call = Cleaned(text, field.size());
  std::copy(call.begin(), call.end(), field.begin());
  return true;
}

KeyReply CallSignCell::Key(int key, std::span<const char> field) const {
  const int maxLength = static_cast<int>(field.size());
  if (IsEnterKey(key) || key == kKeyF2 || key == kKeySpace || key == kKeyBackspace) {
    return KeyReply::EditSelected(Display(field), maxLength);
  }
  const char c = TypedCharacter(key);
  if (!IsCallSignCharacter(UpperCase(c))) return KeyReply::None();
  return KeyReply::EditTyped(std::string(1, c), maxLength);
}
