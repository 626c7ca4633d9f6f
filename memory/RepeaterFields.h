#pragma once
// Single fields of repeater entries, read straight from the image for the look-ups that
// scan the whole list. entry must be 0-749.
#include <cstdint>

#include "memory/FixedText.h"
#include "memory/cmcEeprom.h"

inline constexpr std::uint8_t kRepeaterModeDv = 0;
inline constexpr std::uint8_t kRepeaterModeFm = 1;
inline constexpr std::uint8_t kRepeaterModeFmNarrow = 2;

std::int32_t RepeaterAddress(int entry);
std::uint8_t RepeaterModeOf(const cmcEeprom& image, int entry);
std::uint8_t RepeaterDuplexOf(const cmcEeprom& image, int entry);
std::uint32_t RepeaterFrequencyOf(const cmcEeprom& image, int entry);
CallSignText RepeaterCallSignOf(const cmcEeprom& image, int entry);
CallSignText RepeaterGatewayOf(const cmcEeprom& image, int entry);
NameText RepeaterNameOf(const cmcEeprom& image, int entry);
