// The columns of the GPS memory sheets: one group's memories with their name, the stamp of
// the moment they were taken (kept in UTC, shown in the radio's local time), the position,
// the altitude and the alarm mark.
#include <span>

#include "base/EventCodes.h"
#include "memory/GpsList.h"
#include "sheet/cells/CellFamilies.h"
#include "sheet/cells/ColumnCells.h"
#include "sheet/cells/ValueCells.h"
#include "values/AltitudeCell.h"
#include "values/DateCell.h"
#include "values/PositionCell.h"
#include "values/TextCell.h"
#include "values/TimeCell.h"

using namespace MemoryMap;

namespace {

// The alarm as the image keeps it.
constexpr int kAlarmOff = 0;
constexpr int kAlarmReceive = 1;
constexpr int kAlarmGroup = 2;
constexpr int kAlarmOneMemory = 3;

// The alarm column shows the three alarm bytes as one index of its list: 0 off, 1 one
// memory, 2 receive, 3 all memories, 4 + g group g (0 no group, then A-Z).
constexpr int kCombinedOneMemory = 1;
constexpr int kCombinedReceive = 2;
constexpr int kCombinedAll = 3;
constexpr int kCombinedFirstGroup = 4;
constexpr int kCombinedLast = kCombinedFirstGroup + kGpsGroupCount - 1;

struct GpsAlarm {
  int type = kAlarmOff;
  int group = 0;
  int position = 0;
};

GpsAlarm ReadAlarm(const cmcEeprom& image) {
  return {image.GetByte(kGpsAlarmType), image.GetByte(kGpsAlarmGroup), image.GetByte(kGpsAlarmPosition)};
}

void WriteAlarm(cmcEeprom& image, const GpsAlarm& alarm) {
  image.SetByte(kGpsAlarmType, static_cast<std::uint8_t>(alarm.type));
  image.SetByte(kGpsAlarmGroup, static_cast<std::uint8_t>(alarm.group));
  image.SetByte(kGpsAlarmPosition, static_cast<std::uint8_t>(alarm.position));
}

// An alarm the list cannot show (a type or group out of range) reads as off.
int CombinedIndex(const GpsAlarm& alarm) {
  switch (alarm.type) {
    case kAlarmReceive:
      return kCombinedReceive;
    case kAlarmGroup:
      return alarm.group <= kGpsGroupCount ? kCombinedAll + alarm.group : kAlarmOff;
    case kAlarmOneMemory:
      return alarm.group < kGpsGroupCount ? kCombinedOneMemory : kAlarmOff;
    default:
      return kAlarmOff;
  }
}

// A picked index for the memory of the row (group and position within it).
GpsAlarm AlarmOf(int combined, int rowGroup, int rowPosition) {
  if (combined == kCombinedOneMemory) return {kAlarmOneMemory, rowGroup, rowPosition};
  if (combined == kCombinedReceive) return {kAlarmReceive, 0, 0};
  if (combined >= kCombinedAll && combined <= kCombinedLast) return {kAlarmGroup, combined - kCombinedAll, 0};
  return {};
}

bool AlarmCoversRow(const GpsAlarm& alarm, int rowGroup, int rowPosition) {
  const int combined = CombinedIndex(alarm);
  if (combined == kCombinedAll) return true;
  if (combined == kCombinedFirstGroup + rowGroup) return true;
  return combined == kCombinedOneMemory && alarm.group == rowGroup && alarm.position == rowPosition;
}

// The row's group and its position within the group.
int RowGroup(const ActiveCellFrame& frame) { return frame.record.group; }
int RowPosition(const ActiveCellFrame& frame) {
  const GpsGroups groups = ReadGpsGroups(frame.Image());
  const int group = RowGroup(frame);
  const int start = group < kGpsGroupCount ? groups.start[static_cast<std::size_t>(group)] : kGpsNoGroupStart;
  return start == kGpsNoGroupStart ? 0 : frame.index - start;
}

// Choosing "This Memory" again on another row moves the alarm there, so a pick is stored even
// when the list index stays the same.
void AnswerAlarm(ActiveCellFrame& frame) {
  int combined = CombinedIndex(ReadAlarm(frame.Image()));
  const bool changed = AnswerListCell(frame, {"GI_Sheet_Sel_GPS_Alarm"}, combined);
  const bool picked = frame.request.inputKind == kInputPicked;
  if ((changed || picked) && frame.IsAction() && frame.record.IsUsed()) {
    WriteAlarm(frame.Image(), AlarmOf(combined, RowGroup(frame), RowPosition(frame)));
    frame.Send(EV_ListChanged);
    frame.scope |= kRepaintEveryBoundCell;
  }
  const bool covered = AlarmCoversRow(ReadAlarm(frame.Image()), RowGroup(frame), RowPosition(frame));
  frame.request.outputText = covered ? "*" : " ";
}

// Writes a changed field of a memory back; the new-entry row has no memory to write.
void CommitMemory(ActiveCellFrame& frame, bool changed) {
  if (changed && frame.record.IsUsed()) frame.Commit();
}

template <typename Cell>
void AnswerStamp(ActiveCellFrame& frame, const Cell& cell) {
  GpsStamp stamp{frame.record.date, frame.record.time};
  const bool changed = AnswerValue(frame, cell, stamp);
  frame.record.date = stamp.date;
  frame.record.time = stamp.time;
  CommitMemory(frame, changed);
}

void AnswerPosition(ActiveCellFrame& frame, PositionAxis axis, GpsPosition& field) {
  const bool inSeconds = SettingsByte(frame, ListSetting::kPositionFormat) != 0;
  CommitMemory(frame, AnswerValue(frame, PositionCell(axis, inSeconds, CodecSettingsOf(frame)), field));
}

// Typing, Enter or F2 on the new-entry row starts a memory there.
void AnswerName(ActiveCellFrame& frame) {
  const int key = frame.Key();
  const bool starts = (key >= kKeySpace && key < 127) || key == kKeyBackspace || key == kKeyEnter || key == kKeyF2 ||
                      key == kKeyInputMethodStart;
  if (!EnterRow(frame, starts)) return;
  const TextCell codec(TextCellFormat{}, CodecSettingsOf(frame));
  CommitMemory(frame, AnswerValue(frame, codec, std::span<char>(frame.record.name)));
}

}  // namespace

void AnswerGpsCell(ActiveCellFrame& frame) {
  datCh& r = frame.record;
  switch (frame.cellId) {
    case CL_Gps_Name:
      return AnswerName(frame);
    case CL_Gps_Date:
      return AnswerStamp(frame, DateCell(CodecSettingsOf(frame), RadioUtcOffset(frame)));
    case CL_Gps_Time:
      return AnswerStamp(frame, TimeCell(RadioUtcOffset(frame)));
    case CL_Gps_Latitude:
      return AnswerPosition(frame, PositionAxis::kLatitude, r.latitude);
    case CL_Gps_Longitude:
      return AnswerPosition(frame, PositionAxis::kLongitude, r.longitude);
    case CL_Gps_Altitude:
      return CommitMemory(frame,
                          AnswerValue(frame, AltitudeCell(SettingsByte(frame, ListSetting::kUnits) == 0), r.altitude));
    case CL_Gps_Alarm:
      return AnswerAlarm(frame);
    default:
      return AnswerNotYet(frame);
  }
}
