// The pages of the own station and its partners: the your-call-sign list, the six own call
// signs with the one in use, the five transmit messages with the one in use, and the DTMF
// memories with the one in use and the sending speed.
#include <functional>
#include <span>
#include <string>

#include "memory/RecordChecks.h"
#include "sheet/cells/CellFamilies.h"
#include "sheet/cells/ColumnCells.h"
#include "sheet/cells/ValueCells.h"
#include "text/FormattedText.h"
#include "values/CallSignCell.h"
#include "values/DtmfCell.h"
#include "values/TextCell.h"

using namespace MemoryMap;

namespace {

constexpr int kTCallRow = 0;  // the DTMF page's first row, which has no memory
constexpr const char* kTCallCode = "----------------";
constexpr int kMyCallNoteLength = kMyCallSignSize - kCallSignLength;

bool InRange(int index, int count) { return index >= 0 && index < count; }

// A field of the image of N bytes at `at`, edited in place.
std::span<char> ImageField(ActiveCellFrame& frame, Address at, int length) {
  const auto bytes = frame.Image().Bytes().subspan(static_cast<std::size_t>(at), static_cast<std::size_t>(length));
  return {reinterpret_cast<char*>(bytes.data()), bytes.size()};
}

// The "S" column of pages where one row is the one in use: choosing "S" on a row makes it the
// one (every row's mark repaints), choosing the blank entry changes nothing.
void AnswerRowSelector(ActiveCellFrame& frame, const char* list, bool selected, const std::function<void()>& select) {
  int value = selected ? 1 : 0;
  if (AnswerListCell(frame, {list}, value) && value == 1) {
    select();
    frame.scope |= kRepaintSameCellId;
  }
}

// Typing, Enter or F2 on the new-entry row starts an entry there.
void AnswerYourCallSign(ActiveCellFrame& frame) {
  const int key = frame.Key();
  const bool starts = (key >= kKeySpace && key < 127) || key == kKeyBackspace || key == kKeyEnter || key == kKeyF2;
  if (!EnterRow(frame, starts)) return;
  datCh& r = frame.record;
  CallSignText call = r.callSign;
  const CallSignCell codec(CodecSettingsOf(frame));
  const bool changed = AnswerValue(frame, codec, std::span<char>(call));
  if (changed && IsBlank(call)) frame.request.outputText = codec.Display(r.callSign);
  if (changed && !IsBlank(call) && !frame.newEntryRow) {
    r.callSign = call;
    frame.Commit();
    frame.scope |= kRepaintSameCellId;
  }
  if (!frame.newEntryRow) MarkWhen(frame, CheckYourCall(r), kRequestWarningMark);
}

void AnswerMyCallCell(ActiveCellFrame& frame) {
  const int i = frame.index;
  if (!InRange(i, kMyCallSignCount)) return;
  const Address entry = kMyCallSigns + kMyCallSignSize * i;
  cmcEeprom& image = frame.Image();
  const Address selected = kSettings + ListSetting::kSelectedMyCallSign;
  switch (frame.cellId) {
    case CL_My_Callsign_ChNo:
      frame.request.outputText = FormattedText("M%02X", i + 1);
      return;
    case CL_My_Callsign_Sel:
      return AnswerRowSelector(frame, "GI_Sheet_Sel_Tx_Message_Ch_No_Sel", image.GetByte(selected) == i,
                               [&] { image.SetByte(selected, static_cast<std::uint8_t>(i)); });
    case CL_My_Callsign_Code:
      AnswerValue(frame, CallSignCell(CodecSettingsOf(frame)), ImageField(frame, entry, kCallSignLength));
      return;
    default:
      AnswerValue(frame, CallSignCell(CodecSettingsOf(frame)),
                  ImageField(frame, entry + kCallSignLength, kMyCallNoteLength));
      return;
  }
}

void AnswerMessageCell(ActiveCellFrame& frame) {
  const int i = frame.index;
  if (!InRange(i, kTransmitMessageCount)) return;
  cmcEeprom& image = frame.Image();
  switch (frame.cellId) {
    case CL_Tx_Message_ChNo:
      frame.request.outputText = std::to_string(i + 1);
      return;
    case CL_Tx_Message_Code:
      AnswerValue(frame, TextCell(TextCellFormat{}, CodecSettingsOf(frame)),
                  ImageField(frame, kTransmitMessages + kMessageLength * i, kMessageLength));
      return;
    case CL_Tx_Message_Ch_No:
      return AnswerRowSelector(frame, "GI_Sheet_Sel_Tx_Message_Ch_No_Sel",
                               image.GetByte(kSelectedTransmitMessage) == i + 1,
                               [&] { image.SetByte(kSelectedTransmitMessage, static_cast<std::uint8_t>(i + 1)); });
    default: {
      std::uint8_t repeat = image.GetByte(kSelectedTransmitMessage + 1);
      if (UpdateListField(frame, {"GI_Sheet_Sel_Misc_OnOff"}, repeat)) {
        image.SetByte(kSelectedTransmitMessage + 1, repeat);
      }
      return;
    }
  }
}

std::string DtmfRowName(int row) {
  if (row == kTCallRow) return "T-CALL";
  if (row == kDtmfMemoryCount - 1) return "d*";
  if (row == kDtmfMemoryCount) return "d#";
  return FormattedText("d%X", row - 1);
}

void AnswerDtmfSelector(ActiveCellFrame& frame) {
  cmcEeprom& image = frame.Image();
  const Address tCall = kSettings + ListSetting::kDtmfTCallSelected;
  const Address memory = kSettings + ListSetting::kDtmfSelectedMemory;
  const int row = frame.index;
  const bool selected =
      row == kTCallRow ? image.GetByte(tCall) == 1 : image.GetByte(tCall) == 0 && image.GetByte(memory) == row - 1;
  AnswerRowSelector(frame, "GI_Sheet_Sel_DTMF_CH_NO_Sel", selected, [&] {
    image.SetByte(tCall, row == kTCallRow ? 1 : 0);
    image.SetByte(memory, static_cast<std::uint8_t>(row == kTCallRow ? 0 : row - 1));
  });
}

}  // namespace

