#include "memory/RepeaterUse.h"

#include <algorithm>

#include "memory/MemoryMap.h"
#include "memory/datCh.h"
#include "memory/indDestination.h"

namespace {

bool FitsTypeForUse(const datCh& entry) {
  switch (entry.RepeaterEntryType()) {
    case RepeaterType::kDvRepeater:
      return entry.duplex != kDuplexOff;
    case RepeaterType::kDvSimplex:
      return entry.duplex == kDuplexOff;
    default:
      return true;
  }
}

bool CanServeAsRpt1(const datCh& entry) {
  const indDestination destination = indDestination::Current();
  const Hertz f = entry.frequency;
  return f != 0 && !destination.IsRepeaterFrequencyRejected(f) && !destination.IsFrequencyRejected(f) &&
         !indDestination::IsAirBand(f) && FitsTypeForUse(entry);
}

}  // namespace

int SetRepeaterUse(bool on, cmcEeprom& image, int first, int last) {
  datCh entry(image);
  int changed = 0;
  const int end = std::min(last, MemoryMap::kRepeaterCount - 1);
  for (int position = std::max(first, 0); position <= end; ++position) {
    entry.Load(RecordKind::kRepeater, position);
    if (!entry.IsUsed() || (on && !CanServeAsRpt1(entry))) continue;
    const std::uint8_t flag = on ? 1 : 0;
    if (entry.rpt1Use == flag) continue;
    entry.rpt1Use = flag;
    entry.Store(RecordKind::kRepeater, position);
    ++changed;
  }
  return changed;
}
