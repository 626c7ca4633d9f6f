#include "memory/RecordChecks.h"

#include <algorithm>
#include <array>

#include "memory/BroadcastList.h"
#include "memory/ChannelList.h"
#include "memory/MemoryMap.h"
#include "memory/RepeaterList.h"
#include "memory/YourCallList.h"
#include "memory/datCh.h"
#include "memory/indDestination.h"
#include "platform/Fatal.h"

using namespace MemoryMap;

namespace {

const cmcEeprom& ImageOf(const datCh& record) {
  if (record.Image() == nullptr) Fatal("Record check on a record without an image.");
  return *record.Image();
}

bool IsOnOffsetGrid(Hertz offset) { return offset % 5000 == 0 || offset % 6250 == 0; }

bool IsDefaultModule(char c) { return c == 'A' || c == ' '; }

// The direct rule of the repeater look-ups: first 7 characters and the module letter, "A"
// and a space naming the same module.
bool IsSameDvRepeater(const CallSignText& a, const CallSignText& b) {
  return std::equal(a.begin(), a.begin() + 7, b.begin()) &&
         (a[7] == b[7] || (IsDefaultModule(a[7]) && IsDefaultModule(b[7])));
}

bool IsFmMode(std::uint8_t repeaterMode) {
  return repeaterMode == kRepeaterModeFm || repeaterMode == kRepeaterModeFmNarrow;
}

// An FM call sign may repeat in another band; a frequency of 0 is a band of its own.
int CallSignBand(Hertz f) { return f == 0 ? Bands::kRepeaterGroupAbove : indDestination::RepeaterBandGroup(f); }

bool IsEarlierDvHolder(const cmcEeprom& image, int entry, const datCh& record) {
  const CallSignText call = RepeaterCallSignOf(image, entry);
  return RepeaterModeOf(image, entry) == kRepeaterModeDv && !IsBlank(call) && IsSameDvRepeater(call, record.callSign);
}

bool IsEarlierFmHolder(const cmcEeprom& image, int entry, const datCh& record) {
  return IsFmMode(RepeaterModeOf(image, entry)) && RepeaterCallSignOf(image, entry) == record.callSign &&
         CallSignBand(RepeaterFrequencyOf(image, entry)) == CallSignBand(record.frequency);
}

// A bank sheet row shows a memory channel, judged as one.
constexpr int kChannelKinds[] = {RecordKind::kChannel, RecordKind::kBankView};
constexpr int kBroadcastKinds[] = {RecordKind::kBroadcastFm, RecordKind::kBroadcastAm};
constexpr int kYourCallKinds[] = {RecordKind::kYourCall};
constexpr int kRepeaterKinds[] = {RecordKind::kRepeater};

// In the order a record's findings are reported.
constexpr std::array<RecordCheckFacts, 12> kChecks{{
    {"CheckFrequency", "frequency", CheckSeverity::kWarning, &CheckFrequency, kChannelKinds},
    {"CheckFrequencyRange", "frequency", CheckSeverity::kError, &CheckFrequencyRange, kChannelKinds},
    {"CheckOffsetGrid", "offset", CheckSeverity::kWarning, &CheckOffsetGrid, kChannelKinds},
    {"CheckModeForBand", "mode", CheckSeverity::kWarning, &CheckModeForBand, kChannelKinds},
    {"CheckStepForBand", "tuningStep", CheckSeverity::kWarning, &CheckStepForBand, kChannelKinds},
    {"CheckBankConflict", "bank", CheckSeverity::kError, &CheckBankConflict, kChannelKinds},
    {"CheckBroadcastFrequency", "frequency", CheckSeverity::kWarning, &CheckBroadcastFrequency, kBroadcastKinds},
    {"CheckYourCall", "callSign", CheckSeverity::kWarning, &CheckYourCall, kYourCallKinds},
    {"CheckRepeaterCall", "callSign", CheckSeverity::kWarning, &CheckRepeaterCall, kRepeaterKinds},
    {"CheckRepeaterFrequency", "frequency", CheckSeverity::kWarning, &CheckRepeaterFrequency, kRepeaterKinds},
    {"CheckRepeaterFrequencyRange", "frequency", CheckSeverity::kError, &CheckRepeaterFrequencyRange, kRepeaterKinds},
    {"CheckRepeaterDuplex", "duplex", CheckSeverity::kWarning, &CheckRepeaterDuplex, kRepeaterKinds},
}};

bool Judges(const RecordCheckFacts& check, int kind) {
  return std::ranges::find(check.kinds, kind) != check.kinds.end();
}

void AddFindings(std::vector<ListFinding>& findings, const datCh& record) {
  if (!record.IsUsed()) return;
  for (const RecordCheckFacts* check : RecordFindings(record)) {
    findings.push_back({record.Kind(), record.Index(), check});
  }
}

void AddListFindings(std::vector<ListFinding>& findings, cmcEeprom& image, int kind, int first, int end) {
  datCh record(image);
  for (int index = first; index < end; ++index) {
    record.Load(kind, index);
    AddFindings(findings, record);
  }
}

// The AM list is read through all its positions: an empty one reads as unused.
void AddBroadcastFindings(std::vector<ListFinding>& findings, cmcEeprom& image) {
  for (int group = 0; group < kBroadcastGroupCount; ++group) {
    const int fm = BroadcastListIndex(group, false, 0);
    const int am = BroadcastListIndex(group, true, 0);
    AddListFindings(findings, image, RecordKind::kBroadcastFm, fm, fm + BroadcastFmCount(image, group));
    AddListFindings(findings, image, RecordKind::kBroadcastAm, am, am + kBroadcastGroupSlots);
  }
}

}  // namespace

