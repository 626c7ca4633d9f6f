#include "clone/CloneInfoBlock.h"

#include <algorithm>
#include <cstdio>

#include "text/HexText.h"

namespace {

constexpr std::size_t kFormatByte = 1;
constexpr std::size_t kCommentStart = 2;
constexpr std::size_t kCommentLength = 16;
constexpr std::size_t kDestinationByte = 18;
constexpr std::size_t kTransmitByte = 19;
constexpr std::size_t kDigitalVoiceByte = 20;
constexpr std::size_t kReceiveByte = 22;
constexpr std::size_t kSerialStart = 31;
constexpr std::size_t kSerialLength = 14;

bool Bit(std::uint8_t byte, int bit) { return ((byte >> bit) & 1) != 0; }

std::string TextOf(std::span<const std::uint8_t> bytes, std::size_t start, std::size_t length) {
  const auto field = bytes.subspan(start, length);
  return std::string(field.begin(), field.end());
}

// Digits the caller has checked, at most 8 of them.
std::uint32_t HexValue(std::string_view digits) { return LeadingHex(digits).value_or(0); }

}  // namespace

std::optional<CloneInfoBlock> DecodeCloneInfoBlock(std::span<const std::uint8_t> bytes) {
  if (bytes.size() != static_cast<std::size_t>(CloneInfoBlock::kSize)) return std::nullopt;
  CloneInfoBlock block;
  block.format = bytes[kFormatByte];
  block.comment = TextOf(bytes, kCommentStart, kCommentLength);
  block.destination = bytes[kDestinationByte];
  block.vhfTransmitInhibit = Bit(bytes[kTransmitByte], 2);
  block.uhfTransmitInhibit = Bit(bytes[kTransmitByte], 3);
  block.digitalVoiceInhibit = Bit(bytes[kDigitalVoiceByte], 3);
  block.receiveExpansion = Bit(bytes[kReceiveByte], 0);
  block.fccInhibit = Bit(bytes[kReceiveByte], 1);
  block.serialNumber = TextOf(bytes, kSerialStart, kSerialLength);
  return block;
}

std::string SerialNumberText(std::string_view serialNumber) {
  const bool allHex = serialNumber.size() == kSerialLength &&
                      std::ranges::all_of(serialNumber, [](char c) { return HexDigitValue(c) >= 0; });
  if (!allHex) return " ";
  char text[32];
  std::snprintf(text, sizeof text, "%04u%02u%06u", HexValue(serialNumber.substr(0, 4)),
                HexValue(serialNumber.substr(4, 2)), HexValue(serialNumber.substr(6, 8)) % 1000000);
  return text;
}

std::string_view ExpansionText(bool expanded) { return expanded ? "Expansion" : "Normal"; }

std::string_view InhibitText(bool inhibited) { return inhibited ? "Inhibit" : "Normal"; }
