#pragma once
// The radio's information block: the 45 bytes that follow the two words of its information
// reply. It names the radio's regional version (destination), the transmit and receive
// options set at the factory, a comment and the serial number.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

struct CloneInfoBlock {
  static constexpr std::int32_t kSize = 45;
  // The only block format this program knows.
  static constexpr std::uint8_t kKnownFormat = 1;

  std::uint8_t format = 0;       // byte 1
  std::string comment;           // bytes 2-17, as sent
  std::uint8_t destination = 0;  // byte 18, as sent: a code above 15 is no destination
  bool vhfTransmitInhibit = false;
  bool uhfTransmitInhibit = false;
  bool digitalVoiceInhibit = false;
  bool receiveExpansion = false;
  bool fccInhibit = false;
  std::string serialNumber;  // bytes 31-44, as sent
};

// None unless bytes holds exactly one block.
std::optional<CloneInfoBlock> DecodeCloneInfoBlock(std::span<const std::uint8_t> bytes);

// The serial number as the radio's label prints it: twelve decimal digits made of its three
// hexadecimal fields, or a single space when any of its 14 characters is not a hex digit.
std::string SerialNumberText(std::string_view serialNumber);

// "Expansion" or "Normal"; "Inhibit" or "Normal".
std::string_view ExpansionText(bool expanded);
std::string_view InhibitText(bool inhibited);
