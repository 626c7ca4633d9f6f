#include "print/PrintChoices.h"

#include "memory/datCh.h"

namespace {

constexpr int kChannelsChecked = 550;  // memory channels and scan edges
constexpr std::uint32_t kHighestBankFrequency = 479000000;

}  // namespace

PrintAllChoices InitialPrintAllChoices(cmcEeprom& image) {
  datCh record(image);
  for (int channel = 0; channel < kChannelsChecked; ++channel) {
    record.Load(RecordKind::kChannel, channel);
    if (record.IsUsed() && record.bank != kNoBank && record.frequency <= kHighestBankFrequency) {
      return {false, true};
    }
  }
  return {true, false};
}
