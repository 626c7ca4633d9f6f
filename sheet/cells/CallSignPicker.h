#pragma once
// What the call-sign picker offers, without the widgets: a first list of sources (CQCQCQ or
// "not used", the your-call-sign list, the whole repeater list, each repeater group), the
// entries of the chosen source that fit the picker's purpose, and the call signs of the
// chosen entry. The picker answers a name (called station, access repeater) or a call sign
// (UR, RPT1, RPT2).
#include <optional>
#include <string>
#include <vector>

#include "memory/DvRoute.h"
#include "memory/cmcEeprom.h"

namespace PickerType {
inline constexpr int kUr = 0;
inline constexpr int kRpt1 = 1;
inline constexpr int kRpt2 = 2;
inline constexpr int kCalledStation = 3;
inline constexpr int kAccessRepeater = 4;
}  // namespace PickerType

class CallSignPicker {
 public:
  struct Source {
    enum class Kind { kEveryone, kNotUsed, kYourCalls, kRepeaters, kGroup } kind = Kind::kRepeaters;
    int group = 0;  // kGroup: 0-29
  };
  struct Entry {
    bool yourCall = false;
    int index = 0;  // position in its list
    RouteText text = kBlankName;
  };
  struct Selection {
    int source = -1;
    int entry = -1;
    int callSign = -1;
  };

  // value: the 8-character call sign (types 0-2) or the 16-character text (types 3 and 4)
  // the picker opens on. rpt1 is RPT1 of the channel (type 2); access the Repeater Setting
  // dialog's access repeater (type 3).
  CallSignPicker(const cmcEeprom& image, int type, std::string_view value, const CallSignText& rpt1 = kBlankCallSign,
                 const RouteText& access = kBlankName, bool checkTransmit = true);

  int Type() const { return type_; }
  // Types 3 and 4 offer the Detail box (the call-sign column may be hidden).
  bool OffersDetail() const { return type_ >= PickerType::kCalledStation; }
  std::size_t ValueLength() const;

  const std::vector<Source>& Sources() const { return sources_; }
  std::vector<Entry> Entries(int source) const;
  std::vector<CallSignText> CallSigns(const Entry& entry) const;
  // Where the value the picker opened on is found; -1 parts when it is not.
  Selection Initial() const { return initial_; }
  // The value chosen; nothing when the selection names no value (a source without entries).
  std::optional<std::string> Value(const Selection& selection) const;

 private:
  bool Qualifies(int entry) const;
  Selection Locate(std::string_view value) const;
  Selection LocateRepeater(std::uint16_t entry, std::string_view call) const;

  const cmcEeprom& image_;
  const int type_;
  const CallSignText rpt1_;
  const RouteText access_;
  const bool checkTransmit_;
  std::vector<Source> sources_;
  Selection initial_;
};
