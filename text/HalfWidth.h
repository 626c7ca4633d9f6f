#pragma once
// The half-width mapping of typed Japanese text: full-width letters, digits and signs become
// ASCII, hiragana and katakana become half-width katakana (a voiced kana becomes its base
// followed by the voicing mark 0xDE or 0xDF), the ideographic space a space, and the
// full-width punctuation that has a half-width form takes it.
#include <string>
#include <string_view>

// The text with every mapped double-byte character replaced by its one or two half-width
// bytes; single bytes, invalid bytes and unmapped double-byte characters stay as they are.
std::string ToHalfWidth(std::string_view text);
