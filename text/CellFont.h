#pragma once
// A cell's font as the markup describes it. The user interface turns it into a real font:
// a negative height is a character height in pixels, the charset only chooses how texts
// are decoded, and the desktop substitutes the face names.
#include <cstdint>
#include <string>
#include <string_view>

#include "text/ColorNames.h"

enum FontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
enum FontPitch : uint8_t { fpDefault = 0, fpVariable = 1, fpFixed = 2 };
constexpr int kDefaultCharset = 1;
constexpr int kShiftJisCharset = 128;

// Whether the system's default language is Japanese; chooses the default face.
void SetSystemLanguageJapanese(bool japanese);
bool SystemLanguageIsJapanese();

// "ＭＳ Ｐゴシック" (in the program's code page) on a Japanese system, "MS Sans Serif" otherwise.
std::string DefaultFontFace();

struct CellFont {
  int charset = kDefaultCharset;
  std::string face = DefaultFontFace();
  uint32_t color = kClWindowText;
  int height = -11;
  int size = 8;
  uint8_t style = 0;
  uint8_t pitch = fpDefault;

  bool operator==(const CellFont&) const = default;
};

// Applies the up to seven comma-separated fields of a font value (charset, face, colour,
// height, size, style, pitch) to font. Fields that are absent or not understood leave
// the font as it is, except the face, which an empty field resets to the default.
void ApplyFontFields(CellFont& font, std::string_view fields);
