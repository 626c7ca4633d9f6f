#pragma once
// The repeater list kept group by group: the program holds per-group counts in the
// program-side extension, and group g occupies list positions GroupStart(g) to GroupLast(g).
// Counts read from the image are clamped so that positions never pass the list's end.
#include <cstdint>
#include <string_view>

#include "memory/FixedText.h"
#include "memory/cmcEeprom.h"

int RepeaterCount(const cmcEeprom& image);
// Group g (0-29); any other g reads 0 and writes nothing.
int GroupCount(const cmcEeprom& image, int group);
void SetGroupCount(cmcEeprom& image, int group, int count);
int GroupStart(const cmcEeprom& image, int group);
int GroupLast(const cmcEeprom& image, int group);
// The first group whose running total of counts exceeds position; 30 when none.
int GroupOf(const cmcEeprom& image, int position);

// How a call sign names a repeater entry (the module letter is the eighth character; "A"
// and a space count as the same module).
enum class CallSignRule {
  kNone,     // blank call sign: finds nothing
  kDirect,   // first 7 characters and module
  kSlash,    // "/" + 6 characters + module
  kGateway,  // a call sign ending in "G" names the entries behind that gateway
};
CallSignRule RuleForCallSign(std::string_view call);

// Searches the counted entries by rule; kNoRepeater (0xFFFF) when none, and for a call
// longer than 8 characters unless everything after the eighth is spaces. repeaterCall
// (gateway rule only, may be blank) prefers the entry whose call sign it matches.
std::uint16_t FindRepeaterByCall(const cmcEeprom& image, std::string_view call, std::string_view repeaterCall,
                                 CallSignRule rule);
// FindRepeaterByCall with the rule the call sign itself chooses.
std::uint16_t FindRepeaterForCallSign(const cmcEeprom& image, std::string_view call,
                                      std::string_view repeaterCall = {});

// The first DV entry among the counted ones with this name; kNoRepeater when none. The
// second form also answers kNoRepeater when the entry found has a blank call sign.
std::uint16_t FindRepeaterByName(const cmcEeprom& image, const NameText& name);
std::uint16_t FindRepeaterByNameWithCall(const cmcEeprom& image, const NameText& name);

// The first counted FM or FM-N entry with a duplex, this call sign and this frequency.
std::uint16_t FindFmRepeater(const cmcEeprom& image, const CallSignText& call, std::uint32_t frequency);
