#include "sheet/cells/CallSignPicker.h"

#include <algorithm>

#include "memory/RepeaterList.h"
#include "memory/YourCallList.h"
#include "memory/datCh.h"

namespace {

using Kind = CallSignPicker::Source::Kind;

const std::string kEveryone = "CQCQCQ";

template <std::size_t N>
RouteText AsRouteText(const FixedText<N>& field) {
  return MakeFixedText<MemoryMap::kNameLength>(ViewOf(field));
}

RouteText NameOrCall(const NameText& name, const CallSignText& call) {
  return IsBlank(name) ? AsRouteText(call) : name;
}

std::string Padded(std::string text, std::size_t length) {
  text.resize(length, ' ');
  return text;
}

}  // namespace

CallSignPicker::CallSignPicker(const cmcEeprom& image, int type, std::string_view value, const CallSignText& rpt1,
                               const RouteText& access, bool checkTransmit)
    : image_(image), type_(type), rpt1_(rpt1), access_(access), checkTransmit_(checkTransmit) {
  if (type_ == PickerType::kUr || type_ == PickerType::kCalledStation) {
    sources_ = {{Kind::kEveryone}, {Kind::kYourCalls}, {Kind::kRepeaters}};
  } else {
    sources_ = {{Kind::kNotUsed}, {Kind::kRepeaters}};
  }
  for (int group = 0; group < MemoryMap::kRepeaterGroupCount; ++group) sources_.push_back({Kind::kGroup, group});
  initial_ = Locate(value);
}

std::size_t CallSignPicker::ValueLength() const {
  return type_ >= PickerType::kCalledStation ? MemoryMap::kNameLength : MemoryMap::kCallSignLength;
}

bool CallSignPicker::Qualifies(int entry) const {
  // An entry without a call sign can be no part of a route, whatever its name.
  const CallSignText call = RepeaterCallSignOf(image_, entry);
  if (RepeaterModeOf(image_, entry) != kRepeaterModeDv || IsBlank(call)) return false;
  if (type_ == PickerType::kAccessRepeater) {
    const int kind = AccessKindOfRepeater(image_, static_cast<std::uint16_t>(entry), checkTransmit_);
    return kind == AccessKind::kLocal || kind == AccessKind::kGateway;
  }
  if (type_ != PickerType::kCalledStation) return true;
  RouteText called = NameOrCall(RepeaterNameOf(image_, entry), call);
  return IsRouteValid(ClassifyRoute(image_, checkTransmit_, access_, called));
}

std::vector<CallSignPicker::Entry> CallSignPicker::Entries(int source) const {
  std::vector<Entry> entries;
  if (source < 0 || source >= static_cast<int>(sources_.size())) return entries;
  const Source& from = sources_[static_cast<std::size_t>(source)];
  if (from.kind == Kind::kYourCalls) {
    for (int i = 0; i < YourCallCount(image_); ++i) {
      entries.push_back({true, i, NameOrCall(YourCallNameOf(image_, i), YourCallOf(image_, i))});
    }
    return entries;
  }
  int first = 0;
  int last = -1;
  if (from.kind == Kind::kRepeaters) {
    last = RepeaterCount(image_) - 1;
  } else if (from.kind == Kind::kGroup) {
    first = GroupStart(image_, from.group);
    last = GroupLast(image_, from.group);
  }
  for (int entry = first; entry <= last; ++entry) {
    if (!Qualifies(entry)) continue;
    entries.push_back({false, entry, NameOrCall(RepeaterNameOf(image_, entry), RepeaterCallSignOf(image_, entry))});
  }
  return entries;
}

std::vector<CallSignText> CallSignPicker::CallSigns(const Entry& entry) const {
  if (entry.yourCall) return {YourCallOf(image_, entry.index)};
  const CallSignText call = RepeaterCallSignOf(image_, entry.index);
  if (type_ == PickerType::kUr) return {SlashForm(call)};
  std::vector<CallSignText> calls = {call};
  const CallSignText gateway = RepeaterGatewayOf(image_, entry.index);
  const bool ownGateway = std::equal(call.begin(), call.begin() + 7, gateway.begin()) && gateway[7] == 'G';
  if ((type_ == PickerType::kRpt1 || type_ == PickerType::kRpt2) && ownGateway) calls.push_back(gateway);
  return calls;
}

