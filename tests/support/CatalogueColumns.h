#pragma once
// The cell identifiers each data sheet of the built-in tables binds in its first data row, in
// column order (the number column first when it is bound), as the pages promise them.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace catalogue {

struct SheetColumns {
  std::string sheet;
  std::vector<std::string> columns;
};

namespace detail {

inline const std::vector<std::string> kChannelColumns = {
    "CL_Mch_Freq",          "CL_Mch_Dup",          "CL_Mch_Offset_Freq",   "CL_Mch_TS_Pitch",
    "CL_Mch_Mode",          "CL_Mch_Name",         "CL_Mch_Scan_Skip",     "CL_Mch_Decode",
    "CL_Mch_TONE_Freq",     "CL_Mch_TSQL_Freq",    "CL_Mch_DTCS",          "CL_Mch_DTCS_Polarity",
    "CL_Mch_Digital_Sql",   "CL_Mch_Digital_Code", "CL_Mch_DYou_Callsign", "CL_Mch_DRpt1_Callsign",
    "CL_Mch_DRpt2_Callsign"};

inline const std::vector<std::string> kBankColumns = {"CL_Mch_Bank_Group", "CL_Mch_Bank_ChNo"};

inline std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

inline std::vector<std::string> Without(std::vector<std::string> a, std::string_view name) {
  std::erase(a, std::string(name));
  return a;
}

}  // namespace detail

