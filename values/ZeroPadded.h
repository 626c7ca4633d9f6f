#pragma once
// Decimal digits of cell texts.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// value in decimal with at least `digits` digits, zero-padded ("%0*d"); a negative value
// keeps its "-" in front.
std::string ZeroPadded(long long value, int digits);

// The number written by exactly `count` decimal digits at text[at...]; none when one of them
// is no digit or the text is too short.
std::optional<int> DigitsAt(std::string_view text, std::size_t at, std::size_t count);
