// The 16-character names of banks, scan edges, scan links, broadcast radio banks, GPS groups
// and repeater groups. A changed name is announced to the navigation tree, whose nodes carry
// it in their captions.
#include <array>
#include <span>

#include "base/EventCodes.h"
#include "memory/ImageFields.h"
#include "memory/MemoryMap.h"
#include "memory/NamedLists.h"
#include "sheet/cells/CellFamilies.h"
#include "sheet/cells/ValueCells.h"
#include "sheet/layout/TreeNodes.h"
#include "values/TextCell.h"

namespace {

struct NameCell {
  unsigned cellId;
  NamedList list;
};

constexpr std::array kNameCells{
    NameCell{CL_Bank_Name, NamedList::kBank},
    NameCell{CL_PgLink_Name, NamedList::kScanLink},
    NameCell{CL_Radio_Bank_Name, NamedList::kBroadcastBank},
    NameCell{CL_Gps_Bank_Name, NamedList::kGpsGroup},
    NameCell{CL_Group_Name, NamedList::kRepeaterGroup},
};

const NameCell* NameCellOf(unsigned cellId) {
  for (const NameCell& cell : kNameCells) {
    if (cell.cellId == cellId) return &cell;
  }
  return nullptr;
}

// Answers the request over the name at `at`; true when the name was changed.
bool AnswerName(ActiveCellFrame& frame, MemoryMap::Address at) {
  NameText name = ReadText<MemoryMap::kNameLength>(frame.Image(), at);
  const TextCell codec(TextCellFormat{}, CodecSettingsOf(frame));
  if (!AnswerValue(frame, codec, std::span<char>(name))) return false;
  WriteText(frame.Image(), at, name);
  return true;
}

// The tree renames scan links itself; the other lists' nodes get their caption.
void AnnounceName(ActiveCellFrame& frame, NamedList list) {
  if (list == NamedList::kScanLink) {
    frame.Send(EV_LinkNameChanged, 0, frame.index);
  } else {
    frame.PostText(EV_TreeCaption, NodesOf(list).NodeOf(frame.index), NamedListLabel(frame.Image(), list, frame.index));
  }
}

// Scan edge pairs carry names that no tree node shows.
void AnswerScanEdgeName(ActiveCellFrame& frame) {
  if (frame.index < 0 || frame.index >= MemoryMap::kScanEdgePairCount) return;
  AnswerName(frame, MemoryMap::kScanEdgeNames + MemoryMap::kNameLength * frame.index);
}

}  // namespace

void AnswerNameCell(ActiveCellFrame& frame) {
  if (frame.cellId == CL_Scan_Name) return AnswerScanEdgeName(frame);
  const NameCell* cell = NameCellOf(frame.cellId);
  if (cell == nullptr || frame.index < 0 || frame.index >= NamedListCount(cell->list)) return;
  if (AnswerName(frame, NamedListNameAddress(cell->list, frame.index))) AnnounceName(frame, cell->list);
}
