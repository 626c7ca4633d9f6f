#include "files/QmfDataLine.h"

#include <algorithm>

#include "platform/Fatal.h"
#include "text/HexText.h"

bool QmfDataLine::Parse(std::string_view text) {
  if (text.size() < kMinTextLength || text.size() > kMaxTextLength || text.size() % 2 != 0) {
    return false;
  }
  const std::size_t size = text.size() / 2;
  if (!DecodeHexBytes(text, std::span(binary_.data(), size))) return false;
  return size == kHeaderSize + Count();
}

void QmfDataLine::Assign(std::uint32_t address, std::span<const std::uint8_t> data) {
  if (data.empty() || data.size() > kMaxCount) Fatal("Bad data line length (QmfDataLine).");
  for (int i = 0; i < 4; ++i) {
    binary_[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(address >> (24 - 8 * i));
  }
  binary_[4] = static_cast<std::uint8_t>(data.size());
  std::copy(data.begin(), data.end(), binary_.begin() + kHeaderSize);
}

std::uint32_t QmfDataLine::Address() const {
  return static_cast<std::uint32_t>(binary_[0]) << 24 | static_cast<std::uint32_t>(binary_[1]) << 16 |
         static_cast<std::uint32_t>(binary_[2]) << 8 | binary_[3];
}

void QmfDataLine::AppendText(std::string& out) const { AppendHexBytes(out, BinaryForm()); }
