#pragma once
// The integer list cell: a number cell whose value v shows as v + offset x step (with "+" in
// front of positive numbers when signed) and whose Enter opens a list of every value
// generated on the fly instead of the editor.
#include <cstdint>
#include <string>
#include <string_view>

#include "values/KeyReply.h"
#include "values/NumberCell.h"

class IntegerListCell {
 public:
  // The list's description; its value field is ignored. suffix follows the shown number.
  explicit IntegerListCell(const IntegerListPopup& list);

  std::string Display(std::int32_t value) const;
  // A typed number is the shown one: it is cut to the step and clamped into the list.
  bool Commit(std::string_view text, std::int32_t& value) const;
  // The value of an entry picked from the list; false (nothing changed) outside it.
  bool PickEntry(std::int32_t entry, std::int32_t& value) const;
  // Enter and F2 open the list; Space and Backspace step, wrapping at both ends; a digit,
  // "+" or "-" opens the editor.
  KeyReply Key(int key, std::int32_t& value) const;

 private:
  std::int32_t Shift() const { return list_.offset * list_.step; }

  IntegerListPopup list_;
  NumberCell shown_;
};
