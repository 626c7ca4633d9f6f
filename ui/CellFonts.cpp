#include "ui/CellFonts.h"

#include <QGuiApplication>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "text/Codepage.h"
#include "text/cmcCellObj.h"
#include "text/cmcGTex.h"

namespace {

// Faces of the tables that this desktop lacks, in the code page of the tables.
constexpr std::string_view kJapaneseGothicFaces[] = {
    "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E",  // proportional gothic
    "\x82\x6C\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4E",          // fixed gothic
};
constexpr std::string_view kWesternSansFaces[] = {"", "MS Sans Serif", "Arial", "MS Shell Dlg"};

template <std::size_t N>
bool IsOneOf(const std::string& face, const std::string_view (&faces)[N]) {
  return std::find(std::begin(faces), std::end(faces), face) != std::end(faces);
}

QStringList FamiliesFor(const std::string& face) {
  if (IsOneOf(face, kJapaneseGothicFaces)) {
    return {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans CJK JP")};
  }
  if (IsOneOf(face, kWesternSansFaces)) return {QGuiApplication::font().family()};
  return {QString::fromStdString(ToUtf8(face, CodePage::Cp932))};
}

// A line height includes the leading above the characters, about an eighth of it.
int CharacterPixels(int height, double scale) {
  const double characters = height < 0 ? -height : height - height / 8.0;
  return std::max(1, static_cast<int>(std::lround(characters * scale)));
}

QPalette::ColorRole RoleOfSystemColour(unsigned index) {
  switch (index) {
    case 4:
    case 11:
    case 10:
    case 15:
    case 1:
      return QPalette::Button;
    case 2:
    case 13:
      return QPalette::Highlight;
    case 3:
      return QPalette::AlternateBase;
    case 5:
      return QPalette::Base;
    case 6:
    case 8:
      return QPalette::Text;
    case 7:
      return QPalette::WindowText;
    case 9:
    case 14:
      return QPalette::HighlightedText;
    case 12:
    case 16:
      return QPalette::Mid;
    case 17:
    case 19:
      return QPalette::PlaceholderText;
    case 18:
      return QPalette::ButtonText;
    case 20:
      return QPalette::Light;
    default:
      return QPalette::Window;
  }
}

}  // namespace

QFont QtFont(const CellFont& font, double scale) {
  QFont result;
  result.setFamilies(FamiliesFor(font.face));
  result.setPixelSize(CharacterPixels(font.height, scale));
  result.setBold(font.style & fsBold);
  result.setItalic(font.style & fsItalic);
  result.setUnderline(font.style & fsUnderline);
  result.setStrikeOut(font.style & fsStrikeOut);
  if (font.pitch == fpFixed) result.setStyleHint(QFont::TypeWriter);
  return result;
}

QColor QtColor(std::uint32_t color, const QPalette& palette) {
  if ((color & 0xFF000000u) == 0xFF000000u) return palette.color(RoleOfSystemColour(color & 0xFFu));
  return QColor(static_cast<int>(color & 0xFFu), static_cast<int>((color >> 8) & 0xFFu),
                static_cast<int>((color >> 16) & 0xFFu));
}

QFont CellModelFont(cmcGTex& texts, const char* key) {
  cmcCellObj cell;
  ParseCellDefinition(cell, texts.GetLine(key, 0), nullptr, nullptr);
  return QtFont(EffectiveFont(cell));
}
