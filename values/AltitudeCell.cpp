#include "values/AltitudeCell.h"

#include <cmath>

#include "text/TextFields.h"
#include "values/UnitConversions.h"

namespace {

NumberCellFormat UnitsFormat(bool metric) {
  NumberCellFormat format;
  format.minimum = metric ? -10000 : -32808;
  format.maximum = -format.minimum;
  return format;
}

}  // namespace

AltitudeCell::AltitudeCell(bool metric) : metric_(metric), units_(UnitsFormat(metric)) {}

std::string AltitudeCell::Display(std::int32_t tenthsOfFoot) const {
  if (tenthsOfFoot == kNotSet) return "------";
  return std::to_string(WholeAltitudeUnits(tenthsOfFoot, metric_)) + (metric_ ? "m" : "ft");
}

bool AltitudeCell::Commit(std::string_view text, std::int32_t& tenthsOfFoot) const {
  if (TrimControlsAndSpaces(text).empty()) {
    tenthsOfFoot = kNotSet;
    return true;
  }
  std::int32_t units = 0;
  if (!units_.Commit(text, units)) return false;
  tenthsOfFoot = metric_ ? static_cast<std::int32_t>(std::lround(units * 32.808399)) : units * 10;
  return true;
}

KeyReply AltitudeCell::Key(int key, std::int32_t& tenthsOfFoot) const {
  std::int32_t units =
      tenthsOfFoot == kNotSet ? 0 : static_cast<std::int32_t>(WholeAltitudeUnits(tenthsOfFoot, metric_));
  KeyReply reply = units_.Key(key, units);
  if (reply.action == KeyReply::Action::kEdit && reply.selectionLength > 0 && tenthsOfFoot == kNotSet) {
    reply = KeyReply::EditSelected({});
  }
  return reply;
}
