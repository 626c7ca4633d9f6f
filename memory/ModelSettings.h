#pragma once
// The settings the memory model reads but does not own: the destination with its two flags,
// and the computer's clock for stamping new GPS memories. The settings object of the
// application provides them; tests install plain values.
#include <cstdint>

struct LocalDateTime {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

struct ModelSettings {
  virtual ~ModelSettings() = default;
  // 0-15 regional version, 16 not known yet.
  virtual std::int32_t DestinationCode() const = 0;
  virtual bool FccInhibit() const = 0;
  virtual bool ReceiveExpansion() const = 0;
  // The computer's current local time.
  virtual LocalDateTime LocalTimeNow() const = 0;
};

// The settings in force. Until one is installed, a PlainModelSettings with its defaults.
const ModelSettings& CurrentModelSettings();

// Installs settings that must outlive their use; nullptr goes back to the defaults.
void InstallModelSettings(const ModelSettings* settings);
