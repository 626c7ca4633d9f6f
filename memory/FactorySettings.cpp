#include "memory/FactorySettings.h"

#include <array>
#include <string_view>

#include "memory/MemoryMap.h"

using namespace std::string_view_literals;

namespace {

// count bytes at offset (from the start of the setting area) repeat pattern. Rows apply in
// order, so later rows refine earlier ones.
struct FactorySetting {
  int offset;
  int count;
  std::string_view pattern;
};

constexpr int kSettingAreaSize = MemoryMap::kMapRevision - MemoryMap::kSettings;

// Every menu setting stands at the first entry of its selection list (value 0) and every
// number at its lowest value, unless a row below says otherwise. The band and broadcast
// templates (offsets 448 and 550) are the destination's and written over this.
constexpr std::array<FactorySetting, 8> kFactorySettings{{
    {0, kSettingAreaSize, "\x00"sv},
    // Remembered memory channel (131-132) and repeater entry (133-134): none.
    {131, 4, "\xFF"sv},
    // Manual position: latitude, longitude and altitude not set.
    {236, 8, "\xFF"sv},
    {244, 4, "\x7F\xFF\xFF\xFF"sv},
    // GPS message: blank.
    {248, 20, " "sv},
    // Unproto address and position comment: empty (fields padded with 0xFF).
    {268, 56, "\xFF"sv},
    {324, 43, "\xFF"sv},
    // The four position symbols: the first symbol of the symbol list.
    {367, 8, "/!"sv},
}};

void WriteSetting(cmcEeprom& image, const FactorySetting& setting) {
  for (int i = 0; i < setting.count; ++i) {
    const char c = setting.pattern[static_cast<std::size_t>(i) % setting.pattern.size()];
    const auto byte = static_cast<std::uint8_t>(c);
    image.SetByte(MemoryMap::kSettings + setting.offset + i, byte);
  }
}

}  // namespace

void WriteFactorySettings(cmcEeprom& image) {
  for (const FactorySetting& setting : kFactorySettings) WriteSetting(image, setting);
}
