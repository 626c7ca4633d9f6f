#pragma once
// Installs a destination with its flags for the life of a test and applies its band rows;
// afterwards the default settings and the rows of an unknown destination are back.
#include "memory/PlainModelSettings.h"
#include "memory/indDestination.h"

class ScopedDestination {
 public:
  explicit ScopedDestination(std::int32_t code, bool receiveExpansion = false, bool fccInhibit = false) {
    settings_.destinationCode = code;
    settings_.receiveExpansion = receiveExpansion;
    settings_.fccInhibit = fccInhibit;
    InstallModelSettings(&settings_);
    indDestination(code).ApplyDestination();
  }
  ~ScopedDestination() {
    InstallModelSettings(nullptr);
    indDestination(16).ApplyDestination();
  }
  ScopedDestination(const ScopedDestination&) = delete;
  ScopedDestination& operator=(const ScopedDestination&) = delete;

  PlainModelSettings& Settings() { return settings_; }

 private:
  PlainModelSettings settings_;
};
