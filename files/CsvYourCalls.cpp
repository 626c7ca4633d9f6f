// The your-call-sign layout: the whole list, packed, at most 200 entries.
#include "files/CsvColumns.h"
#include "memory/ListBlocks.h"
#include "memory/YourCallList.h"
#include "memory/datCh.h"
#include "values/ZeroPadded.h"

namespace {

enum Slot { kNo, kName, kCallSign };

class YourCallFormat final : public CsvListFormat {
 public:
  std::vector<std::string> Header() const override { return {"No", "Name", "Call Sign"}; }

  std::vector<std::vector<std::string>> WriteRows(const CsvContext& context) const override {
    std::vector<std::vector<std::string>> rows;
    datCh record(context.image);
    for (int entry = 0; entry < YourCallCount(context.image); ++entry) {
      record.Load(RecordKind::kYourCall, entry);
      rows.push_back({ZeroPadded(entry + 1, 2), FieldText(ViewOf(record.name)), FieldText(ViewOf(record.callSign))});
    }
    return rows;
  }

  void ReadRows(CsvContext& context, cmcLoadFile& file, const ColumnMap& columns, CsvImportTally& tally,
                const KeepRpt1UseQuestion&) const override {
    cmcEeprom& image = context.image;
    const int oldCount = YourCallCount(image);
    int count = 0;
    datCh record(image);
    while (file.NextLine()) {
      const CsvRow row(file.CurrentLine(), columns);
      RowOutcome outcome(row.Line());
      record.Load(RecordKind::kNewYourCall, 0);
      ReadCallColumn(row, kCallSign, record.callSign, outcome, false);
      if (IsBlank(record.callSign)) {
        ++tally.discarded;
        outcome.Refused(tally, "call sign " + Quoted(row.Field(kCallSign)) + " is empty");
        continue;
      }
      ReadNameColumn(row, kName, record.name, outcome);
      if (count >= MemoryMap::kYourCallCount) {
        tally.noSpace = true;
        outcome.Refused(tally, "the your-call-sign list holds no more than 200 entries");
        break;
      }
      record.SetUsed(true);
      record.Store(RecordKind::kYourCall, count++);
      outcome.Stored(tally);
    }
    SetYourCallCount(image, count);
    for (int blank = count; blank < oldCount; ++blank) StoreBlankEntry(image, RecordKind::kYourCall, blank);
  }

 protected:
  std::vector<int> RequiredSlots() const override { return {kCallSign}; }
};

}  // namespace

const CsvListFormat& YourCallCsvFormat() {
  static const YourCallFormat format;
  return format;
}
