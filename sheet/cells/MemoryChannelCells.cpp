// The columns of the memory channel sheets: memory channels, program scan edges, call
// channels and the bank sheets, which show the memory channel of each bank slot.
#include <string>

#include "base/EventCodes.h"
#include "memory/BankEdits.h"
#include "memory/ChannelList.h"
#include "memory/MemoryMap.h"
#include "memory/RecordChecks.h"
#include "memory/SnapFrequency.h"
#include "memory/datCh.h"
#include "memory/indDestination.h"
#include "sheet/cells/CallSignPicker.h"
#include "sheet/cells/CellFamilies.h"
#include "sheet/cells/ColumnCells.h"
#include "sheet/cells/ListCell.h"
#include "sheet/cells/ValueCells.h"
#include "values/NumberCell.h"
#include "values/TextCell.h"
#include "values/TwoDigitCell.h"
#include "values/UrCallSignCell.h"

namespace {

constexpr std::int32_t kHighestOffset = 59995000;
constexpr std::int32_t kOffsetStep = 5000;
// The memory channels to choose from for a bank slot, in columns of this many.
constexpr int kChannelListRows = 25;

bool IsFmMode(const datCh& r) { return r.mode == ChannelMode::kFm || r.mode == ChannelMode::kFmNarrow; }
bool IsDvMode(const datCh& r) { return r.mode == ChannelMode::kDv; }

bool ToneModeIn(const datCh& r, std::initializer_list<int> modes) {
  for (int mode : modes) {
    if (r.toneMode == mode) return true;
  }
  return false;
}

// Writes the changed record back; fields of a channel that is not in use are not stored.
void CommitChannel(ActiveCellFrame& frame, bool changed) {
  if (changed && frame.record.IsUsed()) frame.Commit();
}

NumberCellFormat FrequencyFormat(bool emptyChannel) {
  NumberCellFormat format;
  format.decimals = 6;
  format.shownDecimals = 6;
  format.width = 3;
  format.minimum = static_cast<std::int32_t>(Bands::kChannelFrequencyLimits.low);
  format.maximum = static_cast<std::int32_t>(Bands::kChannelFrequencyLimits.high);
  format.editorStartsEmpty = emptyChannel;
  return format;
}

NumberCellFormat OffsetFormat() {
  NumberCellFormat format;
  format.decimals = 6;
  format.shownDecimals = 6;
  format.width = 2;
  format.maximum = kHighestOffset;
  format.step = kOffsetStep;
  format.stepping = true;
  return format;
}

NumberCellFormat BankChannelFormat() {
  NumberCellFormat format;
  format.maximum = MemoryMap::kBankChannelCount - 1;
  format.stepping = true;
  return format;
}

// A bank slot without a channel takes the lowest free memory channel; false (after the
// notice) when none is free.
bool ClaimChannelForSlot(ActiveCellFrame& frame) {
  const int channel = FindFreeChannel(frame.Image(), 0);
  if (channel < 0) {
    frame.document.ShowNoFreeChannel();
    return false;
  }
  frame.record.Load(RecordKind::kChannel, channel);
  frame.record.bank = static_cast<std::uint8_t>(frame.bank);
  frame.record.bankChannel = static_cast<std::uint8_t>(frame.index);
  frame.Send(EV_ListChanged);
  return true;
}

void StoreFrequency(ActiveCellFrame& frame, std::uint32_t frequency) {
  if (frame.bankSlotEmpty && !ClaimChannelForSlot(frame)) return;
  if (!frame.record.IsUsed()) {
    FillFromBandTemplate(frame.record, frame.document.DefaultsImage(), indDestination::BandNumber(frequency));
  }
  frame.record.frequency = SnapChannelFrequency(frequency);
  frame.record.SetUsed(true);
  frame.Commit();
  frame.Send(EV_RebuildBankIndex);
}

void AnswerFrequency(ActiveCellFrame& frame) {
  datCh& record = frame.record;
  const bool empty = frame.ChannelRowEmpty();
  std::int32_t value = static_cast<std::int32_t>(record.frequency);
  const bool changed = AnswerValue(frame, NumberCell(FrequencyFormat(empty)), value);
  if (empty && !changed && frame.result != kCellResultEdit) frame.request.outputText.clear();
  if (changed && frame.IsAction()) StoreFrequency(frame, static_cast<std::uint32_t>(value));
  if (!frame.record.IsUsed()) return;
  MarkWhen(frame, CheckFrequency(frame.record), kRequestWarningMark);
  MarkWhen(frame, CheckFrequencyRange(frame.record) || CheckBankConflict(frame.record), kRequestErrorMark);
  if (frame.request.HasFlag(kRequestErrorMark) && frame.Key() == 0) frame.request.outputText.clear();
}

void AnswerOffset(ActiveCellFrame& frame) {
  datCh& record = frame.record;
  std::int32_t value = static_cast<std::int32_t>(record.offset);
  const bool changed = AnswerValue(frame, NumberCell(OffsetFormat()), value);
  if (changed) {
    record.offset = SnapFrequency(static_cast<std::uint32_t>(value), Allows8p33kHzRaster(record.frequency));
  }
  CommitChannel(frame, changed);
  Grey(frame, record.duplex == kDuplexOff);
  MarkWhen(frame, CheckOffsetGrid(record), kRequestWarningMark);
}

std::string StepListKey(const ActiveCellFrame& frame) {
  const datCh& r = frame.record;
  std::string key = frame.document.Settings().destinationCode == DestinationCode::kJapan
                        ? "GI_Sheet_Sel_Mch_TS_Pitch_Jpn"
                        : "GI_Sheet_Sel_Mch_TS_Pitch_Exp";
  const bool offers8_33 = indDestination::IsAirBand(r.frequency) || r.tuningStep == TuningStep::k8p33kHz;
  return offers8_33 ? key : key + "_No833";
}

std::string ModeListKey(const datCh& r) {
  if (!indDestination::IsAirBand(r.frequency)) {
    return r.mode == ChannelMode::kAm ? "GI_Sheet_Sel_Mch_Mode_VU_wAM" : "GI_Sheet_Sel_Mch_Mode_VU";
  }
  switch (r.mode) {
    case ChannelMode::kFm:
      return "GI_Sheet_Sel_Mch_Mode_Air_wFM";
    case ChannelMode::kFmNarrow:
      return "GI_Sheet_Sel_Mch_Mode_Air_wFMN";
    case ChannelMode::kDv:
      return "GI_Sheet_Sel_Mch_Mode_Air_wDV";
    default:
      return "GI_Sheet_Sel_Mch_Mode_Air";
  }
}

void AnswerStep(ActiveCellFrame& frame) {
  CommitChannel(frame, UpdateListField(frame, {StepListKey(frame), CL_FlexMark_Mch}, frame.record.tuningStep));
  MarkWhen(frame, CheckStepForBand(frame.record), kRequestWarningMark, kMarkRightEdge);
}

void AnswerMode(ActiveCellFrame& frame) {
  CommitChannel(frame, UpdateListField(frame, {ModeListKey(frame.record), CL_FlexMark_Mch}, frame.record.mode));
  MarkWhen(frame, CheckModeForBand(frame.record), kRequestWarningMark, kMarkRightEdge);
}

// A list column over one field, greyed when greyed says so.
void AnswerListColumn(ActiveCellFrame& frame, const ListCellTraits& traits, std::uint8_t& field, bool greyed) {
  CommitChannel(frame, UpdateListField(frame, traits, field));
  Grey(frame, greyed);
}

void AnswerBank(ActiveCellFrame& frame) {
  const bool changed =
      UpdateListField(frame, {"GI_Sheet_Sel_Mch_Bank_Group", Flex0, ListTyping::kTextPrefix}, frame.record.bank);
  CommitChannel(frame, changed);
  if (changed) frame.Send(EV_RebuildBankIndex);
}

void AnswerBankChannel(ActiveCellFrame& frame) {
  std::int32_t value = frame.record.bankChannel;
  const bool changed = AnswerValue(frame, NumberCell(BankChannelFormat()), value);
  if (changed) frame.record.bankChannel = static_cast<std::uint8_t>(value);
  CommitChannel(frame, changed);
  if (changed) frame.Send(EV_RebuildBankIndex);
}

void AnswerName(ActiveCellFrame& frame) {
  const TextCell codec(TextCellFormat{}, CodecSettingsOf(frame));
  CommitChannel(frame, AnswerValue(frame, codec, std::span<char>(frame.record.name)));
}

void AnswerDigitalCode(ActiveCellFrame& frame) {
  CommitChannel(frame, AnswerValue(frame, TwoDigitCell{}, frame.record.digitalCode));
  Grey(frame, frame.record.digitalSquelch != 4 || !IsDvMode(frame.record));
}

CallSignText& CallSignField(datCh& record, unsigned cellId) {
  if (cellId == CL_Mch_DRpt1_Callsign) return record.rpt1;
  if (cellId == CL_Mch_DRpt2_Callsign) return record.rpt2;
  return record.yourCall;
}

// The repeater dialog's answer becomes the channel: a bank slot without a channel first takes
// the lowest free memory channel; false when none is free (nothing is stored).
bool StoreRoute(ActiveCellFrame& frame, datCh& chosen) {
  if (frame.bankSlotEmpty) {
    if (!ClaimChannelForSlot(frame)) return false;
    chosen.bank = frame.record.bank;
    chosen.bankChannel = frame.record.bankChannel;
    chosen.Store(RecordKind::kChannel, frame.record.Index());
    frame.record.Reload();
  } else {
    frame.record.CopyFrom(chosen);
  }
  frame.Commit();
  return true;
}

// The Repeater Setting dialog works on a copy: the channel changes only when it is accepted.
void RunRepeaterSetting(ActiveCellFrame& frame) {
  frame.Send(EV_ModalMessage, 1);
  datCh chosen = frame.record;
  const bool stored = frame.document.OpenRepeaterSetting(chosen) && StoreRoute(frame, chosen);
  frame.Send(EV_ModalMessage, 0);
  if (!stored) return;
  frame.Send(EV_RebuildBankIndex);
  frame.scope |= kRepaintSameIndex;
  frame.result = kCellResultRefresh;
}

// With the repeater dialog on, the keys that would open the editor without typing open the
// Repeater Setting dialog instead.
bool OpensRepeaterSetting(const ActiveCellFrame& frame, const UrCallSignCell& codec, const CallSignText& call) {
  if (!frame.IsAction() || !CarriesKey(frame)) return false;
  const KeyReply reply = codec.Key(frame.Key(), call);
  return reply.action == KeyReply::Action::kPopup && !HasPopup(reply.popup);
}

void AnswerCallSign(ActiveCellFrame& frame) {
  const bool emptyRow = frame.ChannelRowEmpty();
  const UrCallSignCell codec(CodecSettingsOf(frame), true);
  CallSignText& call = CallSignField(frame.record, frame.cellId);
  if (OpensRepeaterSetting(frame, codec, call)) {
    RunRepeaterSetting(frame);
    frame.request.outputText = codec.Display(CallSignField(frame.record, frame.cellId));
  } else {
    CommitChannel(frame, AnswerUrCallSign(frame, codec, call));
  }
  if (emptyRow && frame.result != kCellResultEdit) frame.request.outputText.clear();
  Grey(frame, !IsDvMode(frame.record));
}

// The bank slot's channel number. Enter, Space and Backspace open the list of the memory
// channels; the channel picked takes the slot, and the channel that held it leaves the bank.
void AnswerBankSlot(ActiveCellFrame& frame) {
  if (frame.category != CT_BankCh) return;
  if (!frame.bankSlotEmpty) frame.request.outputText = std::to_string(frame.record.Index());
  if (!frame.IsAction() || frame.bank >= MemoryMap::kBankCount) return;
  const cmcCellCapsule& request = frame.request;
  if (request.inputKind == kInputPicked) {
    if (request.parent == nullptr || request.parent->cell == nullptr) return;
    if (!PlaceChannelInBankRow(frame.Image(), frame.bank, frame.index, request.parent->cell->index)) return;
    frame.Send(EV_RebuildBankIndex);
    frame.Send(EV_ListChanged);
    frame.scope |= kRepaintEveryBoundCell;
    return;
  }
  if (frame.Key() != kKeyEnter && frame.Key() != kKeySpace && frame.Key() != kKeyBackspace) return;
  IntegerListPopup channels;
  channels.value = frame.bankSlotEmpty ? 0 : frame.record.Index();
  channels.maximum = MemoryMap::kMemoryChannelCount - 1;
  channels.rightAligned = true;
  channels.rowsPerColumn = kChannelListRows;
  frame.OpenPopup(channels);
}

void AnswerToneColumn(ActiveCellFrame& frame) {
  datCh& r = frame.record;
  const bool fm = IsFmMode(r);
  const ListCellTraits tones{"GI_Sheet_Sel_Mch_TFreq", Flex0, ListTyping::kNearestNumber};
  const ListCellTraits codes{"GI_Sheet_Sel_Mch_DTCS", Flex0, ListTyping::kNearestNumber};
  const bool dtcsGreyed = !ToneModeIn(r, {5, 7, 8, 9, 10}) || !fm;
  switch (frame.cellId) {
    case CL_Mch_Decode:
      return AnswerListColumn(frame, {"GI_Sheet_Sel_Mch_TSQL"}, r.toneMode, !fm);
    case CL_Mch_TONE_Freq:
      return AnswerListColumn(frame, tones, r.repeaterTone, !ToneModeIn(r, {1, 9, 11}) || !fm);
    case CL_Mch_TSQL_Freq:
      return AnswerListColumn(frame, tones, r.toneSquelchTone, !ToneModeIn(r, {3, 6, 10, 11}) || !fm);
    case CL_Mch_DTCS:
      return AnswerListColumn(frame, codes, r.dtcsCode, dtcsGreyed);
    default:
      return AnswerListColumn(frame, {"GI_Sheet_Sel_Mch_DTCS_Polarity"}, r.dtcsPolarity, dtcsGreyed);
  }
}

}  // namespace

