#pragma once
// Hexadecimal text of bytes, as the clone frames, the command texts, the image files and the
// cells carry it: two digits per byte, upper-case when written. Readers take either case
// unless they ask for upper-case digits only.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

enum class HexCase { Either, UpperOnly };

// The value of one hexadecimal digit, or -1 for any other character.
int HexDigitValue(char c, HexCase accepted = HexCase::Either);

// The upper-case digit of value (0-15).
char HexDigit(unsigned value);

// Appends two upper-case digits per byte.
void AppendHexBytes(std::string& out, std::span<const std::uint8_t> bytes);
std::string HexText(std::span<const std::uint8_t> bytes);

// Decodes text into out, two digits per byte. Fails (false, out unspecified) unless text has
// exactly 2 x out.size() characters, all hexadecimal digits.
bool DecodeHexBytes(std::string_view text, std::span<std::uint8_t> out, HexCase accepted = HexCase::Either);

// Bytes from hexadecimal text typed by people: characters other than hexadecimal digits are
// skipped, and a final unpaired digit becomes the high nibble of a last byte.
std::vector<std::uint8_t> HexTextToBytes(std::string_view text);

// The number at the start of text, after optional spaces and tabs, as sscanf's "%d" and "%X"
// read it: what follows the digits is ignored. None when no digit follows or the value does
// not fit.
std::optional<std::int32_t> LeadingDecimal(std::string_view text);
std::optional<std::uint32_t> LeadingHex(std::string_view text);
