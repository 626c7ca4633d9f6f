#include "memory/indRptStatusKeep.h"

#include <algorithm>
#include <vector>

#include "memory/MemoryMap.h"
#include "memory/datCh.h"
#include "memory/indDestination.h"

namespace {

bool IsDv(const datCh& entry) { return entry.mode == kRepeaterModeDv; }

// A DV entry is known by its call sign; one Without (DV Simplex) by its frequency.
bool IsSameDvRepeater(const datCh& next, const datCh& old) {
  return !IsBlank(next.callSign) || (next.frequency != 0 && next.frequency == old.frequency);
}

// An analogue repeater with a call sign may move within its band; anything else must keep
// its frequency.
bool IsSameFmRepeater(const datCh& next, const datCh& old) {
  if ((next.duplex == kDuplexOff) != (old.duplex == kDuplexOff)) return false;
  if (next.frequency == 0 || old.frequency == 0) return false;
  if (next.duplex != kDuplexOff && !IsBlank(next.callSign)) {
    return indDestination::RepeaterBandGroup(next.frequency) == indDestination::RepeaterBandGroup(old.frequency);
  }
  return next.frequency == old.frequency;
}

bool IsSameRepeater(const datCh& next, const datCh& old) {
  if (next.callSign != old.callSign || IsDv(next) != IsDv(old)) return false;
  return IsDv(next) ? IsSameDvRepeater(next, old) : IsSameFmRepeater(next, old);
}

}  // namespace

indRptStatusKeep::PositionRange indRptStatusKeep::RangeOf(int first, int last) {
  return {first, std::max(first, last)};
}

void indRptStatusKeep::TakeOld(const cmcEeprom& image, int first, int last) {
  old_.Assign(image);
  oldRange_ = RangeOf(first, last);
}

void indRptStatusKeep::SetTarget(cmcEeprom& image, int first, int last) {
  target_ = &image;
  newRange_ = RangeOf(first, last);
}

void indRptStatusKeep::Apply() {
  if (target_ == nullptr) return;
  const auto firstOf = [](const PositionRange& range) { return std::max(range.first, 0); };
  const auto lastOf = [](const PositionRange& range) { return std::min(range.last, MemoryMap::kRepeaterCount - 1); };
  std::vector<datCh> olds;
  for (int position = firstOf(oldRange_); position <= lastOf(oldRange_); ++position) {
    olds.emplace_back(old_);
    olds.back().Load(RecordKind::kRepeater, position);
  }
  datCh next(*target_);
  for (int position = firstOf(newRange_); position <= lastOf(newRange_); ++position) {
    next.Load(RecordKind::kRepeater, position);
    const auto match =
        std::find_if(olds.begin(), olds.end(), [&](const datCh& old) { return IsSameRepeater(next, old); });
    if (match == olds.end()) continue;
    next.rpt1Use = match->rpt1Use;
    next.Commit();
  }
}
