#pragma once
// The radio's regional version (destination) and the band rules it decides: which
// frequencies a channel, a repeater entry or a broadcast memory may hold, band numbers,
// repeater band groups and default repeater offsets.
//
// The destination-dependent rows are process-wide: ApplyDestination loads them, at start
// and whenever the destination changes, before any other operation is used. An
// indDestination itself only carries its code; callers make one for the current
// destination around each use. The FCC-inhibit and receive-expansion flags are read from
// the model settings at each call.
#include <cstdint>
#include <vector>

#include "memory/DestinationTables.h"
#include "memory/cmcEeprom.h"

// Broadcast lists as the broadcast checks name them.
inline constexpr int kBroadcastListFm = 0;
inline constexpr int kBroadcastListAm = 1;

class indDestination {
 public:
  // 0-15 regional versions, 16 (or any other value) not known. Rows are chosen by code, codes
  // outside 0-15 taking row 15; the destination rejections apply to codes 0-15 only.
  explicit indDestination(std::int32_t code) : code_(code) {}

  // The destination of the model settings in force.
  static indDestination Current();

  std::int32_t Code() const { return code_; }
  bool IsKnown() const { return code_ >= 0 && code_ < kDestinationCount; }

  // Loads the process-wide rows of this code.
  void ApplyDestination() const;

  // In a receive band, not closed by the FCC-inhibit flag, and not inhibited for the applied
  // destination unless the receive-expansion flag is set.
  bool IsFrequencyAllowed(Hertz f) const;
  bool IsFrequencyRejected(Hertz f) const;

  // 0, or inside one of the four repeater bands.
  static bool InRepeaterBands(Hertz f);
  bool IsRepeaterFrequencyRejected(Hertz f) const;

  // list kBroadcastListFm or kBroadcastListAm; any other list has no range.
  bool InBroadcastRange(int list, Hertz f) const;
  bool IsBroadcastFrequencyRejected(int list, Hertz f) const;

  // 0 air band, 1 VHF (to 174 MHz), 2 up to 380 MHz, 3 UHF (to 479 MHz), 4 above, 5 below
  // 108 MHz.
  static int BandNumber(Hertz f);
  // The first repeater band whose upper bound f does not exceed (0-3), 4 above them all.
  static int RepeaterBandGroup(Hertz f);
  static bool IsAirBand(Hertz f) { return f < Bands::kAirBandLimit; }

  // The default repeater offset of a band group: groups 1 and 2 from the VHF and UHF band
  // templates in the program-side extension of defaults (the defaults image, full size),
  // the other groups from the applied destination row.
  Hertz DefaultOffset(const cmcEeprom& defaults, int group) const;
  // The offset to keep after the frequency of a repeater entry changed from oldF to newF:
  // the default of the new band group when the group changed or exactly one of the two
  // frequencies is 0, otherwise offset.
  Hertz ReapplyDefaultOffset(const cmcEeprom& defaults, Hertz newF, Hertz oldF, Hertz offset) const;

  // What remains of the receive bands for the applied destination, in ascending order: the
  // whole receive bands with receive expansion, without it the bands less the inhibited
  // ranges. Without expansion these are also the transmit ranges.
  static std::vector<FrequencyRange> AllowedRanges(bool receiveExpansion);

 private:
  std::int32_t code_;
};
