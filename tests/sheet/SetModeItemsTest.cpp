// The set-mode items through cell requests as the pages send them: every item's shown text and
// the bytes one edit stores, the rules that tie items to each other and to the destination,
// and the three cell kinds the pages add (area, sentence set, symbol).
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "CellDocumentFixture.h"
#include "memory/ImageFields.h"
#include "memory/LoadedImage.h"
#include "memory/MemoryMap.h"
#include "memory/MemoryTestImages.h"
#include "memory/RepeaterList.h"
#include "sheet/cells/SetModeItems.h"
#include "values/AprsSymbols.h"

namespace {

using MemoryMap::Address;
using MemoryMap::kSettings;

constexpr int kUsDestination = 1;

bool Greyed(const cmcCellCapsule& request) { return request.fontColor == kClSilver; }

class SetModeItems : public ::testing::Test {
 protected:
  std::uint8_t Byte(Address offset) const { return document.image.GetByte(kSettings + offset); }
  void SetByte(Address offset, std::uint8_t value) { document.image.SetByte(kSettings + offset, value); }
  std::string Shown(unsigned cellId, int index = 0) { return requests.Query(kCategoryNone, cellId, index).outputText; }

  // Picks entry `entry` of the list the cell opened (the parent's cell is the list entry).
  cmcCellCapsule Pick(unsigned cellId, int index, unsigned entryId, int entry) {
    cmcCellObj& picked = entries_.emplace_back();
    picked.cellId = entryId;
    picked.index = entry;
    cmcCellCapsule& list = lists_.emplace_back();
    list.cell = &picked;
    cmcCellCapsule request = requests.Make(kCategoryNone, cellId, index, {});
    request.parent = &list;
    request.inputKind = kInputPicked;
    requests.Act(request);
    return request;
  }

  // What an editor (bit-field or GPS text editor) hands back.
  cmcCellCapsule EditorPick(unsigned cellId, int index, const std::string& text) {
    cmcCellCapsule request = requests.Make(kCategoryNone, cellId, index, {});
    request.inputKind = kInputPicked;
    request.inputText = text;
    requests.Act(request);
    return request;
  }

  cmcCellCapsule Commit(unsigned cellId, int index, const std::string& text) {
    return requests.Commit(kCategoryNone, cellId, index, text);
  }

  std::pair<cmcCellCapsule, int> Key(unsigned cellId, int index, int key) {
    return requests.Key(kCategoryNone, cellId, index, key);
  }

  PopupRequest EnterPopup(unsigned cellId, int index) { return Key(cellId, index, kKeyEnter).first.popup; }

  // GPS memories in group `group`: `count` entries at the start of the order table.
  void FillGpsGroup(int group, int count) {
    for (int i = 0; i < MemoryMap::kGpsMemoryCount; ++i) {
      document.image.SetByte(MemoryMap::kGpsOrder + i, i < count ? static_cast<std::uint8_t>(i) : 0xFF);
    }
    for (int g = 0; g < MemoryMap::kGpsGroupCount; ++g) {
      document.image.SetByte(MemoryMap::kGpsGroupStarts + g, g == group ? 0 : 0xFF);
    }
  }

  TestDocument document{kUsDestination};
  CellRequests requests{document};

