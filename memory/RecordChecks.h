#pragma once
// The checks that judge a loaded record against the current destination. Each answers true
// when the record fails. Their results become the warning and error marks of the sheets and
// drive the automatic correction; RecordFindings and ListFindings name the check and the
// field at fault for a report.
//
// The checks read the record's decoded fields, the destination rows applied last, the model
// settings, and for some checks the entries of the record's own image before it (your call
// signs, repeater call signs) or the bank tables. Nothing in the image is followed without a
// range check.
#include <span>
#include <string_view>
#include <vector>

#include "memory/cmcEeprom.h"
#include "memory/datCh.h"

// Memory channel records, also as the rows of a bank sheet.
bool CheckFrequency(const datCh& record);       // used, and the destination rejects it
bool CheckFrequencyRange(const datCh& record);  // used, and outside 108-479 MHz
bool CheckOffsetGrid(const datCh& record);      // used, offset off the 5 and 6.25 kHz grids
                                                // outside the air band
bool CheckModeForBand(const datCh& record);     // used, AM outside the air band or not AM in it
bool CheckStepForBand(const datCh& record);     // used, 8.33 kHz step outside the air band
bool CheckBankConflict(const datCh& record);    // used, and its bank slot is claimed twice

// Broadcast radio memories of the FM and AM lists: used, and outside the destination's range.
bool CheckBroadcastFrequency(const datCh& record);

// Your call signs: blank, or an earlier entry holds the same 8 characters.
bool CheckYourCall(const datCh& record);

// Repeater entries.
bool CheckRepeaterCall(const datCh& record);            // an earlier entry holds the call sign
bool CheckRepeaterFrequency(const datCh& record);       // used, rejected or missing frequency
bool CheckRepeaterFrequencyRange(const datCh& record);  // used, outside 30 kHz-1399.995 MHz
bool CheckRepeaterDuplex(const datCh& record);          // DV Simplex with a duplex

enum class CheckSeverity { kWarning, kError };

struct RecordCheckFacts {
  std::string_view name;   // the check's name
  std::string_view field;  // the decoded field at fault
  CheckSeverity severity;
  bool (*fails)(const datCh&);
  std::span<const int> kinds;  // the record kinds the check judges
};

struct ListFinding {
  int kind;
  int index;
  const RecordCheckFacts* check;
};

// The checks that apply to records of a kind (none for kinds without checks).
std::vector<const RecordCheckFacts*> ChecksOfKind(int kind);

// The checks the loaded record fails.
std::vector<const RecordCheckFacts*> RecordFindings(const datCh& record);

// Every check failed by a used entry of the memory channels, the repeater list, the your
// call signs and the FM and AM broadcast lists, in list order. The image is only read.
std::vector<ListFinding> ListFindings(cmcEeprom& image);