CallSignPicker::Selection CallSignPicker::LocateRepeater(std::uint16_t entry, std::string_view call) const {
  if (entry == kNoRepeater) return {};
  Selection found;
  const int group = GroupOf(image_, entry);
  const auto source = std::find_if(sources_.begin(), sources_.end(),
                                   [&](const Source& s) { return s.kind == Kind::kGroup && s.group == group; });
  if (source == sources_.end()) return {};
  found.source = static_cast<int>(source - sources_.begin());
  const std::vector<Entry> entries = Entries(found.source);
  for (std::size_t row = 0; row < entries.size(); ++row) {
    if (entries[row].index != entry) continue;
    found.entry = static_cast<int>(row);
    const std::vector<CallSignText> calls = CallSigns(entries[row]);
    const auto same =
        std::find_if(calls.begin(), calls.end(), [&](const CallSignText& c) { return ViewOf(c) == call; });
    found.callSign = same == calls.end() ? 0 : static_cast<int>(same - calls.begin());
  }
  return found;
}

CallSignPicker::Selection CallSignPicker::Locate(std::string_view value) const {
  const std::string padded = Padded(std::string(value), ValueLength());
  const bool blank = padded.find_first_not_of(' ') == std::string::npos;
  const bool everyone = padded == Padded(kEveryone, ValueLength());
  const CallSignText call = MakeFixedText<MemoryMap::kCallSignLength>(padded);
  const RouteText text = MakeFixedText<MemoryMap::kNameLength>(padded);
  const auto yourCallAt = [](int entry) -> Selection {
    if (entry == kNoYourCall) return {};
    return {1, entry, 0};
  };
  switch (type_) {
    case PickerType::kUr: {
      if (everyone) return {0, -1, -1};
      if (call[0] == '/') return LocateRepeater(FindRepeaterByCall(image_, padded, {}, CallSignRule::kSlash), padded);
      const int exact = FindYourCall(image_, call);
      return yourCallAt(exact != kNoYourCall ? exact : FindYourCallLoose(image_, call));
    }
    case PickerType::kRpt1:
    case PickerType::kRpt2:
      if (blank) return {0, -1, -1};
      return LocateRepeater(
          FindRepeaterForCallSign(image_, padded, type_ == PickerType::kRpt2 ? ViewOf(rpt1_) : std::string_view{}),
          padded);
    case PickerType::kCalledStation: {
      if (everyone) return {0, -1, -1};
      std::uint16_t entry = RepeaterOfText(image_, text);
      if (entry == kNoRepeater) entry = RepeaterOfText(image_, WithoutSlash(text));
      if (entry != kNoRepeater) return LocateRepeater(entry, ViewOf(RepeaterCallSignOf(image_, entry)));
      return yourCallAt(FindYourCallByName(image_, text));
    }
    default:
      if (blank) return {0, -1, -1};
      return LocateRepeater(RepeaterOfText(image_, text), {});
  }
}

std::optional<std::string> CallSignPicker::Value(const Selection& selection) const {
  if (selection.source < 0 || selection.source >= static_cast<int>(sources_.size())) return std::nullopt;
  const Kind kind = sources_[static_cast<std::size_t>(selection.source)].kind;
  if (kind == Kind::kEveryone) return Padded(kEveryone, ValueLength());
  if (kind == Kind::kNotUsed) return std::string(ValueLength(), ' ');
  const std::vector<Entry> entries = Entries(selection.source);
  if (selection.entry < 0 || selection.entry >= static_cast<int>(entries.size())) return std::nullopt;
  const Entry& entry = entries[static_cast<std::size_t>(selection.entry)];
  if (type_ >= PickerType::kCalledStation) return std::string(ViewOf(entry.text));
  const std::vector<CallSignText> calls = CallSigns(entry);
  const bool inRange = selection.callSign >= 0 && selection.callSign < static_cast<int>(calls.size());
  return std::string(ViewOf(calls[inRange ? static_cast<std::size_t>(selection.callSign) : 0]));
}
