#include "values/TextCell.h"

#include <algorithm>

#include "text/Cp932.h"
#include "text/HalfWidth.h"
#include "text/Sanitise.h"
#include "text/TextFields.h"

namespace {

// What the radio cannot show is removed in two passes: invalid bytes before the half-width
// mapping (which only knows valid characters), double-byte characters without a half-width
// form after it.
const SanitiseRule kDropInvalid{CharTreatment::Removed(), CharTreatment::Kept(), CharTreatment::Kept()};
const SanitiseRule kDropDoubleByte{CharTreatment::Removed(), CharTreatment::Removed(), CharTreatment::Kept()};
const SanitiseRule kDropDoubleByteAndKatakana{CharTreatment::Removed(), CharTreatment::Removed(),
                                              CharTreatment::Removed()};
// A Western display has no glyphs for them.
const SanitiseRule kWesternDisplay{CharTreatment::Kept(), CharTreatment::ReplacedBy("="),
                                   CharTreatment::ReplacedBy("_")};

}  // namespace

TextCell::TextCell(const TextCellFormat& format, const CodecSettings& settings)
    : format_(format), settings_(settings) {}

std::string TextCell::EditorText(std::span<const char> field) const {
  std::string text(field.begin(), field.end());
  if (format_.padding != ' ') std::replace(text.begin(), text.end(), format_.padding, ' ');
  return std::string(TrimTrailingSpaces(text));
}

std::string TextCell::Display(std::span<const char> field) const {
  const std::string text = EditorText(field);
  return settings_.japaneseDisplay ? text : Sanitise(text, kWesternDisplay);
}

std::string TextCell::Cleaned(std::string_view text) const {
  const std::string halfWidth = ToHalfWidth(Sanitise(text, kDropInvalid));
  return Sanitise(halfWidth, format_.katakana ? kDropDoubleByte : kDropDoubleByteAndKatakana);
}

bool TextCell::Commit(std::string_view text, std::span<char> field) const {
  std::string stored = FitToWidth(Cleaned(text), field.size());
  if (format_.padding != ' ') {
    const std::size_t end = TrimTrailingSpaces(stored).size();
    std::fill(stored.begin() + static_cast<std::ptrdiff_t>(end), stored.end(), format_.padding);
  }
  std::copy(stored.begin(), stored.end(), field.begin());
  return true;
}

KeyReply TextCell::Key(int key, std::span<const char> field) const {
  const int maxLength = static_cast<int>(field.size());
  if (IsEnterKey(key) || key == kKeyF2 || key == kKeySpace || key == kKeyBackspace || key == kKeyInputMethodStart) {
    return KeyReply::EditSelected(EditorText(field), maxLength);
  }
  if (key > 0 && key <= 0xFF && IsLeadByte(static_cast<unsigned char>(key))) {
    return KeyReply::EditTyped({}, maxLength);
  }
  const char c = TypedCharacter(key);
  if (c == 0 || (IsHalfWidthKatakana(c) && !format_.katakana)) return KeyReply::None();
  return KeyReply::EditTyped(std::string(1, c), maxLength);
}
