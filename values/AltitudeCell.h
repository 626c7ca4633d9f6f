#pragma once
// The altitude cell: tenths of a foot (signed 32-bit, 0x7FFFFFFF not set) shown and typed in
// whole metres or feet after the units setting, under the number cell's rules.
#include <cstdint>
#include <string>
#include <string_view>

#include "values/KeyReply.h"
#include "values/NumberCell.h"

class AltitudeCell {
 public:
  static constexpr std::int32_t kNotSet = 0x7FFFFFFF;

  // metric: the units setting is 0 (metres).
  explicit AltitudeCell(bool metric);

  // "123m" or "404ft"; "------" when not set.
  std::string Display(std::int32_t tenthsOfFoot) const;
  // A number (clamped to -10,000..10,000 m or -32,808..32,808 ft) stored in tenths of a foot;
  // an empty entry stores "not set"; a text with no digit otherwise changes nothing.
  bool Commit(std::string_view text, std::int32_t& tenthsOfFoot) const;
  // Enter, F2 and Space open the editor with the whole units (empty when not set); a digit,
  // "." or "-" starts it.
  KeyReply Key(int key, std::int32_t& tenthsOfFoot) const;

 private:
  bool metric_;
  NumberCell units_;
};
