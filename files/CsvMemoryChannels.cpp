// The memory channel layout: memory channel pages, program scan edges, banks and call
// channels, one row per position of the page ("CH No" counts within the page).
#include <array>
#include <cctype>
#include <cmath>

#include "files/CsvColumns.h"
#include "files/CsvListImports.h"
#include "memory/BankEdits.h"
#include "memory/ChannelList.h"
#include "memory/ImageFields.h"
#include "memory/SignalCodes.h"
#include "memory/SnapFrequency.h"
#include "memory/datCh.h"
#include "memory/indDestination.h"
#include "text/TextFields.h"
#include "values/ZeroPadded.h"

namespace {

enum Slot {
  kChNo,
  kFrequency,
  kDup,
  kOffset,
  kStep,
  kMode,
  kName,
  kSkip,
  kTone,
  kRepeaterTone,
  kSquelchTone,
  kDtcsCode,
  kDtcsPolarity,
  kDigitalSquelch,
  kDigitalCode,
  kYourCall,
  kRpt1,
  kRpt2,
};

constexpr std::uint32_t kLowestFrequency = 108000000;
constexpr std::uint32_t kHighestFrequency = 479000000;
constexpr std::uint8_t kModeAuto = 6;
constexpr std::uint8_t kModeAmNarrow = 4;
constexpr std::uint8_t kLastDigitalCode = 99;
constexpr std::uint16_t kRememberedNone = 0xFFFF;

bool IsWholeMemory(const CsvList& list) {
  return list.kind == CsvListKind::kMemoryChannels && list.group == kCsvScopeAll;
}

int RowCount(const CsvList& list) {
  switch (list.kind) {
    case CsvListKind::kScanEdges:
      return 2 * MemoryMap::kScanEdgePairCount;
    case CsvListKind::kCallChannels:
      return MemoryMap::kCallChannelCount;
    default:
      return IsWholeMemory(list) ? MemoryMap::kMemoryChannelCount : MemoryMap::kBankChannelCount;
  }
}

// "CH No" has two digits on a page, three for the whole memory.
int RowNumberWidth(const CsvList& list) { return IsWholeMemory(list) ? 3 : 2; }

// The channel at a position of a page that is not a bank.
int PageChannel(const CsvList& list, int position) {
  switch (list.kind) {
    case CsvListKind::kScanEdges:
      return MemoryMap::kFirstScanEdgeIndex + position;
    case CsvListKind::kCallChannels:
      return MemoryMap::kFirstCallChannelIndex + position;
    default:
      return MemoryListChannels(list).first + position;
  }
}

// The channel a position shows, -1 for none (an empty bank slot).
int ChannelAt(const cmcEeprom& image, const CsvList& list, int position) {
  if (list.kind == CsvListKind::kBank) return BankRowChannel(image, list.group, position);
  return PageChannel(list, position);
}

std::string ToneText(std::uint8_t index, const CsvFileFormat& format) {
  return CsvTables::ToneFrequency().Text(index, format);
}

std::vector<std::string> ChannelFields(const datCh& r, const CsvFileFormat& format) {
  return {FrequencyText(r.frequency, format),
          CsvTables::Duplex().Text(r.duplex, format),
          FrequencyText(r.offset, format),
          CsvTables::TuningStep().Text(r.tuningStep, format),
          CsvTables::ChannelMode().Text(r.mode, format),
          FieldText(ViewOf(r.name)),
          CsvTables::ChannelSkip().Text(r.skip, format),
          CsvTables::ChannelTone().Text(r.toneMode, format),
          ToneText(r.repeaterTone, format),
          ToneText(r.toneSquelchTone, format),
          CsvTables::DtcsCode().Text(r.dtcsCode, format),
          CsvTables::DtcsPolarity().Text(r.dtcsPolarity, format),
          CsvTables::DigitalSquelch().Text(r.digitalSquelch, format),
          std::to_string(r.digitalCode),
          FieldText(ViewOf(r.yourCall)),
          FieldText(ViewOf(r.rpt1)),
          FieldText(ViewOf(r.rpt2))};
}

class MemoryChannelFormat final : public CsvListFormat {
 public:
  std::vector<std::string> Header() const override {
    return {"CH No",          "Frequency",      "Dup",           "Offset", "TS",
            "Mode",           "Name",           "SKIP",          "TONE",   "Repeater Tone",
            "TSQL Frequency", "DTCS Code",      "DTCS Polarity", "DV SQL", "DV CSQL Code",
            "Your Call Sign", "RPT1 Call Sign", "RPT2 Call Sign"};
  }

