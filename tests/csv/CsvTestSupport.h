#pragma once
// A document of one destination for the CSV tests: the new document of destination 2 with its
// defaults image, records written through datCh, and comparisons of whole lists.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "files/CsvTransfer.h"
#include "files/DestinationSession.h"
#include "memory/FixedDefaults.h"
#include "memory/LoadedImage.h"
#include "memory/MemoryMap.h"
#include "memory/cmcEeprom.h"
#include "memory/datCh.h"

class CsvDocument {
 public:
  explicit CsvDocument(int destination = 2) : session_(destination) { Reset(); }

  void Reset() {
    image_.Assign(session_.Defaults());
    PrepareLoadedImage(image_, session_.Defaults());
  }

  cmcEeprom& Image() { return image_; }
  // The document as it is after a load or an import: the fixed defaults merged.
  void Merge() { MergeFixedDefaults(image_, session_.Defaults()); }
  const cmcEeprom& Defaults() const { return session_.Defaults(); }

  datCh Record(int kind, int index) {
    datCh record(image_);
    record.Load(kind, index);
    return record;
  }

  std::string Export(const CsvList& list, std::uint8_t scope = kCsvScopeAll) {
    return CsvExportText(image_, Defaults(), list, scope);
  }

  CsvImportResult Import(const CsvList& list, std::string_view bytes, std::uint8_t scope = kCsvScopeAll,
                         bool keepRpt1Use = true) {
    return ImportCsvBytes(image_, Defaults(), list, scope, bytes, [keepRpt1Use] { return keepRpt1Use; });
  }

 private:
  DestinationSession session_;
  cmcEeprom image_;
};

// The names of the decoded fields in which two records differ.
inline std::string Differences(const datCh& a, const datCh& b) {
  std::string names;
  const auto note = [&names](bool differs, const char* name) {
    if (differs) names += std::string(name) + " ";
  };
  note(a.flags != b.flags, "flags");
  note(a.frequency != b.frequency, "frequency");
  note(a.offset != b.offset, "offset");
  note(a.repeaterTone != b.repeaterTone, "repeaterTone");
  note(a.toneSquelchTone != b.toneSquelchTone, "toneSquelchTone");
  note(a.mode != b.mode, "mode");
  note(a.dtcsCode != b.dtcsCode, "dtcsCode");
  note(a.tuningStep != b.tuningStep, "tuningStep");
  note(a.digitalSquelch != b.digitalSquelch, "digitalSquelch");
  note(a.audioFrequency != b.audioFrequency, "audioFrequency");
  note(a.toneMode != b.toneMode, "toneMode");
  note(a.duplex != b.duplex, "duplex");
  note(a.dtcsPolarity != b.dtcsPolarity, "dtcsPolarity");
  note(a.digitalCode != b.digitalCode, "digitalCode");
  note(a.name != b.name, "name");
  note(a.yourCall != b.yourCall || a.rpt1 != b.rpt1 || a.rpt2 != b.rpt2, "call signs");
  note(a.skip != b.skip, "skip");
  note(a.bank != b.bank || a.bankChannel != b.bankChannel, "bank");
  note(a.callSign != b.callSign || a.gateway != b.gateway, "callSign or gateway");
  note(a.subName != b.subName, "subName");
  note(a.latitude != b.latitude || a.longitude != b.longitude, "position");
  note(a.utcOffset != b.utcOffset, "utcOffset");
  note(a.rpt1Use != b.rpt1Use, "rpt1Use");
  note(a.positionKind != b.positionKind, "positionKind");
  note(a.group != b.group, "group");
  note(a.gatewayReference != b.gatewayReference, "gatewayReference");
  note(a.date != b.date || a.time != b.time, "date or time");
  note(a.altitude != b.altitude, "altitude");
  note(a.record != b.record, "record");
  return names;
}

// The records of one kind over a range, compared field by field whatever image they came from
// and whichever memory record holds them; of an entry not in use only that it is not.
inline void ExpectSameRecords(cmcEeprom& expected, cmcEeprom& actual, int kind, int first, int last) {
  for (int i = first; i <= last; ++i) {
    datCh a(expected);
    a.Load(kind, i);
    datCh b(actual);
    b.Load(kind, i);
    b.Bind(expected);
    b.record = a.record;
    if (!a.IsUsed()) {
      EXPECT_FALSE(b.IsUsed()) << "kind " << kind << " index " << i;
      continue;
    }
    EXPECT_TRUE(a == b) << "kind " << kind << " index " << i << ": " << Differences(a, b);
  }
}

// The rows of a file, the line ends as written.
inline std::string Lines(std::initializer_list<std::string_view> lines, std::string_view end = "\r\n") {
  std::string text;
  for (std::string_view line : lines) {
    text += line;
    text += end;
  }
  return text;
}
