#include "files/CsvGenericChannels.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <utility>

#include "files/CsvColumns.h"
#include "files/CsvListImports.h"
#include "memory/ChannelList.h"
#include "memory/SignalCodes.h"
#include "memory/SnapFrequency.h"
#include "memory/datCh.h"
#include "memory/indDestination.h"
#include "text/TextFields.h"

namespace {

enum Slot {
  kLocation,
  kName,
  kFrequency,
  kDuplex,
  kOffset,
  kTone,
  kRToneFreq,
  kCToneFreq,
  kDtcsCode,
  kDtcsPolarity,
  kRxDtcsCode,
  kCrossMode,
  kMode,
  kTStep,
  kSkip,
  kUrCall,
  kRpt1Call,
  kRpt2Call,
  kDvCode,
};

constexpr CsvFileFormat kFormat = kGenericCsvFileFormat;
constexpr double kHighestMegahertz = 4294.967295;  // what 32 bits of hertz hold
constexpr std::uint16_t kHighestDigitalCode = 99;

// A text pair of the layout and the value the radio keeps for it.
struct Word {
  std::string_view text;
  std::uint8_t value;
};

// The tone modes of a channel's Tone column; "Cross" takes its mode from CrossMode.
constexpr std::array<Word, 6> kChannelTones{{
    {"", 0},
    {"Tone", 1},
    {"TSQL", 3},
    {"DTCS", 5},
    {"TSQL-R", 6},
    {"DTCS-R", 7},
}};
constexpr std::string_view kCross = "Cross";
constexpr std::array<Word, 4> kCrossModes{{
    {"DTCS->", 8},
    {"Tone->DTCS", 9},
    {"DTCS->Tone", 10},
    {"Tone->Tone", 11},
}};
constexpr std::uint8_t kToneTransmitDtcsReceive = 9;
// What the column holds on rows without a cross tone.
constexpr std::string_view kPlainCrossMode = "Tone->Tone";

constexpr std::array<Word, 4> kChannelModes{
    {{"FM", ChannelMode::kFm}, {"NFM", ChannelMode::kFmNarrow}, {"AM", ChannelMode::kAm}, {"DV", ChannelMode::kDv}}};
constexpr std::array<Word, 3> kRepeaterModes{
    {{"DV", kRepeaterModeDv}, {"FM", kRepeaterModeFm}, {"NFM", kRepeaterModeFmNarrow}}};
constexpr std::array<Word, 3> kRepeaterTones{{{"", 0}, {"Tone", 1}, {"TSQL", 2}}};
constexpr std::uint8_t kRepeaterToneSquelch = 2;

constexpr std::array<Word, 4> kPolarities{{{"NN", 0}, {"NR", 1}, {"RN", 2}, {"RR", 3}}};
constexpr std::array<Word, 3> kSkips{{{"", 0}, {"S", 1}, {"P", 3}}};

constexpr std::array<Word, 4> kDuplexWords{{{"", kDuplexOff}, {"-", kDuplexMinus}, {"+", kDuplexPlus}, {"off", 0}}};
constexpr std::string_view kSplit = "split";

bool SameWord(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

template <std::size_t N>
const Word* FindWord(const std::array<Word, N>& words, std::string_view text) {
  for (const Word& word : words) {
    if (SameWord(word.text, text)) return &word;
  }
  return nullptr;
}

template <std::size_t N>
std::string WordList(const std::array<Word, N>& words) {
  std::string list;
  for (const Word& word : words) {
    if (word.text.empty()) continue;
    list += (list.empty() ? "" : ", ") + std::string(word.text);
  }
  return list;
}

std::string_view Trimmed(const CsvRow& row, int slot) { return TrimControlsAndSpaces(row.Field(slot)); }

std::string MegahertzText(std::uint32_t hertz) { return FrequencyText(hertz, kFormat); }

std::string Decimals(double value, int decimals) {
  std::array<char, 32> text{};
  std::snprintf(text.data(), text.size(), "%.*f", decimals, value);
  return text.data();
}

// --- Tones, codes and steps, in the layout's own forms ---

// A tone of the 50-tone table in hertz ("88.5"); nothing for another text.
std::optional<std::uint8_t> ToneOfHertz(std::string_view text) {
  const CsvNumber number = ReadCsvNumber(text, kFormat);
  if (number.state != CsvNumber::State::kNumber) return std::nullopt;
  const double tenths = number.value * 10;
  for (int i = 0; const auto entry = ToneTenthsOfHertz(i); ++i) {
    if (std::abs(tenths - *entry) < 1e-6) return static_cast<std::uint8_t>(i);
  }
  return std::nullopt;
}

std::optional<std::string> HertzOfTone(std::uint8_t tone) {
  const auto tenths = ToneTenthsOfHertz(tone);
  if (!tenths) return std::nullopt;
  return std::to_string(*tenths / 10) + "." + std::to_string(*tenths % 10);
}

std::optional<std::uint8_t> DtcsOfDigits(std::string_view text) {
  std::string code(text);
  while (code.size() < 3) code.insert(0, "0");
  const std::uint16_t value = CsvTables::DtcsCode().Value(code);
  if (value == kCsvNotFound) return std::nullopt;
  return static_cast<std::uint8_t>(value);
}

// The steps that have a kHz value, from the step table's texts ("6.25kHz").
const std::vector<std::pair<double, std::uint8_t>>& KilohertzSteps() {
  static const std::vector<std::pair<double, std::uint8_t>> steps = [] {
    std::vector<std::pair<double, std::uint8_t>> found;
    for (std::uint8_t value = 0; value <= TuningStep::kAuto; ++value) {
      const std::string text = CsvTables::TuningStep().Text(value, kFormat);
      if (!text.ends_with("kHz")) continue;
      const CsvNumber number = ReadCsvNumber(std::string_view(text).substr(0, text.size() - 3), kFormat);
      if (number.state == CsvNumber::State::kNumber) found.emplace_back(number.value, value);
    }
    return found;
  }();
  return steps;
}

std::optional<std::uint8_t> StepOfKilohertz(std::string_view text) {
  const CsvNumber number = ReadCsvNumber(text, kFormat);
  if (number.state != CsvNumber::State::kNumber) return std::nullopt;
  for (const auto& [kilohertz, value] : KilohertzSteps()) {
    if (std::abs(kilohertz - number.value) < 0.005) return value;
  }
  return std::nullopt;
}

std::optional<double> KilohertzOfStep(std::uint8_t step) {
  for (const auto& [kilohertz, value] : KilohertzSteps()) {
    if (value == step) return kilohertz;
  }
  return std::nullopt;
}

// --- Reading: each reader answers why the row cannot be stored, or nothing ---

using Refusal = std::optional<std::string>;

Refusal ReadFrequencyField(const CsvRow& row, bool (*holds)(std::uint32_t), const char* range,
                           std::uint32_t& frequency) {
  const std::string_view text = Trimmed(row, kFrequency);
  const CsvNumber number = ReadCsvNumber(text, kFormat);
  if (number.state != CsvNumber::State::kNumber) return "Frequency " + Quoted(text) + " is no number in MHz";
  frequency = ReadFrequency(text, kFormat);
  if (number.value < 0 || number.value > kHighestMegahertz || !holds(frequency)) {
    return "Frequency " + Quoted(text) + " is not within " + range;
  }
  return std::nullopt;
}

// Duplex and Offset. A "split" row's Offset is its transmit frequency, stored as the duplex
// direction and the difference; "off" (transmit inhibited) is stored as simplex.
Refusal ReadDuplexAndOffset(const CsvRow& row, std::uint32_t frequency, std::uint32_t highest, bool allow8p33kHz,
                            std::uint8_t& duplex, std::uint32_t& offset, RowOutcome& outcome) {
  const std::string_view duplexText = Trimmed(row, kDuplex);
  const std::string_view offsetText = Trimmed(row, kOffset);
  std::optional<std::uint32_t> given;
  if (!offsetText.empty()) {
    const CsvNumber number = ReadCsvNumber(offsetText, kFormat);
    if (number.state != CsvNumber::State::kNumber || number.value < 0 || number.value > kHighestMegahertz) {
      return "Offset " + Quoted(offsetText) + " is no number of MHz";
    }
    given = ReadFrequency(offsetText, kFormat);
  }
  std::optional<std::uint32_t> wanted = given;
  if (SameWord(duplexText, kSplit)) {
    if (!given || *given == 0) return "Duplex split needs the transmit frequency in Offset";
    const std::uint32_t difference = *given > frequency ? *given - frequency : frequency - *given;
    if (difference > highest) {
      return "split transmit frequency " + Quoted(offsetText) + " is " + MegahertzText(difference) +
             " MHz from the receive frequency; the radio holds at most " + MegahertzText(highest) + " MHz";
    }
    duplex = difference == 0 ? kDuplexOff : *given > frequency ? kDuplexPlus : kDuplexMinus;
    wanted = difference == 0 ? std::nullopt : std::optional(difference);
  } else if (const Word* word = FindWord(kDuplexWords, duplexText)) {
    duplex = word->value;
    outcome.CorrectWhen(SameWord(duplexText, "off"), "Duplex off (transmit inhibited) is stored as simplex");
  } else {
    return "Duplex " + Quoted(duplexText) + " is not known (+, -, split, off or empty)";
  }
  if (!wanted) return std::nullopt;
  if (*wanted > highest) {
    if (duplex != kDuplexOff) return "Offset " + Quoted(offsetText) + " is beyond " + MegahertzText(highest) + " MHz";
    outcome.Correct("Offset " + Quoted(offsetText) + " is beyond what the radio holds; the default is kept");
    return std::nullopt;
  }
  offset = SnapFrequency(*wanted, allow8p33kHz);
  outcome.CorrectWhen(offset != *wanted, "offset moved onto the raster");
  return std::nullopt;
}

// A tone frequency column; an empty field keeps the default.
Refusal ReadToneField(const CsvRow& row, int slot, const char* name, std::uint8_t& tone) {
  const std::string_view text = Trimmed(row, slot);
  if (text.empty()) return std::nullopt;
  const auto value = ToneOfHertz(text);
  if (!value) return std::string(name) + " " + Quoted(text) + " is no tone the radio has";
  tone = *value;
  return std::nullopt;
}

Refusal ReadDtcsField(const CsvRow& row, int slot, const char* name, std::uint8_t& code) {
  const std::string_view text = Trimmed(row, slot);
  if (text.empty()) return std::nullopt;
  const auto value = DtcsOfDigits(text);
  if (!value) return std::string(name) + " " + Quoted(text) + " is no DTCS code the radio has";
  code = *value;
  return std::nullopt;
}

// A column of words; an empty field keeps the default unless the words give it a meaning.
template <std::size_t N>
Refusal ReadWordField(const CsvRow& row, int slot, const char* name, const std::array<Word, N>& words,
                      std::uint8_t& field) {
  const std::string_view text = Trimmed(row, slot);
  if (const Word* word = FindWord(words, text)) {
    field = word->value;
    return std::nullopt;
  }
  if (text.empty()) return std::nullopt;
  return std::string(name) + " " + Quoted(text) + " is not one the radio has (" + WordList(words) + ")";
}

Refusal ReadChannelTone(const CsvRow& row, datCh& r) {
  const std::string_view tone = Trimmed(row, kTone);
  if (SameWord(tone, kCross)) {
    const std::string_view crossMode = Trimmed(row, kCrossMode);
    if (crossMode.empty()) return "Tone Cross needs a CrossMode";
    if (auto refusal = ReadWordField(row, kCrossMode, "CrossMode", kCrossModes, r.toneMode)) return refusal;
  } else if (auto refusal = ReadWordField(row, kTone, "Tone", kChannelTones, r.toneMode)) {
    return *refusal + " or Cross";
  }
  if (auto refusal = ReadToneField(row, kRToneFreq, "rToneFreq", r.repeaterTone)) return refusal;
  if (auto refusal = ReadToneField(row, kCToneFreq, "cToneFreq", r.toneSquelchTone)) return refusal;
  if (auto refusal = ReadDtcsField(row, kDtcsCode, "DtcsCode", r.dtcsCode)) return refusal;
  // The radio keeps one code: the received one where only reception uses DTCS.
  if (r.toneMode == kToneTransmitDtcsReceive) {
    if (auto refusal = ReadDtcsField(row, kRxDtcsCode, "RxDtcsCode", r.dtcsCode)) return refusal;
  }
  return ReadWordField(row, kDtcsPolarity, "DtcsPolarity", kPolarities, r.dtcsPolarity);
}

Refusal ReadStep(const CsvRow& row, const datCh& defaults, datCh& r, RowOutcome& outcome) {
  const std::string_view text = Trimmed(row, kTStep);
  if (text.empty()) return std::nullopt;
  const auto step = StepOfKilohertz(text);
  if (!step) return "TStep " + Quoted(text) + " is no step the radio has";
  r.tuningStep = *step;
  if (r.tuningStep == TuningStep::k8p33kHz && !indDestination::IsAirBand(r.frequency)) {
    outcome.Correct("TStep 8.33 is for the air band only; the default is used");
    r.tuningStep = defaults.tuningStep;
  }
  return std::nullopt;
}

Refusal ReadDigitalCode(const CsvRow& row, std::uint8_t& code) {
  const std::string_view text = Trimmed(row, kDvCode);
  if (text.empty()) return std::nullopt;
  const std::uint16_t value = ReadDecimalInteger(text);
  if (value > kHighestDigitalCode) return "DVCODE " + Quoted(text) + " is not within 0-99";
  code = static_cast<std::uint8_t>(value);
  return std::nullopt;
}

// A memory channel as a new channel of its band, with what the row holds.
Refusal ReadChannel(CsvContext& context, const CsvRow& row, datCh& r, RowOutcome& outcome) {
  std::uint32_t frequency = 0;
  if (auto refusal = ReadFrequencyField(row, IsChannelFrequency, "108-479 MHz", frequency)) return refusal;
  const std::uint32_t snapped = SnapChannelFrequency(frequency);
  outcome.CorrectWhen(snapped != frequency, "frequency moved onto the channel raster");
  r.Reset();
  FillFromBandTemplate(r, context.defaults, indDestination::BandNumber(snapped));
  r.frequency = snapped;
  r.SetUsed(true);
  const datCh defaults = r;
  if (auto refusal = ReadWordField(row, kMode, "Mode", kChannelModes, r.mode)) return refusal;
  if (auto refusal = ReadDuplexAndOffset(row, snapped, kHighestChannelOffset, Allows8p33kHzRaster(snapped), r.duplex,
                                         r.offset, outcome)) {
    return refusal;
  }
  if (auto refusal = ReadChannelTone(row, r)) return refusal;
  if (auto refusal = ReadStep(row, defaults, r, outcome)) return refusal;
  if (auto refusal = ReadWordField(row, kSkip, "Skip", kSkips, r.skip)) return refusal;
  ReadNameColumn(row, kName, r.name, outcome);
  if (r.mode != ChannelMode::kDv) return std::nullopt;
  ReadRouteColumns(row, {kUrCall, kRpt1Call, kRpt2Call}, r, outcome);
  return ReadDigitalCode(row, r.digitalCode);
}

// A repeater entry: a DV row with RPT1CALL becomes a DV repeater, an FM row with a duplex an
// FM repeater.
Refusal ReadRepeater(const CsvRow& row, datCh& r, RowOutcome& outcome) {
  r.Load(RecordKind::kNewRepeater, 0);
  std::uint32_t frequency = 0;
  if (auto refusal = ReadFrequencyField(row, IsRepeaterFrequency, "0.03-1399.995 MHz", frequency)) return refusal;
  r.frequency = SnapChannelFrequency(frequency);
  outcome.CorrectWhen(r.frequency != frequency, "frequency moved onto the raster");
  if (Trimmed(row, kMode).empty()) return "a row without a Mode is no repeater";
  if (auto refusal = ReadWordField(row, kMode, "Mode", kRepeaterModes, r.mode)) return *refusal + " for a repeater";
  if (auto refusal = ReadDuplexAndOffset(row, r.frequency, HighestRepeaterOffset(r.frequency), false, r.duplex,
                                         r.offset, outcome)) {
    return refusal;
  }
  ReadNameColumn(row, kName, r.name, outcome);
  r.callSign = kBlankCallSign;
  r.gateway = kBlankCallSign;
  if (r.mode == kRepeaterModeDv) {
    if (Trimmed(row, kRpt1Call).empty()) return "a DV row without RPT1CALL is no repeater";
    ReadCallColumn(row, kRpt1Call, r.callSign, outcome, false);
    ReadGatewayColumn(row, kRpt2Call, r.gateway, outcome);
    return std::nullopt;
  }
  if (r.duplex == kDuplexOff) return "an FM row without a duplex is no repeater";
  if (auto refusal = ReadWordField(row, kTone, "Tone", kRepeaterTones, r.toneMode)) {
    return *refusal + " for a repeater";
  }
  // A repeater keeps one tone: the squelch tone when it squelches with one.
  const int toneSlot = r.toneMode == kRepeaterToneSquelch ? kCToneFreq : kRToneFreq;
  return ReadToneField(row, toneSlot, toneSlot == kCToneFreq ? "cToneFreq" : "rToneFreq", r.repeaterTone);
}

// A refused row is counted among the rows read as blank and noted with its reason.
void Refuse(CsvImportTally& tally, const RowOutcome& outcome, std::string reason) {
  ++tally.discarded;
  outcome.Refused(tally, std::move(reason));
}

// --- Writing ---

// One channel's row. What the layout cannot carry is written as near as it can be, and a
// warning names the channel.
std::vector<std::string> ChannelRow(int channel, const datCh& r, std::vector<std::string>* warnings) {
  const auto nearest = [&](std::optional<std::string> text, const std::string& fallback, const std::string& what) {
    if (text) return *text;
    if (warnings != nullptr) {
      warnings->push_back("channel " + std::to_string(channel) + ": " + what + " has no value in this layout; " +
                          (fallback.empty() ? "left empty" : "written as " + fallback));
    }
    return fallback;
  };
  const auto word = [](const auto& words, std::uint8_t value) -> std::optional<std::string> {
    for (const Word& entry : words) {
      if (entry.value == value) return std::string(entry.text);
    }
    return std::nullopt;
  };
  const auto known = [](std::string text) {
    return text == CsvTables::DtcsCode().Text(kCsvNotFound, kFormat) ? std::nullopt : std::optional(text);
  };

  const std::optional<std::string> crossMode = word(kCrossModes, r.toneMode);
  const std::string tone =
      crossMode ? std::string(kCross)
                : nearest(word(kChannelTones, r.toneMode), "", "tone mode " + std::to_string(r.toneMode));
  const std::string dtcs =
      nearest(known(CsvTables::DtcsCode().Text(r.dtcsCode, kFormat)), "023", "DTCS code " + std::to_string(r.dtcsCode));
  const auto kilohertz = KilohertzOfStep(r.tuningStep);
  const std::string step = nearest(kilohertz ? std::optional(Decimals(*kilohertz, 2)) : std::nullopt, "5.00",
                                   "step " + CsvTables::TuningStep().Text(r.tuningStep, kFormat));
  const bool dv = r.mode == ChannelMode::kDv;
  return {std::to_string(channel),
          FieldText(ViewOf(r.name)),
          MegahertzText(r.frequency),
          word(kDuplexWords, r.duplex).value_or(""),
          MegahertzText(r.offset),
          tone,
          nearest(HertzOfTone(r.repeaterTone), "88.5", "tone " + std::to_string(r.repeaterTone)),
          nearest(HertzOfTone(r.toneSquelchTone), "88.5", "tone " + std::to_string(r.toneSquelchTone)),
          dtcs,
          nearest(word(kPolarities, r.dtcsPolarity), "NN", "DTCS polarity " + std::to_string(r.dtcsPolarity)),
          dtcs,
          crossMode.value_or(std::string(kPlainCrossMode)),
          nearest(word(kChannelModes, r.mode), "FM", "mode " + std::to_string(r.mode)),
          step,
          nearest(word(kSkips, r.skip), "", "skip " + std::to_string(r.skip)),
          "",
          "",
          dv ? FieldText(ViewOf(r.yourCall)) : "",
          dv ? FieldText(ViewOf(r.rpt1)) : "",
          dv ? FieldText(ViewOf(r.rpt2)) : "",
          dv ? std::to_string(r.digitalCode) : ""};
}

class GenericChannelFormat final : public CsvListFormat {
 public:
  std::vector<std::string> Header() const override {
    return {"Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
            "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
            "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};
  }

  // The used channels of the list's channels, one row each.
  std::vector<std::vector<std::string>> WriteRows(const CsvContext& context) const override {
    std::vector<std::vector<std::string>> rows;
    datCh record(context.image);
    const auto [first, last] = MemoryListChannels(context.list);
    for (int channel = first; channel <= last; ++channel) {
      record.Load(RecordKind::kChannel, channel);
      if (record.IsUsed()) rows.push_back(ChannelRow(channel, record, context.warnings));
    }
    return rows;
  }

  void ReadRows(CsvContext& context, cmcLoadFile& file, const ColumnMap& columns, CsvImportTally& tally,
                const KeepRpt1UseQuestion& keepRpt1Use) const override {
    if (context.list.kind == CsvListKind::kRepeaters) {
      const auto read = [&context](const CsvRow& row, datCh& entry, RowOutcome& outcome,
                                   CsvImportTally& rowTally) -> std::optional<int> {
        if (auto refusal = ReadRepeater(row, entry, outcome)) {
          Refuse(rowTally, outcome, std::move(*refusal));
          return std::nullopt;
        }
        return context.scope;
      };
      ReplaceRepeaterGroups(context, file, columns, tally, keepRpt1Use, read);
      return;
    }
    const auto [first, last] = MemoryListChannels(context.list);
    ClearMemoryChannels(context.image, first, last);
    datCh record(context.image);
    while (file.NextLine()) {
      const CsvRow row(file.CurrentLine(), columns);
      RowOutcome outcome(row.Line());
      const std::string_view location = Trimmed(row, kLocation);
      const std::uint16_t channel = ReadDecimalInteger(location);
      if (channel >= MemoryMap::kMemoryChannelCount) {
        Refuse(tally, outcome, "Location " + Quoted(location) + " is not within 0-499");
        continue;
      }
      if (channel < first || channel > last) {
        Refuse(tally, outcome,
               "Location " + Quoted(location) + " is not within " + std::to_string(first) + "-" + std::to_string(last) +
                   ", the channels this import replaces");
        continue;
      }
      if (auto refusal = ReadChannel(context, row, record, outcome)) {
        Refuse(tally, outcome, std::move(*refusal));
        continue;
      }
      record.Store(RecordKind::kChannel, channel);
      outcome.Stored(tally);
    }
    FinishMemoryImport(context.image);
  }

 protected:
  std::vector<std::string> ReadColumns() const override {
    return {"Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone", "rToneFreq",
            "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode", "TStep",
            "Skip",      "URCALL",   "RPT1CALL",     "RPT2CALL",   "DVCODE"};
  }
  std::vector<int> RequiredSlots() const override { return {kLocation, kFrequency}; }
};

}  // namespace

const CsvListFormat& GenericChannelCsvFormat() {
  static const GenericChannelFormat format;
  return format;
}

bool ReadsGenericChannels(CsvListKind kind) {
  return kind == CsvListKind::kMemoryChannels || kind == CsvListKind::kRepeaters;
}

bool WritesGenericChannels(CsvListKind kind) { return kind == CsvListKind::kMemoryChannels; }

bool IsGenericChannelFile(std::string_view bytes) {
  if (bytes.starts_with(kUtf8ByteOrderMark)) bytes.remove_prefix(kUtf8ByteOrderMark.size());
  const std::vector<CsvLine> header = SplitCsvRows(bytes.substr(0, bytes.find_first_of("\r\n")), ',');
  if (header.empty()) return false;
  ColumnMap columns{};
  return GenericChannelCsvFormat().MapHeader(header.front(), columns);
}