  std::vector<std::vector<std::string>> WriteRows(const CsvContext& context) const override {
    std::vector<std::vector<std::string>> rows;
    datCh record(context.image);
    const int count = RowCount(context.list);
    for (int position = 0; position < count; ++position) {
      std::vector<std::string> row{ZeroPadded(position, RowNumberWidth(context.list))};
      const int channel = ChannelAt(context.image, context.list, position);
      if (channel >= 0) record.Load(RecordKind::kChannel, channel);
      const bool shown = channel >= 0 && record.IsUsed() &&
                         !(context.list.kind == CsvListKind::kBank && record.frequency > kHighestFrequency);
      if (shown) {
        const auto fields = ChannelFields(record, context.format);
        row.insert(row.end(), fields.begin(), fields.end());
      } else {
        row.resize(Header().size());
      }
      rows.push_back(std::move(row));
    }
    return rows;
  }

  void ReadRows(CsvContext& context, cmcLoadFile& file, const ColumnMap& columns, CsvImportTally& tally,
                const KeepRpt1UseQuestion&) const override {
    Clear(context);
    while (file.NextLine()) {
      const CsvRow row(file.CurrentLine(), columns);
      if (!ReadRow(context, row, tally)) break;
    }
    FinishMemoryImport(context.image);
  }

 protected:
  std::vector<int> RequiredSlots() const override { return {kChNo, kFrequency}; }

 private:
  // Takes every channel of the page out of its bank and empties it; a bank page empties the
  // channels in its slots except program scan edges, which only leave the bank.
  static void Clear(CsvContext& context) {
    const CsvList& list = context.list;
    if (list.kind != CsvListKind::kBank) {
      ClearMemoryChannels(context.image, PageChannel(list, 0), PageChannel(list, RowCount(list) - 1));
      return;
    }
    datCh record(context.image);
    for (int position = 0; position < RowCount(list); ++position) {
      const int channel = ChannelAt(context.image, list, position);
      if (channel < 0) continue;
      record.Load(RecordKind::kChannel, channel);
      record.bank = kNoBank;
      record.bankChannel = kNoBank;
      if (channel < MemoryMap::kFirstScanEdgeIndex) record.SetUsed(false);
      record.Store(RecordKind::kChannel, channel);
    }
    RebuildBankTables(context.image);
  }

  // False when no memory channel was left for a bank slot: reading ends there.
  bool ReadRow(CsvContext& context, const CsvRow& row, CsvImportTally& tally) const {
    RowOutcome outcome(row.Line());
    const int count = RowCount(context.list);
    const std::uint16_t position = ReadDecimalInteger(row.Field(kChNo));
    if (position >= count) {
      const int width = RowNumberWidth(context.list);
      outcome.Refused(tally, "CH No \"" + std::string(row.Field(kChNo)) + "\" is no row " + ZeroPadded(0, width) + "-" +
                                 ZeroPadded(count - 1, width) + " of this list");
      return true;
    }
    datCh record(context.image);
    record.Reset();
    record.SetUsed(false);
    const std::string_view frequencyText = row.Field(kFrequency);
    if (!TrimControlsAndSpaces(frequencyText).empty()) {
      const std::uint32_t frequency = ReadFrequency(frequencyText, context.format);
      if (!IsChannelFrequency(frequency)) {
        ++tally.discarded;
        const bool number = ReadCsvNumber(frequencyText, context.format).state == CsvNumber::State::kNumber;
        outcome.Refused(tally, "frequency " + Quoted(frequencyText) +
                                   (number ? " is not within 108-479 MHz" : " is no number in MHz") +
                                   "; the channel is left empty");
      } else {
        FillRecord(context, row, frequency, record, outcome);
      }
    }
    return Store(context, position, record, outcome, tally);
  }

