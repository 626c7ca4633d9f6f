// The built-in sheet definitions bind the columns and items the pages promise, in every
// language: each data sheet's first data row (the row right below its fixed heading block)
// binds the columns' cell identifiers in column order, with the sheet's category and first
// index; each set-mode page binds its items in order, and its regional directive guards
// exactly the regional items.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "support/CatalogueColumns.h"
#include "support/TableWalk.h"
#include "text/ApplicationTexts.h"
#include "text/LineTables.h"
#include "text/cmcCellObj.h"
#include "text/cmcScrBlock.h"

namespace {

constexpr TableLanguage kLanguages[] = {TableLanguage::Japanese, TableLanguage::JapaneseWesternChrome,
                                        TableLanguage::English};

struct BoundCell {
  std::string name;
  int32_t index;
  unsigned category;
  int column;
};

// One line of a cells value: a directive, or a row with the cells that bind an identifier.
struct SheetLine {
  std::string text;
  bool directive = false;
  std::vector<BoundCell> bound;
};

std::vector<BoundCell> BoundCells(std::string_view row, CellVariables& variables, const cmcCellObj& basic) {
  std::vector<BoundCell> bound;
  for (int column = 0; !row.empty(); ++column) {
    cmcCellObj cell;
    row = ParseCellDefinition(cell, row, &variables, &basic);
    if (cell.cellId != kCellIdNone) {
      bound.push_back({std::string(CellIdName(cell.cellId)), cell.index, cell.category, column});
    }
  }
  return bound;
}

// Parses the rows of a sheet in order, as the sheet fills its first pass: one set of
// variables for the whole sheet, the basic cell as parent.
std::vector<SheetLine> SheetLines(const std::string& sheet) {
  cmcCellObj basic;
  ParseCellDefinition(basic, ApplicationTexts().GetLine(sheet + "_BasicCell", 0), nullptr, nullptr);
  CellVariables variables{};
  std::vector<SheetLine> lines;
  for (std::string& text : ValueLines(sheet + "_Cells")) {
    SheetLine line;
    line.directive = !text.empty() && text[0] == ':';
    if (!line.directive) line.bound = BoundCells(text, variables, basic);
    line.text = std::move(text);
    lines.push_back(std::move(line));
  }
  return lines;
}

int FixedRows(const std::string& sheet) {
  const std::string style = ApplicationTexts().GetLine(sheet + "_Style", 0);
  const std::size_t at = style.find("(FixedRows=");
  return at == std::string::npos ? 0 : std::stoi(style.substr(at + 11));
}

// "Name" for index 0, "Name[i]" otherwise.
std::string ItemName(const BoundCell& cell) {
  return cell.index == 0 ? cell.name : cell.name + "[" + std::to_string(cell.index) + "]";
}

class SheetCatalogue : public ::testing::Test {
 protected:
  void TearDown() override { ApplicationTexts().Reset(); }

