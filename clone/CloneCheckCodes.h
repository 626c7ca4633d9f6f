#pragma once
// The result codes the session manager's checks add to those of the driver. Every code is
// also the line of its head text in the message a failed session shows; 1, 3, 12 and 16
// have texts but no cause.
#include "clone/dst_CDrv_Result.h"

namespace CloneResult {
inline constexpr int kIllegalInformation = 11;          // no check, or a block of the wrong size
inline constexpr int kIllegalInformationReserved = 12;  // never produced; shown like 11
inline constexpr int kVersionMismatch = 13;             // the radio's destination is not the current one
inline constexpr int kIncompatibleModel = 14;           // another generation, block format or destination
inline constexpr int kIllegalImage = 15;                // the read image is not one of this radio
inline constexpr int kUpdateNeeded = 16;                // never produced
}  // namespace CloneResult
