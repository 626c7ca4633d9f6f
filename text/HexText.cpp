#include "files/HexText.h"

#include <charconv>

namespace {

constexpr char kUpperDigits[] = "0123456789ABCDEF";

std::string_view SkipBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

template <typename Number>
std::optional<Number> LeadingNumber(std::string_view text, int base) {
  text = SkipBlanks(text);
  if (base == 10 && text.starts_with('+') && !text.starts_with("+-")) text.remove_prefix(1);
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (error != std::errc{}) return std::nullopt;
  return value;
}

}  // namespace

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

void AppendHexBytes(std::string& out, std::span<const std::uint8_t> bytes) {
  for (const std::uint8_t byte : bytes) {
    out.push_back(kUpperDigits[byte >> 4]);
    out.push_back(kUpperDigits[byte & 0x0F]);
  }
}

bool DecodeHexBytes(std::string_view text, std::span<std::uint8_t> out) {
  if (text.size() != 2 * out.size()) return false;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const int high = HexDigitValue(text[2 * i]);
    const int low = HexDigitValue(text[2 * i + 1]);
    if (high < 0 || low < 0) return false;
    out[i] = static_cast<std::uint8_t>(high << 4 | low);
  }
  return true;
}

std::optional<std::int32_t> LeadingDecimal(std::string_view text) {
  return LeadingNumber<std::int32_t>(text, 10);
}

std::optional<std::uint32_t> LeadingHex(std::string_view text) {
  return LeadingNumber<std::uint32_t>(text, 16);
}