  static void Select(TableLanguage language) {
    ApplicationTexts().Reset();
    ApplicationTexts().SelectLineTable(LineTableOf(language));
  }
};

struct DataSheetCase {
  const char* sheet;
  const char* category;  // "" for none
  int32_t firstIndex;    // the index the first data row's data cells address
};

const DataSheetCase kDataSheets[] = {
    {"GI_Sheet_MemoryCH", "CT_Conv", 0},
    {"GI_Sheet_ScanEdge", "CT_Conv", 500},
    {"GI_Sheet_CallCh", "CT_Conv", 550},
    {"GI_Sheet_BankCH", "CT_BankCh", 0},
    {"GI_Sheet_ScanName", "", 0},
    {"GI_Sheet_ScanLink_Name", "CT_Prog_Link", 0},
    {"GI_Sheet_ScanLink", "CT_Prog_Link", 0},
    {"GI_Sheet_BankName", "", 0},
    {"GI_Sheet_Radio_Fm", "CT_Radio_Fm", 0},
    {"GI_Sheet_Radio_Am", "CT_Radio_Am", 0},
    {"GI_Sheet_Radio_BankName", "", 0},
    {"GI_Sheet_GPS_BankCH", "CT_Gps", 0},
    {"GI_Sheet_GPS_BankName", "", 0},
    {"GI_Sheet_DTMF_Memory", "", 0},
    {"GI_Sheet_Message", "", 0},
    {"GI_Sheet_My_Callsign", "", 0},
    {"GI_Sheet_You_Callsign", "CT_Urlist", 0},
    {"GI_Sheet_GroupName", "", 0},
    {"GI_Sheet_RepeaterList", "CT_Rptlist", 0},
    {"GI_Sheet_Received_Callsign", "CT_RXCall", 0},
    {"GI_Sheet_Txed_Call_From", "CT_TXCall_From", 0},
    {"GI_Sheet_Txed_Call_FAnalog", "CT_TXCall_FAnalog", 0},
    {"GI_Sheet_Txed_Call_To", "CT_TXCall_To", 0},
    {"GI_Sheet_Txed_Call_Ref", "CT_TXCall_Ref", 0},
};

// The number column is grid column 1; data cells start after the separator in column 2.
constexpr int kFirstDataColumn = 3;

TEST_F(SheetCatalogue, FirstDataRowOfEveryDataSheetBindsItsColumns) {
  for (TableLanguage language : kLanguages) {
    Select(language);
    for (const DataSheetCase& c : kDataSheets) {
      SCOPED_TRACE(std::string(c.sheet) + " in table " + std::to_string(static_cast<int>(language)));
      const std::vector<SheetLine> lines = SheetLines(c.sheet);
      int gridRow = 0;
      const SheetLine* firstData = nullptr;
      for (const SheetLine& line : lines) {
        if (line.directive) continue;
        if (!line.bound.empty()) {
          firstData = &line;
          break;
        }
        ++gridRow;
      }
      ASSERT_NE(firstData, nullptr);
      EXPECT_EQ(gridRow, FixedRows(c.sheet)) << "the heading block is not the fixed rows";

      std::vector<std::string> names;
      for (const BoundCell& cell : firstData->bound) {
        names.push_back(cell.name);
        EXPECT_EQ(cell.category, CategoryIndex(c.category)) << cell.name;
        if (cell.column >= kFirstDataColumn) {
          EXPECT_EQ(cell.index, c.firstIndex) << cell.name;
        }
      }
      EXPECT_EQ(names, catalogue::DataSheetColumns(c.sheet));
    }
  }
}

struct SetModeCase {
  const char* sheet;
  std::vector<std::string> items;     // every bound cell in row order
  std::vector<std::string> regional;  // the items inside the lines a regional directive guards
};

const SetModeCase kSetModePages[] = {
    {"GI_Sheet_Digital",
     {"CL_Common_RxBass",          "CL_Common_RxTreble",
      "CL_Common_RxBassBoost",     "CL_Common_TxBass",
      "CL_Common_TxTreble",        "CL_Common_Auto_Reply",
      "CL_Common_DV_Auto_Tx",      "CL_Common_FastData",
      "CL_Common_FastData_GPSSpd", "CL_Common_FastData_PTTDelay",
      "CL_Common_Digital_Monitor", "CL_Common_Digital_RPT_Set",
      "CL_Common_RxCall_Write",    "CL_Common_RxRPTCall_Write",
      "CL_Common_DV_Auto_Detect",  "CL_Common_RxRecord",
      "CL_Common_RxCsKey",         "CL_Common_RX_CallSign_Disp",
      "CL_Common_RX_Message_Disp", "CL_Common_ReplyPosDisp",
      "CL_Common_DV_RX_Light",     "CL_Common_TX_CallSign_Disp",
      "CL_Common_Name_Size",       "CL_Common_RXHis_CsName_Chg",
      "CL_Common_Standby_Beep",    "CL_Common_EmrAfLevel"},
     {}},
    {"GI_Sheet_GPS",
     {"CL_Common_GPS_Select",       "CL_Common_GPS_IntPSave",     "CL_Common_ManualPosLat",
      "CL_Common_ManualPosLon",     "CL_Common_ManualPosAlt",     "CL_Common_CompassDirection",
      "CL_Common_Indicator",        "CL_Common_GPS_Correct",      "CL_Common_GPS_Out",
      "CL_Common_AlarmArea1",       "CL_Common_AlarmArea2",       "CL_Common_GPSAlarmType",
      "CL_Common_GPSAlarmBank",     "CL_Common_AlarmCH",          "CL_Common_GPS_Tx",
      "CL_Common_GPS_AutoTx",       "CL_Common_UnprotoAddress",   "CL_Common_AprsSymbol_CH",
      "CL_Common_AprsSymbolSel_1",  "CL_Common_AprsSymbolEdit_1", "CL_Common_AprsSymbolSel_2",
      "CL_Common_AprsSymbolEdit_2", "CL_Common_AprsSymbolSel_3",  "CL_Common_AprsSymbolEdit_3",
      "CL_Common_AprsSymbolSel_4",  "CL_Common_AprsSymbolEdit_4", "CL_Common_SSID",
      "CL_Common_Comment",          "CL_Common_TimeStamp",        "CL_Common_Alt",
      "CL_Common_DataExtension",    "CL_Common_GPS_ControlMode",  "CL_Common_GPS_Message_Code",
      "CL_Common_GpsLogger",        "CL_Common_GpsLogInterval",   "CL_Common_GpsLogSentence"},
     {}},
    {"GI_Sheet_Common",
     {"CL_Common_AutoPowerOFF",
      "CL_Common_PowerSave",
      "CL_Common_Monitor",
      "CL_Common_DialSpeedUP",
      "CL_Common_AutoRepeater",
      "CL_Common_KeyLock",
      "CL_Common_PTTLock",
      "CL_Common_BusyLockout",
      "CL_Common_TOT",
      "CL_Common_MicGainInt",
      "CL_Common_MicGainExt",
      "CL_Common_GPSSpeed",
      "CL_Common_ActiveBand",
      "CL_Common_UTCOffset",
      "CL_Common_RemoteMicKey_Nor",
      "CL_Common_RemoteMicKey_Nor[1]",
      "CL_Common_RemoteMicKey_Nor[2]",
      "CL_Common_RemoteMicKey_Nor[3]",
      "CL_Common_RemoteMicKey_Tx",
      "CL_Common_RemoteMicKey_Tx[1]",
      "CL_Common_RemoteMicKey_Tx[2]",
      "CL_Common_RemoteMicKey_Tx[3]",
      "CL_Common_HmchVfo",
      "CL_Common_HmchMr",
      "CL_Common_HmchDr",
      "CL_Common_VOX",
      "CL_Common_VOX_SensLv",
      "CL_Common_VOX_Delay",
      "CL_Common_VOX_TOT",
      "CL_Common_VOX_HS_Sel",
      "CL_Common_CIV_DataJk",
      "CL_Common_CIV_Address",
      "CL_Common_CIV_BaudRate",
      "CL_Common_CIV_Transceive",
      "CL_Common_Backlight",
      "CL_Common_Backlight_Tm",
      "CL_Common_Dimmer",
      "CL_Common_LCDContrast",
      "CL_Common_BusyLED",
      "CL_Common_Scroll",
      "CL_Common_OpeningMessage",
      "CL_Common_Voltage",
      "CL_Common_PositionFormat",
      "CL_Common_Units",
      "CL_Common_Speed_Units",
      "CL_Common_Temp_Units",
      "CL_Common_Baro_Units",
      "CL_Common_Rain_Units",
      "CL_Common_WidSpd_Units",
      "CL_Common_DispLang",
      "CL_Common_SysLang",
      "CL_Common_Display_Type",
      "CL_Common_VolumeSelect",
      "CL_Common_RadioLevel",
      "CL_Common_EarphoneMode",
      "CL_Common_BeepLevel",
      "CL_Common_BeepVolLink",
      "CL_Common_KeyTouchBeep",
      "CL_Common_HmchBeep",
      "CL_Common_BandEdgeBeep",
      "CL_Common_StopBeep",
      "CL_Common_SubBandMute",
      "CL_Common_Scope_AF_out",
      "CL_Common_Speech_RxCall",
      "CL_Common_Speech_RxCs",
      "CL_Common_Speech_Dial",
      "CL_Common_Speech_Mode",
      "CL_Common_Speech_Language",
      "CL_Common_Speech_Alphabet",
      "CL_Common_Speech_Speed",
      "CL_Common_Speech_Level",
      "CL_Common_RecMode",
      "CL_Common_RecCondition",
      "CL_Common_FileSplit",
      "CL_Common_PttAutoRec",
      "CL_Common_PlaySkipTime",
      "CL_Common_VcMem_MicGain",
      "CL_Common_VcMem_PlaySkipTime",
      "CL_Common_VcTxRptTime",
      "CL_Common_VcTxMon",
      "CL_Common_Radio_AttFM",
      "CL_Common_Radio_AttAM",
      "CL_Common_Radio_AutoMute",
      "CL_Common_Radio_FMAntenna",
      "CL_Common_Radio_PowerSave",
      "CL_Common_QsoLog",
      "CL_Common_RxHisLog",
      "CL_Common_CsvSepdec",
      "CL_Common_CsvDate",
      "CL_Common_Exp_CsvSepdec",
      "CL_Common_Exp_CsvDate",
      "CL_Common_RFPower",
      "CL_Common_RFPower[1]",
      "CL_Common_ToneBurst",
      "CL_Common_AttAir",
      "CL_Common_Heterodyne",
      "CL_Common_ChargingPowerON",
      "CL_Common_CloneComment"},
     {"CL_Common_AutoRepeater"}},
    {"GI_Sheet_AB_Band",
     {"CL_Common_PauseTimer", "CL_Common_PauseTimer[1]", "CL_Common_ResumeTimer", "CL_Common_ResumeTimer[1]",
      "CL_Common_TempSkipTimer", "CL_Common_TempSkipTimer[1]", "CL_Common_ProgramSkipScan",
      "CL_Common_ProgramSkipScan[1]", "CL_Common_BankLink_A_J", "CL_Common_BankLink_A_J[1]", "CL_Common_BankLink_K_T",
      "CL_Common_BankLink_K_T[1]", "CL_Common_BankLink_U_Z", "CL_Common_BankLink_U_Z[1]", "CL_Common_Wx_Alert",
      "CL_Common_Wx_Alert[1]", "CL_Common_Wx_Ch", "CL_Common_Wx_Ch[1]"},
     {"CL_Common_Wx_Alert", "CL_Common_Wx_Alert[1]", "CL_Common_Wx_Ch", "CL_Common_Wx_Ch[1]"}},
};

TEST_F(SheetCatalogue, SetModePagesBindTheirItemsAndGuardTheRegionalOnes) {
  for (TableLanguage language : kLanguages) {
    Select(language);
    for (const SetModeCase& c : kSetModePages) {
      SCOPED_TRACE(std::string(c.sheet) + " in table " + std::to_string(static_cast<int>(language)));
      std::vector<std::string> items;
      std::vector<std::string> regional;
      std::size_t guarded = 0;
      for (const SheetLine& line : SheetLines(c.sheet)) {
        if (line.directive) {
          cmcScrBlock block;
          block.Parse(line.text.substr(line.text.find('(') + 1, line.text.rfind(')') - line.text.find('(') - 1));
          ASSERT_TRUE(block.Name() == "Only_JPUSKR" || block.Name() == "Only_USA") << line.text;
          guarded = std::stoul(block.GetItem(0));
          continue;
        }
        for (const BoundCell& cell : line.bound) {
          EXPECT_EQ(cell.category, kCategoryNone) << cell.name;
          items.push_back(ItemName(cell));
          if (guarded > 0) regional.push_back(ItemName(cell));
        }
        if (guarded > 0) --guarded;
      }
      EXPECT_EQ(guarded, 0u) << "a regional directive reaches past the end of the page";
      EXPECT_EQ(items, c.items);
      EXPECT_EQ(regional, c.regional);
    }
  }
}

}  // namespace
