#include "files/CsvColumns.h"

#include <cmath>

#include "memory/SignalCodes.h"
#include "memory/datCh.h"
#include "text/TextFields.h"

namespace {

constexpr double kLowestToneHertz = 60;
constexpr double kHighestToneHertz = 300;

// The tone of a number of hertz with "Hz" after it; kCsvNotFound for other texts.
std::uint16_t ToneOfHertzText(std::string_view text) {
  std::string lower(TrimControlsAndSpaces(text));
  for (char& c : lower) {
    if (c == ',') c = '.';
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  if (lower.size() <= 2 || !lower.ends_with("hz")) return kCsvNotFound;
  const CsvNumber number = ReadCsvNumber(std::string_view(lower).substr(0, lower.size() - 2), CsvFileFormat{});
  if (number.state != CsvNumber::State::kNumber || number.value < kLowestToneHertz ||
      number.value > kHighestToneHertz) {
    return kCsvNotFound;
  }
  const long tenths = std::lround(number.value * 10);
  for (int i = 0; const auto entry = ToneTenthsOfHertz(i); ++i) {
    if (*entry == tenths) return static_cast<std::uint16_t>(i);
  }
  return kDefaultToneIndex;
}

}  // namespace

void ReadTableColumn(const CsvRow& row, int slot, const CsvValueTable& table, std::uint8_t fallback,
                     std::uint8_t& field, RowOutcome& outcome, const char* what) {
  const auto text = row.Present(slot);
  if (!text) return;
  const std::uint16_t value = table.Value(*text);
  if (value == kCsvNotFound) {
    field = fallback;
    outcome.Correct(std::string(what) + " " + Quoted(*text) + " is not known; the default is used");
    return;
  }
  field = static_cast<std::uint8_t>(value);
}

void ReadToneColumn(const CsvRow& row, int slot, std::uint8_t fallback, std::uint8_t& tone, RowOutcome& outcome) {
  const auto text = row.Present(slot);
  if (!text) return;
  std::uint16_t value = CsvTables::ToneFrequency().Value(*text);
  if (value == kCsvNotFound) {
    value = ToneOfHertzText(*text);
    outcome.Correct("tone " + Quoted(*text) + " is no tone of the list; " +
                    (value == kCsvNotFound ? "the default is used" : "the nearest entry is used"));
  }
  tone = value == kCsvNotFound ? fallback : static_cast<std::uint8_t>(value);
}

void ReadCallColumn(const CsvRow& row, int slot, CallSignText& call, RowOutcome& outcome, bool countCleanUp) {
  const auto text = row.Present(slot);
  if (!text) return;
  bool corrected = false;
  call = ReadCallSign(*text, corrected);
  const bool cleaned = CleanCallSign(call);
  outcome.CorrectWhen(corrected || (countCleanUp && cleaned),
                      "call sign " + Quoted(*text) + " cleaned to what the radio takes");
}

void ReadRouteColumns(const CsvRow& row, const RouteSlots& slots, datCh& record, RowOutcome& outcome) {
  ReadCallColumn(row, slots.yourCall, record.yourCall, outcome, true);
  ReadCallColumn(row, slots.rpt1, record.rpt1, outcome, true);
  ReadCallColumn(row, slots.rpt2, record.rpt2, outcome, true);
  if (!IsBlank(record.rpt2) && record.rpt1.back() == 'G') record.rpt1.back() = ' ';
}

void ReadGatewayColumn(const CsvRow& row, int slot, CallSignText& gateway, RowOutcome& outcome) {
  ReadCallColumn(row, slot, gateway, outcome, true);
  if (gateway.back() != 'G' && gateway.back() != ' ') {
    gateway.back() = ' ';
    outcome.Correct("a gateway call sign ends in G or a space");
  }
}
