// The radio's own log of its traffic, shown read-only: the received call record with the
// position, station, object and weather reports that came with a call (CallRecordText), and
// the four transmit histories with the repeater or your-call entry each call sign names.
#include <cstdint>
#include <span>
#include <string>

#include "sheet/cells/CellFamilies.h"
#include "sheet/cells/ColumnCells.h"
#include "sheet/cells/ListCell.h"
#include "sheet/cells/ValueCells.h"
#include "values/CallRecordText.h"
#include "values/CallSignCell.h"
#include "values/NumberCell.h"
#include "values/TextCell.h"
#include "values/UnitConversions.h"

namespace {

template <std::size_t N>
std::string Shown(ActiveCellFrame& frame, const FixedText<N>& text) {
  return TextCell(TextCellFormat{}, CodecSettingsOf(frame)).Display(text);
}

std::string ShownCall(ActiveCellFrame& frame, std::span<const char> call) {
  return CallSignCell(CodecSettingsOf(frame)).Display(call);
}

std::string ReceivedText(ActiveCellFrame& frame) {
  const UnitStyle style{false, '.', CodecSettingsOf(frame).japaneseDisplay};
  ReceivedCallSettings settings = ReceivedCallSettingsOf(frame.Image(), CodecSettingsOf(frame), style);
  settings.symbolLists = &frame.document.ListCache();
  return ReceivedCallText(frame.record, frame.cellId, settings);
}

// Frequencies of the transmit histories in MHz with 6 decimals, 11 characters wide.
std::string MegahertzText(std::uint32_t frequency, int width) {
  NumberCellFormat format;
  format.decimals = 6;
  format.shownDecimals = 6;
  format.width = width;
  format.maximum = INT32_MAX;
  return NumberCell(format).Display(static_cast<std::int32_t>(frequency));
}

std::string DuplexText(ActiveCellFrame& frame) {
  int duplex = frame.record.duplex;
  AnswerListCell(frame, {"GI_Sheet_Sel_Mch_Dup"}, duplex);
  return frame.request.outputText;
}

std::string TransmittedText(ActiveCellFrame& frame) {
  const datCh& r = frame.record;
  const bool found = r.found != 0;
  switch (frame.cellId) {
    case CL_TxCall_From_Callsign:
    case CL_TxCall_FAnalog_Callsign:
    case CL_TxCall_To_Callsign:
    case CL_TxCall_Ref_Callsign:
      return ShownCall(frame, r.callSign);
    case CL_TxCall_From_Name:
    case CL_TxCall_FAnalog_Name:
    case CL_TxCall_To_Name:
      return found ? Shown(frame, r.name) : std::string{};
    case CL_TxCall_From_Freq:
    case CL_TxCall_FAnalog_Freq: {
      const bool shown = r.frequency != 0 && (found || frame.cellId == CL_TxCall_FAnalog_Freq);
      return shown ? MegahertzText(r.frequency, 4) : std::string{};
    }
    case CL_TxCall_From_Dup:
    case CL_TxCall_FAnalog_Dup:
      return found ? DuplexText(frame) : std::string{};
    default:  // the offsets
      return found ? MegahertzText(r.offset, 0) : std::string{};
  }
}

}  // namespace

void AnswerCallRecordCell(ActiveCellFrame& frame) {
  IgnoreKeys(frame);
  if (!frame.record.IsUsed()) return;
  frame.request.outputText = frame.cellId >= CL_TxCall_From_Callsign ? TransmittedText(frame) : ReceivedText(frame);
}
