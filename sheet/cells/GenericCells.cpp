// Cells that need no record of their own: selection list entries, numbering and labels, the
// top page, tree navigation, and identifiers without behaviour.
#include <string>

#include "memory/MemoryMap.h"
#include "memory/NamedLists.h"
#include "memory/RecordChecks.h"
#include "memory/datCh.h"
#include "memory/indDestination.h"
#include "sheet/cells/CellFamilies.h"
#include "text/FormattedText.h"
#include "text/cmcCellObj.h"
#include "text/cmcGTex.h"

namespace {

// Formats a line of the top page with its one "%s".
std::string TopPageLine(ActiveCellFrame& frame, int line, const std::string& value) {
  const std::string pattern = frame.document.Texts().GetLine("GI_Sys_TopPage", line);
  const std::size_t at = pattern.find("%s");
  if (at == std::string::npos) return pattern;
  return pattern.substr(0, at) + value + pattern.substr(at + 2);
}

// An entry of a tuning step or mode list that does not suit the channel that opened it.
bool UnsuitedChannelEntry(const cmcCellCapsule& parent, const datCh& channel, int entry) {
  const bool air = indDestination::IsAirBand(channel.frequency);
  if (parent.cell->cellId == CL_Mch_TS_Pitch) return entry == TuningStep::k8p33kHz && !air;
  if (parent.cell->cellId == CL_Mch_Mode) return air ? entry != ChannelMode::kAm : entry == ChannelMode::kAm;
  return false;
}

// A duplex entry under which the opening repeater entry would fail its checks.
bool UnsuitedDuplexEntry(const datCh& repeater, int entry) {
  datCh candidate = repeater;
  candidate.duplex = static_cast<std::uint8_t>(entry);
  return !RecordFindings(candidate).empty();
}

}  // namespace

void AnswerSelectionEntry(ActiveCellFrame& frame) {
  frame.request.outputText = GetCaption(*frame.request.cell);
  const cmcCellCapsule* parent = frame.request.parent;
  if (parent == nullptr || parent->cell == nullptr) return;
  if (frame.cellId != CL_FlexMark_Mch && frame.cellId != CL_FlexMark_RptDup) return;
  frame.Load(ListKindOf(parent->cell->category), parent->cell->index, parent->sheetArgument);
  const bool unsuited = frame.cellId == CL_FlexMark_Mch ? UnsuitedChannelEntry(*parent, frame.record, frame.index)
                                                        : UnsuitedDuplexEntry(frame.record, frame.index);
  if (unsuited) frame.SetMark(kRequestWarningMark, kMarkAfterText);
}

void AnswerLabelCell(ActiveCellFrame& frame) {
  const int i = frame.index;
  std::string& text = frame.request.outputText;
  switch (frame.cellId) {
    case CL_Misc_ChNo_0Base:
      text = std::to_string(i);
      break;
    case CL_Misc_ChNo_1Base:
      text = std::to_string(i + 1);
      break;
    case CL_Misc_BankNm:
      text = NamedListKey(NamedList::kBank, i);
      break;
    case CL_Misc_GroupNm:
      text = NamedListKey(NamedList::kRepeaterGroup, i);
      break;
    case CL_Misc_ChNo_PLink:
      text = std::to_string(i % MemoryMap::kScanLinkRows);
      break;
    case CL_Misc_ChNo_Edge:
      text = FormattedText("%02d%c", i / 2, i % 2 == 0 ? 'A' : 'B');
      break;
    case CL_Misc_ChInfo_No:
      text = FormattedText(" P%02d (%02dA-%02dB)", i, i, i);
      break;
    case CL_Top_Version:
      text = TopPageLine(frame, 0, frame.document.VersionText());
      break;
    case CL_Top_Copyright:
      text = TopPageLine(frame, 1, frame.document.YearText());
      break;
    default:  // the quarter pillars are drawn, not written
      break;
  }
}

void AnswerListNumber(ActiveCellFrame& frame) {
  const int position = frame.index;
  if (position == frame.range.count) {
    frame.request.outputText = frame.document.Texts().GetLine("GI_NewChTitle", 0);
  } else {
    frame.request.outputText = std::to_string(frame.cellId == CL_You_Callsign_ChNo ? position + 1 : position);
  }
}

void AnswerCallSheet(ActiveCellFrame& frame) {
  if (frame.IsAction() && frame.Key() == kKeyEnter) {
    frame.document.OpenSheet(frame.request.cell->argument);
  }
}

void AnswerNotYet(ActiveCellFrame& frame) { frame.request.outputText = std::to_string(frame.cellId) + " *Yet*"; }

void AnswerNothing(ActiveCellFrame&) {}