 private:
  std::deque<cmcCellObj> entries_;
  std::deque<cmcCellCapsule> lists_;
};

// One edit of an item: a list entry picked, a text committed, an editor's text, or a key.
struct Edit {
  enum Kind { kPick, kCommit, kEditor, kKey } kind;
  int entry = 0;
  std::string text;
  int key = 0;
};

Edit PickEntry(int entry) { return {Edit::kPick, entry, {}, 0}; }
Edit Typed(std::string text) { return {Edit::kCommit, 0, std::move(text), 0}; }
Edit FromEditor(std::string text) { return {Edit::kEditor, 0, std::move(text), 0}; }
Edit Pressed(int key) { return {Edit::kKey, 0, {}, key}; }

struct ItemRow {
  unsigned cellId;
  int index;
  std::string before;  // shown on the defaults of the US version
  Edit edit;
  std::string after;
  Address at;  // settings offset of the stored bytes (the image address for the clone comment)
  std::vector<std::uint8_t> stored;
};

std::vector<ItemRow> ItemRows() {
  const std::string deg = "\xB0";
  return {
      {CL_Common_RxBass, 0, "Normal", PickEntry(2), "Boost", 93, {2}},
      {CL_Common_RxTreble, 0, "Normal", PickEntry(0), "Cut", 94, {0}},
      {CL_Common_RxBassBoost, 0, "OFF", Pressed(kKeySpace), "ON", 95, {1}},
      {CL_Common_TxBass, 0, "Normal", PickEntry(0), "Cut", 96, {0}},
      {CL_Common_TxTreble, 0, "Normal", Pressed(kKeyBackspace), "Cut", 97, {0}},
      {CL_Common_Auto_Reply, 0, "OFF", PickEntry(3), "Position", 27, {3}},
      {CL_Common_DV_Auto_Tx, 0, "PTT", PickEntry(1), "Auto", 28, {1}},
      {CL_Common_FastData, 0, "OFF", PickEntry(1), "ON", 146, {1}},
      {CL_Common_FastData_GPSSpd, 0, "Slow", PickEntry(1), "Fast", 148, {1}},
      {CL_Common_FastData_PTTDelay, 0, "OFF", PickEntry(10), "10sec", 147, {10}},
      {CL_Common_Digital_Monitor, 0, "Auto", PickEntry(2), "Analog", 29, {2}},
      {CL_Common_Digital_RPT_Set, 0, "OFF", PickEntry(1), "ON", 30, {1}},
      {CL_Common_RxCall_Write, 0, "OFF", PickEntry(1), "Auto", 31, {1}},
      {CL_Common_RxRPTCall_Write, 0, "OFF", PickEntry(1), "Auto", 32, {1}},
      {CL_Common_DV_Auto_Detect, 0, "OFF", PickEntry(1), "ON", 36, {1}},
      {CL_Common_RxRecord, 0, "ALL", PickEntry(1), "Latest Only", 37, {1}},
      {CL_Common_RxCsKey, 0, "Call Sign Capture", PickEntry(1), "RX>CS List", 158, {1}},
      {CL_Common_RX_CallSign_Disp, 0, "OFF", PickEntry(2), "Auto (RX Hold)", 53, {2}},
      {CL_Common_RX_Message_Disp, 0, "OFF", PickEntry(1), "Auto", 55, {1}},
      {CL_Common_ReplyPosDisp, 0, "OFF", PickEntry(1), "ON", 118, {1}},
      {CL_Common_DV_RX_Light, 0, "OFF", PickEntry(1), "ON", 56, {1}},
      {CL_Common_TX_CallSign_Disp, 0, "OFF", PickEntry(2), "My Call Sign", 54, {2}},
      {CL_Common_Name_Size, 0, "Normal", PickEntry(1), "Large", 85, {1}},
      {CL_Common_RXHis_CsName_Chg, 0, "Call Sign", PickEntry(1), "Name", 149, {1}},
      {CL_Common_Standby_Beep, 0, "ON", PickEntry(3), "ON (to me:Alarm/High Tone)", 65, {3}},
      {CL_Common_EmrAfLevel, 0, "19", Typed("25"), "25", 69, {25}},
      {CL_Common_GPS_Select, 0, "OFF", PickEntry(3), "Manual", 80, {3}},
      {CL_Common_GPS_IntPSave, 0, "OFF", PickEntry(5), "Auto", 58, {5}},
      {CL_Common_ManualPosLat,
       0,
       "--" + deg + "--.--'-",
       FromEditor(" 35 41.12'N"),
       "35" + deg + "41.12'N",
       236,
       {35, 0xA0, 0xA0, 'N'}},
      {CL_Common_ManualPosLon,
       0,
       "---" + deg + "--.--'-",
       FromEditor("139 41.50'E"),
       "139" + deg + "41.50'E",
       240,
       {139, 0xA2, 0x1C, 'E'}},
      {CL_Common_ManualPosAlt, 0, "------", Typed("100"), "100ft", 244, {0x00, 0x00, 0x03, 0xE8}},
      {CL_Common_CompassDirection, 0, "Heading Up", PickEntry(2), "South Up", 78, {2}},
      {CL_Common_Indicator, 0, "OFF", PickEntry(1), "ON", 72, {1}},
      {CL_Common_GPS_Correct, 0, "OFF", PickEntry(1), "Auto", 81, {1}},
      {CL_Common_GPS_Out, 0, "OFF", PickEntry(1), "ON", 73, {1}},
      {CL_Common_AlarmArea1, 0, "Limited", PickEntry(2), "Both", 232, {2}},
      {CL_Common_AlarmArea2, 0, "Limited", PickEntry(1), "Extended", 74, {1}},
      {CL_Common_GPSAlarmType, 0, "OFF", PickEntry(1), "RX", 229, {1, 0, 0}},
      {CL_Common_GPSAlarmBank, 0, "--", PickEntry(3), "--", 230, {0}},
      {CL_Common_AlarmCH, 0, "--", Typed("1"), "--", 231, {0}},
      {CL_Common_GPS_Tx, 0, "OFF", PickEntry(2), "NMEA(DV-G)", 33, {2}},
      {CL_Common_GPS_AutoTx, 0, "OFF", PickEntry(1), "5sec", 35, {1}},
      {CL_Common_GPS_ControlMode, 0, "OFF", FromEditor(std::to_string((1u << 25) | (1u << 24))), "GGA,RMC", 34, {0x11}},
      {CL_Common_GPS_Message_Code, 0, "", Typed("Hello"), "Hello", 248, {'H', 'e', 'l', 'l', 'o', ' '}},
      {CL_Common_UnprotoAddress,
       0,
       "",
       Typed("API282,DSTAR*"),
       "API282,DSTAR*",
       268,
       {'A', 'P', 'I', '2', '8', '2', ',', 'D', 'S', 'T', 'A', 'R', '*', 0xFF}},
      {CL_Common_AprsSymbol_CH, 0, "No.1", PickEntry(3), "No.4", 77, {3}},
      {CL_Common_AprsSymbolSel_1, 0, "/!", PickEntry(13), "/C", 367, {'/', 'C'}},
      {CL_Common_AprsSymbolEdit_1, 0, "/!", Typed("\\>"), "\\>", 367, {'\\', '>'}},
      {CL_Common_AprsSymbolSel_2, 0, "/!", PickEntry(74), "Others", 369, {'/', '"'}},
      {CL_Common_AprsSymbolEdit_2, 0, "/!", Typed("A#"), "A#", 369, {'A', '#'}},
      {CL_Common_AprsSymbolSel_3, 0, "/!", PickEntry(58), "IY", 371, {'I', 'Y'}},
      {CL_Common_AprsSymbolEdit_3, 0, "/!", Typed("/>"), "/>", 371, {'/', '>'}},
      {CL_Common_AprsSymbolSel_4, 0, "/!", Pressed(kKeySpace), "/#", 373, {'/', '#'}},
      {CL_Common_AprsSymbolEdit_4, 0, "/!", Typed("\\a"), "\\a", 373, {'\\', 'a'}},
      {CL_Common_SSID, 0, "---", PickEntry(10), "-9", 82, {10}},
      {CL_Common_Comment, 0, "", Typed("Hi there "), "Hi there", 324, {'H', 'i', ' ', 't', 'h', 'e', 'r', 'e', 0xFF}},
      {CL_Common_TimeStamp, 0, "OFF", PickEntry(2), "HMS", 76, {2}},
      {CL_Common_Alt, 0, "OFF", PickEntry(1), "ON", 83, {1}},
      {CL_Common_DataExtension, 0, "OFF", PickEntry(1), "Course/Speed", 75, {1}},
      {CL_Common_GpsLogger, 0, "OFF", PickEntry(1), "ON", 91, {1}},
      {CL_Common_GpsLogInterval, 0, "1sec", PickEntry(4), "60sec", 108, {4}},
      {CL_Common_GpsLogSentence, 0, "OFF", FromEditor(std::to_string(1u << 20)), "GSV", 157, {0x08}},
      {CL_Common_AutoPowerOFF, 0, "OFF", PickEntry(4), "120min", 2, {4}},
      {CL_Common_PowerSave, 0, "OFF", PickEntry(3), "Auto (Long)", 9, {3}},
      {CL_Common_Monitor, 0, "Push", PickEntry(1), "Hold", 11, {1}},
      {CL_Common_DialSpeedUP, 0, "OFF", PickEntry(1), "ON", 12, {1}},
      {CL_Common_AutoRepeater, 0, "OFF", PickEntry(2), "ON (DUP,TONE)", 4, {2}},
      {CL_Common_KeyLock, 0, "Normal", PickEntry(3), "ALL", 14, {3}},
      {CL_Common_PTTLock, 0, "OFF", PickEntry(1), "ON", 5, {1}},
      {CL_Common_BusyLockout, 0, "OFF", PickEntry(1), "ON", 6, {1}},
      {CL_Common_TOT, 0, "OFF", PickEntry(6), "30min", 7, {6}},
      {CL_Common_MicGainInt, 0, "2", PickEntry(3), "4", 16, {3}},
      {CL_Common_MicGainExt, 0, "2", PickEntry(2), "3", 17, {2}},
      {CL_Common_GPSSpeed, 0, "4800bps", PickEntry(1), "9600bps", 25, {1}},
      {CL_Common_ActiveBand, 0, "Single", PickEntry(1), "ALL", 8, {1}},
      {CL_Common_UTCOffset, 0, "0:00", Typed("-5:30"), "-5:30", 234, {0xFE, 0xB6}},
      {CL_Common_RemoteMicKey_Nor, 0, "---", PickEntry(20), "Voice TX", 135, {20}},
      {CL_Common_RemoteMicKey_Nor, 1, "---", PickEntry(14), "Home CH", 136, {14}},
      {CL_Common_RemoteMicKey_Nor, 2, "---", PickEntry(8), "MR (000 CH)", 137, {8}},
      {CL_Common_RemoteMicKey_Nor, 3, "---", PickEntry(1), "UP", 138, {1}},
      {CL_Common_RemoteMicKey_Tx, 0, "---", PickEntry(4), "T-CALL", 139, {4}},
      {CL_Common_RemoteMicKey_Tx, 1, "---", PickEntry(1), "VOL UP", 140, {1}},
      {CL_Common_RemoteMicKey_Tx, 2, "---", PickEntry(3), "Voice TX", 141, {3}},
      {CL_Common_RemoteMicKey_Tx, 3, "---", PickEntry(2), "VOL DOWN", 142, {2}},
      {CL_Common_HmchVfo, 0, "---", Typed("145"), "---", 127, {0, 0, 0, 0}},
      {CL_Common_HmchMr, 0, "---", Typed("1"), "---", 131, {0xFF, 0xFF}},
      {CL_Common_HmchDr, 0, "---", Typed("1"), "---", 133, {0xFF, 0xFF}},
      {CL_Common_VOX, 0, "OFF", PickEntry(1), "ON", 18, {1}},
      {CL_Common_VOX_SensLv, 0, "5", PickEntry(10), "10", 19, {10}},
      {CL_Common_VOX_Delay, 0, "0.5sec", PickEntry(5), "3.0sec", 20, {5}},
      {CL_Common_VOX_TOT, 0, "OFF", PickEntry(7), "15min", 21, {7}},
      {CL_Common_VOX_HS_Sel, 0, "QH-40", PickEntry(1), "Other", 26, {1}},
      {CL_Common_CIV_DataJk, 0, "OFF", PickEntry(2), "ON (Echo Back ON)", 154, {2}},
      {CL_Common_CIV_Address, 0, "00", Typed("7e"), "7E", 22, {0x7E}},
      {CL_Common_CIV_BaudRate, 0, "300bps", PickEntry(5), "Auto", 23, {5}},
      {CL_Common_CIV_Transceive, 0, "OFF", PickEntry(1), "ON", 24, {1}},
      {CL_Common_Backlight, 0, "Auto", PickEntry(3), "Auto (DC IN:ON)", 50, {3}},
      {CL_Common_Backlight_Tm, 0, "5sec", PickEntry(1), "10sec", 49, {1}},
      {CL_Common_Dimmer, 0, "Bright", PickEntry(1), "Dark", 52, {1}},
      {CL_Common_LCDContrast, 0, "8", PickEntry(15), "16", 48, {15}},
      {CL_Common_BusyLED, 0, "OFF", PickEntry(1), "ON", 47, {1}},
      {CL_Common_Scroll, 0, "Slow", PickEntry(1), "Fast", 57, {1}},
      {CL_Common_OpeningMessage, 0, "OFF", PickEntry(1), "ON", 59, {1}},
      {CL_Common_Voltage, 0, "OFF", PickEntry(1), "ON", 51, {1}},
      {CL_Common_PositionFormat, 0, "ddd" + deg + "mm.mm'", PickEntry(1), "ddd" + deg + "mm'ss\"", 70, {1}},
      {CL_Common_Units, 0, "ft/ml", PickEntry(0), "m", 71, {0}},
      {CL_Common_Speed_Units, 0, "mph", PickEntry(2), "knots", 87, {2}},
      {CL_Common_Temp_Units, 0, deg + "F", PickEntry(0), deg + "C", 150, {0}},
      {CL_Common_Baro_Units, 0, "inHg", PickEntry(1), "mb", 151, {1}},
      {CL_Common_Rain_Units, 0, "inch", PickEntry(0), "mm", 152, {0}},
      {CL_Common_WidSpd_Units, 0, "mph", PickEntry(2), "knots", 153, {2}},
      {CL_Common_DispLang, 0, "English", PickEntry(1), "Japanese", 60, {1}},
      {CL_Common_SysLang, 0, "English", PickEntry(1), "Japanese", 61, {1}},
      {CL_Common_Display_Type, 0, "Freq (Name OFF)", PickEntry(3), "Name", 84, {3}},
      {CL_Common_VolumeSelect, 0, "All", PickEntry(2), "Separate", 113, {2}},
      {CL_Common_RadioLevel, 0, "0 ", PickEntry(10), "+5 ", 114, {10}},
      {CL_Common_EarphoneMode, 0, "OFF", PickEntry(1), "ON", 79, {1}},
      {CL_Common_BeepLevel, 0, "5", PickEntry(8), "9", 62, {8}},
      {CL_Common_BeepVolLink, 0, "OFF", PickEntry(1), "ON", 67, {1}},
      {CL_Common_KeyTouchBeep, 0, "ON", PickEntry(0), "OFF", 63, {0}},
      {CL_Common_HmchBeep, 0, "ON", PickEntry(0), "OFF", 143, {0}},
      {CL_Common_BandEdgeBeep, 0, "ON", PickEntry(0), "OFF", 66, {0}},
      {CL_Common_StopBeep, 0, "ON", PickEntry(0), "OFF", 64, {0}},
      {CL_Common_SubBandMute, 0, "OFF", PickEntry(3), "Mute & Beep", 110, {3}},
      {CL_Common_Scope_AF_out, 0, "OFF", PickEntry(1), "ON", 68, {1}},
      {CL_Common_Speech_RxCall, 0, "OFF", PickEntry(2), "ON (All)", 98, {2}},
      {CL_Common_Speech_RxCs, 0, "OFF", PickEntry(1), "ON", 99, {1}},
      {CL_Common_Speech_Dial, 0, "OFF", PickEntry(1), "ON", 100, {1}},
      {CL_Common_Speech_Mode, 0, "OFF", PickEntry(1), "ON", 101, {1}},
      {CL_Common_Speech_Language, 0, "English", PickEntry(1), "Japanese", 102, {1}},
      {CL_Common_Speech_Alphabet, 0, "Normal", PickEntry(1), "Phonetic Code", 103, {1}},
      {CL_Common_Speech_Speed, 0, "Slow", PickEntry(1), "Fast", 104, {1}},
      {CL_Common_Speech_Level, 0, "4", Typed("12"), "9", 105, {9}},
      {CL_Common_RecMode, 0, "TX&RX", PickEntry(1), "RX Only", 90, {1}},
      {CL_Common_RecCondition, 0, "Always", PickEntry(1), "Squelch Auto", 89, {1}},
      {CL_Common_FileSplit, 0, "OFF", PickEntry(1), "ON", 88, {1}},
      {CL_Common_PttAutoRec, 0, "OFF", PickEntry(1), "ON", 106, {1}},
      {CL_Common_PlaySkipTime, 0, "3sec", PickEntry(3), "30sec", 107, {3}},
      {CL_Common_VcMem_MicGain, 0, "2", PickEntry(3), "4", 120, {3}},
      {CL_Common_VcMem_PlaySkipTime, 0, "3sec", PickEntry(2), "10sec", 119, {2}},
      {CL_Common_VcTxRptTime, 0, "1sec", PickEntry(14), "15sec", 121, {14}},
      {CL_Common_VcTxMon, 0, "OFF", PickEntry(1), "ON", 122, {1}},
      {CL_Common_Radio_AttFM, 0, "OFF", PickEntry(1), "30dB", 180, {1}},
      {CL_Common_Radio_AttAM, 0, "OFF", PickEntry(3), "50dB", 180, {3}},
      {CL_Common_Radio_AutoMute, 0, "OFF", PickEntry(11), "10sec", 115, {11}},
      {CL_Common_Radio_FMAntenna, 0, "External", PickEntry(1), "Earphone", 116, {1}},
      {CL_Common_Radio_PowerSave, 0, "OFF", PickEntry(1), "ON", 117, {1}},
      {CL_Common_QsoLog, 0, "OFF", PickEntry(1), "ON", 123, {1}},
      {CL_Common_RxHisLog, 0, "OFF", PickEntry(1), "ON", 124, {1}},
      {CL_Common_CsvSepdec, 0, "Sep [,]  Dec [.]", PickEntry(2), "Sep [;]  Dec [,]", 125, {2}},
      {CL_Common_CsvDate, 0, "yyyy/mm/dd", PickEntry(2), "dd/mm/yyyy", 126, {2}},
      {CL_Common_Exp_CsvSepdec, 0, "Sep [,]  Dec [.]", PickEntry(1), "Sep [;]  Dec [.]", 155, {1}},
      {CL_Common_Exp_CsvDate, 0, "yyyy/mm/dd", PickEntry(1), "mm/dd/yyyy", 156, {1}},
      {CL_Common_RFPower, 0, "High", PickEntry(0), "S-Low", 165, {0}},
      {CL_Common_RFPower, 1, "High", PickEntry(3), "Mid", 166, {3}},
      {CL_Common_ToneBurst, 0, "OFF", PickEntry(1), "ON", 15, {1}},
      {CL_Common_AttAir, 0, "OFF", PickEntry(1), "30dB", 180, {1}},
      {CL_Common_Heterodyne, 0, "Normal", PickEntry(1), "Reverse", 144, {1}},
      {CL_Common_ChargingPowerON, 0, "OFF", PickEntry(1), "ON", 145, {1}},
      {CL_Common_CloneComment,
       0,
       "",
       Typed("Field day"),
       "Field day",
       MemoryMap::kImageComment - kSettings,
       {'F', 'i', 'e', 'l', 'd', ' ', 'd', 'a', 'y', ' '}},
      {CL_Common_PauseTimer, 0, "2sec", PickEntry(10), "Hold", 38, {10}},
      {CL_Common_PauseTimer, 1, "2sec", PickEntry(4), "10sec", 39, {4}},
      {CL_Common_ResumeTimer, 0, "0sec", PickEntry(6), "Hold", 40, {6}},
      {CL_Common_ResumeTimer, 1, "0sec", PickEntry(2), "2sec", 41, {2}},
      {CL_Common_TempSkipTimer, 0, "5min", PickEntry(2), "15min", 111, {2}},
      {CL_Common_TempSkipTimer, 1, "5min", PickEntry(1), "10min", 112, {1}},
      {CL_Common_ProgramSkipScan, 0, "OFF", PickEntry(1), "ON", 45, {1}},
      {CL_Common_ProgramSkipScan, 1, "OFF", PickEntry(1), "ON", 46, {1}},
      {CL_Common_BankLink_A_J, 0, "__________\n", Pressed('c'), "__C_______\n", 1069, {0x04, 0, 0, 0}},
      {CL_Common_BankLink_A_J,
       1,
       "__________\n",
       FromEditor(std::to_string(1u << 25)),
       "A_________\n",
       1073,
       {0x01, 0, 0, 0}},
      {CL_Common_BankLink_K_T, 0, "__________\n", Pressed('T'), "_________T\n", 1069, {0, 0, 0x08, 0}},
      {CL_Common_BankLink_K_T, 1, "__________\n", Pressed(kKeySpace), "KLMNOPQRST\n", 1073, {0, 0xFC, 0x0F, 0}},
      {CL_Common_BankLink_U_Z, 0, "______\n", Pressed('z'), "_____Z\n", 1069, {0, 0, 0, 0x02}},
      {CL_Common_BankLink_U_Z, 1, "______\n", Pressed(kKeyBackspace), "UVWXYZ\n", 1073, {0, 0, 0xF0, 0x03}},
      {CL_Common_Wx_Alert, 0, "OFF", PickEntry(1), "ON", 43, {1}},
      {CL_Common_Wx_Alert, 1, "OFF", PickEntry(1), "ON", 44, {1}},
      {CL_Common_Wx_Ch, 0, "0", Typed("7"), "7", 1051, {7}},
      {CL_Common_Wx_Ch, 1, "0", Pressed(kKeyBackspace), "9", 1052, {9}},
  };
}

TEST_F(SetModeItems, EveryItemShowsItsValueAndStoresOneEdit) {
  for (const ItemRow& row : ItemRows()) {
    SCOPED_TRACE(std::string(CellIdName(row.cellId)) + "[" + std::to_string(row.index) + "]");
    TestDocument fresh{kUsDestination};
    CellRequests fixture{fresh};
    document.image.Assign(fresh.image);
    EXPECT_EQ(Shown(row.cellId, row.index), row.before);
    switch (row.edit.kind) {
      case Edit::kPick:
        Pick(row.cellId, row.index, Flex0, row.edit.entry);
        break;
      case Edit::kCommit:
        Commit(row.cellId, row.index, row.edit.text);
        break;
      case Edit::kEditor:
        EditorPick(row.cellId, row.index, row.edit.text);
        break;
      case Edit::kKey:
        Key(row.cellId, row.index, row.edit.key);
        break;
    }
    EXPECT_EQ(Shown(row.cellId, row.index), row.after);
    for (std::size_t i = 0; i < row.stored.size(); ++i) {
      EXPECT_EQ(Byte(row.at + static_cast<Address>(i)), row.stored[i]) << "byte " << i;
    }
  }
}

// Every item the pages show, for each layout of regional rows, has its row in the table
// above and none shows "*Yet*".
TEST_F(SetModeItems, EveryItemOfThePagesIsBuilt) {
  std::set<std::pair<unsigned, int>> tested;
  for (const ItemRow& row : ItemRows()) tested.insert({row.cellId, row.index});
  for (const int destination : {0, 2, 5, 15}) {
    document.settings.destinationCode = destination;
    for (const SetModeRow& row : SetModeRows(document)) {
      SCOPED_TRACE(std::string(CellIdName(row.cellId)) + " on " + std::string(row.page));
      EXPECT_TRUE(tested.count({row.cellId, row.index}));
      EXPECT_EQ(Shown(row.cellId, row.index).find("*Yet*"), std::string::npos);
      EXPECT_FALSE(row.label.empty());
    }
  }
}

TEST_F(SetModeItems, RegionalRowsFollowTheDestination) {
  const auto has = [this](unsigned cellId) {
    for (const SetModeRow& row : SetModeRows(document)) {
      if (row.cellId == cellId) return true;
    }
    return false;
  };
  const struct {
    int destination;
    bool autoRepeater;
    bool weather;
  } cases[] = {{0, true, true}, {1, true, true}, {2, false, false}, {5, true, false}, {15, true, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.destination);
    document.settings.destinationCode = c.destination;
    EXPECT_EQ(has(CL_Common_AutoRepeater), c.autoRepeater);
    EXPECT_EQ(has(CL_Common_Wx_Alert), c.weather);
    EXPECT_EQ(has(CL_Common_Wx_Ch), c.weather);
    EXPECT_TRUE(has(CL_Common_PTTLock));
  }
}

TEST_F(SetModeItems, AutoRepeaterDependsOnTheDestination) {
  SetByte(3, 1);
  SetByte(4, 2);
  const struct {
    int destination;
    std::string shown;
  } cases[] = {{0, "ON (DUP,TONE)"}, {1, "ON (DUP,TONE)"}, {5, "ON"}, {15, "ON"}, {2, ""}, {9, ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.destination);
    document.settings.destinationCode = c.destination;
    EXPECT_EQ(Shown(CL_Common_AutoRepeater), c.shown);
  }
  document.settings.destinationCode = 15;
  Key(CL_Common_AutoRepeater, 0, kKeySpace);
  EXPECT_EQ(Byte(3), 0);
  EXPECT_EQ(Byte(4), 2);
  document.settings.destinationCode = 2;
  Key(CL_Common_AutoRepeater, 0, kKeySpace);
  EXPECT_EQ(Pick(CL_Common_AutoRepeater, 0, Flex0, 1).inputRefused, true);
  EXPECT_EQ(Byte(3), 0);
  EXPECT_EQ(Byte(4), 2);
}

TEST_F(SetModeItems, GreyingFollowsTheSettingsItDependsOn) {
  EXPECT_TRUE(Greyed(requests.Query(kCategoryNone, CL_Common_DispLang, 0)));
  EXPECT_TRUE(Greyed(requests.Query(kCategoryNone, CL_Common_ManualPosLat, 0)));
  EXPECT_TRUE(Greyed(requests.Query(kCategoryNone, CL_Common_ManualPosAlt, 0)));
  EXPECT_TRUE(Greyed(requests.Query(kCategoryNone, CL_Common_Wx_Ch, 1)));
  const cmcCellCapsule language = Pick(CL_Common_SysLang, 0, Flex0, 1);
  EXPECT_NE(requests.Query(kCategoryNone, CL_Common_SysLang, 0).fontColor, kClSilver);
  EXPECT_FALSE(Greyed(requests.Query(kCategoryNone, CL_Common_DispLang, 0)));
  Pick(CL_Common_GPS_Select, 0, Flex0, 3);
  EXPECT_FALSE(Greyed(requests.Query(kCategoryNone, CL_Common_ManualPosLon, 0)));
  EXPECT_FALSE(Greyed(requests.Query(kCategoryNone, CL_Common_ManualPosAlt, 0)));
  Pick(CL_Common_Wx_Alert, 1, Flex0, 1);
  EXPECT_FALSE(Greyed(requests.Query(kCategoryNone, CL_Common_Wx_Ch, 1)));
  EXPECT_TRUE(Greyed(requests.Query(kCategoryNone, CL_Common_Wx_Ch, 0))) << "band A keeps its own alert";
}

TEST_F(SetModeItems, AChangeRepaintsThePage) {
  std::uint32_t scope = 0;
  cmcCellCapsule request = requests.Make(kCategoryNone, CL_Common_SysLang, 0, {});
  request.key = kKeySpace;
  request.repaint = RepaintCallback{
      [](const cmcCellCapsule&, std::uint32_t s, void* out) { *static_cast<std::uint32_t*>(out) = s; }, &scope};
  requests.Act(request);
  EXPECT_TRUE(scope & kRepaintEveryBoundCell);
}

TEST_F(SetModeItems, ListVariantsFollowOtherSettings) {
  struct Case {
    const char* name;
    std::vector<std::pair<Address, std::uint8_t>> bytes;
    unsigned cellId;
    std::string listKey;
    std::string shown;
  };
  const std::vector<Case> cases = {
      {"baud rate, data jack off",
       {{154, 0}, {23, 1}},
       CL_Common_CIV_BaudRate,
       "GI_Sheet_Sel_Common_CIV_BaudRate",
       "1200bps"},
      {"data jack on, 300",
       {{154, 1}, {23, 0}},
       CL_Common_CIV_BaudRate,
       "GI_Sheet_Sel_Common_CIV_BaudRate_300Mask",
       "4800bps"},
      {"data jack on, 1200",
       {{154, 2}, {23, 1}},
       CL_Common_CIV_BaudRate,
       "GI_Sheet_Sel_Common_CIV_BaudRate_1200Mask",
       "4800bps"},
      {"data jack on, auto",
       {{154, 1}, {23, 5}},
       CL_Common_CIV_BaudRate,
       "GI_Sheet_Sel_Common_CIV_BaudRate_AutoMask",
       "9600bps"},
      {"data jack on, 19200",
       {{154, 1}, {23, 4}},
       CL_Common_CIV_BaudRate,
       "GI_Sheet_Sel_Common_CIV_BaudRate_ExcMask",
       "19200bps"},
      {"display type, Japanese system",
       {{61, 1}, {84, 2}},
       CL_Common_Display_Type,
       "GI_Sheet_Sel_Common_Display_Type",
       "Freq (Large Name)"},
      {"display type, large",
       {{61, 0}, {84, 4}},
       CL_Common_Display_Type,
       "GI_Sheet_Sel_Common_Display_Type_EngLarge",
       "Name"},
      {"display type, normal",
       {{61, 0}, {84, 1}},
       CL_Common_Display_Type,
       "GI_Sheet_Sel_Common_Display_Type_EngNormal",
       "Freq"},
      {"auto TX in D-PRS", {{33, 1}, {35, 2}}, CL_Common_GPS_AutoTx, "GI_Sheet_Sel_Common_GpsAutoTX2", "10sec"},
      {"auto TX in D-PRS keeps 5 seconds",
       {{33, 1}, {35, 1}},
       CL_Common_GPS_AutoTx,
       "GI_Sheet_Sel_Common_GpsAutoTX",
       "5sec"},
      {"auto TX in NMEA", {{33, 2}, {35, 1}}, CL_Common_GPS_AutoTx, "GI_Sheet_Sel_Common_GpsAutoTX", "5sec"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (const auto& [offset, value] : c.bytes) SetByte(offset, value);
    EXPECT_EQ(Shown(c.cellId), c.shown);
    const cmcCellCapsule enter = Key(c.cellId, 0, kKeyEnter).first;
    const auto* list = std::get_if<SelectionListPopup>(&enter.popup);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->listKey, c.listKey);
  }
}

TEST_F(SetModeItems, JapaneseDisplayTakesTheJapaneseUnitLists) {
  document.settings.displayLanguage = EnvironSettings::kLanguageJapanese;
  const PopupRequest formatPopup = EnterPopup(CL_Common_PositionFormat, 0);
  const auto* format = std::get_if<SelectionListPopup>(&formatPopup);
  const PopupRequest unitsPopup = EnterPopup(CL_Common_Temp_Units, 0);
  const auto* units = std::get_if<SelectionListPopup>(&unitsPopup);
  ASSERT_TRUE(format != nullptr && units != nullptr);
  EXPECT_EQ(format->listKey, "GI_Sheet_Sel_MenuMode_GpsFormat_JPN");
  EXPECT_EQ(units->listKey, "GI_Sheet_Sel_Common_Temp_Units_JPN");
}

TEST_F(SetModeItems, GpsAlarmChain) {
  // No group holds a memory: choosing one memory changes nothing.
  FillGpsGroup(0, 0);
  SetByte(229, 1);
  EXPECT_TRUE(Pick(CL_Common_GPSAlarmType, 0, Flex0, 3).inputRefused);
  EXPECT_EQ(Byte(229), 1);
  EXPECT_EQ(Shown(CL_Common_GPSAlarmType), "RX");
  EXPECT_EQ(Shown(CL_Common_GPSAlarmBank), "--");
  EXPECT_EQ(Shown(CL_Common_AlarmCH), "--");

  // Group C (3) holds two memories: one memory takes it, at position 0.
  FillGpsGroup(3, 2);
  Pick(CL_Common_GPSAlarmType, 0, Flex0, 3);
  EXPECT_EQ(Byte(229), 3);
  EXPECT_EQ(Byte(230), 3);
  EXPECT_EQ(Byte(231), 0);
  EXPECT_EQ(Shown(CL_Common_GPSAlarmBank), "Group C");
  EXPECT_EQ(Shown(CL_Common_AlarmCH), "0");

  // The memory position is kept only below the group's memory count.
  EXPECT_FALSE(Commit(CL_Common_AlarmCH, 0, "1").inputRefused);
  EXPECT_EQ(Byte(231), 1);
  EXPECT_TRUE(Commit(CL_Common_AlarmCH, 0, "2").inputRefused);
  EXPECT_EQ(Byte(231), 1);
  EXPECT_EQ(Shown(CL_Common_AlarmCH), "1");

  // Another group is taken only when it holds memories.
  EXPECT_TRUE(Pick(CL_Common_GPSAlarmBank, 0, Flex0, 5).inputRefused);
  EXPECT_EQ(Byte(230), 3);
  EXPECT_EQ(Byte(231), 1);

  // A group alarm: any group of the list, the position back to 0.
  Pick(CL_Common_GPSAlarmType, 0, Flex0, 2);
  EXPECT_EQ(Byte(229), 2);
  EXPECT_EQ(Byte(230), 0);
  EXPECT_EQ(Shown(CL_Common_GPSAlarmBank), "All Memories");
  SetByte(231, 7);
  Pick(CL_Common_GPSAlarmBank, 0, Flex0, 6);
  EXPECT_EQ(Byte(230), 6);
  EXPECT_EQ(Byte(231), 0);
  EXPECT_EQ(Shown(CL_Common_GPSAlarmBank), "Group E");
  EXPECT_EQ(Shown(CL_Common_AlarmCH), "--");
}

TEST_F(SetModeItems, SymbolPairs) {
  const Address first = 367;
  const auto store = [&](char table, char code) {
    SetByte(first, static_cast<std::uint8_t>(table));
    SetByte(first + 1, static_cast<std::uint8_t>(code));
  };
  store('/', '$');  // no entry holds it
  EXPECT_EQ(Shown(CL_Common_AprsSymbolSel_1), "Others");
  EXPECT_EQ(Shown(CL_Common_AprsSymbolEdit_1), "/$");
  const PopupRequest listPopup = EnterPopup(CL_Common_AprsSymbolSel_1, 0);
  const auto* list = std::get_if<SelectionListPopup>(&listPopup);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->value, kAprsOtherSymbol);
  store('A', '#');  // an overlay on the alternate table's "#"
  EXPECT_EQ(Shown(CL_Common_AprsSymbolSel_1), "\\# (A)");
  store('I', 'Y');  // a pair of its own, no overlay
  EXPECT_EQ(Shown(CL_Common_AprsSymbolSel_1), "IY");
  store('9', 'Q');  // an overlay on a symbol the table lacks
  EXPECT_EQ(Shown(CL_Common_AprsSymbolSel_1), "Others");

