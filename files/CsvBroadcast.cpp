// The broadcast radio layout: banks A-Z, each its FM entries then its AM entries; packed, at
// most 50 a bank and 500 in all.
#include <cmath>

#include "files/CsvColumns.h"
#include "memory/BroadcastList.h"
#include "memory/ImageFields.h"
#include "memory/ListEntries.h"
#include "memory/datCh.h"
#include "text/TextFields.h"

namespace {

enum Slot { kBank, kBankName, kMode, kName, kFrequency, kSkip };

constexpr std::uint8_t kModeFm = 0;

struct BandRule {
  std::uint32_t lowest;
  std::uint32_t highest;
  std::uint32_t step;
};
constexpr BandRule kFmBand{76000000, 108000000, 100000};
constexpr BandRule kAmBand{520000, 1710000, 1000};

MemoryMap::Address BankNameAddress(int bank) { return MemoryMap::kBroadcastGroupNames + MemoryMap::kNameLength * bank; }

int ListKind(bool am) { return am ? RecordKind::kBroadcastAm : RecordKind::kBroadcastFm; }

std::pair<int, int> ScopeBanks(std::uint8_t scope) {
  if (scope == kCsvScopeAll) return {0, MemoryMap::kBroadcastGroupCount - 1};
  return {scope, scope};
}

class BroadcastFormat final : public CsvListFormat {
 public:
  std::vector<std::string> Header() const override {
    return {"Bank", "Bank Name", "Mode", "Name", "Frequency", "SKIP"};
  }

  std::vector<std::vector<std::string>> WriteRows(const CsvContext& context) const override {
    std::vector<std::vector<std::string>> rows;
    const CsvFileFormat& f = context.format;
    datCh record(context.image);
    const auto [first, last] = ScopeBanks(context.scope);
    for (int bank = first; bank <= last; ++bank) {
      const std::string name = FieldText(ViewOf(ReadText<16>(context.image, BankNameAddress(bank))));
      for (const bool am : {false, true}) {
        for (int position = 0; position < BroadcastListCount(context.image, bank, am); ++position) {
          record.Load(ListKind(am), BroadcastListIndex(bank, am, position));
          rows.push_back({CsvTables::BankLetter().Text(static_cast<std::uint16_t>(bank), f), name,
                          CsvTables::BroadcastMode().Text(am ? 1 : 0, f), FieldText(ViewOf(record.name)),
                          FrequencyText(record.frequency, f), CsvTables::BroadcastSkip().Text(record.skip, f)});
        }
      }
    }
    return rows;
  }

  void ReadRows(CsvContext& context, cmcLoadFile& file, const ColumnMap& columns, CsvImportTally& tally,
                const KeepRpt1UseQuestion&) const override {
    cmcEeprom& image = context.image;
    const auto [first, last] = ScopeBanks(context.scope);
    for (int bank = first; bank <= last; ++bank) {
      for (int slot = BroadcastStationCount(image, bank) - 1; slot >= 0; --slot) RemoveBroadcastSlot(image, bank, slot);
      WriteText(image, BankNameAddress(bank), kBlankName);
    }
    datCh record(image);
    while (file.NextLine()) {
      const CsvRow row(file.CurrentLine(), columns);
      RowOutcome outcome(row.Line());
      std::uint8_t mode = 0;
      const std::optional<int> rowBank = ReadEntry(context, row, record, mode, outcome);
      if (!rowBank) {
        ++tally.discarded;
        outcome.Refused(tally, "Mode " + Quoted(row.Field(kMode)) + " with frequency " + Quoted(row.Field(kFrequency)) +
                                   " is no broadcast station");
        continue;
      }
      const int bank = context.scope == kCsvScopeAll ? *rowBank : context.scope;
      const bool am = mode != kModeFm;
      const int position = BroadcastListCount(image, bank, am);
      if (BroadcastMemoriesInUse(image) >= MemoryMap::kBroadcastMemoryCount ||
          BroadcastStationCount(image, bank) >= MemoryMap::kBroadcastGroupSlots ||
          !InsertBroadcast(image, bank, am, position)) {
        tally.noSpace = true;
        outcome.Refused(tally, "bank " + CsvTables::BankLetter().Text(static_cast<std::uint16_t>(bank), {}) +
                                   " holds no more than 50 stations, the radio no more than 500");
        break;
      }
      record.Store(ListKind(am), BroadcastListIndex(bank, am, position));
      if (IsBlank(ReadText<16>(image, BankNameAddress(bank))) && row.Has(kBankName)) {
        bool cut = false;
        WriteText(image, BankNameAddress(bank), ReadNameField<MemoryMap::kNameLength>(row.Field(kBankName), cut));
      }
      outcome.Stored(tally);
    }
  }

 protected:
  std::vector<int> RequiredSlots() const override { return {kMode, kFrequency}; }

 private:
  // The row as a station and the bank it names; none when its mode or frequency is no
  // broadcast station's.
  static std::optional<int> ReadEntry(const CsvContext& context, const CsvRow& row, datCh& r, std::uint8_t& mode,
                                      RowOutcome& outcome) {
    const std::uint16_t modeValue = CsvTables::BroadcastMode().Value(row.Field(kMode));
    if (modeValue == kCsvNotFound) return std::nullopt;
    mode = static_cast<std::uint8_t>(modeValue);
    const BandRule& band = mode == kModeFm ? kFmBand : kAmBand;
    const std::uint32_t read = ReadFrequency(row.Field(kFrequency), context.format);
    if (read < band.lowest || read > band.highest) return std::nullopt;
    r.Load(mode == kModeFm ? RecordKind::kNewBroadcastFm : RecordKind::kNewBroadcastAm, 0);
    const datCh defaults = r;
    r.frequency = (read + band.step / 2) / band.step * band.step;
    outcome.CorrectWhen(r.frequency != read, "frequency rounded to the band's raster");
    ReadNameColumn(row, kName, r.name, outcome);
    ReadTableColumn(row, kSkip, CsvTables::BroadcastSkip(), defaults.skip, r.skip, outcome, "SKIP");
    std::uint8_t bank = 0;
    ReadTableColumn(row, kBank, CsvTables::BankLetter(), 0, bank, outcome, "Bank");
    outcome.CorrectWhen(!row.Has(kBank), "the file names no bank; bank A is used");
    return bank;
  }
};

}  // namespace

const CsvListFormat& BroadcastCsvFormat() {
  static const BroadcastFormat format;
  return format;
}
