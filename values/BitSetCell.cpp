#include "values/BitSetCell.h"

#include "platform/Fatal.h"

namespace {

constexpr std::size_t kMaxFlags = 32;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }

char NextInRun(char c) {
  if (c == '9') return '0';
  return static_cast<char>(c + 1);
}

constexpr int kNumberLabels = 0;
constexpr int kDigitLabels = 2;
constexpr int kLetterLabels = 3;

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

// Letters are labelled by their place in the alphabet, a digit run starting at 1 by its
// digits with 0 for ten, a run starting at 0 by plain numbers.
BitFieldPopup BitSetCell::Editor(std::uint32_t bits) const {
  const int count = static_cast<int>(characters_.size());
  BitFieldPopup editor;
  editor.value = PackBitFieldFlags(bits, count);
  const char first = characters_.front();
  editor.labelType = IsUpperLetter(first) ? kLetterLabels : first == '0' ? kNumberLabels : kDigitLabels;
  editor.first = IsUpperLetter(first) ? first - 'A' + 1 : first - '0';
  editor.last = editor.first + count - 1;
  return editor;
}

bool BitSetCell::Pick(std::string_view text, std::uint32_t& bits) const {
  const auto packed = ReadBitFieldValue(text);
  if (!packed) return false;
  const std::uint32_t flags = UnpackBitFieldFlags(*packed, static_cast<int>(characters_.size()));
  const std::uint32_t picked = (bits & ~Mask()) | flags;
  const bool changed = picked != bits;
  bits = picked;
  return changed;
}

KeyReply BitSetCell::Key(int key, std::uint32_t& bits) const {
  if (IsEnterKey(key) || key == kKeyF2) return KeyReply::Popup(Editor(bits));
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