  const struct {
    const char* typed;
    bool taken;
  } edits[] = {{"/>", true}, {"\\a", true}, {"Z#", true}, {"a#", false}, {"/ ", false}, {"x", false}};
  for (const auto& e : edits) {
    SCOPED_TRACE(e.typed);
    store('/', '!');
    EXPECT_EQ(Commit(CL_Common_AprsSymbolEdit_1, 0, e.typed).inputRefused, !e.taken);
    const std::string stored{static_cast<char>(Byte(first)), static_cast<char>(Byte(first + 1))};
    EXPECT_EQ(stored, e.taken ? std::string(e.typed) : "/!");
  }
}

TEST_F(SetModeItems, SymbolCellShowsTheCaptionOrTheTwoCharacters) {
  EXPECT_EQ(AprsSymbolText(document.listCache, {'/', '>'}), "/>");
  EXPECT_EQ(AprsSymbolText(document.listCache, {'3', 'L'}), "\\L (3)");
  EXPECT_EQ(AprsSymbolText(document.listCache, {'/', '$'}), "/$");
  EXPECT_EQ(AprsSymbolPair(kAprsOtherSymbol), (SymbolPair{'/', '"'}));
  for (int entry = 0; entry < kAprsSymbolCount; ++entry) {
    EXPECT_EQ(FindAprsSymbol(AprsSymbolPair(entry)).entry, entry) << "the table holds each pair once";
  }
}

