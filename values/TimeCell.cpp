#include "values/TimeCell.h"

#include "values/ZeroPadded.h"

TimeCell::TimeCell(std::int16_t radioUtcOffset) : utcOffset_(EffectiveUtcOffset(radioUtcOffset)) {}

std::string TimeCell::Display(const GpsStamp& stamp) const {
  const auto time = ToLocal(stamp, utcOffset_).time;
  if (!time) return "--:--:--";
  return ZeroPadded(time->hour, 2) + ':' + ZeroPadded(time->minute, 2) + ':' + ZeroPadded(time->second, 2);
}

bool TimeCell::Commit(std::string_view text, GpsStamp& stamp) const {
  const auto time = ReadEnteredTime(text);
  return time && StoreLocalTime(*time, stamp, utcOffset_);
}

KeyReply TimeCell::Key(int key, const GpsStamp& stamp) const {
  if (!OpensGpsEditor(key)) return KeyReply::None();
  return KeyReply::GpsEditor(ToLocal(stamp, utcOffset_).time ? Display(stamp) : "  :  :  ", kEditorType);
}
