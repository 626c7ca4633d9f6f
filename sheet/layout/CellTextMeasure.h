#pragma once
// Measures texts for the layout of a sheet (auto width and auto height). The user interface
// answers with the metrics of the screen or of the printer the sheet is laid out for.
#include <string_view>

#include "text/CellFont.h"

class CellTextMeasure {
 public:
  virtual ~CellTextMeasure() = default;
  // Width and height in pixels of one line of text (no line breaks) drawn in font.
  virtual int Width(const CellFont& font, std::string_view line) = 0;
  virtual int Height(const CellFont& font, std::string_view line) = 0;
};

// For layouts read only for their cells and their order, where sizes do not matter.
class NoTextMeasure final : public CellTextMeasure {
 public:
  int Width(const CellFont&, std::string_view) override { return 0; }
  int Height(const CellFont&, std::string_view) override { return 0; }
};
