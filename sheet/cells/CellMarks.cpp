// The error and warning scan identifiers: each covers the records of one sheet page and ORs
// their check results into the request's mark bits, which the scan reads.
#include "memory/BroadcastList.h"
#include "memory/ChannelList.h"
#include "memory/MemoryMap.h"
#include "memory/RecordChecks.h"
#include "memory/RepeaterList.h"
#include "memory/YourCallList.h"
#include "sheet/cells/CellFamilies.h"
#include "sheet/layout/TreeNodes.h"

namespace {

// Marks what a used record fails; onlyWarnings folds errors into warnings.
void MarkFindings(ActiveCellFrame& frame, const datCh& record, bool onlyWarnings) {
  if (!record.IsUsed()) return;
  for (const RecordCheckFacts* check : RecordFindings(record)) {
    const bool error = check->severity == CheckSeverity::kError && !onlyWarnings;
    const std::uint8_t mark = error ? kRequestErrorMark : kRequestWarningMark;
    frame.request.flags = static_cast<std::uint8_t>(frame.request.flags | mark);
  }
}

void ScanRecords(ActiveCellFrame& frame, int kind, int first, int last, bool onlyWarnings) {
  datCh record(frame.Image());
  for (int i = first; i <= last; ++i) {
    record.Load(kind, i);
    MarkFindings(frame, record, onlyWarnings);
  }
}

void ScanBank(ActiveCellFrame& frame, int bank) {
  datCh record(frame.Image());
  for (int slot = 0; slot < MemoryMap::kBankChannelCount; ++slot) {
    const std::uint16_t channel = BankTableEntry(frame.Image(), bank, slot);
    if (channel >= MemoryMap::kFirstCallChannelIndex) continue;
    record.Load(RecordKind::kChannel, channel);
    MarkFindings(frame, record, false);
  }
}

void ScanBroadcast(ActiveCellFrame& frame, int group, bool am) {
  const int count = BroadcastListCount(frame.Image(), group, am);
  const int first = BroadcastListIndex(group, am, 0);
  ScanRecords(frame, am ? RecordKind::kBroadcastAm : RecordKind::kBroadcastFm, first, first + count - 1, true);
}

}  // namespace

void AnswerCheckCell(ActiveCellFrame& frame) {
  using namespace MemoryMap;
  const unsigned id = frame.cellId;
  const cmcEeprom& image = frame.Image();
  if (id <= CL_Check_MemoryCH4) {
    const int first = static_cast<int>(id - CL_Check_MemoryCH0) * kMemoryBlockSize;
    ScanRecords(frame, RecordKind::kChannel, first, first + kMemoryBlockSize - 1, false);
  } else if (id == CL_Check_MemoryCHS) {
    ScanRecords(frame, RecordKind::kChannel, kFirstScanEdgeIndex, kFirstCallChannelIndex - 1, false);
  } else if (id == CL_Check_MemoryCHC) {
    ScanRecords(frame, RecordKind::kChannel, kFirstCallChannelIndex, kChannelIndexCount - 1, false);
  } else if (id <= CL_Check_BankCHZ) {
    ScanBank(frame, static_cast<int>(id - CL_Check_BankCHA));
  } else if (id <= CL_Check_RadioAmZ) {
    const int list = static_cast<int>(id - CL_Check_RadioFmA);  // check cells go in list number order
    ScanBroadcast(frame, BroadcastGroupOfList(list), IsAmList(list));
  } else if (id == CL_Check_URList) {
    ScanRecords(frame, RecordKind::kYourCall, 0, YourCallCount(image) - 1, true);
  } else {
    const int group = static_cast<int>(id - CL_Check_RPTList0);
    ScanRecords(frame, RecordKind::kRepeater, GroupStart(image, group), GroupLast(image, group), true);
  }
}