void AnswerYourCallCell(ActiveCellFrame& frame) {
  if (frame.cellId == CL_You_Callsign_Code) return AnswerYourCallSign(frame);
  const bool changed =
      AnswerValue(frame, TextCell(TextCellFormat{}, CodecSettingsOf(frame)), std::span<char>(frame.record.name));
  if (changed && !frame.newEntryRow) frame.Commit();
}

void AnswerStationCell(ActiveCellFrame& frame) {
  if (frame.cellId >= CL_My_Callsign_ChNo) return AnswerMyCallCell(frame);
  AnswerMessageCell(frame);
}

void AnswerDtmfCell(ActiveCellFrame& frame) {
  const int row = frame.index;
  if (!InRange(row, kDtmfMemoryCount + 1)) return;
  switch (frame.cellId) {
    case CL_DTMF_ChNo:
      frame.request.outputText = DtmfRowName(row);
      return;
    case CL_DTMF_Memory_Code: {
      if (row == kTCallRow) {
        frame.request.outputText = kTCallCode;
        return;
      }
      const auto field = frame.Image().Bytes().subspan(
          static_cast<std::size_t>(kDtmfMemories + kDtmfMemorySize * (row - 1)), kDtmfMemorySize);
      AnswerValue(frame, DtmfCell{}, field);
      return;
    }
    case CL_Common_DTMF_CH_NO:
      return AnswerDtmfSelector(frame);
    default: {
      std::uint8_t speed = SettingsByte(frame, ListSetting::kDtmfSpeed);
      if (UpdateListField(frame, {"GI_Sheet_Sel_DTMF_SPEED"}, speed)) {
        frame.Image().SetByte(kSettings + ListSetting::kDtmfSpeed, speed);
      }
      return;
    }
  }
}
