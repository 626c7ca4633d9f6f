// The 16-character names of banks, scan edges, scan links, broadcast radio banks, GPS groups
// and repeater groups. A changed name is announced to the navigation tree, whose nodes carry
// it in their captions.
#include <array>
#include <cstdio>
#include <span>
#include <string>

#include "memory/ImageFields.h"
#include "memory/MemoryMap.h"
#include "sheet/CellFamilies.h"
#include "sheet/TextCell.h"
#include "sheet/ValueCells.h"
#include "shell/EventCodes.h"

namespace {

enum class TreeLabel { kNone, kLetter, kGroupNumber, kScanLink };

struct NameList {
  unsigned cellId;
  MemoryMap::Address names;
  int count;
  TreeLabel label;
  int firstNode;
  int nodeStride;
};

constexpr std::array kNameLists{
    NameList{CL_Scan_Name, MemoryMap::kScanEdgeNames, MemoryMap::kScanEdgePairCount, TreeLabel::kNone, 0, 0},
    NameList{CL_Bank_Name, MemoryMap::kBankNames, MemoryMap::kBankCount, TreeLabel::kLetter, 21, 1},
    NameList{CL_PgLink_Name, MemoryMap::kScanLinkNames, MemoryMap::kScanLinkCount, TreeLabel::kScanLink, 0, 0},
    NameList{CL_Radio_Bank_Name, MemoryMap::kBroadcastGroupNames, MemoryMap::kBroadcastGroupCount,
             TreeLabel::kLetter, 72, 3},
    NameList{CL_Gps_Bank_Name, MemoryMap::kGpsGroupNames, MemoryMap::kGpsGroupNameCount, TreeLabel::kLetter,
             222, 1},
    NameList{CL_Group_Name, MemoryMap::kRepeaterGroupNames, MemoryMap::kRepeaterGroupCount,
             TreeLabel::kGroupNumber, 163, 1},
};

const NameList* NameListOf(unsigned cellId) {
  for (const NameList& list : kNameLists) {
    if (list.cellId == cellId) return &list;
  }
  return nullptr;
}

std::string LabelOf(TreeLabel label, int index) {
  if (label == TreeLabel::kLetter) return std::string(1, static_cast<char>('A' + index));
  char number[16];
  std::snprintf(number, sizeof number, "%02d", index + 1);
  return number;
}

void AnnounceName(ActiveCellFrame& frame, const NameList& list, const NameText& name) {
  if (list.label == TreeLabel::kScanLink) {
    frame.Send(EV_LinkNameChanged, 0, frame.index);
  } else if (list.label != TreeLabel::kNone) {
    const std::string caption = LabelOf(list.label, frame.index) + ": " + std::string(ViewOf(name));
    frame.PostText(EV_TreeCaption, list.firstNode + list.nodeStride * frame.index, caption);
  }
}

}  // namespace

void AnswerNameCell(ActiveCellFrame& frame) {
  const NameList* list = NameListOf(frame.cellId);
  if (list == nullptr || frame.index < 0 || frame.index >= list->count) return;
  const MemoryMap::Address at = list->names + MemoryMap::kNameLength * frame.index;
  NameText name = ReadText<MemoryMap::kNameLength>(frame.Image(), at);
  const TextCell codec(TextCellFormat{}, CodecSettingsOf(frame));
  if (!AnswerValue(frame, codec, std::span<char>(name))) return;
  WriteText(frame.Image(), at, name);
  AnnounceName(frame, *list, name);
}
