#pragma once
// The program's persistent settings as the settings object holds them while the program
// runs. Member initialisers are the defaults, except for the window rectangle and the
// display language, whose defaults depend on the screen and on the machine-wide language.
#include <cstdint>
#include <string>

#include "memory/DestinationTables.h"

struct EnvironSettings {
  // The only value of the validity marker under which settings are trusted and written.
  static constexpr std::int32_t kValidMarker = 753951;
  // The destination code that means "not known yet".
  static constexpr std::int32_t kNoDestination = DestinationCode::kNone;
  // The languages of the display and of the machine.
  static constexpr std::int32_t kLanguageEnglish = 0;
  static constexpr std::int32_t kLanguageJapanese = 1;

  // Start modes: no destination yet (the initial setup runs), normal, setup asked for on the
  // command line.
  static constexpr std::int32_t kStartNoDestination = 0;
  static constexpr std::int32_t kStartNormal = 3;
  static constexpr std::int32_t kStartSetup = 4;

  std::int32_t displayLanguage = kLanguageEnglish;
  std::int32_t machineLanguage = kLanguageEnglish;  // the machine-wide language, never written
  std::int32_t validityMarker = kValidMarker;
  std::int32_t fontSizePercentage = 100;  // of the sheets' fonts
  std::int32_t toolBarVisible = 1;
  std::int32_t printerFontSize = 10;
  std::int32_t comPort = 0;       // 1-256; 0 while none has been chosen
  std::int32_t comSpeedHigh = 1;  // 1: 38,400 baud, 0: 9,600 baud
  std::int32_t transType = 0;
  std::string currentDirectory;
  // Enter on a call-sign cell opens the picker or the repeater window, not the editor.
  std::int32_t repeaterDialog = 1;
  // Typed call signs are aligned so that the module letter lands in the eighth column.
  std::int32_t autoCorrect = 1;
  std::int32_t windowLeft = 0;
  std::int32_t windowTop = 0;
  std::int32_t windowWidth = 0;
  std::int32_t windowHeight = 0;
  std::int32_t treePanelWidth = 200;
  std::int32_t columnGroupMask = 127;  // sheets keep their own; this is the default
  std::int32_t callSignDetail = 0;     // the detail box of the call-sign dialog
  std::int32_t modelType = 0;
  std::int32_t startMode = kStartNoDestination;
  bool fccInhibit = false;
  bool receiveExpansion = false;
  std::int32_t destinationCode = kNoDestination;  // 0-15, or kNoDestination

  bool operator==(const EnvironSettings&) const = default;
};
