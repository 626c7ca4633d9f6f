#include "text/CellFont.h"

#include <array>
#include <charconv>
#include <optional>

#include "text/TextFields.h"

namespace {

bool systemJapanese = false;

struct NamedValue {
  std::string_view name;
  int value;
};

constexpr std::array<NamedValue, 19> kCharsets = {{
    {"ANSI_CHARSET", 0},          {"DEFAULT_CHARSET", 1},      {"SYMBOL_CHARSET", 2},    {"MAC_CHARSET", 77},
    {"SHIFTJIS_CHARSET", 128},    {"HANGEUL_CHARSET", 129},    {"JOHAB_CHARSET", 130},   {"GB2312_CHARSET", 134},
    {"CHINESEBIG5_CHARSET", 136}, {"GREEK_CHARSET", 161},      {"TURKISH_CHARSET", 162}, {"VIETNAMESE_CHARSET", 163},
    {"HEBREW_CHARSET", 177},      {"ARABIC_CHARSET", 178},     {"BALTIC_CHARSET", 186},  {"RUSSIAN_CHARSET", 204},
    {"THAI_CHARSET", 222},        {"EASTEUROPE_CHARSET", 238}, {"OEM_CHARSET", 255},
}};

constexpr std::array<NamedValue, 4> kStyles = {
    {{"fsBold", fsBold}, {"fsItalic", fsItalic}, {"fsUnderline", fsUnderline}, {"fsStrikeOut", fsStrikeOut}}};

constexpr std::array<NamedValue, 3> kPitches = {
    {{"fpDefault", fpDefault}, {"fpVariable", fpVariable}, {"fpFixed", fpFixed}}};

template <std::size_t N>
std::optional<int> LookUp(const std::array<NamedValue, N>& table, std::string_view name) {
  for (const auto& entry : table) {
    if (entry.name == name) return entry.value;
  }
  return std::nullopt;
}

std::optional<int> ParseInt(std::string_view s) {
  s = TrimSpacesAndTabs(s);
  int value = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return value;
}

// A height or size field: an integer, or '%' and a percentage of the current value (at
// least 1, truncated towards zero). 0 or empty leaves the value.
void ApplyMeasure(int& measure, std::string_view field) {
  const bool percent = !field.empty() && field.front() == '%';
  const auto n = ParseInt(percent ? field.substr(1) : field);
  if (!n || *n == 0) return;
  if (!percent) {
    measure = *n;
    return;
  }
  const long long scaled = static_cast<long long>(measure) * *n / 100;
  measure = scaled == 0 ? 1 : static_cast<int>(scaled);
}

void ApplyStyle(uint8_t& style, std::string_view field) {
  bool cleared = false;
  while (true) {
    const auto plus = field.find('+');
    if (const auto bit = LookUp(kStyles, TrimSpacesAndTabs(field.substr(0, plus)))) {
      if (!cleared) style = 0;
      cleared = true;
      style = static_cast<uint8_t>(style | *bit);
    }
    if (plus == std::string_view::npos) break;
    field.remove_prefix(plus + 1);
  }
}

}  // namespace

void SetSystemLanguageJapanese(bool japanese) { systemJapanese = japanese; }
bool SystemLanguageIsJapanese() { return systemJapanese; }

std::string DefaultFontFace() {
  return systemJapanese ? "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E" : "MS Sans Serif";
}

void ApplyFontFields(CellFont& font, std::string_view fields) {
  for (int index = 0; index < 7; ++index) {
    const auto comma = fields.find(',');
    const std::string_view field = TrimSpacesAndTabs(fields.substr(0, comma));
    switch (index) {
      case 0:
        if (const auto charset = LookUp(kCharsets, field)) font.charset = *charset;
        break;
      case 1:
        font.face = field.empty() ? DefaultFontFace() : std::string(field);
        break;
      case 2:
        if (const auto color = ColorFromName(field)) font.color = *color;
        break;
      case 3:
        ApplyMeasure(font.height, field);
        break;
      case 4:
        ApplyMeasure(font.size, field);
        break;
      case 5:
        ApplyStyle(font.style, field);
        break;
      case 6:
        if (const auto pitch = LookUp(kPitches, field)) font.pitch = static_cast<uint8_t>(*pitch);
        break;
    }
    if (comma == std::string_view::npos) break;
    fields.remove_prefix(comma + 1);
  }
}
