#pragma once
// The text cell: a fixed-width text field of the image (names, messages, comments) shown
// trimmed and taken from typed text cleaned down to what the radio shows: printable ASCII and,
// where the field takes them, half-width katakana.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "values/CodecSettings.h"
#include "values/KeyReply.h"

struct TextCellFormat {
  bool katakana = true;  // the field takes half-width katakana
  // The byte after the text: a space, or 0xFF for the fields the radio fills with 0xFF (a
  // 0xFF byte then shows as a space).
  char padding = ' ';
};

class TextCell {
 public:
  TextCell(const TextCellFormat& format, const CodecSettings& settings);

  // The field without trailing spaces; unless the display is Japanese, double-byte characters
  // show as "=" and katakana as "_".
  std::string Display(std::span<const char> field) const;
  // The field's text as the editor shows it: trimmed, every byte as it is.
  std::string EditorText(std::span<const char> field) const;
  // Cleans the typed text, maps full-width forms and kana to half-width, and stores it cut to
  // the field without splitting a character, padded. Always answers true.
  bool Commit(std::string_view text, std::span<char> field) const;
  KeyReply Key(int key, std::span<const char> field) const;

 private:
  std::string Cleaned(std::string_view text) const;

  TextCellFormat format_;
  CodecSettings settings_;
};
