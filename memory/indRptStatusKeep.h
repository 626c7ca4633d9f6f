#pragma once
// Carries the RPT1-use flags of the repeater list over an import that replaces entries: the
// keeper holds a copy of the image as it was before, and gives each newly imported entry the
// flag of the first old entry that describes the same repeater.
#include "memory/cmcEeprom.h"

class indRptStatusKeep {
 public:
  indRptStatusKeep() = default;

  // Copies image; the old entries are list positions first to max(first, last) of the copy.
  void TakeOld(const cmcEeprom& image, int first, int last);
  // The image the new entries are in (it must outlive the keeper's use of it), at list
  // positions first to max(first, last).
  void SetTarget(cmcEeprom& image, int first, int last);
  // For each new entry, the first old entry that describes the same repeater gives it its
  // RPT1-use flag. Both must carry the same 8-character call sign and both be DV or both
  // analogue. DV entries then match by call sign, or, without one, by the same frequency.
  // Analogue entries must agree on having a duplex and have frequencies; one with a duplex
  // and a call sign matches within its repeater band group, any other by the same frequency.
  // New entries without a match keep their flag. Positions outside the list are passed over;
  // without a target nothing happens.
  void Apply();

 private:
  struct PositionRange {
    int first = 0;
    int last = -1;
  };
  static PositionRange RangeOf(int first, int last);

  cmcEeprom old_;
  PositionRange oldRange_;
  cmcEeprom* target_ = nullptr;
  PositionRange newRange_;
};
