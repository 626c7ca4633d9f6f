// The columns of the repeater list pages. The entry type the record derives (DV repeater, DV
// simplex, FM repeater, FM simplex) decides which columns apply: a DV simplex entry has no
// call signs or duplex, an FM entry no gateway, a DV entry no tone.
#include <cstdlib>
#include <span>
#include <string>

#include "memory/RecordChecks.h"
#include "memory/SnapFrequency.h"
#include "memory/datCh.h"
#include "memory/indDestination.h"
#include "sheet/cells/CellFamilies.h"
#include "sheet/cells/ColumnCells.h"
#include "sheet/cells/ValueCells.h"
#include "values/CallSignCell.h"
#include "values/NumberCell.h"
#include "values/PositionCell.h"
#include "values/TextCell.h"
#include "values/UtcOffsetCell.h"

namespace {

constexpr std::int32_t kHighestOffset = 59'995'000;
constexpr std::int32_t kHighestOffsetGroup3 = 99'995'000;
constexpr int kOffsetBandGroup = 3;  // the repeater band whose offsets reach 99.995 MHz
constexpr std::size_t kModuleColumn = MemoryMap::kCallSignLength - 1;

int TypeOf(const ActiveCellFrame& frame) { return frame.record.RepeaterEntryType(); }

bool TypeIn(const ActiveCellFrame& frame, std::initializer_list<int> types) {
  for (int type : types) {
    if (TypeOf(frame) == type) return true;
  }
  return false;
}

// A DV repeater without a frequency, a duplex or the use as RPT1 is reached only through its
// call sign: its frequency fields are greyed.
bool DvRepeaterReachedByCallOnly(const datCh& r, bool duplexCounts) {
  return r.RepeaterEntryType() == RepeaterType::kDvRepeater &&
         (r.frequency == 0 || r.rpt1Use == 0 || (duplexCounts && r.duplex == kDuplexOff));
}

void CommitEntry(ActiveCellFrame& frame, bool changed) {
  if (changed && frame.record.IsUsed() && !frame.newEntryRow) frame.Commit();
}

void CommitEntryAndRow(ActiveCellFrame& frame, bool changed, std::uint32_t scope) {
  CommitEntry(frame, changed);
  if (changed) frame.scope |= scope;
}

// Enter on the new-entry row starts an entry there and opens the type list.
void AnswerType(ActiveCellFrame& frame) {
  if (!EnterRow(frame, frame.Key() == kKeyEnter)) return;
  datCh& r = frame.record;
  std::uint8_t type = static_cast<std::uint8_t>(r.RepeaterEntryType());
  const bool changed = UpdateListField(frame, {"GI_Sheet_Sel_Rpt_Type"}, type);
  if (changed) {
    r.SetRepeaterEntryType(type);
    if (type == RepeaterType::kFmRepeater && r.callSign == kPlaceholderCallSign) r.callSign = kBlankCallSign;
  }
  CommitEntryAndRow(frame, changed, kRepaintEveryBoundCell);
}

bool IsPlaceholder(const CallSignText& call) { return call == kPlaceholderCallSign || IsBlank(call); }

// A DV repeater keeps a call sign; the first real call sign of a new entry also names its
// gateway when it has none.
void AnswerRepeaterCall(ActiveCellFrame& frame) {
  if (TypeIn(frame, {RepeaterType::kDvSimplex, RepeaterType::kFmSimplex})) return ShowNotApplicable(frame);
  datCh& r = frame.record;
  CallSignText call = r.callSign;
  const bool changed = AnswerValue(frame, CallSignCell(CodecSettingsOf(frame)), std::span<char>(call));
  const bool kept = changed && (TypeOf(frame) != RepeaterType::kDvRepeater || !IsBlank(call));
  if (kept) {
    if (IsPlaceholder(r.callSign) && !IsPlaceholder(call) && IsBlank(r.gateway)) {
      r.gateway = call;
      r.gateway[kModuleColumn] = 'G';
    }
    r.callSign = call;
  } else if (changed) {
    frame.request.outputText = CallSignCell(CodecSettingsOf(frame)).Display(r.callSign);
  }
  CommitEntryAndRow(frame, kept, kRepaintEveryBoundCell);
  MarkWhen(frame, CheckRepeaterCall(r), kRequestWarningMark);
}

void AnswerGateway(ActiveCellFrame& frame) {
  if (TypeOf(frame) != RepeaterType::kDvRepeater) return ShowNotApplicable(frame);
  CallSignText& gateway = frame.record.gateway;
  const bool changed = AnswerValue(frame, CallSignCell(CodecSettingsOf(frame), true), std::span<char>(gateway));
  if (changed && gateway[kModuleColumn] != 'G') gateway[kModuleColumn] = ' ';
  CommitEntry(frame, changed);
}

NumberCellFormat FrequencyFormat(bool editorStartsEmpty) {
  NumberCellFormat format;
  format.decimals = 6;
  format.shownDecimals = 6;
  format.width = 4;
  format.minimum = static_cast<std::int32_t>(Bands::kRepeaterFrequencyLimits.low);
  format.maximum = static_cast<std::int32_t>(Bands::kRepeaterFrequencyLimits.high);
  format.editorStartsEmpty = editorStartsEmpty;
  format.zeroMeansNone = true;
  return format;
}

// A typed 0 (or a text without a number) takes the frequency away instead of clamping it.
bool TypedZero(const std::string& text) {
  std::string number;
  for (char c : text) {
    if ((c >= '0' && c <= '9') || c == '.' || c == '-') number += c;
  }
  return number.empty() || std::strtod(number.c_str(), nullptr) == 0;
}

// A new frequency in another band group (or to or from none) takes that group's default
// offset, and the duplex follows the offset; the first frequency makes the entry usable as
// RPT1.
void StoreFrequency(ActiveCellFrame& frame, std::uint32_t typed) {
  datCh& r = frame.record;
  const std::uint32_t old = r.frequency;
  const std::uint32_t frequency = typed == 0 ? 0 : SnapFrequency(typed, false);
  const std::uint32_t offset =
      indDestination::Current().ReapplyDefaultOffset(frame.document.DefaultsImage(), frequency, old, r.offset);
  const int type = r.RepeaterEntryType();
  r.frequency = frequency;
  if (offset != r.offset) {
    r.offset = offset;
    r.duplex = offset != 0 ? kDuplexMinus : kDuplexOff;
    if (type == RepeaterType::kDvSimplex || type == RepeaterType::kFmSimplex) r.duplex = kDuplexOff;
    if (type == RepeaterType::kFmRepeater) r.duplex = kDuplexMinus;
  }
  if (old == 0 && frequency != 0) r.rpt1Use = 1;
}

void AnswerFrequency(ActiveCellFrame& frame) {
  datCh& r = frame.record;
  const bool editorEmpty = !r.IsUsed() || r.frequency > Bands::kRepeaterFrequencyLimits.high;
  auto value = static_cast<std::int32_t>(r.frequency);
  const bool changed = AnswerValue(frame, NumberCell(FrequencyFormat(editorEmpty)), value);
  if (changed) {
    StoreFrequency(frame, TypedZero(frame.request.inputText) ? 0 : static_cast<std::uint32_t>(value));
    frame.request.outputText = NumberCell(FrequencyFormat(editorEmpty)).Display(static_cast<std::int32_t>(r.frequency));
  }
  CommitEntryAndRow(frame, changed, kRepaintEveryBoundCell);
  Grey(frame, DvRepeaterReachedByCallOnly(r, true));
  MarkWhen(frame, CheckRepeaterFrequency(r), kRequestWarningMark);
  MarkWhen(frame, CheckRepeaterFrequencyRange(r), kRequestErrorMark);
}

void AnswerDuplex(ActiveCellFrame& frame) {
  if (TypeIn(frame, {RepeaterType::kDvSimplex, RepeaterType::kFmSimplex})) return ShowNotApplicable(frame);
  datCh& r = frame.record;
  const char* list = TypeOf(frame) == RepeaterType::kDvRepeater ? "GI_Sheet_Sel_Rpt_Dup_DV" : "GI_Sheet_Sel_Rpt_Dup_FM";
  CommitEntryAndRow(frame, UpdateListField(frame, {list, CL_FlexMark_RptDup}, r.duplex), kRepaintSameIndex);
  Grey(frame, DvRepeaterReachedByCallOnly(r, true));
  MarkWhen(frame, CheckRepeaterDuplex(r), kRequestWarningMark);
}

NumberCellFormat OffsetFormat(std::uint32_t frequency) {
  NumberCellFormat format;
  format.decimals = 6;
  format.shownDecimals = 6;
  format.width = 2;
  const bool wide = indDestination::RepeaterBandGroup(frequency) == kOffsetBandGroup;
  format.maximum = wide ? kHighestOffsetGroup3 : kHighestOffset;
  return format;
}

void AnswerOffset(ActiveCellFrame& frame) {
  if (TypeIn(frame, {RepeaterType::kDvSimplex, RepeaterType::kFmSimplex})) return ShowNotApplicable(frame);
  datCh& r = frame.record;
  auto value = static_cast<std::int32_t>(r.offset);
  const bool changed = AnswerValue(frame, NumberCell(OffsetFormat(r.frequency)), value);
  if (changed) r.offset = SnapFrequency(static_cast<std::uint32_t>(value), false);
  CommitEntry(frame, changed);
  Grey(frame, r.duplex == kDuplexOff || DvRepeaterReachedByCallOnly(r, false));
}

void AnswerMode(ActiveCellFrame& frame) {
  const bool fm = TypeIn(frame, {RepeaterType::kFmRepeater, RepeaterType::kFmSimplex});
  if (!fm) IgnoreKeys(frame);
  const char* list = fm ? "GI_Sheet_Sel_Rpt_Mode_FM" : "GI_Sheet_Sel_Rpt_Mode_DV";
  CommitEntry(frame, UpdateListField(frame, {list}, frame.record.mode));
}

void AnswerTone(ActiveCellFrame& frame) {
  if (TypeIn(frame, {RepeaterType::kDvRepeater, RepeaterType::kDvSimplex})) return ShowNotApplicable(frame);
  datCh& r = frame.record;
  if (frame.cellId == CL_Repeater_List_Tone) {
    return CommitEntryAndRow(frame, UpdateListField(frame, {"GI_Sheet_Sel_Rpt_Tone"}, r.toneMode), kRepaintSameIndex);
  }
  const ListCellTraits tones{"GI_Sheet_Sel_Mch_TFreq", Flex0, ListTyping::kNearestNumber};
  CommitEntry(frame, UpdateListField(frame, tones, r.repeaterTone));
  Grey(frame, r.toneMode == 0);
}

void AnswerRpt1Use(ActiveCellFrame& frame) {
  datCh& r = frame.record;
  CommitEntryAndRow(frame, UpdateListField(frame, {"GI_Sheet_Sel_Rpt_Rpt1use"}, r.rpt1Use), kRepaintSameIndex);
  Grey(frame, TypeOf(frame) == RepeaterType::kDvRepeater && (r.frequency == 0 || r.duplex == kDuplexOff));
}

void AnswerPosition(ActiveCellFrame& frame, PositionAxis axis, GpsPosition& field) {
  const bool inSeconds = SettingsByte(frame, ListSetting::kPositionFormat) != 0;
  CommitEntry(frame, AnswerValue(frame, PositionCell(axis, inSeconds, CodecSettingsOf(frame)), field));
  Grey(frame, frame.record.positionKind == 0);
}

void AnswerText(ActiveCellFrame& frame, std::span<char> field) {
  CommitEntry(frame, AnswerValue(frame, TextCell(TextCellFormat{}, CodecSettingsOf(frame)), field));
}

}  // namespace

