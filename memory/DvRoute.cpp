#include "memory/DvRoute.h"

#include <algorithm>
#include <array>
#include <optional>

#include "memory/ChannelList.h"
#include "memory/RepeaterList.h"
#include "memory/YourCallList.h"
#include "memory/datCh.h"
#include "memory/indDestination.h"

namespace {

// The radio refuses a duplex offset of 60 MHz or more.
constexpr std::uint32_t kHighestTransmitOffset = 59999999;
// The band whose template starts a channel that has no access repeater to take a band from.
constexpr int kUhfBand = 3;

const RouteText kEveryoneText = MakeFixedText<MemoryMap::kNameLength>("CQCQCQ");

bool IsGatewayCall(const CallSignText& call) { return call[7] == 'G'; }

datCh RepeaterAt(const cmcEeprom& image, std::uint16_t entry) {
  datCh repeater;
  DecodeRepeater(repeater, image, entry);
  return repeater;
}

std::optional<datCh> FoundRepeater(const cmcEeprom& image, const RouteText& text) {
  if (IsBlank(text)) return std::nullopt;
  const std::uint16_t entry = RepeaterOfText(image, text);
  if (entry == kNoRepeater) return std::nullopt;
  return RepeaterAt(image, entry);
}

bool InTransmitRanges(const datCh& repeater) {
  const std::vector<FrequencyRange> ranges = indDestination::AllowedRanges(false);
  if (ranges.empty() || repeater.frequency < ranges.front().low) return false;
  return std::any_of(ranges.begin(), ranges.end(),
                     [&](const FrequencyRange& range) { return range.Contains(repeater.frequency); });
}

int AccessKindOf(const std::optional<datCh>& access, bool blank, bool checkTransmit) {
  if (blank) return AccessKind::kNone;
  if (!access) return AccessKind::kUnknown;
  if (access->frequency == 0 || access->duplex == kDuplexOff) return AccessKind::kNoTransmit;
  if (checkTransmit && (!InTransmitRanges(*access) || access->offset > kHighestTransmitOffset)) {
    return AccessKind::kNoTransmit;
  }
  return IsGatewayCall(access->gateway) ? AccessKind::kGateway : AccessKind::kLocal;
}

bool SameZone(const datCh& a, const datCh& b) { return !IsBlank(a.gateway) && a.gateway == b.gateway; }

int CalledKindOf(const cmcEeprom& image, int accessKind, const std::optional<datCh>& access, const RouteText& called) {
  if (IsBlank(called)) return CalledKind::kNone;
  const std::optional<datCh> repeater = FoundRepeater(image, called);
  if (repeater && IsBlank(repeater->callSign)) return CalledKind::kNone;
  if (called == kEveryoneText) return CalledKind::kEveryone;
  if (FindYourCallByName(image, called) != kNoYourCall || !repeater) return CalledKind::kStation;
  if (accessKind == AccessKind::kNone || accessKind == AccessKind::kUnknown) return CalledKind::kSameRepeater;
  if (repeater->callSign == access->callSign) return CalledKind::kSameRepeater;
  if (SameZone(*access, *repeater)) return CalledKind::kSameZone;
  return IsGatewayCall(repeater->gateway) ? CalledKind::kOtherGateway : CalledKind::kOtherLocal;
}

// The called station as BuildRouteCallSigns reads it: nothing, everyone, a repeater or a
// plain call sign (a your-call-sign entry's, or the text itself).
struct CalledStation {
  enum class Kind { kNone, kEveryone, kRepeater, kText } kind = Kind::kNone;
  std::optional<datCh> repeater;
  CallSignText text = kBlankCallSign;
};

CalledStation CalledStationOf(const cmcEeprom& image, const RouteText& called) {
  using Kind = CalledStation::Kind;
  if (IsBlank(called)) return {};
  if (called == kEveryoneText) return {Kind::kEveryone, std::nullopt, kBlankCallSign};
  const int yourCall = FindYourCallByName(image, called);
  if (yourCall != kNoYourCall) return {Kind::kText, std::nullopt, YourCallOf(image, yourCall)};
  std::optional<datCh> repeater = FoundRepeater(image, called);
  if (repeater) return {Kind::kRepeater, std::move(repeater), kBlankCallSign};
  return {Kind::kText, std::nullopt, MakeFixedText<MemoryMap::kCallSignLength>(ViewOf(called))};
}

struct CallSigns {
  CallSignText ur = kBlankCallSign;
  CallSignText rpt1 = kBlankCallSign;
  CallSignText rpt2 = kBlankCallSign;
};

CallSigns RouteCallSigns(const std::optional<datCh>& access, const CalledStation& called, int rpt2Kind,
                         const std::optional<datCh>& rpt2) {
  using Kind = CalledStation::Kind;
  const bool rpt2None =
      rpt2Kind == Rpt2Kind::kNone || rpt2Kind == Rpt2Kind::kSame || (rpt2Kind == Rpt2Kind::kNamed && !rpt2);
  const CallSignText accessCall = access ? access->callSign : kBlankCallSign;
  const CallSignText accessGateway = access ? access->gateway : kBlankCallSign;
  switch (called.kind) {
    case Kind::kNone:
      return {};
    case Kind::kEveryone:
      if (!access && rpt2None) return {kCallEveryone};
      return {kCallEveryone, accessCall};
    case Kind::kRepeater: {
      const datCh& b = *called.repeater;
      if (!access && rpt2None) return {b.callSign};
      if (access && b.callSign == accessCall) return {kCallEveryone, accessCall};
      if (access && SameZone(*access, b)) return {kCallEveryone, accessCall, b.callSign};
      return {SlashForm(b.callSign), accessCall, accessGateway};
    }
    case Kind::kText:
      break;
  }
  const CallSignText& t = called.text;
  if (!access && rpt2None) return {t};
  if (t[0] == '/' || rpt2Kind == Rpt2Kind::kGateway) return {t, accessCall, accessGateway};
  if (rpt2None) return {t, accessCall};
  return {t, accessCall, rpt2->callSign};
}

// A repeater found for RPT1 or RPT2 counts only when the radio could use it.
std::uint16_t UsableIndex(const cmcEeprom& image, std::uint16_t entry) {
  if (entry >= MemoryMap::kRepeaterCount) return kNoEntryFound;
  if (RepeaterFrequencyOf(image, entry) == 0 || RepeaterDuplexOf(image, entry) == kDuplexOff) return kNoEntryFound;
  return entry;
}

FixedText<11> RouteTypeText(int type) {
  static constexpr std::array<const char*, 10> kTexts = {"?", "Direct", "Single",  "Asist Link",  "Gateway",
                                                         "",  "",       "Single?", "Asist Link?", "Gateway?"};
  return MakeFixedText<11>(kTexts[static_cast<std::size_t>(type)]);
}

}  // namespace

