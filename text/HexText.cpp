#include "text/HexText.h"

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

int HexDigitValue(char c, HexCase accepted) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (accepted == HexCase::Either && c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

char HexDigit(unsigned value) { return kUpperDigits[value & 0x0F]; }

void AppendHexBytes(std::string& out, std::span<const std::uint8_t> bytes) {
  for (const std::uint8_t byte : bytes) {
    out.push_back(HexDigit(byte >> 4));
    out.push_back(HexDigit(byte));
  }
}

std::string HexText(std::span<const std::uint8_t> bytes) {
  std::string text;
  text.reserve(2 * bytes.size());
  AppendHexBytes(text, bytes);
  return text;
}

bool DecodeHexBytes(std::string_view text, std::span<std::uint8_t> out, HexCase accepted) {
  if (text.size() != 2 * out.size()) return false;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const int high = HexDigitValue(text[2 * i], accepted);
    const int low = HexDigitValue(text[2 * i + 1], accepted);
    if (high < 0 || low < 0) return false;
    out[i] = static_cast<std::uint8_t>(high << 4 | low);
  }
  return true;
}

std::vector<std::uint8_t> HexTextToBytes(std::string_view text) {
  std::vector<std::uint8_t> bytes;
  bool high = true;
  for (const char c : text) {
    const int digit = HexDigitValue(c);
    if (digit < 0) continue;
    if (high) {
      bytes.push_back(static_cast<std::uint8_t>(digit << 4));
    } else {
      bytes.back() = static_cast<std::uint8_t>(bytes.back() | digit);
    }
    high = !high;
  }
  return bytes;
}

std::optional<std::int32_t> LeadingDecimal(std::string_view text) { return LeadingNumber<std::int32_t>(text, 10); }

std::optional<std::uint32_t> LeadingHex(std::string_view text) { return LeadingNumber<std::uint32_t>(text, 16); }
