#include "text/ColorNames.h"

#include <array>

#include "text/cmcHash.h"

namespace {

struct NamedColor {
  std::string_view name;
  uint32_t value;
};

// "clHightlightText" is spelled as the tables spell it.
constexpr std::array<NamedColor, 38> kColors = {{
    {"clAqua", 0x00FFFF00},
    {"clBlack", 0x00000000},
    {"clBlue", 0x00FF0000},
    {"clDkGray", 0x00808080},
    {"clFuchsia", 0x00FF00FF},
    {"clGray", 0x00808080},
    {"clGreen", 0x00008000},
    {"clLime", 0x0000FF00},
    {"clLtGray", 0x00C0C0C0},
    {"clMaroon", 0x00000080},
    {"clNavy", 0x00800000},
    {"clOlive", 0x00008080},
    {"clPurple", 0x00800080},
    {"clRed", 0x000000FF},
    {"clSilver", 0x00C0C0C0},
    {"clTeal", 0x00808000},
    {"clWhite", 0x00FFFFFF},
    {"clYellow", 0x0000FFFF},
    {"clBackground", 0xFF000001},
    {"clActiveCaption", 0xFF000002},
    {"clInactiveCaption", 0xFF000003},
    {"clMenu", 0xFF000004},
    {"clWindow", 0xFF000005},
    {"clWindowFrame", 0xFF000006},
    {"clMenuText", 0xFF000007},
    {"clWindowText", 0xFF000008},
    {"clCaptionText", 0xFF000009},
    {"clActiveBorder", 0xFF00000A},
    {"clInactiveBorder", 0xFF00000B},
    {"clAppWorkSpace", 0xFF00000C},
    {"clHighlight", 0xFF00000D},
    {"clHightlightText", 0xFF00000E},
    {"clBtnFace", 0xFF00000F},
    {"clBtnShadow", 0xFF000010},
    {"clGrayText", 0xFF000011},
    {"clBtnText", 0xFF000012},
    {"clInactiveCaptionText", 0xFF000013},
    {"clBtnHighlight", 0xFF000014},
}};

const cmcHash& ColorTable() {
  static const cmcHash table = [] {
    cmcHash t(101);
    for (const auto& c : kColors) t.Insert(c.name, static_cast<int32_t>(c.value));
    return t;
  }();
  return table;
}

}  // namespace

std::optional<uint32_t> ColorFromName(std::string_view name) {
  const int32_t* value = ColorTable().Find(name);
  if (value == nullptr) return std::nullopt;
  return static_cast<uint32_t>(*value);
}
