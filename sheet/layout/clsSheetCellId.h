#pragma once
// One entry of a sheet's cell table: the cell's attribute set and its selection state.
#include <cstdint>

#include "text/cmcCellObj.h"

struct clsSheetCellId {
  static constexpr uint8_t kSelectRegion = 1u << 0;  // the cell may join a multi-selection
  static constexpr uint8_t kSelected = 1u << 1;
  static constexpr uint8_t kLineHighlighted = 1u << 2;

  // Drawn as selected (the current cell is drawn so as well, whatever its flags).
  bool MarkedSelected() const { return (flags & kSelectRegion) != 0 && (flags & (kSelected | kLineHighlighted)) != 0; }
  bool Has(uint8_t bit) const { return (flags & bit) != 0; }

  cmcCellObj cell;
  uint8_t flags = kSelectRegion;
};
