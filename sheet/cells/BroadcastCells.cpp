// The columns of the broadcast radio pages: a group's FM or AM stations with their name, skip
// flag and frequency. FM frequencies go in 100 kHz steps, AM frequencies in 1 kHz steps.
#include <span>

#include "memory/RecordChecks.h"
#include "sheet/cells/CellFamilies.h"
#include "sheet/cells/ColumnCells.h"
#include "sheet/cells/ValueCells.h"
#include "values/NumberCell.h"
#include "values/TextCell.h"

namespace {

constexpr std::uint32_t kFmRounding = 100'000;
constexpr std::uint32_t kAmRounding = 1'000;

bool IsAm(const ActiveCellFrame& frame) { return frame.listKind == RecordKind::kBroadcastAm; }

// FM in MHz with one decimal shown, AM in kHz; both count hertz.
NumberCellFormat FrequencyFormat(bool am, bool editorStartsEmpty) {
  NumberCellFormat format;
  format.decimals = am ? 3 : 6;
  format.shownDecimals = am ? 0 : 1;
  format.width = am ? 4 : 3;
  format.minimum = am ? 520'000 : 76'000'000;
  format.maximum = am ? 1'710'000 : 108'000'000;
  format.editorStartsEmpty = editorStartsEmpty;
  return format;
}

std::uint32_t Rounded(std::uint32_t frequency, std::uint32_t step) { return (frequency + step / 2) / step * step; }

void CommitStation(ActiveCellFrame& frame, bool changed) {
  if (changed && frame.record.IsUsed() && !frame.newEntryRow) frame.Commit();
}

// Digits, ".", Space, Backspace, Enter or F2 on the new-entry row start a station there.
void AnswerFrequency(ActiveCellFrame& frame) {
  const int key = frame.Key();
  const bool starts = (key >= '0' && key <= '9') || key == '.' || key == kKeySpace || key == kKeyBackspace ||
                      key == kKeyEnter || key == kKeyF2;
  if (!EnterRow(frame, starts)) return;
  datCh& r = frame.record;
  const bool am = IsAm(frame);
  auto value = static_cast<std::int32_t>(r.frequency);
  const bool changed = AnswerValue(frame, NumberCell(FrequencyFormat(am, !r.IsUsed())), value);
  if (changed) r.frequency = Rounded(static_cast<std::uint32_t>(value), am ? kAmRounding : kFmRounding);
  CommitStation(frame, changed);
  if (!r.IsUsed() || frame.newEntryRow) {
    if (frame.result != kCellResultEdit) frame.request.outputText.clear();
    return;
  }
  MarkWhen(frame, CheckBroadcastFrequency(r), kRequestWarningMark);
}

}  // namespace

void AnswerBroadcastCell(ActiveCellFrame& frame) {
  datCh& r = frame.record;
  switch (frame.cellId) {
    case CL_Radio_Name:
      return CommitStation(
          frame, AnswerValue(frame, TextCell(TextCellFormat{}, CodecSettingsOf(frame)), std::span<char>(r.name)));
    case CL_Radio_Skip:
      return CommitStation(frame, UpdateListField(frame, {"GI_Sheet_Sel_Radio_Scan_Skip"}, r.skip));
    case CL_Radio_Freq:
      return AnswerFrequency(frame);
    default:
      return AnswerNotYet(frame);
  }
}
