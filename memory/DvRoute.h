#pragma once
// Digital-voice routes: how an access repeater and a called station (each a 16-character
// text: a repeater or your-call-sign name, a call sign, "CQCQCQ" or the "/" form of a
// repeater call sign) become a channel's UR, RPT1 and RPT2 call signs, and how a channel's
// call signs are read back as such a route. Pure functions over the repeater list and the
// your-call-sign list of an image; nothing here writes the image.
#include <cstdint>
#include <string_view>

#include "memory/FixedText.h"
#include "memory/cmcEeprom.h"
#include "memory/datCh.h"

// The access repeater and called station texts as the route dialog shows them.
using RouteText = NameText;

namespace AccessKind {
inline constexpr int kNone = 0;        // no access repeater
inline constexpr int kNoTransmit = 1;  // the repeater cannot be reached from this radio
inline constexpr int kLocal = 2;       // a repeater without a gateway
inline constexpr int kGateway = 3;     // a repeater behind a gateway ("G" call sign)
inline constexpr int kUnknown = 4;     // the text names no repeater
}  // namespace AccessKind

namespace CalledKind {
inline constexpr int kNone = 0;
inline constexpr int kSameRepeater = 1;
inline constexpr int kSameZone = 2;          // another repeater behind the access gateway
inline constexpr int kOtherLocal = 3;        // another repeater without a gateway
inline constexpr int kOtherGateway = 4;      // a repeater behind another gateway
inline constexpr int kEveryone = 5;          // "CQCQCQ"
inline constexpr int kStation = 6;           // a your-call-sign name or any other call sign
inline constexpr int kUnreachableSlash = 7;  // a "/" form that names no reachable repeater
}  // namespace CalledKind

namespace Rpt2Kind {
inline constexpr int kNone = 0;
inline constexpr int kSame = 1;
inline constexpr int kNamed = 2;
inline constexpr int kGateway = 3;
}  // namespace Rpt2Kind

struct RouteClass {
  int accessKind = AccessKind::kNone;
  int calledKind = CalledKind::kNone;
  bool operator==(const RouteClass&) const = default;
};

// The repeater an entry of the route texts names: the first DV entry with that name, else
// (only when characters 9-16 are spaces) the first DV entry with that call sign, "A" and a
// space counting as the same module. kNoRepeater when none.
std::uint16_t RepeaterOfText(const cmcEeprom& image, const RouteText& text);

// A DV entry with a call sign that the access repeater can link to: the access repeater
// itself, or another repeater behind its (non-blank) gateway.
bool InAccessZone(const cmcEeprom& image, std::uint16_t access, int entry);

// The access kind of a repeater entry (AccessKind::kUnknown for one that is not DV).
int AccessKindOfRepeater(const cmcEeprom& image, std::uint16_t entry, bool checkTransmit);

// "/" + the first six characters + the module letter; blank for a blank call sign.
CallSignText SlashForm(const CallSignText& call);

// The repeater form of a "/" text: its characters 2-7, a space and its eighth character.
RouteText WithoutSlash(const RouteText& text);

// Classifies a route; a called text in "/" form is rewritten to the repeater form when it
// names a repeater of the access zone, and cleared when it names a repeater without a
// gateway. checkTransmit makes a repeater outside the transmit ranges unusable.
RouteClass ClassifyRoute(const cmcEeprom& image, bool checkTransmit, const RouteText& accessText,
                         RouteText& calledText);
bool IsRouteValid(const RouteClass& route);
// 0: no RPT2 choice; 1: same repeater or one of its zone; 2: as 1 and the gateway.
int Rpt2ChoiceMode(const RouteClass& route);

// Sets UR, RPT1, RPT2, mode, frequency, duplex and offset of the record for the route. A
// channel not in use is first filled from the band template of defaults for the access
// repeater's band (UHF without one) and marked used.
void BuildRouteCallSigns(const cmcEeprom& image, cmcEeprom& defaults, datCh& record, const RouteText& accessText,
                         const RouteText& calledText, const RouteText& rpt2Text, int rpt2Kind);

// Route types AnalyseRoute reports.
namespace RouteType {
inline constexpr int kUnknown = 0;
inline constexpr int kDirect = 1;
inline constexpr int kSingle = 2;
inline constexpr int kAssistLink = 3;
inline constexpr int kGateway = 4;
inline constexpr int kSingleMissing = 7;  // types 2-4 with RPT1 or RPT2 not in the list
inline constexpr int kAssistLinkMissing = 8;
inline constexpr int kGatewayMissing = 9;
}  // namespace RouteType

struct RouteAnalysis {
  int type = RouteType::kUnknown;
  FixedText<11> typeText = Spaces<11>();
  RouteText accessText = kBlankName;
  RouteText calledText = kBlankName;
  RouteText rpt2Text = kBlankName;
  int rpt2Kind = Rpt2Kind::kSame;
  // List positions of the repeaters found; kNoEntryFound when none.
  std::uint16_t accessIndex = kNoEntryFound;
  std::uint16_t calledIndex = kNoEntryFound;
  std::uint16_t rpt2Index = kNoEntryFound;
};

// Reads a channel's call signs as a route; the record (bound to image) is not changed.
RouteAnalysis AnalyseRoute(const datCh& record);
