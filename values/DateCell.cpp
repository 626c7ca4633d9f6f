#include "values/DateCell.h"

#include "values/ZeroPadded.h"

namespace {

std::string YearFirst(const CalendarDate& date) {
  return ZeroPadded(date.year, 4) + '/' + ZeroPadded(date.month, 2) + '/' + ZeroPadded(date.day, 2);
}

// 0 year first, 1 month first, 2 day first: also the GPS text editor's edit type.
int EditOrder(int dateOrder) { return dateOrder == 0 || dateOrder == 1 ? dateOrder : 2; }

}  // namespace

DateCell::DateCell(const CodecSettings& settings, std::int16_t radioUtcOffset, bool yearFirst)
    : order_(yearFirst ? 0 : EditOrder(settings.dateOrder)), utcOffset_(EffectiveUtcOffset(radioUtcOffset)) {}

std::string DateCell::Display(const GpsStamp& stamp) const {
  const auto date = ToLocal(stamp, utcOffset_).date;
  if (!date) return order_ == 0 ? "----/--/--" : "--/--/----";
  if (order_ == 0) return YearFirst(*date);
  const std::string y = ZeroPadded(date->year, 4), m = ZeroPadded(date->month, 2), d = ZeroPadded(date->day, 2);
  if (order_ == 1) return m + '/' + d + '/' + y;
  return d + '/' + m + '/' + y;
}

bool DateCell::Commit(std::string_view text, GpsStamp& stamp) const {
  const auto date = ReadEnteredDate(text);
  return date && StoreLocalDate(*date, stamp, utcOffset_);
}

KeyReply DateCell::Key(int key, const GpsStamp& stamp) const {
  if (!OpensGpsEditor(key)) return KeyReply::None();
  const auto date = ToLocal(stamp, utcOffset_).date;
  return KeyReply::GpsEditor(date ? YearFirst(*date) : "    /  /  ", order_);
}