TEST_F(SetModeItems, CommentLengthDependsOnDataExtensionAndAltitude) {
  const struct {
    std::uint8_t extension;
    std::uint8_t altitude;
    int valid;
  } cases[] = {{0, 0, 43}, {1, 0, 36}, {0, 1, 35}, {1, 1, 28}};
  for (const auto& c : cases) {
    SetByte(75, c.extension);
    SetByte(83, c.altitude);
    EXPECT_EQ(requests.Query(kCategoryNone, CL_Common_Comment, 0).validLength, c.valid);
  }
  Commit(CL_Common_Comment, 0, std::string(50, 'c'));
  EXPECT_EQ(Byte(324 + 42), 'c');
  EXPECT_EQ(Byte(324 + 43), '/') << "the symbol after the field is untouched";
  Commit(CL_Common_Comment, 0, "short");
  EXPECT_EQ(Byte(324 + 5), 0xFF);
  EXPECT_EQ(Byte(324 + 42), 0xFF);
}

TEST_F(SetModeItems, HomeChannelsShowTheirReferencesAndOnlyClear) {
  WriteU32(document.image, kSettings + 127, 145000000);
  const struct {
    std::uint16_t memory;
    std::string shown;
  } memories[] = {{7, "7"}, {499, "499"}, {500, "00A"}, {549, "24B"}, {550, "---"}, {0xFFFF, "---"}};
  for (const auto& m : memories) {
    WriteU16(document.image, kSettings + 131, m.memory);
    EXPECT_EQ(Shown(CL_Common_HmchMr), m.shown) << m.memory;
  }
  EXPECT_EQ(Shown(CL_Common_HmchVfo), " 145.000000");
  EXPECT_EQ(requests.Query(kCategoryNone, CL_Common_HmchVfo, 0).fontColor, kClOlive);

  SetGroupCount(document.image, 0, 5);
  datCh repeater(document.image);
  repeater.Load(RecordKind::kRepeater, 4);
  repeater.frequency = 439010000;
  repeater.name = kBlankName;
  repeater.callSign = kBlankCallSign;
  repeater.Commit();
  WriteU16(document.image, kSettings + 133, 4);
  EXPECT_EQ(Shown(CL_Common_HmchDr), "439.010000");
  repeater.callSign = MakeFixedText<8>("JR1VB  A");
  repeater.Commit();
  EXPECT_EQ(Shown(CL_Common_HmchDr), "JR1VB  A");
  repeater.name = MakeFixedText<16>("Tokyo \x83\x41");
  repeater.Commit();
  EXPECT_EQ(Shown(CL_Common_HmchDr), "Tokyo =");
  WriteU16(document.image, kSettings + 133, 750);
  EXPECT_EQ(Shown(CL_Common_HmchDr), "---");

  const std::vector<std::uint8_t> before(document.image.Bytes().begin(), document.image.Bytes().end());
  for (const unsigned id : {CL_Common_HmchVfo, CL_Common_HmchMr, CL_Common_HmchDr}) {
    EXPECT_EQ(Key(id, 0, '1').second, kCellResultNothing);
    EXPECT_TRUE(Commit(id, 0, "5").inputRefused);
  }
  EXPECT_TRUE(std::equal(before.begin(), before.end(), document.image.Bytes().begin()));

  cmcCellCapsule clear = requests.Make(kCategoryNone, CL_Common_HmchVfo, 0, {});
  clear.command = CL_PMenu_HomeCH_Clear;
  requests.Act(clear);
  EXPECT_EQ(Shown(CL_Common_HmchVfo), "---");
}

