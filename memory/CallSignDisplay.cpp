// The call-sign helpers of the DV cells: completing RPT1/RPT2 and naming UR, RPT1 and RPT2
// by the list entries they refer to.
#include "memory/RecordCodecs.h"
#include "memory/RepeaterFields.h"
#include "memory/RepeaterList.h"
#include "memory/YourCallList.h"
#include "memory/datCh.h"

namespace {

// The name of a found entry, or the call sign itself when the entry is nameless.
NameText NameOrCall(const NameText& name, const CallSignText& call) {
  return IsBlank(name) ? MakeFixedText<MemoryMap::kNameLength>(ViewOf(call)) : name;
}

struct FoundName {
  NameText name;
  std::uint16_t entry;
};

FoundName RepeaterName(const cmcEeprom& image, const CallSignText& call, const CallSignText& repeaterCall) {
  const std::uint16_t entry = FindRepeaterForCallSign(image, ViewOf(call), ViewOf(repeaterCall));
  if (entry == kNoRepeater) return {MakeFixedText<MemoryMap::kNameLength>(ViewOf(call)), kNoEntryFound};
  return {NameOrCall(RepeaterNameOf(image, entry), call), entry};
}

FoundName YourCallName(const cmcEeprom& image, const CallSignText& call) {
  const int entry = FindYourCallLoose(image, call);
  if (entry != kNoYourCall) {
    datCh yourCall;
    DecodeYourCall(yourCall, image, entry);
    return {NameOrCall(yourCall.name, call), static_cast<std::uint16_t>(entry)};
  }
  if (call[0] == '/') return RepeaterName(image, call, kBlankCallSign);
  return {MakeFixedText<MemoryMap::kNameLength>(ViewOf(call)), kNoEntryFound};
}

}  // namespace

void datCh::CompleteRepeaterCalls() {
  if (IsBlank(rpt1) != IsBlank(rpt2)) {
    if (IsBlank(rpt1)) {
      rpt1 = rpt2;
    } else {
      rpt2 = rpt1;
    }
  }
  if (rpt1[7] == 'G') rpt1[7] = ' ';
  if (IsBlank(yourCall)) yourCall = kCallEveryone;
}

void datCh::DeriveDisplayNames() {
  const cmcEeprom& image = BoundImage();
  const FoundName ur = YourCallName(image, yourCall);
  const FoundName first = RepeaterName(image, rpt1, kBlankCallSign);
  const FoundName second = RepeaterName(image, rpt2, rpt1);
  yourCallName = ur.name;
  yourCallFound = ur.entry;
  rpt1Name = first.name;
  rpt1Found = first.entry;
  rpt2Name = second.name;
  rpt2Found = second.entry;
}
