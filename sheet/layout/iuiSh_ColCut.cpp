#include "sheet/layout/iuiSh_ColCut.h"

#include <algorithm>
#include <array>

#include "memory/ChannelList.h"
#include "memory/MemoryMap.h"
#include "memory/NamedLists.h"
#include "memory/datCh.h"
#include "sheet/layout/CellDocument.h"
#include "sheet/layout/SheetLayout.h"
#include "sheet/layout/SheetName.h"
#include "sheet/layout/SheetStyle.h"
#include "sheet/layout/TreeNodes.h"
#include "text/CellIds.h"
#include "text/FormattedText.h"
#include "text/TextFields.h"
#include "text/cmcCellObj.h"
#include "text/cmcGTex.h"

namespace {

// The bits of the column-cut mask.
constexpr std::int32_t kToneGroup = 1 << 0;
constexpr std::int32_t kDigitalGroup = 1 << 1;
constexpr std::int32_t kCallSignGroup = 1 << 2;
constexpr std::int32_t kMobileStationGroup = 1 << 3;
constexpr std::int32_t kFixedStationGroup = 1 << 4;
constexpr std::int32_t kObjectStationGroup = 1 << 5;
constexpr std::int32_t kWeatherStationGroup = 1 << 6;
// Position data belongs to every kind of station: it goes only with all four.
constexpr std::int32_t kPositionGroups =
    kMobileStationGroup | kFixedStationGroup | kObjectStationGroup | kWeatherStationGroup;

// The mask bits that keep a cell identifier's column; 0 for columns no group holds.
std::int32_t GroupsOf(unsigned cellId) {
  switch (cellId) {
    case CL_Mch_Decode:
    case CL_Mch_TONE_Freq:
    case CL_Mch_TSQL_Freq:
    case CL_Mch_DTCS:
    case CL_Mch_DTCS_Polarity:
      return kToneGroup;
    case CL_Mch_Digital_Sql:
    case CL_Mch_Digital_Code:
      return kDigitalGroup;
    case CL_Mch_DYou_Callsign:
    case CL_Mch_DRpt1_Callsign:
    case CL_Mch_DRpt2_Callsign:
      return kCallSignGroup;
    case CL_Received_Callsign_Course:
    case CL_Received_Callsign_Speed:
      return kMobileStationGroup;
    case CL_Received_Callsign_Power:
    case CL_Received_Callsign_Height:
    case CL_Received_Callsign_Gain:
    case CL_Received_Callsign_Directivity:
      return kFixedStationGroup;
    case CL_Received_Callsign_ObjItemName:
    case CL_Received_Callsign_DataType:
      return kObjectStationGroup;
    case CL_Received_Callsign_Temp:
    case CL_Received_Callsign_Rain:
    case CL_Received_Callsign_Rain24:
    case CL_Received_Callsign_RainMidnight:
    case CL_Received_Callsign_WindDir:
    case CL_Received_Callsign_WindSpeed:
    case CL_Received_Callsign_GustSpeed:
    case CL_Received_Callsign_Barometric:
    case CL_Received_Callsign_Humidity:
      return kWeatherStationGroup;
    case CL_Received_Callsign_Latitude:
    case CL_Received_Callsign_Longitude:
    case CL_Received_Callsign_Altitude:
    case CL_Received_Callsign_SSID:
    case CL_Received_Callsign_Symbol:
    case CL_Received_Callsign_GpsTimestamp:
    case CL_Received_Callsign_GpsMsg:
      return kPositionGroups;
    default:
      return 0;
  }
}

bool AnyChannelInUse(cmcEeprom& image, int first, int end) {
  datCh record(image);
  for (int index = first; index < end; ++index) {
    record.Load(RecordKind::kChannel, index);
    if (record.IsUsed()) return true;
  }
  return false;
}

bool ScanLinkHoldsMember(cmcEeprom& image, int link) {
  datCh record(image);
  for (int row = 1; row < MemoryMap::kScanLinkRows; ++row) {
    record.Load(RecordKind::kScanLink, MemoryMap::kScanLinkRows * link + row);
    if (record.IsUsed()) return true;
  }
  return false;
}

// The border bits of the cell behaviour byte.
constexpr std::uint8_t kRightBorderBits = 0x06;

class ColumnCut {
 public:
  ColumnCut(SheetLayout& layout, const iuiSh_ColCut& model) : layout_(layout), model_(model) {}

  void Apply() {
    for (int column = 0; column < layout_.ColumnCount(); ++column) {
      const int row = FirstCutRow(column);
      if (row >= 0) Cut(column, row);
    }
    for (int column = 0; column < layout_.ColumnCount(); ++column) {
      if (layout_.ColumnWidth(column) == 0) MakeUnselectable(column);
    }
  }

 private:
  bool IsCut(int column, int row) const { return model_.IsColumnCut(layout_.GetCell(column, row)); }

