#pragma once
// Cleaning texts down to what the radio can show (printable ASCII and half-width katakana),
// and fitting them into the image's fixed-width, space-padded fields.
#include <cstddef>
#include <string>
#include <string_view>

// What sanitising does with one character of a class: keep it, or put the replacement text
// in its place (an empty replacement removes it and closes the gap).
struct CharTreatment {
  static CharTreatment Kept() { return {true, {}}; }
  static CharTreatment ReplacedBy(std::string_view text) { return {false, text}; }
  static CharTreatment Removed() { return {false, {}}; }

  bool keep;
  std::string_view replacement;
};

// Treatments per class of character (see ByteClass). Invalid bytes are treated one by one, so
// a lead byte with an invalid second byte takes the replacement twice; a valid double-byte
// character is treated as a whole ("=" shows it as one sign, "  " blanks both bytes).
struct SanitiseRule {
  CharTreatment invalidByte;
  CharTreatment doubleByte;
  CharTreatment katakana;
};

// The text with every character treated by rule; printable ASCII always stays.
std::string Sanitise(std::string_view text, const SanitiseRule& rule);

// The text cut to at most width bytes without splitting a double-byte character, padded with
// spaces to width: the form of a fixed field in the image.
std::string FitToWidth(std::string_view text, std::size_t width);
