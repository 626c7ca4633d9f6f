#pragma once
// The settings a command that handles a document works under: the destination it names (a
// file's "EtcData" destination or the one given on the command line), the program's default
// settings for everything else, and the defaults image of that destination. The window's
// settings are never read. While a session lives it is the process's model settings and its
// destination rows are applied; afterwards both are back to an unknown destination.
#include "files/DocumentOpen.h"
#include "memory/PlainModelSettings.h"
#include "memory/cmcEeprom.h"

class DestinationSession {
 public:
  explicit DestinationSession(int destination);
  ~DestinationSession();
  DestinationSession(const DestinationSession&) = delete;
  DestinationSession& operator=(const DestinationSession&) = delete;

  int Destination() const { return settings_.destinationCode; }
  const cmcEeprom& Defaults() const { return defaults_; }
  // Converts between generations with this destination's defaults.
  GenerationConverter Converter() const;

 private:
  PlainModelSettings settings_;
  cmcEeprom defaults_;
};
