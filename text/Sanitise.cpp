#include "text/Sanitise.h"

#include "text/Cp932.h"

namespace {

void AppendTreated(std::string& out, std::string_view character, const CharTreatment& treatment) {
  out.append(treatment.keep ? character : treatment.replacement);
}

}  // namespace

std::string Sanitise(std::string_view text, const SanitiseRule& rule) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t length = CharacterLength(text, start);
    const std::string_view character = text.substr(start, length);
    switch (CharacterClass(text, start)) {
      case ByteClass::Printable:
        out.append(character);
        break;
      case ByteClass::Katakana:
        AppendTreated(out, character, rule.katakana);
        break;
      case ByteClass::Lead:
        AppendTreated(out, character, rule.doubleByte);
        break;
      default:  // invalid: byte by byte
        for (std::size_t k = 0; k < length; ++k) AppendTreated(out, character.substr(k, 1), rule.invalidByte);
        break;
    }
    start += length;
  }
  return out;
}

std::string FitToWidth(std::string_view text, std::size_t width) {
  std::string field(text.substr(0, CutLength(text, width)));
  field.resize(width, ' ');
  return field;
}
