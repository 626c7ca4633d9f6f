#pragma once
// Character classes of the program's double-byte code page. A lead byte and the byte after
// it form one character; that second byte is never taken for a markup or separator character.
#include <cstddef>
#include <string_view>

inline bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xEF); }
inline bool IsLeadByte(char c) { return IsLeadByte(static_cast<unsigned char>(c)); }

// Second bytes that make a lead byte a valid double-byte character.
inline bool IsTrailByte(unsigned char c) { return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC); }
inline bool IsTrailByte(char c) { return IsTrailByte(static_cast<unsigned char>(c)); }

// The code page also leads user-defined and extension characters (typed names such as a
// variant kanji come out this way) with 0xF0 to 0xFC. Such a byte is no lead byte for the
// markup, but followed by a trail byte it is one character: its second byte, often a letter
// or katakana byte, must not pass as a character of its own.
inline bool IsExtensionLeadByte(unsigned char c) { return c >= 0xF0 && c <= 0xFC; }

// The single bytes the radio shows: printable ASCII and half-width katakana.
inline bool IsPrintableAscii(unsigned char c) { return c >= 0x20 && c <= 0x7E; }
inline bool IsPrintableAscii(char c) { return IsPrintableAscii(static_cast<unsigned char>(c)); }
inline bool IsHalfWidthKatakana(unsigned char c) { return c >= 0xA1 && c <= 0xDF; }
inline bool IsHalfWidthKatakana(char c) { return IsHalfWidthKatakana(static_cast<unsigned char>(c)); }

enum class ByteClass {
  Printable,  // printable ASCII
  Katakana,   // half-width katakana
  Lead,       // first byte of a valid double-byte character
  Trail,      // second byte of a valid double-byte character
  Invalid,    // any other byte: a control or unassigned single byte, either byte of a lead
              // byte followed by an invalid second byte, a lead byte in the last position
};

// Bytes taken by the character that starts at start: 2 for a lead byte with any byte after
// it, and for an extension lead byte followed by a trail byte; 1 otherwise. The text is the
// whole field, so a lead byte in its last position is a character of one (invalid) byte.
std::size_t CharacterLength(std::string_view text, std::size_t start);

// Class of the character that starts at start: Printable, Katakana, Lead for a valid
// double-byte character, or Invalid (a two-byte invalid character is invalid as a whole).
ByteClass CharacterClass(std::string_view text, std::size_t start);

// Class of byte i, found by scanning the characters from the start of text. An index
// outside the text is a defect (fatal).
ByteClass ClassifyByte(std::string_view text, std::size_t i);

// Length of the longest prefix of text, at most maxBytes long, that splits no character.
std::size_t CutLength(std::string_view text, std::size_t maxBytes);
