#pragma once
// The number cell: an integer value in units of 10^-decimals (a frequency in hertz is MHz
// with 6 decimals), shown with a fixed number of decimals and typed as a decimal number that
// is rounded, cut to the step and clamped into the range.
#include <cstdint>
#include <string>
#include <string_view>

#include "values/KeyReply.h"

struct NumberCellFormat {
  int decimals = 0;       // the value counts units of 10^-decimals (0-9)
  int shownDecimals = 0;  // decimals shown after the point
  int width = 0;          // the integer part is right-aligned to this many characters
  std::int32_t minimum = 0;
  std::int32_t maximum = 0;
  std::int32_t step = 1;           // at least 1
  bool signShown = false;          // "+" in front of positive values; "+" also starts the editor
  bool stepping = false;           // Space and Backspace step the value
  int zerosToStrip = 0;            // trailing "0"s removed from the shown text
  bool editorStartsEmpty = false;  // Enter opens an empty editor, "." one with "0.000..."
  bool zeroMeansNone = false;      // 0 shows an empty text, and an entry without a digit stores 0
};

class NumberCell {
 public:
  // A format with a step below 1, more than 9 decimals or a minimum above the maximum is a
  // defect (fatal).
  explicit NumberCell(const NumberCellFormat& format);

  std::string Display(std::int32_t value) const;
  // Stores the typed number and answers true; a text without a digit changes nothing (the
  // zero-means-none variant stores 0).
  bool Commit(std::string_view text, std::int32_t& value) const;
  KeyReply Key(int key, std::int32_t& value) const;

 private:
  std::int32_t FitToStepAndRange(std::int64_t value) const;
  std::int32_t Stepped(std::int32_t value, int direction) const;
  KeyReply OpenEditor(std::int32_t value) const;
  KeyReply OpenEditorAtPoint() const;

  NumberCellFormat format_;
};
