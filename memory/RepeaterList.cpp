#include "memory/RepeaterList.h"

#include <algorithm>

#include "memory/ImageFields.h"
#include "memory/datCh.h"

using namespace MemoryMap;

namespace {

bool IsGroup(int group) { return group >= 0 && group < kRepeaterGroupCount; }

int StoredGroupCount(const cmcEeprom& image, int group) { return ReadU16(image, kRepeaterGroupCounts + 2 * group); }

// Counts as the list uses them: each stored count is cut to what is left of the 750
// positions after the groups before it.
int EffectiveGroupCount(const cmcEeprom& image, int group, int start) {
  return std::min(StoredGroupCount(image, group), kRepeaterCount - start);
}

bool IsModuleMatch(char a, char b) {
  const auto isDefault = [](char c) { return c == 'A' || c == ' '; };
  return a == b || (isDefault(a) && isDefault(b));
}

bool SameFirst(std::string_view a, std::string_view b, std::size_t n) { return a.substr(0, n) == b.substr(0, n); }

// Direct rule: first 7 characters and module.
bool MatchesDirect(const CallSignText& entryCall, std::string_view call) {
  const std::string_view entry = ViewOf(entryCall);
  return SameFirst(entry, call, 7) && IsModuleMatch(entry[7], call[7]);
}

// Slash rule: "/" + 6 characters + module names the entry whose first 6 characters match.
bool MatchesSlash(const CallSignText& entryCall, std::string_view call) {
  const std::string_view entry = ViewOf(entryCall);
  return SameFirst(entry, call.substr(1), 6) && IsModuleMatch(entry[7], call[7]);
}

bool IsCountedDv(const cmcEeprom& image, int entry) { return RepeaterModeOf(image, entry) == kRepeaterModeDv; }

template <typename Predicate>
std::uint16_t FirstEntry(const cmcEeprom& image, Predicate&& matches) {
  const int count = RepeaterCount(image);
  for (int entry = 0; entry < count; ++entry) {
    if (matches(entry)) return static_cast<std::uint16_t>(entry);
  }
  return kNoRepeater;
}

std::uint16_t FindByGateway(const cmcEeprom& image, std::string_view gateway, std::string_view repeaterCall) {
  const auto isBehindGateway = [&](int entry) {
    const CallSignText call = RepeaterCallSignOf(image, entry);
    return IsCountedDv(image, entry) && !IsBlank(call) && ViewOf(RepeaterGatewayOf(image, entry)) == gateway;
  };
  const auto callMatches = [&](int entry, std::string_view wanted, bool defaultModule) {
    const CallSignText call = RepeaterCallSignOf(image, entry);
    return isBehindGateway(entry) && SameFirst(ViewOf(call), wanted, 7) &&
           (!defaultModule || IsModuleMatch(call[7], ' '));
  };
  if (repeaterCall.size() >= 7 && repeaterCall.find_first_not_of(' ') != std::string_view::npos) {
    const std::uint16_t found = FirstEntry(image, [&](int entry) { return callMatches(entry, repeaterCall, false); });
    if (found != kNoRepeater) return found;
  }
  const std::uint16_t atDefaultModule = FirstEntry(image, [&](int entry) { return callMatches(entry, gateway, true); });
  if (atDefaultModule != kNoRepeater) return atDefaultModule;
  return FirstEntry(image, [&](int entry) { return callMatches(entry, gateway, false); });
}

}  // namespace

int GroupCount(const cmcEeprom& image, int group) {
  if (!IsGroup(group)) return 0;
  return EffectiveGroupCount(image, group, GroupStart(image, group));
}

void SetGroupCount(cmcEeprom& image, int group, int count) {
  if (!IsGroup(group)) return;
  WriteU16(image, kRepeaterGroupCounts + 2 * group, static_cast<std::uint16_t>(count));
}

int GroupStart(const cmcEeprom& image, int group) {
  if (!IsGroup(group)) return 0;
  int start = 0;
  for (int g = 0; g < group; ++g) start += EffectiveGroupCount(image, g, start);
  return start;
}

int GroupLast(const cmcEeprom& image, int group) { return GroupStart(image, group) + GroupCount(image, group) - 1; }

int RepeaterCount(const cmcEeprom& image) {
  const int last = kRepeaterGroupCount - 1;
  return GroupStart(image, last) + GroupCount(image, last);
}

int GroupOf(const cmcEeprom& image, int position) {
  int total = 0;
  for (int group = 0; group < kRepeaterGroupCount; ++group) {
    total += EffectiveGroupCount(image, group, total);
    if (total > position) return group;
  }
  return kRepeaterGroupCount;
}

CallSignRule RuleForCallSign(std::string_view call) {
  const std::string_view first8 = call.substr(0, std::min<std::size_t>(8, call.size()));
  if (first8.find_first_not_of(' ') == std::string_view::npos) return CallSignRule::kNone;
  if (first8.size() == 8 && first8[7] == 'G') return CallSignRule::kGateway;
  if (first8[0] == '/') return CallSignRule::kSlash;
  return CallSignRule::kDirect;
}

std::uint16_t FindRepeaterByCall(const cmcEeprom& image, std::string_view call, std::string_view repeaterCall,
                                 CallSignRule rule) {
  if (call.size() < 8 || call.substr(8).find_first_not_of(' ') != std::string_view::npos) {
    return kNoRepeater;
  }
  const std::string_view call8 = call.substr(0, 8);
  switch (rule) {
    case CallSignRule::kDirect:
      return FirstEntry(image, [&](int entry) {
        const CallSignText entryCall = RepeaterCallSignOf(image, entry);
        return IsCountedDv(image, entry) && !IsBlank(entryCall) && MatchesDirect(entryCall, call8);
      });
    case CallSignRule::kSlash:
      return FirstEntry(image, [&](int entry) {
        return IsCountedDv(image, entry) && MatchesSlash(RepeaterCallSignOf(image, entry), call8);
      });
    case CallSignRule::kGateway:
      return FindByGateway(image, call8, repeaterCall);
    case CallSignRule::kNone:
      break;
  }
  return kNoRepeater;
}

std::uint16_t FindRepeaterForCallSign(const cmcEeprom& image, std::string_view call, std::string_view repeaterCall) {
  return FindRepeaterByCall(image, call, repeaterCall, RuleForCallSign(call));
}

std::uint16_t FindRepeaterByName(const cmcEeprom& image, const NameText& name) {
  return FirstEntry(image,
                    [&](int entry) { return IsCountedDv(image, entry) && RepeaterNameOf(image, entry) == name; });
}

std::uint16_t FindRepeaterByNameWithCall(const cmcEeprom& image, const NameText& name) {
  const std::uint16_t entry = FindRepeaterByName(image, name);
  if (entry == kNoRepeater || IsBlank(RepeaterCallSignOf(image, entry))) return kNoRepeater;
  return entry;
}

std::uint16_t FindFmRepeater(const cmcEeprom& image, const CallSignText& call, std::uint32_t frequency) {
  return FirstEntry(image, [&](int entry) {
    const std::uint8_t mode = RepeaterModeOf(image, entry);
    return (mode == kRepeaterModeFm || mode == kRepeaterModeFmNarrow) && RepeaterDuplexOf(image, entry) != 0 &&
           RepeaterCallSignOf(image, entry) == call && RepeaterFrequencyOf(image, entry) == frequency;
  });
}
