#pragma once
// The style of a sheet, from the items of its "_Style" line.
#include <cstdint>
#include <optional>
#include <string>

#include "text/CellFont.h"
#include "text/ColorNames.h"

enum class MultiSelectMode : uint8_t { None = 0, Cell = 1, Line = 2 };

struct SheetStyle {
  std::string titleString;  // empty: the sheet has no title panel
  std::optional<CellFont> titleFont;
  uint32_t titleColor = kClGrayText;
  int fixedColumns = 0;  // as written; the grid fixes at most all but one column
  int fixedRows = 0;
  int printFontRatio = 100;  // percent of the font size when printing
  MultiSelectMode multiSelect = MultiSelectMode::None;
  bool columnCutMenu = false;  // right-clicking a header row opens the column-cut menu
  bool noPrint = false;
  bool columnSizing = false;     // the user may resize columns; double-click auto-sizes
  bool colorSelectLine = false;  // the current row is tinted
};
