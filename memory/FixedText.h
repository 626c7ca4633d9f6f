#pragma once
// Fixed-width, space-padded 8-bit text fields as the image keeps them (names, call signs,
// messages): never terminated, always exactly N characters.
#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "memory/MemoryMap.h"

template <std::size_t N>
using FixedText = std::array<char, N>;

using CallSignText = FixedText<MemoryMap::kCallSignLength>;
using NameText = FixedText<MemoryMap::kNameLength>;

// text cut to N characters or padded with spaces.
template <std::size_t N>
constexpr FixedText<N> MakeFixedText(std::string_view text) {
  FixedText<N> field;
  field.fill(' ');
  std::copy_n(text.begin(), std::min(N, text.size()), field.begin());
  return field;
}

template <std::size_t N>
std::string_view ViewOf(const FixedText<N>& field) {
  return {field.data(), N};
}

template <std::size_t N>
bool IsBlank(const FixedText<N>& field) {
  return std::all_of(field.begin(), field.end(), [](char c) { return c == ' '; });
}

template <std::size_t N>
constexpr FixedText<N> Spaces() {
  FixedText<N> field{};
  for (char& c : field) c = ' ';
  return field;
}

inline constexpr CallSignText kBlankCallSign = Spaces<MemoryMap::kCallSignLength>();
inline constexpr NameText kBlankName = Spaces<MemoryMap::kNameLength>();
