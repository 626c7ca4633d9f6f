#include "sheet/cells/DocumentDifferences.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <tuple>

#include "sheet/cells/ListRangeAnswer.h"
#include "sheet/cells/SetModeItems.h"
#include "sheet/cells/indActiveCell.h"
#include "sheet/layout/CellDocument.h"
#include "sheet/layout/SheetLayout.h"
#include "sheet/layout/SheetName.h"
#include "sheet/layout/TreeNodes.h"
#include "text/CellIds.h"

namespace {

// How a page's rows are named: by the entry's index in its list (as dump numbers them) or
// by the row header the page shows ("C0", "A", "d*").
enum class RowLabel { kIndex, kRowHeader };

struct ComparedPage {
  std::string_view sheetKey;
  std::string_view list;
  std::string_view noun;
  RowLabel label;
};

constexpr ComparedPage kPages[] = {
    {"GI_Sheet_MemoryCH", "memory", "channel", RowLabel::kIndex},
    {"GI_Sheet_ScanEdge", "scan-edges", "channel", RowLabel::kIndex},
    {"GI_Sheet_ScanName", "scan-names", "pair", RowLabel::kIndex},
    {"GI_Sheet_BankName", "bank-names", "bank", RowLabel::kRowHeader},
    {"GI_Sheet_CallCh", "call", "channel", RowLabel::kRowHeader},
    {"GI_Sheet_ScanLink_Name", "scan-links", "link", RowLabel::kIndex},
    {"GI_Sheet_ScanLink", "scan-link-pairs", "row", RowLabel::kIndex},
    {"GI_Sheet_Radio_BankName", "broadcast-groups", "group", RowLabel::kRowHeader},
    {"GI_Sheet_Radio_Fm", "broadcast", "memory", RowLabel::kIndex},
    {"GI_Sheet_Radio_Am", "broadcast", "memory", RowLabel::kIndex},
    {"GI_Sheet_DTMF_Memory", "dtmf", "memory", RowLabel::kRowHeader},
    {"GI_Sheet_You_Callsign", "your-calls", "entry", RowLabel::kIndex},
    {"GI_Sheet_GroupName", "repeater-groups", "group", RowLabel::kIndex},
    {"GI_Sheet_RepeaterList", "repeaters", "repeater", RowLabel::kIndex},
    {"GI_Sheet_My_Callsign", "my-calls", "call sign", RowLabel::kIndex},
    {"GI_Sheet_Message", "messages", "message", RowLabel::kIndex},
    {"GI_Sheet_Received_Callsign", "received-calls", "call", RowLabel::kIndex},
    {"GI_Sheet_Txed_Call_From", "transmitted-calls", "from", RowLabel::kIndex},
    {"GI_Sheet_Txed_Call_FAnalog", "transmitted-calls", "from-fm", RowLabel::kIndex},
    {"GI_Sheet_Txed_Call_To", "transmitted-calls", "to", RowLabel::kIndex},
    {"GI_Sheet_Txed_Call_Ref", "transmitted-calls", "reflector", RowLabel::kIndex},
    {"GI_Sheet_GPS_BankName", "gps-groups", "group", RowLabel::kRowHeader},
    {"GI_Sheet_GPS_BankCH", "gps", "memory", RowLabel::kIndex},
};

struct FieldName {
  std::string_view cellId;
  std::string_view field;
};

// The field each cell identifier of the compared pages is compared under, named as dump
// names the value where it has it.
constexpr FieldName kFields[] = {
    {"CL_Mch_Freq", "frequency"},
    {"CL_Mch_Dup", "duplex"},
    {"CL_Mch_Offset_Freq", "offset"},
    {"CL_Mch_TS_Pitch", "tuning_step"},
    {"CL_Mch_Mode", "mode"},
    {"CL_Mch_Name", "name"},
    {"CL_Mch_Scan_Skip", "skip"},
    {"CL_Mch_Decode", "tone_mode"},
    {"CL_Mch_TONE_Freq", "repeater_tone"},
    {"CL_Mch_TSQL_Freq", "tsql_tone"},
    {"CL_Mch_DTCS", "dtcs"},
    {"CL_Mch_DTCS_Polarity", "dtcs_polarity"},
    {"CL_Mch_Digital_Sql", "digital_squelch"},
    {"CL_Mch_Digital_Code", "digital_code"},
    {"CL_Mch_DYou_Callsign", "your_call"},
    {"CL_Mch_DRpt1_Callsign", "rpt1"},
    {"CL_Mch_DRpt2_Callsign", "rpt2"},
    {"CL_Mch_Bank_Group", "bank"},
    {"CL_Mch_Bank_ChNo", "bank_channel"},
    {"CL_Scan_Name", "name"},
    {"CL_Bank_Name", "name"},
    {"CL_PgLink_Name", "name"},
    {"CL_PgLink_No", "pair"},
    {"CL_Radio_Bank_Name", "name"},
    {"CL_Radio_Freq", "frequency"},
    {"CL_Radio_Name", "name"},
    {"CL_Radio_Skip", "skip"},
    {"CL_DTMF_Memory_Code", "code"},
    {"CL_Common_DTMF_CH_NO", "selected"},
    {"CL_You_Callsign_Code", "call_sign"},
    {"CL_You_Callsign_Name", "name"},
    {"CL_Group_Name", "name"},
    {"CL_Repeater_List_Type", "type"},
    {"CL_Repeater_List_Name", "name"},
    {"CL_Repeater_List_SubName", "sub_name"},
    {"CL_Repeater_List_R_Callsign_Code", "call_sign"},
    {"CL_Repeater_List_G_Callsign_Code", "gateway"},
    {"CL_Repeater_List_Freq", "frequency"},
    {"CL_Repeater_List_Dup", "duplex"},
    {"CL_Repeater_List_Offset_Freq", "offset"},
    {"CL_Repeater_List_Mode", "mode"},
    {"CL_Repeater_List_Tone", "tone"},
    {"CL_Repeater_List_Tone_Freq", "repeater_tone"},
    {"CL_Repeater_List_Rpt1use", "rpt1_use"},
    {"CL_Repeater_List_Position", "position"},
    {"CL_Repeater_List_Latitude", "latitude"},
    {"CL_Repeater_List_Longitude", "longitude"},
    {"CL_Repeater_List_UtcOffset", "utc_offset"},
    {"CL_My_Callsign_Sel", "selected"},
    {"CL_My_Callsign_Code", "call_sign"},
    {"CL_My_Callsign2_Code", "note"},
    {"CL_Tx_Message_Ch_No", "selected"},
    {"CL_Tx_Message_Code", "text"},
    {"CL_Received_Callsign_Caller", "caller"},
    {"CL_Received_Callsign_Caller2", "caller_note"},
    {"CL_Received_Callsign_Called", "called"},
    {"CL_Received_Callsign_RPT1", "rpt1"},
    {"CL_Received_Callsign_RPT2", "rpt2"},
    {"CL_Received_Callsign_Message", "message"},
    {"CL_Received_Callsign_Status", "status"},
    {"CL_Received_Callsign_Date", "received_time"},
    {"CL_Received_Callsign_BK", "break_in"},
    {"CL_Received_Callsign_EMR", "emergency"},
    {"CL_Received_Callsign_Latitude", "latitude"},
    {"CL_Received_Callsign_Longitude", "longitude"},
    {"CL_Received_Callsign_Altitude", "altitude"},
    {"CL_Received_Callsign_SSID", "ssid"},
    {"CL_Received_Callsign_Symbol", "symbol"},
    {"CL_Received_Callsign_Course", "course"},
    {"CL_Received_Callsign_Speed", "speed"},
    {"CL_Received_Callsign_GpsTimestamp", "gps_time"},
    {"CL_Received_Callsign_Power", "power"},
    {"CL_Received_Callsign_Height", "height"},
    {"CL_Received_Callsign_Gain", "gain"},
    {"CL_Received_Callsign_Directivity", "directivity"},
    {"CL_Received_Callsign_ObjItemName", "object_name"},
    {"CL_Received_Callsign_DataType", "data_type"},
    {"CL_Received_Callsign_Temp", "temperature"},
    {"CL_Received_Callsign_Rain", "rain"},
    {"CL_Received_Callsign_Rain24", "rain_24h"},
    {"CL_Received_Callsign_RainMidnight", "rain_since_midnight"},
    {"CL_Received_Callsign_WindDir", "wind_direction"},
    {"CL_Received_Callsign_WindSpeed", "wind_speed"},
    {"CL_Received_Callsign_GustSpeed", "gust_speed"},
    {"CL_Received_Callsign_Barometric", "pressure"},
    {"CL_Received_Callsign_Humidity", "humidity"},
    {"CL_Received_Callsign_GpsMsg", "gps_message"},
    {"CL_TxCall_From_Callsign", "call_sign"},
    {"CL_TxCall_From_Freq", "frequency"},
    {"CL_TxCall_From_Dup", "duplex"},
    {"CL_TxCall_From_Offset", "offset"},
    {"CL_TxCall_From_Name", "found_name"},
    {"CL_TxCall_FAnalog_Callsign", "call_sign"},
    {"CL_TxCall_FAnalog_Freq", "frequency"},
    {"CL_TxCall_FAnalog_Dup", "duplex"},
    {"CL_TxCall_FAnalog_Offset", "offset"},
    {"CL_TxCall_FAnalog_Name", "found_name"},
    {"CL_TxCall_To_Callsign", "call_sign"},
    {"CL_TxCall_To_Name", "found_name"},
    {"CL_TxCall_Ref_Callsign", "call_sign"},
    {"CL_Gps_Name", "name"},
    {"CL_Gps_Date", "date"},
    {"CL_Gps_Time", "time"},
    {"CL_Gps_Latitude", "latitude"},
    {"CL_Gps_Longitude", "longitude"},
    {"CL_Gps_Altitude", "altitude"},
    {"CL_Gps_Alarm", "alarm"},
    {"CL_Gps_Bank_Name", "name"},
};

// A cell's text without the spaces, line ends and NUL bytes (an unset hemisphere) around it,
// which only pad it.
std::string Trimmed(const std::string& text) {
  constexpr std::string_view kPadding{" \n\0", 3};
  const std::size_t first = text.find_first_not_of(kPadding);
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(kPadding) - first + 1);
}