TEST_F(SetModeItems, AttenuatorsShareOneByte) {
  Pick(CL_Common_Radio_AttAM, 0, Flex0, 2);
  EXPECT_EQ(Byte(180), 2);
  EXPECT_EQ(Shown(CL_Common_Radio_AttAM), "30dB");
  EXPECT_EQ(Shown(CL_Common_Radio_AttFM), "error") << "a value outside its own list";
  EXPECT_EQ(Shown(CL_Common_AttAir), "error");
}

TEST_F(SetModeItems, StoredValuesOutsideAListShowErrorAndOpenWithoutSelection) {
  SetByte(2, 9);
  EXPECT_EQ(Shown(CL_Common_AutoPowerOFF), "error");
  const PopupRequest listPopup = EnterPopup(CL_Common_AutoPowerOFF, 0);
  const auto* list = std::get_if<SelectionListPopup>(&listPopup);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->value, 9) << "no entry of the list stands for the value";
  Key(CL_Common_AutoPowerOFF, 0, kKeySpace);
  EXPECT_EQ(Byte(2), 0) << "stepping starts at the first entry";
}

TEST_F(SetModeItems, RadioLevelOpensItsIntegerListAndTakesAPick) {
  SetByte(114, 7);
  EXPECT_EQ(Shown(CL_Common_RadioLevel), "+2 ");
  const auto [enter, result] = Key(CL_Common_RadioLevel, 0, kKeyEnter);
  EXPECT_EQ(result, kCellResultRefresh);
  const auto* list = std::get_if<IntegerListPopup>(&enter.popup);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->value, 7);
  EXPECT_EQ(list->minimum, 0);
  EXPECT_EQ(list->maximum, 10);
  EXPECT_EQ(list->offset, -5);
  EXPECT_EQ(list->step, 1);
  EXPECT_TRUE(list->rightAligned && list->reversed && list->signedText);
  Pick(CL_Common_RadioLevel, 0, Flex0, 0);
  EXPECT_EQ(Byte(114), 0);
  EXPECT_EQ(Shown(CL_Common_RadioLevel), "-5 ");
  Pick(CL_Common_RadioLevel, 0, Flex0, 11);
  EXPECT_EQ(Byte(114), 0) << "an entry outside the list";
  Commit(CL_Common_RadioLevel, 0, "+4");
  EXPECT_EQ(Byte(114), 9);
  Key(CL_Common_RadioLevel, 0, kKeySpace);
  Key(CL_Common_RadioLevel, 0, kKeySpace);
  EXPECT_EQ(Byte(114), 0) << "stepping wraps";
}

