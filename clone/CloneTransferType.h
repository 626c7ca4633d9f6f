#pragma once
// The transfer types of the "TransType" setting: the line settings at which the radio is
// first addressed and whether the cable echoes what the program sends.
#include <string_view>

struct CloneTransferType {
  std::string_view portSettings;
  bool echo = false;
};

inline constexpr int kCloneTransferTypes = 6;

// Types outside 0-5 behave as type 0.
CloneTransferType TransferTypeOf(int type);
// type as a valid type (0 for anything outside 0-5).
int NormalisedTransferType(int type);

// The port settings of the transfer speed that read and write sessions switch to.
inline constexpr std::string_view kNormalTransferSettings = "9600,N,8,1";
inline constexpr std::string_view kFastTransferSettings = "38400,N,8,1";