  int FirstCutRow(int column) const {
    for (int row = 0; row < layout_.RowCount(); ++row) {
      if (IsCut(column, row)) return row;
    }
    return -1;
  }

  // The group's closing border moves to the nearest column left of it that stays, the
  // continuation of a caption ends at the cut column, and a 1-pixel separator before it goes
  // with it.
  void Cut(int column, int decidingRow) {
    int left = column - 1;
    while (left > 0 && IsCut(left, decidingRow)) --left;
    left = std::max(left, 0);
    const bool last = column + 1 == layout_.ColumnCount();
    for (int row = 0; row < layout_.RowCount(); ++row) {
      cmcCellObj& cut = layout_.GetCell(column, row);
      cmcCellObj& kept = layout_.GetCell(left, row);
      if (left != column) {
        kept.behaviour =
            static_cast<std::uint8_t>((kept.behaviour & ~kRightBorderBits) | (cut.behaviour & kRightBorderBits));
      }
      if (!last && !layout_.GetCell(column + 1, row).Continuation()) {
        cut.format = static_cast<std::uint8_t>(cut.format & ~cmcCellObj::kContinuation);
      }
    }
    layout_.SetColumnWidth(column, 0);
    if (column > 0 && layout_.ColumnWidth(column - 1) == 1) layout_.SetColumnWidth(column - 1, 0);
  }

  void MakeUnselectable(int column) {
    for (int row = 0; row < layout_.RowCount(); ++row) {
      cmcCellObj& cell = layout_.GetCell(column, row);
      cell.behaviour = static_cast<std::uint8_t>(cell.behaviour & ~cmcCellObj::kSelectable);
    }
  }

  SheetLayout& layout_;
  const iuiSh_ColCut& model_;
};

}  // namespace

// --- iuiSh_ColCut ---

void iuiSh_ColCut::AfterFill(SheetLayout& layout) { ColumnCut(layout, *this).Apply(); }

bool iuiSh_ColCut::IsColumnCut(const cmcCellObj&) const { return false; }

// --- iuiSh_ColCut_A ---

void iuiSh_ColCut_A::SetArgument(std::string_view argument) {
  node_ = ArgumentNumber(argument);
  baseIndex_ = std::max(0, ArgumentNumber(FieldAt(argument, ',', 1)));
}

bool iuiSh_ColCut_A::IsColumnCut(const cmcCellObj& cell) const {
  const std::int32_t groups = GroupsOf(cell.cellId);
  return groups != 0 && (document_.ColumnCutMask() & groups) == 0;
}

std::string iuiSh_ColCut_A::Title(const std::string& styleTitle) const {
  const int link = NodesOf(NamedList::kScanLink).PositionOf(node_);
  if (link < 0) return styleTitle;
  return " " + NamedListLabel(document_.Image(), NamedList::kScanLink, link);
}

bool iuiSh_ColCut_A::HoldsRecordInUse() const {
  cmcEeprom& image = document_.Image();
  if (node_ >= 0 && node_ <= TreeNode::kLastMemoryBlock) {
    const int first = kMemoryBlockSize * node_;
    return AnyChannelInUse(image, first, first + kMemoryBlockSize);
  }
  if (node_ == TreeNode::kScanEdges) {
    return AnyChannelInUse(image, MemoryMap::kFirstScanEdgeIndex, MemoryMap::kFirstCallChannelIndex);
  }
  if (node_ == TreeNode::kCallChannels) {
    return AnyChannelInUse(image, MemoryMap::kFirstCallChannelIndex, MemoryMap::kChannelIndexCount);
  }
  const int link = NodesOf(NamedList::kScanLink).PositionOf(node_);
  return link < 0 || ScanLinkHoldsMember(image, link);
}

bool iuiSh_ColCut_A::IsPrintable(const SheetStyle& style) const { return !style.noPrint && HoldsRecordInUse(); }

bool iuiSh_ColCut_A::IsInPrintAll(const SheetStyle& style, const PrintAllChoices& choices) const {
  if (!IsPrintable(style)) return false;
  if (node_ >= 0 && node_ <= TreeNode::kScanEdges) return choices.memoryChannels;
  if (BankOfNode(node_) != kNoBank) return choices.bankChannels;
  return true;
}

// --- iuiSh_ColCutBank ---

void iuiSh_ColCutBank::SetArgument(std::string_view argument) {
  iuiSh_ColCut_A::SetArgument(argument);
  bank_ = BankOfNode(Node());
}

std::string iuiSh_ColCutBank::Title(const std::string& styleTitle) const {
  if (bank_ == kNoBank) return styleTitle;
  return " " + NamedListLabel(Document().Image(), NamedList::kBank, bank_);
}

std::string iuiSh_ColCutBank::StatusText(const std::string& styleTitle) const {
  if (bank_ == kNoBank) return styleTitle;
  const std::string remain = Document().Texts().GetLine("GI_RemainCH", 0);
  return Title(styleTitle) + "      " + FormattedText(remain, CountFreeChannels(Document().Image()));
}