TEST_F(SetModeItems, SentenceSetsEditInTheBitFieldEditorAndKeepTheHighBits) {
  SetByte(34, 0xC0 | 0x05);  // GGA and GSA, two bits nobody uses
  EXPECT_EQ(Shown(CL_Common_GPS_ControlMode), "GGA,GSA");
  const PopupRequest editorPopup = EnterPopup(CL_Common_GPS_ControlMode, 0);
  const auto* editor = std::get_if<BitFieldPopup>(&editorPopup);
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->labelType, 4);
  EXPECT_EQ(editor->first, 1);
  EXPECT_EQ(editor->last, 6);
  // The editor's flags are RMC, GGA, GLL, GSA, VTG, GSV: GGA is flag 2, GSA flag 4.
  EXPECT_EQ(editor->value, (1u << 24) | (1u << 22));
  // RMC and VTG picked.
  EditorPick(CL_Common_GPS_ControlMode, 0, std::to_string((1u << 25) | (1u << 21)));
  EXPECT_EQ(Byte(34), 0xC0 | 0x30);
  EXPECT_EQ(Shown(CL_Common_GPS_ControlMode), "RMC,VTG");
  EditorPick(CL_Common_GPS_ControlMode, 0, "not a number");
  EXPECT_EQ(Byte(34), 0xC0 | 0x30);
  EXPECT_TRUE(Commit(CL_Common_GPS_ControlMode, 0, "GGA").inputRefused);
}

