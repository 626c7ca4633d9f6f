#include "sheet/BitSetCell.h"

#include "platform/Fatal.h"

namespace {

constexpr std::size_t kMaxFlags = 32;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }

char NextInRun(char c) {
  if (c == '9') return '0';
  return static_cast<char>(c + 1);
}

char UpperCase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

BitSetCell::BitSetCell(char first, char last) {
  const bool digits = IsDigit(first) && IsDigit(last);
  if (!digits && !(IsUpperLetter(first) && IsUpperLetter(last))) Fatal("Invalid bit set cell.");
  for (char c = first; characters_.size() < kMaxFlags; c = NextInRun(c)) {
    characters_.push_back(c);
    if (c == last) return;
    if (c == 'Z') break;
  }
  Fatal("Invalid bit set cell.");
}

std::uint32_t BitSetCell::Mask() const {
  return characters_.size() == kMaxFlags ? 0xFFFFFFFFu : (1u << characters_.size()) - 1;
}

std::string BitSetCell::Display(std::uint32_t bits) const {
  std::string text;
  for (std::size_t k = 0; k < characters_.size(); ++k) {
    text.push_back((bits >> k) & 1u ? characters_[k] : '_');
  }
  return text + '\n';
}

KeyReply BitSetCell::Key(int key, std::uint32_t& bits) const {
  if (IsEnterKey(key) || key == kKeyF2) return KeyReply::Popup(Display(bits));
  if (key == kKeySpace) {
    bits = (bits & Mask()) == 0 ? bits | Mask() : bits & ~Mask();
    return KeyReply::Changed();
  }
  if (key == kKeyBackspace) {
    bits ^= Mask();
    return KeyReply::Changed();
  }
  const std::size_t k = characters_.find(UpperCase(TypedCharacter(key)));
  if (TypedCharacter(key) == 0 || k == std::string::npos) return KeyReply::None();
  bits ^= 1u << k;
  return KeyReply::Changed();
}
