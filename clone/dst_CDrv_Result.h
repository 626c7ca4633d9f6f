#pragma once
// What a clone session hands back to its owner when it ends: how it ended, what the radio
// reported and the image that was received or sent. The record lives only for the
// completion callback; the owner copies what it needs.
#include <cstdint>

#include "base/cmcBuff.h"
#include "clone/SerialOpenFailure.h"
#include "memory/AddressCoverage.h"
#include "memory/cmcEeprom.h"

// Session kinds.
namespace CloneSession {
inline constexpr int kInfo = 1;
inline constexpr int kRead = 2;
inline constexpr int kWrite = 3;
}  // namespace CloneSession

// Result codes of the driver; the session manager's checks add others.
namespace CloneResult {
inline constexpr int kOk = 0;
inline constexpr int kPortOpen = 2;       // the port could not be opened
inline constexpr int kEcho = 4;           // an echoed byte differed, or the echo stopped
inline constexpr int kNoAnswer = 5;       // nothing before the inactivity timeout
inline constexpr int kBadFrame = 6;       // malformed, unexpected or corrupt frame
inline constexpr int kFrameCount = 7;     // the end frame's count differs
inline constexpr int kMissingData = 8;    // addresses of the range list were not received
inline constexpr int kDataOverflow = 9;   // an address beyond the image or outside the ranges
inline constexpr int kWriteRefused = 10;  // the radio did not acknowledge the write
inline constexpr int kPortFailed = 17;    // the port accepted fewer bytes, or went away
}  // namespace CloneResult

struct dst_CDrv_Result {
  int kind = 0;                       // CloneSession::kInfo, kRead or kWrite
  int code = CloneResult::kPortOpen;  // until the session sets another
  std::uint16_t wordA = 0;            // the request words; an information session
  std::uint16_t wordB = 0;            // replaces them by the words the radio reports
  cmcBuff info;                       // the information reply after its two words
  cmcEeprom image;                    // received (read) or sent (write) memory
  AddressCoverage coverage;           // the addresses of image received
  std::int32_t dataBytes = 0;         // payload bytes accepted or sent
  std::int32_t frames = 0;            // data frames accepted or sent
  // The transfer type that answered an information session; when it differs from the
  // "TransType" setting the session started with, the owner stores it.
  int transferType = 0;
  bool transferTypeChanged = false;
  // Why the port did not open (code kPortOpen).
  SerialOpenFailure openFailure;
};
