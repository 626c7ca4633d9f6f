#include "text/Sanitise.h"

#include "text/Cp932.h"

namespace {

void appendTreated(std::string& out, std::string_view character, const CharTreatment& treatment) {
  out.append(treatment.keep ? character : treatment.replacement);
}

}  // namespace

std::string sanitise(std::string_view text, const SanitiseRule& rule) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t length = characterLength(text, start);
    const std::string_view character = text.substr(start, length);
    switch (characterClass(text, start)) {
      case ByteClass::Printable: out.append(character); break;
      case ByteClass::Katakana: appendTreated(out, character, rule.katakana); break;
      case ByteClass::Lead: appendTreated(out, character, rule.doubleByte); break;
      default:  // invalid: byte by byte
        for (std::size_t k = 0; k < length; ++k) appendTreated(out, character.substr(k, 1), rule.invalidByte);
        break;
    }
    start += length;
  }
  return out;
}

std::string fitToWidth(std::string_view text, std::size_t width) {
  std::string field(text.substr(0, cutLength(text, width)));
  field.resize(width, ' ');
  return field;
}
