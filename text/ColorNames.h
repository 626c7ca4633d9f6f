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

// The value of a colour name such as "clNavy" or "clBtnFace"; none for an unknown name.
std::optional<uint32_t> ColorFromName(std::string_view name);