// Every data sheet with its columns.
inline const std::vector<SheetColumns>& DataSheets() {
  using detail::Join, detail::Without, detail::kChannelColumns, detail::kBankColumns;
  static const std::vector<SheetColumns> sheets = {
      {"GI_Sheet_MemoryCH", Join(Join({"CL_Misc_ChNo_0Base"}, kChannelColumns), kBankColumns)},
      {"GI_Sheet_ScanEdge", Join(Join({"CL_Misc_ChNo_Edge"}, kChannelColumns), kBankColumns)},
      {"GI_Sheet_CallCh", Without(kChannelColumns, "CL_Mch_Scan_Skip")},
      {"GI_Sheet_BankCH", Join({"CL_Misc_ChNo_0Base", "CL_Mch_Select_ChNo"}, kChannelColumns)},
      {"GI_Sheet_ScanName",
       {"CL_Misc_ChNo_0Base", "CL_Scan_Name", "CL_Misc_ChInfo_No", "CL_Scan_Edge_A", "CL_Scan_Edge_B"}},
      {"GI_Sheet_ScanLink_Name", {"CL_Misc_ChNo_0Base", "CL_PgLink_Name"}},
      {"GI_Sheet_ScanLink",  // the "Add" row
       {"CL_PgLink_No", "CL_Pglink_ScanName", "CL_Pglink_Edge_A", "CL_Pglink_Edge_B"}},
      {"GI_Sheet_BankName", {"CL_Misc_BankNm", "CL_Bank_Name"}},
      {"GI_Sheet_Radio_Fm", {"CL_Radio_ChNo", "CL_Radio_Name", "CL_Radio_Freq", "CL_Radio_Skip"}},
      {"GI_Sheet_Radio_Am", {"CL_Radio_ChNo", "CL_Radio_Name", "CL_Radio_Freq", "CL_Radio_Skip"}},
      {"GI_Sheet_Radio_BankName", {"CL_Misc_BankNm", "CL_Radio_Bank_Name"}},
      {"GI_Sheet_GPS_BankCH",
       {"CL_Gps_ChNo", "CL_Gps_Name", "CL_Gps_Date", "CL_Gps_Time", "CL_Gps_Latitude", "CL_Gps_Longitude",
        "CL_Gps_Altitude", "CL_Gps_Alarm"}},
      {"GI_Sheet_GPS_BankName", {"CL_Misc_BankNm", "CL_Gps_Bank_Name"}},
      {"GI_Sheet_DTMF_Memory", {"CL_DTMF_ChNo", "CL_Common_DTMF_CH_NO", "CL_DTMF_Memory_Code"}},
      {"GI_Sheet_Message", {"CL_Tx_Message_ChNo", "CL_Tx_Message_Ch_No", "CL_Tx_Message_Code"}},
      {"GI_Sheet_My_Callsign",
       {"CL_My_Callsign_ChNo", "CL_My_Callsign_Sel", "CL_My_Callsign_Code", "CL_My_Callsign2_Code"}},
      {"GI_Sheet_You_Callsign", {"CL_You_Callsign_ChNo", "CL_You_Callsign_Name", "CL_You_Callsign_Code"}},
      {"GI_Sheet_GroupName", {"CL_Misc_GroupNm", "CL_Group_Name"}},
      {"GI_Sheet_RepeaterList",
       {"CL_Repeater_List_ChNo", "CL_Repeater_List_Type", "CL_Repeater_List_Name", "CL_Repeater_List_SubName",
        "CL_Repeater_List_R_Callsign_Code", "CL_Repeater_List_G_Callsign_Code", "CL_Repeater_List_Freq",
        "CL_Repeater_List_Dup", "CL_Repeater_List_Offset_Freq", "CL_Repeater_List_Mode", "CL_Repeater_List_Tone",
        "CL_Repeater_List_Tone_Freq", "CL_Repeater_List_Rpt1use", "CL_Repeater_List_Position",
        "CL_Repeater_List_Latitude", "CL_Repeater_List_Longitude", "CL_Repeater_List_UtcOffset"}},
      {"GI_Sheet_Received_Callsign",
       {"CL_Misc_ChNo_1Base",
        "CL_Received_Callsign_Caller",
        "CL_Received_Callsign_Caller2",
        "CL_Received_Callsign_Called",
        "CL_Received_Callsign_RPT1",
        "CL_Received_Callsign_RPT2",
        "CL_Received_Callsign_Message",
        "CL_Received_Callsign_Status",
        "CL_Received_Callsign_Date",
        "CL_Received_Callsign_BK",
        "CL_Received_Callsign_EMR",
        "CL_Received_Callsign_Latitude",
        "CL_Received_Callsign_Longitude",
        "CL_Received_Callsign_Altitude",
        "CL_Received_Callsign_SSID",
        "CL_Received_Callsign_Symbol",
        "CL_Received_Callsign_Course",
        "CL_Received_Callsign_Speed",
        "CL_Received_Callsign_Power",
        "CL_Received_Callsign_Height",
        "CL_Received_Callsign_Gain",
        "CL_Received_Callsign_Directivity",
        "CL_Received_Callsign_ObjItemName",
        "CL_Received_Callsign_DataType",
        "CL_Received_Callsign_Temp",
        "CL_Received_Callsign_Rain",
        "CL_Received_Callsign_Rain24",
        "CL_Received_Callsign_RainMidnight",
        "CL_Received_Callsign_WindDir",
        "CL_Received_Callsign_WindSpeed",
        "CL_Received_Callsign_GustSpeed",
        "CL_Received_Callsign_Barometric",
        "CL_Received_Callsign_Humidity",
        "CL_Received_Callsign_GpsTimestamp",
        "CL_Received_Callsign_GpsMsg"}},
      {"GI_Sheet_Txed_Call_From",
       {"CL_Misc_ChNo_1Base", "CL_TxCall_From_Callsign", "CL_TxCall_From_Name", "CL_TxCall_From_Freq",
        "CL_TxCall_From_Dup", "CL_TxCall_From_Offset"}},
      {"GI_Sheet_Txed_Call_FAnalog",
       {"CL_Misc_ChNo_1Base", "CL_TxCall_FAnalog_Callsign", "CL_TxCall_FAnalog_Name", "CL_TxCall_FAnalog_Freq",
        "CL_TxCall_FAnalog_Dup", "CL_TxCall_FAnalog_Offset"}},
      {"GI_Sheet_Txed_Call_To", {"CL_Misc_ChNo_1Base", "CL_TxCall_To_Callsign", "CL_TxCall_To_Name"}},
      {"GI_Sheet_Txed_Call_Ref", {"CL_Misc_ChNo_1Base", "CL_TxCall_Ref_Callsign"}},
  };
  return sheets;
}

// The columns of one data sheet; empty for a sheet that is not a data sheet.
inline const std::vector<std::string>& DataSheetColumns(std::string_view sheet) {
  static const std::vector<std::string> none;
  const auto& sheets = DataSheets();
  const auto found =
      std::find_if(sheets.begin(), sheets.end(), [&](const SheetColumns& s) { return s.sheet == sheet; });
  return found == sheets.end() ? none : found->columns;
}

}  // namespace catalogue
