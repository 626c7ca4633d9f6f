// The export-only layouts of the radio's traffic log: the received call record and the four
// transmit histories, each in stored order up to its first empty entry.
#include <array>

#include "files/CsvListFormat.h"
#include "memory/MemoryMap.h"
#include "memory/datCh.h"
#include "text/ApplicationTexts.h"
#include "text/CellIds.h"
#include "text/cmcGTex.h"
#include "values/CallRecordText.h"

namespace {

// The received call columns after "Frequency" and "Mode", in file order.
constexpr std::array<unsigned, 34> kReceivedColumns{
    CL_Received_Callsign_Caller,      CL_Received_Callsign_Caller2,   CL_Received_Callsign_Called,
    CL_Received_Callsign_RPT1,        CL_Received_Callsign_RPT2,      CL_Received_Callsign_Message,
    CL_Received_Callsign_Status,      CL_Received_Callsign_Date,      CL_Received_Callsign_BK,
    CL_Received_Callsign_EMR,         CL_Received_Callsign_Latitude,  CL_Received_Callsign_Longitude,
    CL_Received_Callsign_Altitude,    CL_Received_Callsign_SSID,      CL_Received_Callsign_Symbol,
    CL_Received_Callsign_Course,      CL_Received_Callsign_Speed,     CL_Received_Callsign_Power,
    CL_Received_Callsign_Height,      CL_Received_Callsign_Gain,      CL_Received_Callsign_Directivity,
    CL_Received_Callsign_ObjItemName, CL_Received_Callsign_DataType,  CL_Received_Callsign_Temp,
    CL_Received_Callsign_Rain,        CL_Received_Callsign_Rain24,    CL_Received_Callsign_RainMidnight,
    CL_Received_Callsign_WindDir,     CL_Received_Callsign_WindSpeed, CL_Received_Callsign_GustSpeed,
    CL_Received_Callsign_Barometric,  CL_Received_Callsign_Humidity,  CL_Received_Callsign_GpsTimestamp,
    CL_Received_Callsign_GpsMsg};

constexpr std::size_t kReceivedHeaderLines = 2 + kReceivedColumns.size();

class ReceivedCallFormat final : public CsvListFormat {
 public:
  // The column names of the current language.
  std::vector<std::string> Header() const override {
    std::vector<std::string> names;
    for (std::size_t line = 0; line < kReceivedHeaderLines; ++line) {
      names.push_back(ApplicationTexts().GetLine("GI_Mess_FileExport_Title", static_cast<int>(line)));
    }
    return names;
  }

  std::vector<std::vector<std::string>> WriteRows(const CsvContext& context) const override {
    const ReceivedCallSettings settings =
        ReceivedCallSettingsOf(context.image, CodecSettings{}, UnitStyle{true, context.format.decimal, false});
    std::vector<std::vector<std::string>> rows;
    datCh record(context.image);
    for (int entry = 0; entry < MemoryMap::kReceivedCallCount; ++entry) {
      record.Load(RecordKind::kReceivedCall, entry);
      if (!record.IsUsed()) break;
      std::vector<std::string> row{"", "DV"};
      for (const unsigned column : kReceivedColumns) row.push_back(Field(record, column, context.format, settings));
      rows.push_back(std::move(row));
    }
    return rows;
  }

 private:
  // Positions and call signs take the file's forms, the other columns the sheet's texts.
  static std::string Field(const datCh& r, unsigned column, const CsvFileFormat& format,
                           const ReceivedCallSettings& settings) {
    switch (column) {
      case CL_Received_Callsign_Latitude:
        return PositionText(r.latitude, format);
      case CL_Received_Callsign_Longitude:
        return PositionText(r.longitude, format);
      case CL_Received_Callsign_Caller:
        return FieldText(ViewOf(r.caller));
      case CL_Received_Callsign_Caller2:
        return FieldText(ViewOf(r.callerNote));
      case CL_Received_Callsign_Called:
        return FieldText(ViewOf(r.called));
      case CL_Received_Callsign_RPT1:
        return FieldText(ViewOf(r.rpt1));
      case CL_Received_Callsign_RPT2:
        return FieldText(ViewOf(r.rpt2));
      default:
        return ReceivedCallText(r, column, settings);
    }
  }
};

struct HistoryFacts {
  int kind;
  int count;
  std::size_t columns;  // Call Sign, Name, Frequency, Dup, Offset: the first this many
};

HistoryFacts FactsOf(CsvListKind kind) {
  switch (kind) {
    case CsvListKind::kHistoryFromAnalog:
      return {RecordKind::kHistoryFromAnalog, MemoryMap::kHistoryFromAnalogCount, 5};
    case CsvListKind::kHistoryTo:
      return {RecordKind::kHistoryTo, MemoryMap::kHistoryToCount, 2};
    case CsvListKind::kHistoryReflector:
      return {RecordKind::kHistoryReflector, MemoryMap::kHistoryReflectorCount, 1};
    default:
      return {RecordKind::kHistoryFrom, MemoryMap::kHistoryFromCount, 5};
  }
}

class HistoryFormat final : public CsvListFormat {
 public:
  explicit HistoryFormat(CsvListKind kind) : facts_(FactsOf(kind)) {}

  std::vector<std::string> Header() const override {
    std::vector<std::string> names{"Call Sign", "Name", "Frequency", "Dup", "Offset"};
    names.resize(facts_.columns);
    return names;
  }

  // Name, duplex and offset come from the entry the call sign is found in; an analogue
  // history keeps its own frequency.
  std::vector<std::vector<std::string>> WriteRows(const CsvContext& context) const override {
    const CsvFileFormat& f = context.format;
    std::vector<std::vector<std::string>> rows;
    datCh r(context.image);
    for (int entry = 0; entry < facts_.count; ++entry) {
      r.Load(facts_.kind, entry);
      if (!r.IsUsed()) break;
      const bool found = r.found != 0;
      const bool frequencyShown = r.frequency != 0 && (found || facts_.kind == RecordKind::kHistoryFromAnalog);
      std::vector<std::string> row{FieldText(ViewOf(r.callSign)), found ? FieldText(ViewOf(r.name)) : "",
                                   frequencyShown ? FrequencyText(r.frequency, f) : "",
                                   found ? CsvTables::Duplex().Text(r.duplex, f) : "",
                                   found ? FrequencyText(r.offset, f) : ""};
      row.resize(facts_.columns);
      rows.push_back(std::move(row));
    }
    return rows;
  }

 private:
  HistoryFacts facts_;
};

}  // namespace

const CsvListFormat& ReceivedCallCsvFormat() {
  static const ReceivedCallFormat format;
  return format;
}

const CsvListFormat& HistoryCsvFormat(CsvListKind kind) {
  static const HistoryFormat from(CsvListKind::kHistoryFrom);
  static const HistoryFormat fromAnalog(CsvListKind::kHistoryFromAnalog);
  static const HistoryFormat to(CsvListKind::kHistoryTo);
  static const HistoryFormat reflector(CsvListKind::kHistoryReflector);
  switch (kind) {
    case CsvListKind::kHistoryFromAnalog:
      return fromAnalog;
    case CsvListKind::kHistoryTo:
      return to;
    case CsvListKind::kHistoryReflector:
      return reflector;
    default:
      return from;
  }
}