void RunCallSignPicker(ActiveCellFrame& frame) {
  if (!frame.record.IsUsed()) return;
  const unsigned cellId = frame.cellId;
  int type = PickerType::kUr;
  if (cellId == CL_Mch_DRpt1_Callsign) {
    type = PickerType::kRpt1;
  } else if (cellId == CL_Mch_DRpt2_Callsign) {
    type = PickerType::kRpt2;
  } else if (cellId != CL_Mch_DYou_Callsign) {
    return;
  }
  CallSignText& call = CallSignField(frame.record, cellId);
  CallSignText chosen = call;
  if (!frame.document.OpenCallSignPicker(type, chosen, frame.record.rpt1)) return;
  call = chosen;
  frame.Commit();
  frame.Send(EV_SheetRefreshAll);
  frame.Send(EV_ListChanged);
}

void AnswerMemoryChannelCell(ActiveCellFrame& frame) {
  datCh& r = frame.record;
  switch (frame.cellId) {
    case CL_Mch_Select_ChNo:
      return AnswerBankSlot(frame);
    case CL_Mch_Freq:
      return AnswerFrequency(frame);
    case CL_Mch_Dup:
      return AnswerListColumn(frame, {"GI_Sheet_Sel_Mch_Dup"}, r.duplex, false);
    case CL_Mch_Offset_Freq:
      return AnswerOffset(frame);
    case CL_Mch_Name:
      return AnswerName(frame);
    case CL_Mch_TS_Pitch:
      return AnswerStep(frame);
    case CL_Mch_Decode:
    case CL_Mch_TONE_Freq:
    case CL_Mch_TSQL_Freq:
    case CL_Mch_DTCS:
    case CL_Mch_DTCS_Polarity:
      return AnswerToneColumn(frame);
    case CL_Mch_Digital_Sql:
      return AnswerListColumn(frame, {"GI_Sheet_Sel_Mch_DSQL"}, r.digitalSquelch, !IsDvMode(r));
    case CL_Mch_Digital_Code:
      return AnswerDigitalCode(frame);
    case CL_Mch_DYou_Callsign:
    case CL_Mch_DRpt1_Callsign:
    case CL_Mch_DRpt2_Callsign:
      return AnswerCallSign(frame);
    case CL_Mch_Bank_Group:
      return AnswerBank(frame);
    case CL_Mch_Bank_ChNo:
      return AnswerBankChannel(frame);
    case CL_Mch_Mode:
      return AnswerMode(frame);
    case CL_Mch_Scan_Skip:
      return AnswerListColumn(frame, {"GI_Sheet_Sel_Mch_Scan_Skip"}, r.skip, false);
    default:
      return AnswerNotYet(frame);
  }
}
