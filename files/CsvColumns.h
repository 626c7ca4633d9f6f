#pragma once
// Column readers the list layouts share: each reads one column of a row into a record
// field, takes the default where the text is not usable and tells the row's outcome why.
// An absent column leaves the field as it is.
#include <cstdint>
#include <string>

#include "files/CsvListFormat.h"
#include "memory/FixedText.h"

class datCh;

// A value table column; text the table lacks takes fallback (corrected).
void ReadTableColumn(const CsvRow& row, int slot, const CsvValueTable& table, std::uint8_t fallback,
                     std::uint8_t& field, RowOutcome& outcome, const char* what);

// A tone: a text of the tone table ("88.5Hz", "88,5Hz"), or a number of hertz within
// 60-300 followed by "Hz", which takes the tone of that frequency or 88.5 Hz (corrected);
// anything else takes fallback (corrected).
void ReadToneColumn(const CsvRow& row, int slot, std::uint8_t fallback, std::uint8_t& tone, RowOutcome& outcome);

// A name of the field's width, cut and cleaned to what the radio shows (corrected).
template <std::size_t N>
void ReadNameColumn(const CsvRow& row, int slot, FixedText<N>& name, RowOutcome& outcome) {
  const auto text = row.Present(slot);
  if (!text) return;
  bool corrected = false;
  name = ReadNameField<N>(*text, corrected);
  corrected = CleanName(name) || corrected;
  outcome.CorrectWhen(corrected, "name \"" + std::string(*text) + "\" cut or cleaned to what the radio shows");
}

// A call sign in half-width upper case; countCleanUp: the clean-up's replacements correct
// the row (the normalisation of full-width characters always does).
void ReadCallColumn(const CsvRow& row, int slot, CallSignText& call, RowOutcome& outcome, bool countCleanUp);

// A repeater's gateway call sign, which ends in "G" or a space (corrected when it did not).
void ReadGatewayColumn(const CsvRow& row, int slot, CallSignText& gateway, RowOutcome& outcome);

// The slots of a channel's route: your call sign, RPT1 and RPT2.
struct RouteSlots {
  int yourCall;
  int rpt1;
  int rpt2;
};

// The route's call signs of a channel (cleaned, counted as corrected); with an RPT2, RPT1 is
// the access repeater and loses a gateway's final "G".
void ReadRouteColumns(const CsvRow& row, const RouteSlots& slots, datCh& record, RowOutcome& outcome);

// Quoted for a reason text.
inline std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }
