#pragma once
// What the bit-field editor edits: a value whose flag cells k = 1, 2, ... show bit (26 - k),
// the labels over them, the rule some flag sets must keep (the NMEA sentences the radio sends:
// one to four of them, or at least one), and the answers of the flag cells (CL_FBits). The
// editor's sheet is generated from these as a line table for a private text database, unless
// the caller names a sheet definition of its own.
#include <cstdint>
#include <string>
#include <vector>

#include "sheet/layout/cmcCellCapsule.h"
#include "values/PopupRequest.h"

inline constexpr const char* kBitFieldSheetKey = "GI_Sheet_FBitsR";

class BitFieldFlags {
 public:
  // At most 26 flags, first <= last; anything else is a defect (fatal).
  explicit BitFieldFlags(const BitFieldPopup& editor);

  std::uint32_t Value() const { return value_; }
  int FlagCount() const { return last_ - first_ + 1; }
  bool IsSet(int k) const;  // flag cell k, from 1

  // The header label of flag number a (first <= a <= last).
  std::string Label(int a) const;
  // The generated definition: style, basic cell, a header row of labels, the flag row, the
  // cell models and pop-up menus it uses.
  std::vector<std::string> SheetLines() const;
  // Whether OK may be pressed: the NMEA label types limit how many flags may be set.
  bool RuleHolds() const;
  // Whether the label type has a rule (then every flag cell repaints after a toggle).
  bool HasRule() const;

  // Answers a request on a flag cell: shows "o" or asks for a check mark when set, the error
  // mark on every cell while the rule is broken; Space, Backspace and a double-click toggle.
  // True when the value changed.
  bool Answer(cmcCellCapsule& request, int op);

 private:
  std::uint32_t value_;
  int first_;
  int last_;
  int labelType_;
  int markStyle_;
};