void AnswerRepeaterCell(ActiveCellFrame& frame) {
  datCh& r = frame.record;
  switch (frame.cellId) {
    case CL_Repeater_List_Type:
      return AnswerType(frame);
    case CL_Repeater_List_Name:
      return AnswerText(frame, r.name);
    case CL_Repeater_List_SubName:
      return AnswerText(frame, r.subName);
    case CL_Repeater_List_R_Callsign_Code:
      return AnswerRepeaterCall(frame);
    case CL_Repeater_List_G_Callsign_Code:
      return AnswerGateway(frame);
    case CL_Repeater_List_Freq:
      return AnswerFrequency(frame);
    case CL_Repeater_List_Dup:
      return AnswerDuplex(frame);
    case CL_Repeater_List_Offset_Freq:
      return AnswerOffset(frame);
    case CL_Repeater_List_Mode:
      return AnswerMode(frame);
    case CL_Repeater_List_Tone:
    case CL_Repeater_List_Tone_Freq:
      return AnswerTone(frame);
    case CL_Repeater_List_Rpt1use:
      return AnswerRpt1Use(frame);
    case CL_Repeater_List_Position:
      return CommitEntryAndRow(frame, UpdateListField(frame, {"GI_Sheet_Sel_Rpt_Position"}, r.positionKind),
                               kRepaintSameIndex);
    case CL_Repeater_List_Latitude:
      return AnswerPosition(frame, PositionAxis::kLatitude, r.latitude);
    case CL_Repeater_List_Longitude:
      return AnswerPosition(frame, PositionAxis::kLongitude, r.longitude);
    case CL_Repeater_List_UtcOffset:
      return CommitEntry(frame, AnswerValue(frame, UtcOffsetCell(true), r.utcOffset));
    default:  // the service columns show nothing
      return;
  }
}
