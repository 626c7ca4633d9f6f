#pragma once
// What every CSV list layout provides, and what the import and export engine hands it: the
// list and its scope, the file's format, the image and the defaults image, and for an
// import the rows read so far with the tally of what became of them.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/CsvFields.h"
#include "files/cmcLoadFile.h"

class cmcEeprom;

// The lists a CSV file holds, one list per file.
enum class CsvListKind {
  kMemoryChannels,  // a page of 100 memory channels
  kScanEdges,
  kBank,
  kCallChannels,
  kBroadcast,
  kGps,
  kRepeaters,
  kYourCalls,
  kReceivedCalls,
  kHistoryFrom,        // transmitted call record From (DV)
  kHistoryFromAnalog,  // From (FM)
  kHistoryTo,
  kHistoryReflector,
};

inline constexpr std::uint8_t kCsvScopeAll = 255;

// A list with the group a page shows: the memory channel page (0-4), the bank (0-25), the
// broadcast bank (0-25), the repeater group (0-29) or the GPS group (0 none, 1-26 A-Z).
// Lists without groups ignore it.
struct CsvList {
  CsvListKind kind = CsvListKind::kMemoryChannels;
  int group = 0;
  bool operator==(const CsvList&) const = default;
};

// The grouped lists, whose commands offer a choice between the group shown and the whole list.
bool IsGroupedList(CsvListKind kind);
// Packed lists store rows one after another; the others have a fixed row per position.
bool IsPackedList(CsvListKind kind);
bool IsFixedList(CsvListKind kind);
bool IsExportOnly(CsvListKind kind);

struct CsvOptions {
  bool packed = false;
  bool numberFromOne = false;
  bool scanEdgeList = false;
  bool callChannelList = false;
};

// Column positions found in the header, -1 for a column the file lacks. Each layout gives
// the slots its own meaning.
using ColumnMap = std::array<int, 20>;

// What became of one row that was not stored as it stood.
struct CsvRowNote {
  int line = 0;
  std::string reason;
  bool refused = false;  // left out, or stored empty; otherwise stored with a value replaced
};

struct CsvImportTally {
  bool noSpace = false;
  int imported = 0;
  int discarded = 0;
  int corrected = 0;
  std::vector<CsvRowNote> notes;
};

// The answer to the question before a repeater import: keep the RPT1 use of the entries the
// file replaces.
using KeepRpt1UseQuestion = std::function<bool()>;

struct CsvContext {
  cmcEeprom& image;
  cmcEeprom& defaults;
  CsvList list;
  std::uint8_t scope = 0;  // a group, or kCsvScopeAll
  CsvFileFormat format;
  CsvOptions options;
  // Export: where a layout notes the values it could not carry as they are; none when nobody
  // asks.
  std::vector<std::string>* warnings = nullptr;
};

// One row being read: its fields found by the header's column map.
class CsvRow {
 public:
  CsvRow(const CsvLine& line, const ColumnMap& columns) : line_(line), columns_(columns) {}

  int Line() const { return line_.number; }
  bool Has(int slot) const { return columns_[static_cast<std::size_t>(slot)] >= 0; }
  // The field of a column, empty when the column is absent or the row is shorter.
  std::string_view Field(int slot) const;
  // The field, or nothing when the column is absent.
  std::optional<std::string_view> Present(int slot) const;

 private:
  const CsvLine& line_;
  const ColumnMap& columns_;
};

// Keeps count of what one row needed: a row counts once as corrected, with the first reason.
class RowOutcome {
 public:
  explicit RowOutcome(int line) : line_(line) {}
  void Correct(std::string reason);
  // A flag a field reader set.
  void CorrectWhen(bool corrected, const std::string& reason) {
    if (corrected) Correct(reason);
  }
  bool Corrected() const { return corrected_; }
  // Adds the row to the tally as stored (counted as imported, and as corrected when it was).
  void Stored(CsvImportTally& tally) const;
  // Adds a note for a row that was refused.
  void Refused(CsvImportTally& tally, std::string reason) const;

 private:
  int line_;
  bool corrected_ = false;
  std::string reason_;
};

class CsvListFormat {
 public:
  virtual ~CsvListFormat() = default;

  virtual CsvOptions PrepareOptions(const CsvList& list) const;
  // The column names in file order.
  virtual std::vector<std::string> Header() const = 0;
  // The rows of the scope, each as its fields.
  virtual std::vector<std::vector<std::string>> WriteRows(const CsvContext& context) const = 0;
  // Fills the column map from the header row; false when a column the layout needs is missing.
  virtual bool MapHeader(const CsvLine& header, ColumnMap& columns) const;
  // Clears what the scope covers, then reads the file's remaining rows into the image. The
  // export-only layouts read nothing.
  virtual void ReadRows(CsvContext& context, cmcLoadFile& file, const ColumnMap& columns, CsvImportTally& tally,
                        const KeepRpt1UseQuestion& keepRpt1Use) const;

 protected:
  // The column names the import looks for, slot by slot: the header's unless a layout reads
  // more (at most 20).
  virtual std::vector<std::string> ReadColumns() const { return Header(); }
  // The slots without which the header is refused; none for the export-only layouts, which
  // refuse every header.
  virtual std::vector<int> RequiredSlots() const { return {}; }
};

// The layout of a list (one object per layout, alive for the whole program).
const CsvListFormat& CsvFormatOf(CsvListKind kind);

// The position of a column name in the header row (trimmed, any letter case), -1 when absent.
int FindColumn(const CsvLine& header, std::string_view name);

// The layouts.
const CsvListFormat& MemoryChannelCsvFormat();
const CsvListFormat& BroadcastCsvFormat();
const CsvListFormat& GpsCsvFormat();
const CsvListFormat& RepeaterCsvFormat();
const CsvListFormat& YourCallCsvFormat();
const CsvListFormat& ReceivedCallCsvFormat();
const CsvListFormat& HistoryCsvFormat(CsvListKind kind);
