#include "cli/SortCommand.h"

#include "memory/ChannelList.h"
#include "memory/GpsList.h"
#include "memory/MemoryMap.h"
#include "memory/RepeaterList.h"
#include "memory/YourCallList.h"
#include "memory/datCh.h"
#include "sheet/layout/TreeNodes.h"

namespace {

using namespace MemoryMap;

int RecordKindOf(CsvListKind list) {
  switch (list) {
    case CsvListKind::kMemoryChannels:
      return RecordKind::kChannel;
    case CsvListKind::kBank:
      return RecordKind::kBankView;
    case CsvListKind::kRepeaters:
      return RecordKind::kRepeater;
    case CsvListKind::kGps:
      return RecordKind::kGps;
    case CsvListKind::kYourCalls:
      return RecordKind::kYourCall;
    default:
      return RecordKind::kNone;
  }
}

// The groups the scope covers: the one named, or every group of the list.
std::pair<int, int> GroupsOf(const CsvTarget& target, int groupCount) {
  if (target.scope == kCsvScopeAll) return {0, groupCount - 1};
  return {target.list.group, target.list.group};
}

}  // namespace

bool SortCliList(cmcEeprom& document, const CsvTarget& target, SortOrder order, std::string& error) {
  const int kind = RecordKindOf(target.list.kind);
  if (kind == RecordKind::kNone) {
    error = "sort takes the lists memory, bank, repeaters, gps and your-calls";
    return false;
  }
  if (!SortKeyApplies(kind, order.key)) {
    error = "the entries of this list have no " + std::string(SortKeyWord(order.key));
    return false;
  }
  switch (kind) {
    case RecordKind::kChannel: {
      const int first = target.list.group * kMemoryBlockSize;
      SortBlock(document, kind, first, first + kMemoryBlockSize - 1, order);
      RebuildBankTables(document);
      return true;
    }
    case RecordKind::kBankView:
      SortBankRows(document, target.list.group, 0, kBankChannelCount - 1, order);
      return true;
    case RecordKind::kRepeater: {
      const auto [low, high] = GroupsOf(target, kRepeaterGroupCount);
      for (int group = low; group <= high; ++group) {
        SortBlock(document, kind, GroupStart(document, group), GroupLast(document, group), order);
      }
      return true;
    }
    case RecordKind::kGps: {
      const auto [low, high] = GroupsOf(target, kGpsGroupCount);
      const GpsGroups groups = ReadGpsGroups(document);
      for (int group = low; group <= high; ++group) {
        const auto g = static_cast<std::size_t>(group);
        if (groups.count[g] > 0)
          SortBlock(document, kind, groups.start[g], groups.start[g] + groups.count[g] - 1, order);
      }
      return true;
    }
    default:
      SortBlock(document, kind, 0, YourCallCount(document) - 1, order);
      return true;
  }
}