  static void FillRecord(const CsvContext& context, const CsvRow& row, std::uint32_t frequency, datCh& record,
                         RowOutcome& outcome) {
    const std::uint32_t snapped = SnapChannelFrequency(frequency);
    outcome.CorrectWhen(snapped != frequency, "frequency moved onto the channel raster");
    const int templateKind = context.options.scanEdgeList ? RecordKind::kBandTemplateSkip : RecordKind::kBandTemplate;
    datCh defaults(context.image);
    defaults.LoadFrom(context.defaults, templateKind, indDestination::BandNumber(snapped));
    record.CopyFrom(defaults);
    record.frequency = snapped;
    record.bank = kNoBank;
    record.bankChannel = kNoBank;
    record.SetUsed(true);
    ReadValues(context, row, defaults, record, outcome);
  }

  static void ReadValues(const CsvContext& context, const CsvRow& row, const datCh& defaults, datCh& r,
                         RowOutcome& outcome) {
    ReadTableColumn(row, kDup, CsvTables::Duplex(), defaults.duplex, r.duplex, outcome, "Dup");
    ReadOffsetColumn(context, row, defaults, r, outcome);
    ReadStepColumn(row, defaults, r, outcome);
    ReadModeColumn(row, defaults, r, outcome);
    ReadNameColumn(row, kName, r.name, outcome);
    if (!context.options.callChannelList) {
      ReadTableColumn(row, kSkip, CsvTables::ChannelSkip(), defaults.skip, r.skip, outcome, "SKIP");
    }
    ReadTableColumn(row, kTone, CsvTables::ChannelTone(), defaults.toneMode, r.toneMode, outcome, "TONE");
    if (r.toneMode > ToneMode::kLastDefined) {
      outcome.Correct("TONE " + Quoted(row.Field(kTone)) + " is not for memory channels; the default is used");
      r.toneMode = defaults.toneMode;
    }
    ReadToneColumn(row, kRepeaterTone, defaults.repeaterTone, r.repeaterTone, outcome);
    ReadToneColumn(row, kSquelchTone, defaults.toneSquelchTone, r.toneSquelchTone, outcome);
    ReadDtcsColumn(row, defaults, r, outcome);
    ReadTableColumn(row, kDtcsPolarity, CsvTables::DtcsPolarity(), defaults.dtcsPolarity, r.dtcsPolarity, outcome,
                    "DTCS Polarity");
    ReadTableColumn(row, kDigitalSquelch, CsvTables::DigitalSquelch(), defaults.digitalSquelch, r.digitalSquelch,
                    outcome, "DV SQL");
    if (const auto code = row.Present(kDigitalCode)) {
      const std::uint16_t value = ReadDecimalInteger(*code);
      if (value > kLastDigitalCode) {
        outcome.Correct("DV CSQL Code \"" + std::string(*code) + "\" is not within 0-99; the default is used");
        r.digitalCode = defaults.digitalCode;
      } else {
        r.digitalCode = static_cast<std::uint8_t>(value);
      }
    }
    ReadRouteColumns(row, {kYourCall, kRpt1, kRpt2}, r, outcome);
  }

  static void ReadOffsetColumn(const CsvContext& context, const CsvRow& row, const datCh& defaults, datCh& r,
                               RowOutcome& outcome) {
    const auto text = row.Present(kOffset);
    if (!text) return;
    const std::uint32_t offset = ReadOffset(*text, context.format);
    if (offset > kHighestChannelOffset) {
      outcome.Correct("Offset \"" + std::string(*text) + "\" is not within 0-59.999999 MHz; the default is used");
      r.offset = defaults.offset;
      return;
    }
    r.offset = SnapFrequency(offset, Allows8p33kHzRaster(r.frequency));
    outcome.CorrectWhen(r.offset != offset, "offset moved onto the raster");
  }

