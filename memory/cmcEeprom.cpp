#include "memory/cmcEeprom.h"

#include <algorithm>
#include <cstring>

#include "platform/Fatal.h"

void cmcEeprom::SetSize(std::int32_t n) {
  if (n <= 0) {
    std::vector<std::uint8_t>().swap(data_);
    return;
  }
  if (n != GetSize()) {
    std::vector<std::uint8_t>(static_cast<std::size_t>(n)).swap(data_);
    return;
  }
  Fill(0);
}

bool cmcEeprom::IsValidAddress(std::int32_t address) const { return address >= 0 && address < GetSize(); }

void cmcEeprom::Fill(std::uint8_t value) { std::fill(data_.begin(), data_.end(), value); }

void cmcEeprom::SetByte(std::int32_t address, std::uint8_t value) {
  if (!IsValidAddress(address)) Fatal("Out of EEPROM image address (SetByte).");
  data_[static_cast<std::size_t>(address)] = value;
}

std::uint8_t cmcEeprom::GetByte(std::int32_t address) const {
  if (!IsValidAddress(address)) Fatal("Out of EEPROM image address (GetByte).");
  return data_[static_cast<std::size_t>(address)];
}

bool cmcEeprom::IsAcceptedBlock(std::int32_t address, std::int32_t n) const {
  return IsValidAddress(address) && n >= 1 && n <= GetSize() - address;
}

bool cmcEeprom::WriteBlock(std::int32_t address, const std::uint8_t* source, std::int32_t n) {
  if (!IsAcceptedBlock(address, n)) return false;
  std::memmove(data_.data() + address, source, static_cast<std::size_t>(n));
  return true;
}

bool cmcEeprom::ReadBlock(std::int32_t address, std::uint8_t* destination, std::int32_t n) const {
  if (!IsAcceptedBlock(address, n)) return false;
  std::memmove(destination, data_.data() + address, static_cast<std::size_t>(n));
  return true;
}

void cmcEeprom::Assign(const cmcEeprom& other) {
  if (&other != this) data_ = other.data_;
}