// A field of one document's pages: where it shows and what it shows.
struct ShownField {
  const ComparedPage* page;
  std::string field;
  int index;
  std::string rowHeader;
  std::string text;
};

// Cells are the same field when they share category, identifier and index: a memory channel
// on two pages, or a GPS memory under its group and under "no group", is compared once.
using FieldKey = std::tuple<unsigned, unsigned, int>;

struct ShownFields {
  std::vector<FieldKey> order;
  std::map<FieldKey, ShownField> fields;

  void Add(const FieldKey& key, ShownField field) {
    if (fields.emplace(key, std::move(field)).second) order.push_back(key);
  }
};

const ComparedPage* PageOfSheet(std::string_view sheetName) {
  const std::string key = SplitSheetName(sheetName).key;
  const auto page = std::ranges::find(kPages, key, &ComparedPage::sheetKey);
  return page == std::end(kPages) ? nullptr : &*page;
}

std::string RowHeader(SheetLayout& sheet, indActiveCell& behaviour, int row) {
  for (int column = 0; column < sheet.FixedColumnCount(); ++column) {
    cmcCellObj& cell = sheet.GetCell(column, row);
    std::string text =
        Trimmed(cell.cellId == kCellIdNone ? cell.caption : behaviour.QueryCellText(cell, 0, sheet.GetArgument()));
    if (!text.empty()) return text;
  }
  return {};
}

