#include "values/IntegerListCell.h"

namespace {

NumberCellFormat ShownFormat(const IntegerListPopup& list) {
  NumberCellFormat format;
  const std::int32_t shift = list.offset * list.step;
  format.minimum = list.minimum + shift;
  format.maximum = list.maximum + shift;
  format.step = list.step;
  format.signShown = list.signedText;
  format.stepping = true;
  return format;
}

}  // namespace

IntegerListCell::IntegerListCell(const IntegerListPopup& list) : list_(list), shown_(ShownFormat(list)) {}

std::string IntegerListCell::Display(std::int32_t value) const {
  return shown_.Display(value + Shift()) + list_.suffix;
}

bool IntegerListCell::Commit(std::string_view text, std::int32_t& value) const {
  std::int32_t shown = value + Shift();
  if (!shown_.Commit(text, shown)) return false;
  value = shown - Shift();
  return true;
}

bool IntegerListCell::PickEntry(std::int32_t entry, std::int32_t& value) const {
  if (entry < list_.minimum || entry > list_.maximum || (entry - list_.minimum) % list_.step != 0) return false;
  const bool changed = entry != value;
  value = entry;
  return changed;
}

KeyReply IntegerListCell::Key(int key, std::int32_t& value) const {
  if (IsEnterKey(key) || key == kKeyF2) {
    IntegerListPopup list = list_;
    list.value = value;
    return KeyReply::Popup(list);
  }
  std::int32_t shown = value + Shift();
  const KeyReply reply = shown_.Key(key, shown);
  value = shown - Shift();
  return reply;
}
