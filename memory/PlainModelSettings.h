#pragma once
// Model settings held as plain values; the clock reads the system's local time unless a
// fixed time is set.
#include <optional>

#include "memory/DestinationTables.h"
#include "memory/ModelSettings.h"

struct PlainModelSettings : ModelSettings {
  std::int32_t destinationCode = DestinationCode::kNone;
  bool fccInhibit = false;
  bool receiveExpansion = false;
  std::optional<LocalDateTime> fixedTime;

  std::int32_t DestinationCode() const override { return destinationCode; }
  bool FccInhibit() const override { return fccInhibit; }
  bool ReceiveExpansion() const override { return receiveExpansion; }
  LocalDateTime LocalTimeNow() const override;
};