void AddPageFields(CellDocument& document, const std::string& sheetName, const ComparedPage& page, ShownFields& shown) {
  NoTextMeasure measure;
  SheetLayout sheet(SheetEnvironment{document.Texts(), measure, nullptr, &document});
  sheet.SetName(sheetName);
  sheet.Build();
  const ListRangeAnswer answer(document.Events(), sheet.Model().List());
  indActiveCell behaviour(document);
  for (int row = sheet.FixedRowCount(); row < sheet.RowCount(); ++row) {
    if (row == sheet.NewEntryRow()) continue;  // it stands for the next free place, not an entry
    std::string header;
    for (int column = sheet.FixedColumnCount(); column < sheet.ColumnCount(); ++column) {
      cmcCellObj& cell = sheet.GetCell(column, row);
      const std::string_view field = DifferenceFieldOf(cell.cellId);
      if (field.empty()) continue;
      if (header.empty() && page.label == RowLabel::kRowHeader) header = RowHeader(sheet, behaviour, row);
      std::string text = Trimmed(behaviour.QueryCellText(cell, 0, sheet.GetArgument()));
      shown.Add({cell.category, cell.cellId, cell.index}, {&page, std::string(field), cell.index, header, text});
    }
  }
}

ShownFields PageFields(CellDocument& document) {
  ShownFields shown;
  for (const std::string& sheetName : TreeSheetNames(document.Texts())) {
    if (const ComparedPage* page = PageOfSheet(sheetName)) AddPageFields(document, sheetName, *page, shown);
  }
  return shown;
}

constexpr ComparedPage kSettingsPage{"", "settings", "", RowLabel::kRowHeader};

// The set-mode items the destination shows, each under its item name (and element).
ShownFields SettingFields(CellDocument& document) {
  constexpr std::string_view kItemPrefix = "CL_Common_";
  ShownFields shown;
  indActiveCell behaviour(document);
  for (const SetModeRow& row : SetModeRows(document)) {
    cmcCellObj cell;
    cell.category = kCategoryNone;
    cell.cellId = row.cellId;
    cell.index = row.index;
    std::string text = Trimmed(behaviour.QueryCellText(cell, 0, {}));
    std::string item(CellIdName(row.cellId).substr(kItemPrefix.size()));
    if (SettingElementCount(row.cellId) > 1) item += ":" + std::to_string(row.index);
    shown.Add({kCategoryNone, row.cellId, row.index}, {&kSettingsPage, item, row.index, std::string(row.page), text});
  }
  return shown;
}

