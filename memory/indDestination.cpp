#include "memory/indDestination.h"

#include <algorithm>

#include "memory/ImageFields.h"
#include "memory/ModelSettings.h"

namespace {

// A destination row as the checks use it: inhibited ranges made inclusive.
struct BandPlan {
  std::array<FrequencyRange, kMaxInhibitedRanges> inhibited{};
  std::size_t inhibitedCount = 0;
  FrequencyRange fmBroadcast{};
  Hertz offsetLow = 0;
  Hertz offsetGroup3 = 0;
};

constexpr std::size_t RowIndexOf(std::int32_t code) {
  return code >= 0 && code < kDestinationCount ? static_cast<std::size_t>(code) : kDestinationCount - 1;
}

constexpr BandPlan PlanOf(const DestinationRow& row) {
  BandPlan plan;
  plan.inhibitedCount = std::min(row.inhibitedCount, kMaxInhibitedRanges);
  for (std::size_t i = 0; i < plan.inhibitedCount; ++i) {
    plan.inhibited[i] = {row.inhibited[i].low, row.inhibited[i].end - 1};
  }
  plan.fmBroadcast = row.fmBroadcast;
  plan.offsetLow = row.offsetLow;
  plan.offsetGroup3 = row.offsetGroup3;
  return plan;
}

// Until the first ApplyDestination the rows of an unknown destination are in force.
BandPlan activePlan = PlanOf(kDestinationRows[RowIndexOf(kDestinationCount)]);

template <std::size_t N>
bool InAny(const std::array<FrequencyRange, N>& ranges, std::size_t count, Hertz f) {
  return std::any_of(ranges.begin(), ranges.begin() + static_cast<std::ptrdiff_t>(count),
                     [f](const FrequencyRange& range) { return range.Contains(f); });
}

template <std::size_t N>
bool InAny(const std::array<FrequencyRange, N>& ranges, Hertz f) {
  return InAny(ranges, N, f);
}

// Removes cut from every range of ranges.
std::vector<FrequencyRange> Subtract(const std::vector<FrequencyRange>& ranges, const FrequencyRange& cut) {
  std::vector<FrequencyRange> rest;
  for (const FrequencyRange& range : ranges) {
    if (cut.high < range.low || cut.low > range.high) {
      rest.push_back(range);
      continue;
    }
    if (cut.low > range.low) rest.push_back({range.low, cut.low - 1});
    if (cut.high < range.high) rest.push_back({cut.high + 1, range.high});
  }
  return rest;
}

constexpr int kVhfTemplateGroup = 1;
constexpr int kUhfTemplateGroup = 2;
constexpr int kGroup3 = 3;

Hertz BandTemplateOffset(const cmcEeprom& defaults, int bandTemplate) {
  constexpr MemoryMap::Address kOffsetField = 4;
  return ReadU32(defaults, MemoryMap::kBandTemplates + MemoryMap::kBandTemplateSize * bandTemplate + kOffsetField);
}

}  // namespace

indDestination indDestination::Current() { return indDestination(CurrentModelSettings().DestinationCode()); }

void indDestination::ApplyDestination() const { activePlan = PlanOf(kDestinationRows[RowIndexOf(code_)]); }

bool indDestination::IsFrequencyAllowed(Hertz f) const {
  const ModelSettings& settings = CurrentModelSettings();
  if (!InAny(Bands::kReceiveBands, f)) return false;
  if (settings.FccInhibit() && InAny(Bands::kCellularRanges, f)) return false;
  return settings.ReceiveExpansion() || !InAny(activePlan.inhibited, activePlan.inhibitedCount, f);
}

bool indDestination::IsFrequencyRejected(Hertz f) const { return IsKnown() && !IsFrequencyAllowed(f); }

bool indDestination::InRepeaterBands(Hertz f) { return f == 0 || InAny(Bands::kRepeaterBands, f); }

bool indDestination::IsRepeaterFrequencyRejected(Hertz f) const { return IsKnown() && !InRepeaterBands(f); }

bool indDestination::InBroadcastRange(int list, Hertz f) const {
  if (list == kBroadcastListFm) return activePlan.fmBroadcast.Contains(f);
  if (list == kBroadcastListAm) return Bands::kAmBroadcast.Contains(f);
  return false;
}

bool indDestination::IsBroadcastFrequencyRejected(int list, Hertz f) const {
  return IsKnown() && !InBroadcastRange(list, f);
}

int indDestination::BandNumber(Hertz f) {
  for (int band = static_cast<int>(Bands::kBandBounds.size()) - 1; band >= 0; --band) {
    if (f >= Bands::kBandBounds[static_cast<std::size_t>(band)]) return band;
  }
  return Bands::kBelowBands;
}

int indDestination::RepeaterBandGroup(Hertz f) {
  for (std::size_t group = 0; group < Bands::kRepeaterBands.size(); ++group) {
    if (f <= Bands::kRepeaterBands[group].high) return static_cast<int>(group);
  }
  return Bands::kRepeaterGroupAbove;
}

Hertz indDestination::DefaultOffset(const cmcEeprom& defaults, int group) const {
  switch (group) {
    case kVhfTemplateGroup:
      return BandTemplateOffset(defaults, 1);
    case kUhfTemplateGroup:
      return BandTemplateOffset(defaults, 2);
    case kGroup3:
      return activePlan.offsetGroup3;
    default:
      return activePlan.offsetLow;
  }
}

Hertz indDestination::ReapplyDefaultOffset(const cmcEeprom& defaults, Hertz newF, Hertz oldF, Hertz offset) const {
  const int group = RepeaterBandGroup(newF);
  const bool oneIsZero = (newF == 0) != (oldF == 0);
  if (group != RepeaterBandGroup(oldF) || oneIsZero) return DefaultOffset(defaults, group);
  return offset;
}

std::vector<FrequencyRange> indDestination::AllowedRanges(bool receiveExpansion) {
  std::vector<FrequencyRange> allowed(Bands::kReceiveBands.begin(), Bands::kReceiveBands.end());
  if (receiveExpansion) return allowed;
  for (std::size_t i = 0; i < activePlan.inhibitedCount; ++i) {
    allowed = Subtract(allowed, activePlan.inhibited[i]);
  }
  return allowed;
}
