#pragma once
// The texts of the received call record's columns, as the sheet shows them and as CSV files
// write them (no unit text, the file's decimal character).
#include <cstdint>
#include <string>

#include "memory/datCh.h"
#include "values/CodecSettings.h"
#include "values/UnitConversions.h"

class cmcEeprom;
class cmcFCache;

// What the texts depend on besides the record: the style, the display, the radio's UTC
// offset and its unit settings.
struct ReceivedCallSettings {
  UnitStyle style;
  CodecSettings codec;
  std::int16_t radioUtcOffset = 0x7FFF;
  bool positionInSeconds = false;
  bool metric = true;
  int speedUnits = 0;
  int temperatureUnits = 0;
  int pressureUnits = 0;
  int rainUnits = 0;
  int windUnits = 0;
  // The selection lists that name APRS symbols; without them the symbol column shows the two
  // stored characters.
  cmcFCache* symbolLists = nullptr;
};

ReceivedCallSettings ReceivedCallSettingsOf(const cmcEeprom& image, const CodecSettings& codec, const UnitStyle& style);

// The text of a received call column (a CL_Received_Callsign_ identifier) for a record in use.
std::string ReceivedCallText(const datCh& record, unsigned cellId, const ReceivedCallSettings& settings);

// The received call's own columns that need no settings: the SSID characters (0xFF or space
// after the last) "---" when empty and "(-0)" for "0"; the status "RPT UP" when bit 6 is set,
// else "RPT?" for code 1 and "UR?" for code 2 in the low nibble.
std::string SsidText(const FixedText<2>& ssid);
std::string StatusText(std::uint8_t status);