std::string EntryOf(const ShownField& field) {
  if (field.page == &kSettingsPage) return field.rowHeader;
  const std::string number = field.page->label == RowLabel::kRowHeader ? field.rowHeader : std::to_string(field.index);
  return std::string(field.page->noun) + " " + number;
}

FieldDifference DifferenceOf(const ShownField& shown, std::string before, std::string after) {
  FieldDifference difference{shown.page->list, std::nullopt,      EntryOf(shown),
                             shown.field,      std::move(before), std::move(after)};
  if (shown.page != &kSettingsPage) difference.index = shown.index;
  return difference;
}

// Fields of either document in the first one's order, then those only the second shows; a
// field one document does not show reads as empty there.
void Compare(const ShownFields& before, const ShownFields& after, std::vector<FieldDifference>& differences) {
  for (const FieldKey& key : before.order) {
    const ShownField& field = before.fields.at(key);
    const auto other = after.fields.find(key);
    const std::string otherText = other == after.fields.end() ? std::string() : other->second.text;
    if (field.text != otherText) differences.push_back(DifferenceOf(field, field.text, otherText));
  }
  for (const FieldKey& key : after.order) {
    if (before.fields.contains(key)) continue;
    const ShownField& field = after.fields.at(key);
    if (!field.text.empty()) differences.push_back(DifferenceOf(field, {}, field.text));
  }
}

struct SummaryName {
  std::string_view list;
  std::string_view one;
  std::string_view many;
};

// What the summary calls the entries of each list.
constexpr SummaryName kSummaryNames[] = {
    {"memory", "channel", "channels"},
    {"settings", "setting", "settings"},
    {"scan-edges", "scan edge", "scan edges"},
    {"scan-names", "scan name", "scan names"},
    {"bank-names", "bank name", "bank names"},
    {"call", "call channel", "call channels"},
    {"scan-links", "scan link", "scan links"},
    {"scan-link-pairs", "scan link pair", "scan link pairs"},
    {"broadcast-groups", "broadcast group", "broadcast groups"},
    {"broadcast", "broadcast memory", "broadcast memories"},
    {"dtmf", "DTMF memory", "DTMF memories"},
    {"your-calls", "your call sign", "your call signs"},
    {"repeater-groups", "repeater group", "repeater groups"},
    {"repeaters", "repeater", "repeaters"},
    {"my-calls", "my call sign", "my call signs"},
    {"messages", "message", "messages"},
    {"received-calls", "received call", "received calls"},
    {"transmitted-calls", "transmitted call", "transmitted calls"},
    {"gps-groups", "GPS group", "GPS groups"},
    {"gps", "GPS memory", "GPS memories"},
};

}  // namespace

std::string DifferenceSummary(const std::vector<FieldDifference>& differences) {
  // Per list, in the order of its first difference, the entries (settings: the items) that differ.
  std::vector<std::pair<std::string_view, std::set<std::string>>> changed;
  for (const FieldDifference& d : differences) {
    auto list = std::ranges::find(changed, d.list, &std::pair<std::string_view, std::set<std::string>>::first);
    if (list == changed.end()) list = changed.insert(changed.end(), {d.list, {}});
    list->second.insert(d.index ? d.entry : d.field);
  }
  std::string summary;
  for (const auto& [list, entries] : changed) {
    const auto name = std::ranges::find(kSummaryNames, list, &SummaryName::list);
    const std::string_view one = name == std::end(kSummaryNames) ? list : name->one;
    const std::string_view many = name == std::end(kSummaryNames) ? list : name->many;
    if (!summary.empty()) summary += ", ";
    summary += std::to_string(entries.size()) + " " + std::string(entries.size() == 1 ? one : many);
  }
  return summary;
}

std::string_view DifferenceFieldOf(unsigned cellId) {
  if (cellId == kCellIdNone) return {};
  const std::string_view name = CellIdName(cellId);
  const auto found = std::ranges::find(kFields, name, &FieldName::cellId);
  return found == std::end(kFields) ? std::string_view{} : found->field;
}

std::vector<FieldDifference> DocumentDifferences(CellDocument& before, CellDocument& after) {
  std::vector<FieldDifference> differences;
  Compare(PageFields(before), PageFields(after), differences);
  Compare(SettingFields(before), SettingFields(after), differences);
  return differences;
}

bool IsComparedSheet(std::string_view sheetName) { return PageOfSheet(sheetName) != nullptr; }
