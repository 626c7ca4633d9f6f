#include "clone/CloneFrame.h"

#include <algorithm>
#include <numeric>
#include <optional>

#include "clone/dst_CDrv_Result.h"
#include "text/HexText.h"

namespace CloneFrame {
namespace {

constexpr std::uint8_t kDataOffset = 0x80;
constexpr std::uint8_t kFirstEscaped = 0xFA;

void AppendWord(Bytes& out, std::uint16_t word) {
  out.push_back(static_cast<std::uint8_t>(word >> 8));
  out.push_back(static_cast<std::uint8_t>(word & 0xFF));
}

void AppendHexDigits(Bytes& out, std::uint8_t value) {
  out.push_back(static_cast<std::uint8_t>(HexDigit(value >> 4)));
  out.push_back(static_cast<std::uint8_t>(HexDigit(value)));
}

void AppendWire(Bytes& out, std::uint8_t value, bool fast) {
  if (!fast) {
    AppendHexDigits(out, value);
  } else if (value >= kFirstEscaped) {
    out.push_back(kEscape);
    out.push_back(static_cast<std::uint8_t>(value & 0x0F));
  } else {
    out.push_back(value);
  }
}

// Only the digits a sender of data frames writes: "0"-"9" and "A"-"F".
std::optional<Bytes> LogicalFromHex(std::span<const std::uint8_t> payload) {
  if (payload.size() % 2 != 0) return std::nullopt;
  Bytes logical(payload.size() / 2);
  const std::string_view text(reinterpret_cast<const char*>(payload.data()), payload.size());
  if (!DecodeHexBytes(text, logical, HexCase::UpperOnly)) return std::nullopt;
  return logical;
}

// An escape must be followed by the byte it modifies.
std::optional<Bytes> LogicalFromBinary(std::span<const std::uint8_t> payload) {
  Bytes logical;
  logical.reserve(payload.size());
  for (std::size_t i = 0; i < payload.size(); ++i) {
    if (payload[i] != kEscape) {
      logical.push_back(payload[i]);
    } else if (++i < payload.size()) {
      logical.push_back(static_cast<std::uint8_t>(payload[i] | 0xF0));
    } else {
      return std::nullopt;
    }
  }
  return logical;
}

}  // namespace

Bytes Frame(std::uint8_t to, std::uint8_t from, std::uint8_t command, std::span<const std::uint8_t> body,
            std::int32_t extraPreamble) {
  Bytes frame(static_cast<std::size_t>(2 + std::max(extraPreamble, 0)), kPreamble);
  frame.insert(frame.end(), {to, from, command});
  frame.insert(frame.end(), body.begin(), body.end());
  frame.push_back(kTerminator);
  return frame;
}

Bytes Request(std::uint8_t command, std::uint16_t wordA, std::uint16_t wordB, std::int32_t extraPreamble) {
  Bytes words;
  AppendWord(words, wordA);
  AppendWord(words, wordB);
  return Frame(kRadio, kProgram, command, words, extraPreamble);
}

Bytes SpeedSwitch(std::uint16_t wordA, std::uint16_t wordB, bool fast) {
  Bytes body;
  AppendWord(body, wordA);
  AppendWord(body, wordB);
  body.insert(body.end(), {0x00, 0x00, 0x02, static_cast<std::uint8_t>(fast ? 0x01 : 0x00)});
  return Frame(kRadio, kProgram, kSpeedSwitch, body, kSpeedSwitchPreamble - 2);
}

std::uint8_t Checksum(std::span<const std::uint8_t> bytes) {
  const unsigned sum = std::accumulate(bytes.begin(), bytes.end(), 0u);
  return static_cast<std::uint8_t>((0x100 - (sum & 0xFF)) & 0xFF);
}

Bytes EncodeDataPayload(std::int32_t address, std::span<const std::uint8_t> data, bool fast) {
  const auto raw = static_cast<std::uint32_t>(address);
  Bytes logical = {static_cast<std::uint8_t>(raw >> 24), static_cast<std::uint8_t>(raw >> 16),
                   static_cast<std::uint8_t>(raw >> 8), static_cast<std::uint8_t>(raw),
                   static_cast<std::uint8_t>(data.size())};
  for (const std::uint8_t b : data) logical.push_back(fast ? static_cast<std::uint8_t>(b + kDataOffset) : b);
  logical.push_back(Checksum(logical));
  Bytes wire;
  wire.reserve(logical.size() * 2);
  for (const std::uint8_t value : logical) AppendWire(wire, value, fast);
  return wire;
}

bool DecodeDataPayload(std::span<const std::uint8_t> payload, bool fast, DataPayload& out) {
  const std::optional<Bytes> logical = fast ? LogicalFromBinary(payload) : LogicalFromHex(payload);
  if (!logical || logical->size() < kDataOverhead) return false;
  const std::size_t n = (*logical)[4];
  if (logical->size() != n + kDataOverhead || Checksum(*logical) != 0) return false;
  const Bytes& bytes = *logical;
  out.address = static_cast<std::int32_t>(static_cast<std::uint32_t>(bytes[0]) << 24 |
                                          static_cast<std::uint32_t>(bytes[1]) << 16 |
                                          static_cast<std::uint32_t>(bytes[2]) << 8 | bytes[3]);
  out.data.assign(bytes.begin() + 5, bytes.begin() + 5 + static_cast<std::ptrdiff_t>(n));
  if (fast) {
    for (std::uint8_t& b : out.data) b = static_cast<std::uint8_t>(b - kDataOffset);
  }
  return true;
}

Bytes EndPayload(std::int32_t frameCount, bool withCount) {
  Bytes payload(kEndName.begin(), kEndName.end());
  if (withCount) {
    const auto count = static_cast<std::uint8_t>(frameCount & 0xFF);
    AppendHexDigits(payload, count);
  }
  return payload;
}

int CheckEndFrame(std::span<const std::uint8_t> frame, std::int32_t frameCount, bool withCount) {
  const Bytes expected = EndPayload(frameCount, withCount);
  if (frame.size() != kHeaderSize + expected.size()) return CloneResult::kBadFrame;
  const auto payload = frame.subspan(kHeaderSize);
  if (!std::equal(kEndName.begin(), kEndName.end(), payload.begin())) return CloneResult::kBadFrame;
  return std::equal(expected.begin(), expected.end(), payload.begin()) ? CloneResult::kOk : CloneResult::kFrameCount;
}

AssemblyResult AssembleFrame(std::span<const std::uint8_t> bytes, std::size_t maxLength) {
  std::optional<std::size_t> start;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == kPreamble) {
      start = i;
    } else if (!start) {
      continue;
    } else if (bytes[i] == kTerminator) {
      return {Assembly::Frame, i + 1, *start, i - *start};
    } else if (i - *start + 1 > maxLength) {
      return {Assembly::Invalid, i + 1, *start, 0};
    }
  }
  return {Assembly::NeedMore, start.value_or(bytes.size()), 0, 0};
}

bool HasHeader(std::span<const std::uint8_t> frame, std::uint8_t to, std::uint8_t from, std::uint8_t command) {
  return frame.size() >= kHeaderSize && frame[0] == kPreamble && frame[1] == to && frame[2] == from &&
         frame[3] == command;
}

}  // namespace CloneFrame
