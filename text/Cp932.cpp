#include "text/Cp932.h"

#include "platform/Fatal.h"

namespace {

unsigned char ByteAt(std::string_view text, std::size_t i) { return static_cast<unsigned char>(text[i]); }

ByteClass SingleByteClass(unsigned char c) {
  if (IsPrintableAscii(c)) return ByteClass::Printable;
  if (IsHalfWidthKatakana(c)) return ByteClass::Katakana;
  return ByteClass::Invalid;
}

}  // namespace

std::size_t CharacterLength(std::string_view text, std::size_t start) {
  if (start + 1 >= text.size()) return 1;
  const unsigned char c = ByteAt(text, start);
  if (IsLeadByte(c)) return 2;
  return IsExtensionLeadByte(c) && IsTrailByte(ByteAt(text, start + 1)) ? 2 : 1;
}

ByteClass CharacterClass(std::string_view text, std::size_t start) {
  if (CharacterLength(text, start) == 1) return SingleByteClass(ByteAt(text, start));
  return IsTrailByte(text[start + 1]) ? ByteClass::Lead : ByteClass::Invalid;
}

ByteClass ClassifyByte(std::string_view text, std::size_t i) {
  if (i >= text.size()) Fatal("classifyByte: position outside the text");
  const std::size_t start = CutLength(text, i);  // the start of the character holding byte i
  const ByteClass first = CharacterClass(text, start);
  if (start == i) return first;
  return first == ByteClass::Lead ? ByteClass::Trail : ByteClass::Invalid;
}

std::size_t CutLength(std::string_view text, std::size_t maxBytes) {
  if (maxBytes >= text.size()) return text.size();
  std::size_t start = 0;
  while (start + CharacterLength(text, start) <= maxBytes) start += CharacterLength(text, start);
  return start;
}
