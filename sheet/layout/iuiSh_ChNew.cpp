#include "sheet/layout/iuiSh_ChNew.h"

#include <algorithm>

#include "memory/BroadcastList.h"
#include "memory/GpsList.h"
#include "memory/MemoryMap.h"
#include "memory/NamedLists.h"
#include "memory/RepeaterList.h"
#include "memory/YourCallList.h"
#include "memory/cmcEeprom.h"
#include "sheet/layout/CellDocument.h"
#include "sheet/layout/SheetName.h"
#include "sheet/layout/SheetStyle.h"
#include "text/FormattedText.h"
#include "text/TextFields.h"
#include "text/cmcGTex.h"
#include "text/cmcScrBlock.h"

namespace {

using namespace MemoryMap;

constexpr const char* kGap = "      ";

// The list number of a list argument ("RptCH  3"); 0 when it names none.
int ListNumberOf(std::string_view listArgument) {
  cmcScrBlock block;
  block.Parse(listArgument);
  return std::max(0, ArgumentNumber(block.GetItem(0)));
}

int BroadcastMemoriesInUse(const cmcEeprom& image) {
  int inUse = 0;
  for (int bank = 0; bank < kBroadcastGroupCount; ++bank) inUse += BroadcastStationCount(image, bank);
  return inUse;
}

// GPS alarm kinds as the image keeps them.
constexpr int kAlarmReceive = 1;
constexpr int kAlarmGroup = 2;
constexpr int kAlarmOneMemory = 3;
constexpr int kLastAlarmGroup = kGpsGroupCount;  // 0 all, then the GPS groups one up: 1 no group

}  // namespace

// --- iuiSh_ChNew ---

void iuiSh_ChNew::SetArgument(std::string_view argument) { list_ = ReadList(ListNumberOf(FieldAt(argument, ',', 1))); }

std::string iuiSh_ChNew::Title(const std::string&) const { return Label(); }

std::string iuiSh_ChNew::StatusText(const std::string&) const { return Label() + kGap + Remaining(); }

bool iuiSh_ChNew::IsPrintable(const SheetStyle& style) const { return !style.noPrint && list_.count > 0; }

std::string iuiSh_ChNew::Text(const char* key, int line) const { return document_.Texts().GetLine(key, line); }

// --- Your call signs ---

SheetList iuiSh_ChNew_Ur::ReadList(int number) const { return {number, YourCallCount(Document().Image()), 0}; }

std::string iuiSh_ChNew_Ur::Label() const { return Text("GI_YourCallSignList_Title"); }

std::string iuiSh_ChNew_Ur::Remaining() const {
  return FormattedText(Text("GI_RemainMemories"), Capacity() - YourCallCount(Document().Image()));
}

// --- Repeater groups ---

SheetList iuiSh_ChNew_Rpt::ReadList(int number) const {
  const cmcEeprom& image = Document().Image();
  return {number, GroupCount(image, number), GroupStart(image, number)};
}

std::string iuiSh_ChNew_Rpt::Label() const {
  return " " + NamedListLabel(Document().Image(), NamedList::kRepeaterGroup, ListNumber());
}

std::string iuiSh_ChNew_Rpt::Remaining() const {
  return FormattedText(Text("GI_RemainMemories"), Capacity() - RepeaterCount(Document().Image()));
}

// --- Broadcast radio lists ---

SheetList iuiSh_ChNew_Radio::ReadList(int number) const {
  const int bank = BroadcastGroupOfList(number);
  const bool am = IsAmList(number);
  return {number, BroadcastListCount(Document().Image(), bank, am), BroadcastListIndex(bank, am, 0)};
}

std::string iuiSh_ChNew_Radio::Label() const {
  return " " + NamedListLabel(Document().Image(), NamedList::kBroadcastBank, BroadcastGroupOfList(ListNumber()));
}

std::string iuiSh_ChNew_Radio::Remaining() const {
  const cmcEeprom& image = Document().Image();
  return FormattedText(Text("GI_RemainRadio"),
                       Capacity() - BroadcastStationCount(image, BroadcastGroupOfList(ListNumber())),
                       kBroadcastMemoryCount - BroadcastMemoriesInUse(image));
}

// --- GPS groups ---

SheetList iuiSh_ChNew_GpsMemory::ReadList(int number) const {
  const GpsGroups groups = ReadGpsGroups(Document().Image());
  if (number >= kGpsGroupCount) return {number, 0, 0};
  const auto group = static_cast<std::size_t>(number);
  const int start = groups.start[group];
  return {number, groups.count[group], start == kGpsNoGroupStart ? 0 : start};
}

std::string iuiSh_ChNew_GpsMemory::Label() const {
  if (ListNumber() == 0) return " " + Text("GI_GPS_Memory_NoGroup");
  return " " + NamedListLabel(Document().Image(), NamedList::kGpsGroup, ListNumber() - 1);
}

std::string iuiSh_ChNew_GpsMemory::Remaining() const {
  const int inUse = ReadGpsGroups(Document().Image()).length;
  return FormattedText(Text("GI_GPS_Memory_Alarm"), AlarmText().c_str()) + kGap +
         FormattedText(Text("GI_RemainMemories"), Capacity() - inUse);
}

// An alarm setting out of range reads as no alarm.
std::string iuiSh_ChNew_GpsMemory::AlarmText() const {
  const cmcEeprom& image = Document().Image();
  const int type = image.GetByte(kGpsAlarmType);
  const int group = image.GetByte(kGpsAlarmGroup);
  const int position = image.GetByte(kGpsAlarmPosition);
  const char* lines = "GI_GPS_Alarm_Select";
  if (type == kAlarmReceive) return Text(lines, 1);
  if (type == kAlarmGroup && group <= kLastAlarmGroup) {
    if (group < 2) return Text(lines, 2 + group);
    return FormattedText(Text(lines, 4), 'A' + group - 2);
  }
  if (type == kAlarmOneMemory && group < kGpsGroupCount) {
    if (group == 0) return FormattedText(Text(lines, 5), position);
    return FormattedText(Text(lines, 6), 'A' + group - 1, position);
  }
  return Text(lines, 0);
}