std::uint16_t RepeaterOfText(const cmcEeprom& image, const RouteText& text) {
  const std::uint16_t byName = FindRepeaterByName(image, text);
  if (byName != kNoRepeater) return byName;
  return FindRepeaterByCall(image, ViewOf(text), {}, CallSignRule::kDirect);
}

bool InAccessZone(const cmcEeprom& image, std::uint16_t access, int entry) {
  if (access >= MemoryMap::kRepeaterCount || entry < 0 || entry >= MemoryMap::kRepeaterCount) return false;
  const CallSignText call = RepeaterCallSignOf(image, entry);
  if (RepeaterModeOf(image, entry) != kRepeaterModeDv || IsBlank(call)) return false;
  const CallSignText gateway = RepeaterGatewayOf(image, access);
  return call == RepeaterCallSignOf(image, access) || (!IsBlank(gateway) && RepeaterGatewayOf(image, entry) == gateway);
}

int AccessKindOfRepeater(const cmcEeprom& image, std::uint16_t entry, bool checkTransmit) {
  if (entry >= MemoryMap::kRepeaterCount || RepeaterModeOf(image, entry) != kRepeaterModeDv) {
    return AccessKind::kUnknown;
  }
  return AccessKindOf(RepeaterAt(image, entry), false, checkTransmit);
}

RouteText WithoutSlash(const RouteText& text) {
  if (text[0] != '/') return text;
  RouteText plain = text;
  std::copy_n(text.begin() + 1, 6, plain.begin());
  plain[6] = ' ';
  return plain;
}

CallSignText SlashForm(const CallSignText& call) {
  if (IsBlank(call)) return kBlankCallSign;
  CallSignText slash = call;
  slash[0] = '/';
  std::copy_n(call.begin(), 6, slash.begin() + 1);
  slash[7] = call[7];
  return slash;
}

RouteClass ClassifyRoute(const cmcEeprom& image, bool checkTransmit, const RouteText& accessText,
                         RouteText& calledText) {
  const std::optional<datCh> access = FoundRepeater(image, accessText);
  RouteClass route;
  route.accessKind = AccessKindOf(access, IsBlank(accessText), checkTransmit);
  const RouteText plain = WithoutSlash(calledText);
  route.calledKind = CalledKindOf(image, route.accessKind, access, plain);
  if (calledText[0] != '/') return route;
  if (route.calledKind == CalledKind::kSameRepeater || route.calledKind == CalledKind::kSameZone) {
    calledText = plain;
  } else if (route.calledKind == CalledKind::kOtherLocal) {
    route.calledKind = CalledKind::kNone;
    calledText = kBlankName;
  } else {
    route.calledKind = CalledKind::kUnreachableSlash;
  }
  return route;
}