TEST_F(SetModeItems, BankLinksKeepTheOtherBitsOfTheirBytes) {
  const Address bandB = 1073;
  for (int i = 0; i < 4; ++i) SetByte(bandB + i, 0xFF);
  EXPECT_EQ(Shown(CL_Common_BankLink_K_T, 1), "KLMNOPQRST\n");
  Key(CL_Common_BankLink_K_T, 1, kKeySpace);  // all set: clears them
  EXPECT_EQ(Byte(bandB), 0xFF);
  EXPECT_EQ(Byte(bandB + 1), 0x03);
  EXPECT_EQ(Byte(bandB + 2), 0xF0);
  EXPECT_EQ(Byte(bandB + 3), 0xFF);
  EXPECT_EQ(Shown(CL_Common_BankLink_A_J, 1), "ABCDEFGHIJ\n");
  EXPECT_EQ(Shown(CL_Common_BankLink_U_Z, 1), "UVWXYZ\n");
  const PopupRequest editorPopup = EnterPopup(CL_Common_BankLink_U_Z, 0);
  const auto* editor = std::get_if<BitFieldPopup>(&editorPopup);
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->first, 21);
  EXPECT_EQ(editor->last, 26);
}

TEST_F(SetModeItems, StoredValuesForTheCommandLine) {
  SetByte(2, 3);
  WriteU16(document.image, kSettings + 234, static_cast<std::uint16_t>(-330));
  SetByte(1073 + 1, 0x0C);
  const StoredSetting power = ReadStoredSetting(document, CL_Common_AutoPowerOFF, 0);
  EXPECT_EQ(power.number, 3);
  EXPECT_EQ(ReadStoredSetting(document, CL_Common_UTCOffset, 0).number, -330);
  EXPECT_EQ(ReadStoredSetting(document, CL_Common_BankLink_K_T, 1).number, 0x3);
  EXPECT_EQ(ReadStoredSetting(document, CL_Common_AprsSymbolSel_1, 0).text, "/!");
  EXPECT_TRUE(ReadStoredSetting(document, CL_Common_ManualPosLat, 0).shownTextIsValue);
  EXPECT_FALSE(ReadStoredSetting(document, CL_Common_RFPower, 2).number.has_value());
  document.settings.destinationCode = 2;
  EXPECT_FALSE(ReadStoredSetting(document, CL_Common_AutoRepeater, 0).number.has_value());
}

// Whatever bytes a file brings, the items show them without writing and without a fault:
// references and list values out of range show as none or "error".
TEST_F(SetModeItems, AnImageOfRandomBytesShowsWithoutAWrite) {
  for (const std::uint32_t seed : {1u, 2u, 3u}) {
    for (const int destination : {1, 15}) {
      SCOPED_TRACE(std::to_string(seed) + " / " + std::to_string(destination));
      document.settings.destinationCode = destination;
      document.image.Assign(GarbageImage(seed));
      PrepareLoadedImage(document.image, document.defaults);
      const cmcEeprom loaded = document.image;
      for (const SetModeRow& row : SetModeRows(document)) {
        EXPECT_EQ(Shown(row.cellId, row.index).find("*Yet*"), std::string::npos);
      }
      EXPECT_EQ(FirstDifference(document.image, loaded), -1);
    }
  }
}

}  // namespace
