// The scan edge frequencies beside the scan names, and the program scan link pages: each link
// lists its member scan edge pairs, and its "Add" row takes another pair.
#include "memory/MemoryMap.h"
#include "sheet/cells/CellFamilies.h"
#include "sheet/cells/ColumnCells.h"
#include "sheet/cells/ValueCells.h"
#include "values/NumberCell.h"
#include "values/TextCell.h"

using namespace MemoryMap;

namespace {

// Edge frequencies show in MHz with 6 decimals; nothing for an unused edge.
std::string EdgeFrequencyText(std::uint32_t frequency) {
  NumberCellFormat format;
  format.decimals = 6;
  format.shownDecimals = 6;
  format.width = 3;
  format.maximum = INT32_MAX;
  return NumberCell(format).Display(static_cast<std::int32_t>(frequency));
}

bool IsAddRow(const ActiveCellFrame& frame) { return frame.index % kScanLinkRows == 0; }

// The "Add" row offers every pair; a pick adds it to the link. The member rows only show
// their pair.
void AnswerMember(ActiveCellFrame& frame) {
  frame.scope |= kRepaintEveryBoundCell;
  const ListCellTraits pairs{"GI_Sheet_Sel_Pg_Link"};
  if (!IsAddRow(frame)) {
    IgnoreKeys(frame);
    int pair = frame.record.memberPair;
    AnswerListCell(frame, pairs, pair);
    if (frame.record.memberPair == kNoMemberPair) frame.request.outputText.clear();
    return;
  }
  int pair = kNoMemberPair;
  if (AnswerListCell(frame, pairs, pair) && pair < kScanEdgePairCount) {
    frame.record.memberPair = static_cast<std::uint8_t>(pair);
    frame.record.memberFlag = 1;
    if (frame.IsAction()) {
      frame.record.Store(RecordKind::kScanLink, frame.index);
      frame.recordChanged = true;
    }
  }
  if (frame.result != kCellResultEdit) frame.request.outputText.clear();
}

void AnswerMemberEdge(ActiveCellFrame& frame) {
  const datCh& r = frame.record;
  const bool b = frame.cellId == CL_Pglink_Edge_B;
  const bool absent = (r.flags & (b ? datCh::kFlagEdgeBAbsent : datCh::kFlagEdgeAAbsent)) != 0;
  if (IsAddRow(frame) || !r.IsUsed() || absent) return;
  frame.request.outputText = EdgeFrequencyText(b ? r.edgeFrequencyB : r.edgeFrequencyA);
}

}  // namespace

void AnswerScanEdgeFrequency(ActiveCellFrame& frame) {
  const int pair = frame.index;
  if (pair < 0 || pair >= kScanEdgePairCount) return;
  datCh edge(frame.Image());
  edge.Load(RecordKind::kChannel, kFirstScanEdgeIndex + 2 * pair + (frame.cellId == CL_Scan_Edge_B ? 1 : 0));
  if (edge.IsUsed()) frame.request.outputText = EdgeFrequencyText(edge.frequency);
}

void AnswerScanLinkCell(ActiveCellFrame& frame) {
  switch (frame.cellId) {
    case CL_PgLink_No:
      return AnswerMember(frame);
    case CL_Pglink_ScanName:
      if (!IsAddRow(frame) && frame.record.IsUsed()) {
        frame.request.outputText = TextCell(TextCellFormat{}, CodecSettingsOf(frame)).Display(frame.record.name);
      }
      return;
    default:
      return AnswerMemberEdge(frame);
  }
}
