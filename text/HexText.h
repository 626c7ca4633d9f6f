#pragma once
// Strict hexadecimal text as the clone image files hold it: two digits per byte, upper-case
// when written, either case when read.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The value of one hexadecimal digit, or -1 for any other character.
int HexDigitValue(char c);

// Appends two upper-case digits per byte.
void AppendHexBytes(std::string& out, std::span<const std::uint8_t> bytes);

// Decodes text into out, two digits per byte. Fails (false, out unspecified) unless text has
// exactly 2 x out.size() characters, all hexadecimal digits.
bool DecodeHexBytes(std::string_view text, std::span<std::uint8_t> out);

// The number at the start of text, after optional spaces and tabs, as sscanf's "%d" and "%X"
// read it: what follows the digits is ignored. None when no digit follows or the value does
// not fit.
std::optional<std::int32_t> LeadingDecimal(std::string_view text);
std::optional<std::uint32_t> LeadingHex(std::string_view text);