bool CheckFrequency(const datCh& record) {
  return record.IsUsed() && indDestination::Current().IsFrequencyRejected(record.frequency);
}

bool CheckFrequencyRange(const datCh& record) {
  return record.IsUsed() && !Bands::kChannelFrequencyLimits.Contains(record.frequency);
}

bool CheckOffsetGrid(const datCh& record) {
  return record.IsUsed() && !IsOnOffsetGrid(record.offset) && indDestination::BandNumber(record.frequency) != 0;
}

bool CheckModeForBand(const datCh& record) {
  if (!record.IsUsed()) return false;
  const bool isAm = record.mode == ChannelMode::kAm;
  return indDestination::IsAirBand(record.frequency) ? !isAm : isAm;
}

bool CheckStepForBand(const datCh& record) {
  return record.IsUsed() && record.tuningStep == TuningStep::k8p33kHz && !indDestination::IsAirBand(record.frequency);
}

bool CheckBankConflict(const datCh& record) {
  if (!record.IsUsed() || record.bank >= kBankCount || record.bankChannel >= kBankChannelCount) {
    return false;
  }
  return BankTableEntry(ImageOf(record), record.bank, record.bankChannel) == kBankEntryConflict;
}

bool CheckBroadcastFrequency(const datCh& record) {
  if (!record.IsUsed()) return false;
  const indDestination destination = indDestination::Current();
  switch (record.Kind()) {
    case RecordKind::kBroadcastFm:
      return destination.IsBroadcastFrequencyRejected(kBroadcastListFm, record.frequency);
    case RecordKind::kBroadcastAm:
      return destination.IsBroadcastFrequencyRejected(kBroadcastListAm, record.frequency);
    default:
      return false;
  }
}

bool CheckYourCall(const datCh& record) {
  return IsBlank(record.callSign) || FindYourCall(ImageOf(record), record.callSign) != record.Index();
}

bool CheckRepeaterCall(const datCh& record) {
  if (IsBlank(record.callSign)) return false;
  const bool isDv = record.mode == kRepeaterModeDv;
  if (!isDv && !IsFmMode(record.mode)) return false;
  const cmcEeprom& image = ImageOf(record);
  const int earlier = std::clamp(record.Index(), 0, kRepeaterCount);
  for (int entry = 0; entry < earlier; ++entry) {
    if (isDv ? IsEarlierDvHolder(image, entry, record) : IsEarlierFmHolder(image, entry, record)) {
      return true;
    }
  }
  return false;
}

bool CheckRepeaterFrequency(const datCh& record) {
  if (!record.IsUsed()) return false;
  const int type = record.RepeaterEntryType();
  const bool needsFrequency = type != RepeaterType::kDvRepeater;
  return indDestination::Current().IsRepeaterFrequencyRejected(record.frequency) ||
         (needsFrequency && record.frequency == 0);
}

bool CheckRepeaterFrequencyRange(const datCh& record) {
  return record.IsUsed() && record.frequency != 0 && !Bands::kRepeaterFrequencyLimits.Contains(record.frequency);
}

bool CheckRepeaterDuplex(const datCh& record) {
  return record.RepeaterEntryType() == RepeaterType::kDvSimplex && record.duplex != kDuplexOff;
}

std::vector<const RecordCheckFacts*> ChecksOfKind(int kind) {
  std::vector<const RecordCheckFacts*> checks;
  for (const RecordCheckFacts& check : kChecks) {
    if (Judges(check, kind)) checks.push_back(&check);
  }
  return checks;
}

std::vector<const RecordCheckFacts*> RecordFindings(const datCh& record) {
  std::vector<const RecordCheckFacts*> failed;
  for (const RecordCheckFacts* check : ChecksOfKind(record.Kind())) {
    if (check->fails(record)) failed.push_back(check);
  }
  return failed;
}

std::vector<ListFinding> ListFindings(cmcEeprom& image) {
  std::vector<ListFinding> findings;
  AddListFindings(findings, image, RecordKind::kChannel, 0, kChannelIndexCount);
  AddListFindings(findings, image, RecordKind::kRepeater, 0, RepeaterCount(image));
  AddListFindings(findings, image, RecordKind::kYourCall, 0, YourCallCount(image));
  AddBroadcastFindings(findings, image);
  return findings;
}
