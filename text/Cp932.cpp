#include "text/Cp932.h"

#include "platform/Fatal.h"

namespace {

unsigned char byteAt(std::string_view text, std::size_t i) { return static_cast<unsigned char>(text[i]); }

ByteClass singleByteClass(unsigned char c) {
  if (isPrintableAscii(c)) return ByteClass::Printable;
  if (isHalfWidthKatakana(c)) return ByteClass::Katakana;
  return ByteClass::Invalid;
}

}  // namespace

std::size_t characterLength(std::string_view text, std::size_t start) {
  if (start + 1 >= text.size()) return 1;
  const unsigned char c = byteAt(text, start);
  if (isLeadByte(c)) return 2;
  return isExtensionLeadByte(c) && isTrailByte(byteAt(text, start + 1)) ? 2 : 1;
}

ByteClass characterClass(std::string_view text, std::size_t start) {
  if (characterLength(text, start) == 1) return singleByteClass(byteAt(text, start));
  return isTrailByte(text[start + 1]) ? ByteClass::Lead : ByteClass::Invalid;
}

ByteClass classifyByte(std::string_view text, std::size_t i) {
  if (i >= text.size()) fatal("classifyByte: position outside the text");
  const std::size_t start = cutLength(text, i);  // the start of the character holding byte i
  const ByteClass first = characterClass(text, start);
  if (start == i) return first;
  return first == ByteClass::Lead ? ByteClass::Trail : ByteClass::Invalid;
}

std::size_t cutLength(std::string_view text, std::size_t maxBytes) {
  if (maxBytes >= text.size()) return text.size();
  std::size_t start = 0;
  while (start + characterLength(text, start) <= maxBytes) start += characterLength(text, start);
  return start;
}