bool IsRouteValid(const RouteClass& route) {
  const auto calledIn = [&](std::initializer_list<int> kinds) {
    return std::find(kinds.begin(), kinds.end(), route.calledKind) != kinds.end();
  };
  using namespace CalledKind;
  switch (route.accessKind) {
    case AccessKind::kNone:
      return calledIn({kNone, kEveryone, kStation});
    case AccessKind::kLocal:
      return calledIn({kSameRepeater, kSameZone, kEveryone, kStation});
    case AccessKind::kGateway:
      return calledIn({kSameRepeater, kSameZone, kOtherGateway, kEveryone, kStation, kUnreachableSlash});
    default:
      return false;
  }
}

int Rpt2ChoiceMode(const RouteClass& route) {
  if (route.calledKind != CalledKind::kStation) return 0;
  if (route.accessKind == AccessKind::kLocal) return 1;
  if (route.accessKind == AccessKind::kGateway) return 2;
  return 0;
}

void BuildRouteCallSigns(const cmcEeprom& image, cmcEeprom& defaults, datCh& record, const RouteText& accessText,
                         const RouteText& calledText, const RouteText& rpt2Text, int rpt2Kind) {
  const std::optional<datCh> access = FoundRepeater(image, accessText);
  const CalledStation called = CalledStationOf(image, calledText);
  const std::optional<datCh> rpt2 =
      rpt2Kind == Rpt2Kind::kNamed ? FoundRepeater(image, rpt2Text) : std::optional<datCh>();
  if (!record.IsUsed()) {
    FillFromBandTemplate(record, defaults, access ? indDestination::BandNumber(access->frequency) : kUhfBand);
    record.SetUsed(true);
  }
  if (access) {
    record.frequency = access->frequency;
    record.duplex = access->duplex;
    record.offset = access->offset;
  }
  record.mode = ChannelMode::kDv;
  const CallSigns calls = RouteCallSigns(access, called, rpt2Kind, rpt2);
  record.yourCall = calls.ur;
  record.rpt1 = calls.rpt1;
  record.rpt2 = calls.rpt2;
}

RouteAnalysis AnalyseRoute(const datCh& record) {
  datCh route = record;
  route.CompleteRepeaterCalls();
  route.DeriveDisplayNames();
  const cmcEeprom& image = *route.Image();
  const CallSignText& ur = route.yourCall;
  const bool slash = ur[0] == '/';
  const bool everyone = ur == kCallEveryone;
  const bool sameRepeaters = route.rpt1 == route.rpt2;
  const bool viaGateway = IsGatewayCall(route.rpt2);
  // UR names a repeater only in its "/" form; the your-call-sign list never holds one.
  const std::uint16_t urIndex = slash ? route.yourCallFound : kNoEntryFound;
  const std::uint16_t rpt1Index = UsableIndex(image, route.rpt1Found);

  RouteAnalysis result;
  result.rpt2Index = UsableIndex(image, route.rpt2Found);
  const auto take = [&](int type, const RouteText& called, std::uint16_t calledIndex) {
    result.type = type;
    result.calledText = called;
    result.calledIndex = calledIndex;
    if (type == RouteType::kDirect) return;
    result.accessText = route.rpt1Name;
    result.accessIndex = rpt1Index;
  };
  if (!slash && ((IsBlank(route.rpt1) && IsBlank(route.rpt2)) || route.duplex == kDuplexOff)) {
    take(RouteType::kDirect, route.yourCallName, urIndex);
  } else if (slash) {
    if (!sameRepeaters && viaGateway) take(RouteType::kGateway, route.yourCallName, urIndex);
  } else if (everyone) {
    if (sameRepeaters) {
      take(RouteType::kSingle, kEveryoneText, kNoEntryFound);
    } else if (!viaGateway) {
      take(RouteType::kAssistLink, route.rpt2Name, result.rpt2Index);
    }
  } else if (sameRepeaters) {
    take(RouteType::kSingle, route.yourCallName, urIndex);
    // An RPT2 typed equal to RPT1 is kept as that repeater; a blank one means "same".
    if (!IsBlank(record.rpt2)) {
      result.rpt2Kind = Rpt2Kind::kNamed;
      result.rpt2Text = route.rpt2Name;
    }
  } else {
    take(viaGateway ? RouteType::kGateway : RouteType::kAssistLink, route.yourCallName, urIndex);
    result.rpt2Kind = viaGateway ? Rpt2Kind::kGateway : Rpt2Kind::kNamed;
    if (!viaGateway) result.rpt2Text = route.rpt2Name;
  }
  const bool missing = rpt1Index == kNoEntryFound || result.rpt2Index == kNoEntryFound;
  if (result.type >= RouteType::kSingle && result.type <= RouteType::kGateway && missing) result.type += 5;
  result.typeText = RouteTypeText(result.type);
  return result;
}
