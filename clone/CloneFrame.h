#pragma once
// The clone frames as bytes: building them, finding them in a received byte stream and
// taking them apart. Nothing here touches a port or a timer.
//
// A frame on the wire is FE FE, the receiver's and the sender's address, a command, a body
// and FD. Receivers keep the bytes from the last FE before an FD, so a frame as received
// is FE, to, from, command, body (without FD).
//
// Data frames carry a logical payload: a 4-byte address (most significant first), a length
// n, n data bytes and a checksum that makes the sum of all n + 6 bytes 0 modulo 256. At the
// normal speed every logical byte travels as two upper-case hex digits; at the fast speed
// the payload is binary, each data byte sent as (byte + 0x80) mod 256 (the checksum covers
// the sent values), and every logical byte of 0xFA or above is escaped as FF, (byte & 0x0F),
// so that no payload byte can be taken for FE or FD.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace CloneFrame {

using Bytes = std::vector<std::uint8_t>;

inline constexpr std::uint8_t kPreamble = 0xFE;
inline constexpr std::uint8_t kTerminator = 0xFD;
inline constexpr std::uint8_t kEscape = 0xFF;
inline constexpr std::uint8_t kRadio = 0xEE;
inline constexpr std::uint8_t kProgram = 0xEF;

inline constexpr std::uint8_t kInfoRequest = 0xE0;
inline constexpr std::uint8_t kInfoReply = 0xE1;
inline constexpr std::uint8_t kReadRequest = 0xE2;
inline constexpr std::uint8_t kWriteRequest = 0xE3;
inline constexpr std::uint8_t kData = 0xE4;
inline constexpr std::uint8_t kEndOfData = 0xE5;
inline constexpr std::uint8_t kWriteAck = 0xE6;
inline constexpr std::uint8_t kSpeedSwitch = 0xE8;

// The name every end frame carries.
inline constexpr std::string_view kEndName = "Quor Inc.";
// Bytes of a received frame before its body: FE, to, from, command.
inline constexpr std::size_t kHeaderSize = 4;
// Logical data payload bytes besides the data: address, length, checksum.
inline constexpr std::size_t kDataOverhead = 6;
inline constexpr std::int32_t kSpeedSwitchPreamble = 20;

// (2 + extraPreamble) x FE, to, from, command, body, FD.
Bytes Frame(std::uint8_t to, std::uint8_t from, std::uint8_t command, std::span<const std::uint8_t> body,
            std::int32_t extraPreamble = 0);

// An information, read or write request of the program, words most significant byte first.
Bytes Request(std::uint8_t command, std::uint16_t wordA, std::uint16_t wordB, std::int32_t extraPreamble);
// Tells the radio to switch to the fast (38,400 baud) or the normal (9,600 baud) speed.
Bytes SpeedSwitch(std::uint16_t wordA, std::uint16_t wordB, bool fast);

// The value that makes the sum of bytes and it 0 modulo 256.
std::uint8_t Checksum(std::span<const std::uint8_t> bytes);

// The wire payload of a data frame for data (at most 255 bytes) at address.
Bytes EncodeDataPayload(std::int32_t address, std::span<const std::uint8_t> data, bool fast);

struct DataPayload {
  std::int32_t address = 0;  // signed: the radio may name any 32-bit value
  Bytes data;                // memory bytes, as the image holds them
};
// Decodes a wire payload; false when it is malformed (digits, escapes, length or checksum).
bool DecodeDataPayload(std::span<const std::uint8_t> payload, bool fast, DataPayload& out);

// "Quor Inc." followed, when withCount, by the frame count modulo 256 in two upper-case
// hex digits.
Bytes EndPayload(std::int32_t frameCount, bool withCount);
// Checks a received end frame (FE, to, from, E5, payload): 0 when it is right, 6 when its
// length or name is wrong, 7 when only the count differs.
int CheckEndFrame(std::span<const std::uint8_t> frame, std::int32_t frameCount, bool withCount);

// Finding frames in a received byte stream. Bytes before an FE are dropped, each FE starts
// a new frame, and FD completes the frame started by the last FE.
enum class Assembly { NeedMore, Invalid, Frame };
struct AssemblyResult {
  Assembly status = Assembly::NeedMore;
  // Bytes at the front of the stream that are done with: a frame and everything before it,
  // an abandoned frame, or (need more) everything before the frame still in progress.
  std::size_t consumed = 0;
  // The frame, FE first and without the FD (status Frame).
  std::size_t begin = 0;
  std::size_t length = 0;
};
// A frame in progress that grows beyond maxLength bytes is abandoned as invalid.
AssemblyResult AssembleFrame(std::span<const std::uint8_t> bytes, std::size_t maxLength);

// True when the frame as received starts FE, to, from, command.
bool HasHeader(std::span<const std::uint8_t> frame, std::uint8_t to, std::uint8_t from, std::uint8_t command);

}  // namespace CloneFrame
