#pragma once
// Colour values of the markup: 0x00BBGGRR for plain colours, 0xFF0000nn for the desktop's
// system colour nn (window, button face, highlight, ...), which the user interface maps to
// its palette.
#include <cstdint>
#include <optional>
#include <string_view>

constexpr uint32_t kClWindow = 0xFF000005;
constexpr uint32_t kClWindowText = 0xFF000008;
constexpr uint32_t kClGrayText = 0xFF000011;
constexpr uint32_t kClSilver = 0x00C0C0C0;
constexpr uint32_t kClOlive = 0x00008080;
// No colour: where a colour may be chosen, the one that applies otherwise stays.
constexpr uint32_t kClNone = 0x1FFFFFFF;

// The value of a colour name such as "clNavy" or "clBtnFace"; none for an unknown name.
std::optional<uint32_t> ColorFromName(std::string_view name);
