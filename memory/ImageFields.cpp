#include "memory/ImageFields.h"

namespace {

constexpr int kPackedBits = 56;

}  // namespace

std::uint16_t ReadU16(const cmcEeprom& image, Address address) {
  return static_cast<std::uint16_t>(image.GetByte(address) << 8 | image.GetByte(address + 1));
}

void WriteU16(cmcEeprom& image, Address address, std::uint16_t value) {
  image.SetByte(address, static_cast<std::uint8_t>(value >> 8));
  image.SetByte(address + 1, static_cast<std::uint8_t>(value));
}

std::uint32_t ReadU32(const cmcEeprom& image, Address address) {
  return static_cast<std::uint32_t>(ReadU16(image, address)) << 16 | ReadU16(image, address + 2);
}

void WriteU32(cmcEeprom& image, Address address, std::uint32_t value) {
  WriteU16(image, address, static_cast<std::uint16_t>(value >> 16));
  WriteU16(image, address + 2, static_cast<std::uint16_t>(value));
}

bool ReadBit(const cmcEeprom& image, Address map, int n) { return (image.GetByte(map + n / 8) >> (n % 8) & 1) != 0; }

void WriteBit(cmcEeprom& image, Address map, int n, bool set) {
  const Address address = map + n / 8;
  const auto mask = static_cast<std::uint8_t>(1u << (n % 8));
  const std::uint8_t byte = image.GetByte(address);
  image.SetByte(address, static_cast<std::uint8_t>(set ? byte | mask : byte & ~mask));
}

CallSignText ReadPackedCallSign(const cmcEeprom& image, Address address) {
  std::uint64_t bits = 0;
  for (int i = 0; i < 7; ++i) bits = bits << 8 | image.GetByte(address + i);
  CallSignText call;
  for (int c = 0; c < 8; ++c) {
    call[static_cast<std::size_t>(c)] = static_cast<char>(bits >> (kPackedBits - 7 * (c + 1)) & 0x7F);
  }
  return call;
}

void WritePackedCallSign(cmcEeprom& image, Address address, const CallSignText& call) {
  std::uint64_t bits = 0;
  for (const char c : call) bits = bits << 7 | (static_cast<std::uint8_t>(c) & 0x7Fu);
  for (int i = 0; i < 7; ++i) {
    image.SetByte(address + i, static_cast<std::uint8_t>(bits >> (kPackedBits - 8 * (i + 1))));
  }
}

GpsPosition ReadPosition(const cmcEeprom& image, Address address) {
  return {image.GetByte(address), ReadU16(image, address + 1), static_cast<char>(image.GetByte(address + 3))};
}

void WritePosition(cmcEeprom& image, Address address, const GpsPosition& position) {
  image.SetByte(address, position.degrees);
  WriteU16(image, address + 1, position.milliMinutes);
  image.SetByte(address + 3, static_cast<std::uint8_t>(position.hemisphere));
}