  static void ReadStepColumn(const CsvRow& row, const datCh& defaults, datCh& r, RowOutcome& outcome) {
    ReadTableColumn(row, kStep, CsvTables::TuningStep(), defaults.tuningStep, r.tuningStep, outcome, "TS");
    if (r.tuningStep == TuningStep::k8p33kHz && !indDestination::IsAirBand(r.frequency)) {
      outcome.Correct("TS 8.33kHz is for the air band only; the default is used");
      r.tuningStep = defaults.tuningStep;
    }
  }

  static void ReadModeColumn(const CsvRow& row, const datCh& defaults, datCh& r, RowOutcome& outcome) {
    ReadTableColumn(row, kMode, CsvTables::ChannelMode(), defaults.mode, r.mode, outcome, "Mode");
    if (r.mode == kModeAuto) {
      outcome.Correct("Mode Auto is not for memory channels; the default is used");
      r.mode = defaults.mode;
    } else if (r.mode == kModeAmNarrow) {
      outcome.Correct("Mode AM-N is stored as AM");
      r.mode = ChannelMode::kAm;
    }
  }

  // Codes are three digits; one or two digits get a "0" in front ("23" is "023").
  static void ReadDtcsColumn(const CsvRow& row, const datCh& defaults, datCh& r, RowOutcome& outcome) {
    const auto text = row.Present(kDtcsCode);
    if (!text) return;
    std::string code(TrimControlsAndSpaces(*text));
    if (code.size() <= 2) code.insert(0, "0");
    const std::uint16_t value = CsvTables::DtcsCode().Value(code);
    if (value == kCsvNotFound) {
      outcome.Correct("DTCS Code " + Quoted(*text) + " is not known; the default is used");
      r.dtcsCode = defaults.dtcsCode;
      return;
    }
    r.dtcsCode = static_cast<std::uint8_t>(value);
  }

  // Stores the record at its position; false when a bank slot found no free memory channel.
  bool Store(CsvContext& context, int position, datCh& record, const RowOutcome& outcome, CsvImportTally& tally) const {
    if (context.list.kind != CsvListKind::kBank) {
      record.Store(RecordKind::kChannel, PageChannel(context.list, position));
      outcome.Stored(tally);
      return true;
    }
    const std::uint16_t entry = BankTableEntry(context.image, context.list.group, position);
    if (entry == MemoryMap::kBankEntryConflict) {
      outcome.Refused(tally, "bank slot " + ZeroPadded(position, 2) + " is claimed by more than one channel");
      return true;
    }
    if (!record.IsUsed()) {
      outcome.Stored(tally);
      return true;
    }
    int channel = BankRowChannel(context.image, context.list.group, position);
    if (channel < 0) channel = FindFreeChannel(context.image, 0);
    if (channel < 0) {
      tally.noSpace = true;
      outcome.Refused(tally, "no memory channel is free for the bank");
      return false;
    }
    record.bank = static_cast<std::uint8_t>(context.list.group);
    record.bankChannel = static_cast<std::uint8_t>(position);
    record.Store(RecordKind::kChannel, channel);
    RebuildBankTables(context.image);
    outcome.Stored(tally);
    return true;
  }
};

}  // namespace

bool IsChannelFrequency(std::uint32_t hertz) { return hertz >= kLowestFrequency && hertz <= kHighestFrequency; }

std::pair<int, int> MemoryListChannels(const CsvList& list) {
  if (IsWholeMemory(list)) return {0, MemoryMap::kMemoryChannelCount - 1};
  const int first = MemoryMap::kBankChannelCount * list.group;
  return {first, first + MemoryMap::kBankChannelCount - 1};
}

void ClearMemoryChannels(cmcEeprom& image, int first, int last) {
  datCh record(image);
  for (int channel = first; channel <= last; ++channel) {
    record.Load(RecordKind::kChannel, channel);
    record.bank = kNoBank;
    record.bankChannel = kNoBank;
    record.SetUsed(false);
    record.Store(RecordKind::kChannel, channel);
  }
  RebuildBankTables(image);
}

void FinishMemoryImport(cmcEeprom& image) {
  WriteU16(image, MemoryMap::kRememberedChannel, kRememberedNone);
  RebuildBankTables(image);
}

const CsvListFormat& MemoryChannelCsvFormat() {
  static const MemoryChannelFormat format;
  return format;
}
