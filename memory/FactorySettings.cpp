#include "memory/FactorySettings.h"

#include <array>

#include "memory/DestinationTables.h"
#include "memory/MemoryMap.h"

using namespace std::string_view_literals;

namespace {

constexpr int kSettingAreaSize = MemoryMap::kMapRevision - MemoryMap::kSettings;

// The rules behind the values: a level stands at the middle entry of its list (the lower of
// two middles); RF power is High; the backlight is Auto; beeps sound; time-outs, locks,
// automatic power-off, power saving and what the radio would send or set by itself are off;
// units follow the destination (US units for the US versions, metric elsewhere). Where
// nothing tells what a new radio shows, the item keeps its list's first entry and the row
// says "no evidence".
constexpr std::array kFactorySettings = std::to_array<FactorySetting>({
    // Digital page.
    {.items = "RxBass", .offset = 93, .value = 1, .reason = "Normal: the middle of Cut, Normal, Boost, a flat sound"},
    {.items = "RxTreble", .offset = 94, .value = 1, .reason = "Normal: the middle of Cut, Normal, Boost, a flat sound"},
    {.items = "RxBassBoost", .offset = 95, .value = 0, .reason = "OFF: no evidence"},
    {.items = "TxBass", .offset = 96, .value = 1, .reason = "Normal: the middle of Cut, Normal, Boost, a flat sound"},
    {.items = "TxTreble", .offset = 97, .value = 1, .reason = "Normal: the middle of Cut, Normal, Boost, a flat sound"},
    {.items = "Auto_Reply", .offset = 27, .value = 0, .reason = "OFF: the radio answers nobody by itself"},
    {.items = "DV_Auto_Tx", .offset = 28, .value = 0, .reason = "PTT: data goes out only while the user transmits"},
    {.items = "FastData", .offset = 146, .value = 0, .reason = "OFF: no evidence"},
    {.items = "FastData_GPSSpd", .offset = 148, .value = 0, .reason = "Slow: no evidence"},
    {.items = "FastData_PTTDelay", .offset = 147, .value = 0, .reason = "OFF: no transmission held on by itself"},
    {.items = "Digital_Monitor", .offset = 29, .value = 0, .reason = "Auto: no evidence"},
    {.items = "Digital_RPT_Set", .offset = 30, .value = 0, .reason = "OFF: an automatic repeater function"},
    {.items = "RxCall_Write", .offset = 31, .value = 0, .reason = "OFF: no evidence"},
    {.items = "RxRPTCall_Write", .offset = 32, .value = 0, .reason = "OFF: an automatic repeater function"},
    {.items = "DV_Auto_Detect", .offset = 36, .value = 0, .reason = "OFF: no evidence"},
    {.items = "RxRecord", .offset = 37, .value = 0, .reason = "ALL: no evidence"},
    {.items = "RxCsKey", .offset = 158, .value = 0, .reason = "Call Sign Capture: no evidence"},
    {.items = "RX_CallSign_Disp", .offset = 53, .value = 0, .reason = "OFF: no evidence"},
    {.items = "RX_Message_Disp", .offset = 55, .value = 0, .reason = "OFF: no evidence"},
    {.items = "ReplyPosDisp", .offset = 118, .value = 0, .reason = "OFF: no evidence"},
    {.items = "DV_RX_Light", .offset = 56, .value = 0, .reason = "OFF: no evidence"},
    {.items = "TX_CallSign_Disp", .offset = 54, .value = 0, .reason = "OFF: no evidence"},
    {.items = "Name_Size", .offset = 85, .value = 0, .reason = "Normal: no evidence"},
    {.items = "RXHis_CsName_Chg", .offset = 149, .value = 0, .reason = "Call Sign: no evidence"},
    {.items = "Standby_Beep", .offset = 65, .value = 1, .reason = "ON: beeps sound"},
    {.items = "EmrAfLevel", .offset = 69, .value = 19, .reason = "19: the middle of 0 to 39"},
    // GPS page.
    {.items = "GPS_Select", .offset = 80, .value = 0, .reason = "OFF: no evidence"},
    {.items = "GPS_IntPSave", .offset = 58, .value = 0, .reason = "OFF: power saving is the user's choice"},
    {.items = "ManualPosLat", .offset = 236, .count = 4, .pattern = "\xFF"sv, .reason = "not set: no place is known"},
    {.items = "ManualPosLon", .offset = 240, .count = 4, .pattern = "\xFF"sv, .reason = "not set: no place is known"},
    {.items = "ManualPosAlt",
     .offset = 244,
     .count = 4,
     .pattern = "\x7F\xFF\xFF\xFF"sv,
     .reason = "not set: no place is known"},
    {.items = "CompassDirection", .offset = 78, .value = 0, .reason = "Heading Up: no evidence"},
    {.items = "Indicator", .offset = 72, .value = 0, .reason = "OFF: no evidence"},
    {.items = "GPS_Correct", .offset = 81, .value = 0, .reason = "OFF: no evidence"},
    {.items = "GPS_Out", .offset = 73, .value = 0, .reason = "OFF: no evidence"},
    {.items = "AlarmArea1", .offset = 232, .value = 0, .reason = "Limited: no evidence"},
    {.items = "AlarmArea2", .offset = 74, .value = 0, .reason = "Limited: no evidence"},
    {.items = "GPSAlarmType", .offset = 229, .value = 0, .reason = "OFF: no alarm without a chosen place"},
    {.items = "GPSAlarmBank", .offset = 230, .value = 0, .reason = "none: the alarm is off"},
    {.items = "AlarmCH", .offset = 231, .value = 0, .reason = "none: the alarm is off"},
    {.items = "GPS_Tx", .offset = 33, .value = 0, .reason = "OFF: the radio sends no position by itself"},
    {.items = "GPS_AutoTx", .offset = 35, .value = 0, .reason = "OFF: the radio sends no position by itself"},
    {.items = "GPS_ControlMode", .offset = 34, .value = 0, .reason = "OFF: no evidence"},
    {.items = "GPS_Message_Code", .offset = 248, .count = 20, .pattern = " "sv, .reason = "blank: no message"},
    {.items = "UnprotoAddress", .offset = 268, .count = 56, .pattern = "\xFF"sv, .reason = "empty: no evidence"},
    {.items = "Comment", .offset = 324, .count = 43, .pattern = "\xFF"sv, .reason = "empty: no comment"},
    {.items = "AprsSymbol_CH", .offset = 77, .value = 0, .reason = "No.1: no evidence"},
    {.items = "AprsSymbolSel_1, AprsSymbolEdit_1, AprsSymbolSel_2, AprsSymbolEdit_2, AprsSymbolSel_3, "
              "AprsSymbolEdit_3, AprsSymbolSel_4, AprsSymbolEdit_4",
     .offset = 367,
     .count = 8,
     .pattern = "/!"sv,
     .reason = "the first symbol of the list: no evidence"},
    {.items = "SSID", .offset = 82, .value = 0, .reason = "---: no evidence"},
    {.items = "TimeStamp", .offset = 76, .value = 0, .reason = "OFF: no evidence"},
    {.items = "Alt", .offset = 83, .value = 0, .reason = "OFF: no evidence"},
    {.items = "DataExtension", .offset = 75, .value = 0, .reason = "OFF: no evidence"},
    {.items = "GpsLogger", .offset = 91, .value = 0, .reason = "OFF: no evidence"},
    {.items = "POffGpsLog", .offset = 92, .value = 0, .reason = "OFF: no evidence"},
    {.items = "GpsLogInterval", .offset = 108, .value = 0, .reason = "1sec: no evidence"},
    {.items = "GpsLogSentence", .offset = 157, .value = 0, .reason = "OFF: no evidence"},
    // Common page.
    {.items = "AutoPowerOFF", .offset = 2, .value = 0, .reason = "OFF: the radio stays on until the user turns it off"},
    {.items = "PowerSave", .offset = 9, .value = 0, .reason = "OFF: power saving is the user's choice"},
    {.items = "Monitor", .offset = 11, .value = 0, .reason = "Push: no evidence"},
    {.items = "DialSpeedUP", .offset = 12, .value = 0, .reason = "OFF: no evidence"},
    {.items = "PTTLock", .offset = 5, .value = 0, .reason = "OFF: a lock"},
    {.items = "BusyLockout", .offset = 6, .value = 0, .reason = "OFF: a lock"},
    {.items = "ToneBurst", .offset = 15, .value = 0, .reason = "OFF: no evidence"},
    {.items = "AutoRepeater", .offset = 3, .value = 0, .reason = "OFF: an automatic repeater function (Korea, Japan)"},
    {.items = "AutoRepeater", .offset = 4, .value = 0, .reason = "OFF: an automatic repeater function (USA)"},
    {.items = "KeyLock", .offset = 14, .value = 0, .reason = "Normal: the lock locks the keys alone"},
    {.items = "TOT", .offset = 7, .value = 0, .reason = "OFF: a time-out"},
    {.items = "MicGainInt", .offset = 16, .value = 1, .reason = "2: the middle of 1 to 4"},
    {.items = "MicGainExt", .offset = 17, .value = 1, .reason = "2: the middle of 1 to 4"},
    {.items = "GPSSpeed", .offset = 25, .value = 0, .reason = "4800bps: the usual speed of GPS receivers"},
    {.items = "ActiveBand", .offset = 8, .value = 0, .reason = "Single: no evidence"},
    {.items = "UTCOffset", .offset = 234, .count = 2, .value = 0, .reason = "0:00: no evidence"},
    {.items = "RemoteMicKey_Nor", .offset = 135, .count = 4, .value = 0, .reason = "---: no evidence"},
    {.items = "RemoteMicKey_Tx", .offset = 139, .count = 4, .value = 0, .reason = "---: no evidence"},
    {.items = "HmchVfo", .offset = 127, .count = 4, .value = 0, .reason = "none: nothing remembered yet"},
    {.items = "HmchMr", .offset = 131, .count = 2, .value = 0xFF, .reason = "none: nothing remembered yet"},
    {.items = "HmchDr", .offset = 133, .count = 2, .value = 0xFF, .reason = "none: nothing remembered yet"},
    {.items = "VOX", .offset = 18, .value = 0, .reason = "OFF: the radio transmits only on the user's PTT"},
    {.items = "VOX_SensLv", .offset = 19, .value = 5, .reason = "5: the middle of OFF, 1 to 10"},
    {.items = "VOX_Delay", .offset = 20, .value = 0, .reason = "0.5sec: no evidence"},
    {.items = "VOX_TOT", .offset = 21, .value = 0, .reason = "OFF: a time-out"},
    {.items = "VOX_HS_Sel", .offset = 26, .value = 0, .reason = "QH-40: no evidence"},
    {.items = "CIV_DataJk", .offset = 154, .value = 0, .reason = "OFF: no evidence"},
    {.items = "CIV_Address", .offset = 22, .value = 0, .reason = "00: no evidence"},
    {.items = "CIV_BaudRate", .offset = 23, .value = 0, .reason = "300bps: no evidence"},
    {.items = "CIV_Transceive", .offset = 24, .value = 0, .reason = "OFF: no evidence"},
    {.items = "Backlight", .offset = 50, .value = 2, .reason = "Auto: the light comes on with a key"},
    {.items = "Backlight_Tm", .offset = 49, .value = 0, .reason = "5sec: no evidence"},
    {.items = "Dimmer", .offset = 52, .value = 0, .reason = "Bright: the lower middle of Bright, Dark"},
    {.items = "LCDContrast", .offset = 48, .value = 7, .reason = "8: the middle of 1 to 16"},
    {.items = "Scroll", .offset = 57, .value = 0, .reason = "Slow: no evidence"},
    {.items = "BusyLED", .offset = 47, .value = 0, .reason = "OFF: no evidence"},
    {.items = "OpeningMessage", .offset = 59, .value = 0, .reason = "OFF: no evidence"},
    {.items = "Voltage", .offset = 51, .value = 0, .reason = "OFF: no evidence"},
    {.items = "EarphoneMode", .offset = 79, .value = 0, .reason = "OFF: no evidence"},
    {.items = "BeepVolLink", .offset = 67, .value = 0, .reason = "OFF: no evidence"},
    {.items = "KeyTouchBeep", .offset = 63, .value = 1, .reason = "ON: beeps sound"},
    {.items = "HmchBeep", .offset = 143, .value = 1, .reason = "ON: beeps sound"},
    {.items = "BandEdgeBeep", .offset = 66, .value = 1, .reason = "ON: beeps sound"},
    {.items = "StopBeep", .offset = 64, .value = 1, .reason = "ON: beeps sound"},
    {.items = "Scope_AF_out", .offset = 68, .value = 0, .reason = "OFF: no evidence"},
    {.items = "PositionFormat",
     .offset = 70,
     .value = 0,
     .reason = "ddd°mm.mm': the format of GPS and APRS everywhere"},
    {.items = "Units", .offset = 71, .value = 0, .usValue = 1, .reason = "m, ft/ml in the US"},
    {.items = "Speed_Units", .offset = 87, .value = 0, .usValue = 1, .reason = "km/h, mph in the US"},
    {.items = "Temp_Units", .offset = 150, .value = 0, .usValue = 1, .reason = "°C, °F in the US"},
    {.items = "Baro_Units", .offset = 151, .value = 0, .usValue = 3, .reason = "hPa, inHg in the US"},
    {.items = "Rain_Units", .offset = 152, .value = 0, .usValue = 1, .reason = "mm, inch in the US"},
    {.items = "WidSpd_Units", .offset = 153, .value = 0, .usValue = 1, .reason = "m/s, mph in the US"},
    {.items = "DispLang", .offset = 60, .value = 0, .reason = "English: no evidence"},
    {.items = "SysLang", .offset = 61, .value = 0, .reason = "English: no evidence"},
    {.items = "Display_Type", .offset = 84, .value = 0, .reason = "the first type: no evidence"},
    {.items = "VolumeSelect", .offset = 113, .value = 0, .reason = "All: one volume for everything"},
    {.items = "SubBandMute", .offset = 110, .value = 0, .reason = "OFF: no evidence"},
    {.items = "RadioLevel", .offset = 114, .value = 5, .reason = "0: the middle of -5 to +5"},
    {.items = "BeepLevel", .offset = 62, .value = 4, .reason = "5: the middle of 1 to 9"},
    {.items = "Speech_Level", .offset = 105, .value = 4, .reason = "4: the middle of 0 to 9"},
    {.items = "Speech_RxCall", .offset = 98, .value = 0, .reason = "OFF: no evidence"},
    {.items = "Speech_RxCs", .offset = 99, .value = 0, .reason = "OFF: no evidence"},
    {.items = "Speech_Dial", .offset = 100, .value = 0, .reason = "OFF: no evidence"},
    {.items = "Speech_Mode", .offset = 101, .value = 0, .reason = "OFF: no evidence"},
    {.items = "Speech_Language", .offset = 102, .value = 0, .reason = "English: no evidence"},
    {.items = "Speech_Alphabet", .offset = 103, .value = 0, .reason = "Normal: no evidence"},
    {.items = "Speech_Speed", .offset = 104, .value = 0, .reason = "Slow: no evidence"},
    {.items = "RecMode", .offset = 90, .value = 0, .reason = "TX&RX: no evidence"},
    {.items = "RecCondition", .offset = 89, .value = 0, .reason = "Always: no evidence"},
    {.items = "FileSplit", .offset = 88, .value = 0, .reason = "OFF: no evidence"},
    {.items = "PttAutoRec", .offset = 106, .value = 0, .reason = "OFF: nothing is recorded by itself"},
    {.items = "PlaySkipTime", .offset = 107, .value = 0, .reason = "3sec: no evidence"},
    {.items = "VcMem_MicGain", .offset = 120, .value = 1, .reason = "2: the middle of 1 to 4"},
    {.items = "VcMem_PlaySkipTime", .offset = 119, .value = 0, .reason = "3sec: no evidence"},
    {.items = "VcTxRptTime", .offset = 121, .value = 0, .reason = "1sec: no evidence"},
    {.items = "VcTxMon", .offset = 122, .value = 0, .reason = "OFF: no evidence"},
    {.items = "Radio_AttFM, Radio_AttAM, AttAir", .offset = 180, .value = 0, .reason = "OFF: nothing attenuated"},
    {.items = "Radio_AutoMute", .offset = 115, .value = 0, .reason = "OFF: no evidence"},
    {.items = "Radio_FMAntenna", .offset = 116, .value = 0, .reason = "External: no evidence"},
    {.items = "Radio_PowerSave", .offset = 117, .value = 0, .reason = "OFF: power saving is the user's choice"},
    {.items = "QsoLog", .offset = 123, .value = 0, .reason = "OFF: no evidence"},
    {.items = "RxHisLog", .offset = 124, .value = 0, .reason = "OFF: no evidence"},
    {.items = "CsvSepdec", .offset = 125, .value = 0, .reason = "Sep [,] Dec [.]: no evidence"},
    {.items = "CsvDate", .offset = 126, .value = 0, .reason = "yyyy/mm/dd: no evidence"},
    {.items = "Exp_CsvSepdec", .offset = 155, .value = 0, .reason = "Sep [,] Dec [.]: no evidence"},
    {.items = "Exp_CsvDate", .offset = 156, .value = 0, .reason = "yyyy/mm/dd: no evidence"},
    {.items = "RFPower", .offset = 165, .count = 2, .value = 4, .reason = "High on both bands: the radio's full power"},
    {.items = "Heterodyne", .offset = 144, .value = 0, .reason = "Normal: no evidence"},
    {.items = "ChargingPowerON", .offset = 145, .value = 0, .reason = "OFF: the radio stays off while it charges"},
    // A/B band page.
    {.items = "PauseTimer", .offset = 38, .count = 2, .value = 0, .reason = "2sec: no evidence"},
    {.items = "ResumeTimer", .offset = 40, .count = 2, .value = 0, .reason = "0sec: no evidence"},
    {.items = "TempSkipTimer", .offset = 111, .count = 2, .value = 0, .reason = "5min: no evidence"},
    {.items = "ProgramSkipScan", .offset = 45, .count = 2, .value = 0, .reason = "OFF: no evidence"},
    {.items = "BankLink_A_J, BankLink_K_T, BankLink_U_Z",
     .offset = 1069,
     .count = 8,
     .value = 0,
     .reason = "no bank linked: there are no banks yet"},
    {.items = "Wx_Alert", .offset = 43, .count = 2, .value = 0, .reason = "OFF: no evidence"},
    {.items = "Wx_Ch", .offset = 1051, .count = 2, .value = 0, .reason = "0: no evidence"},
    // DTMF page.
    {.items = "DTMF_CH_NO", .offset = 375, .count = 2, .value = 0, .reason = "d0: the first memory"},
    {.items = "DTMF_SPEED", .offset = 42, .value = 0, .reason = "the first speed: no evidence"},
});

void WriteSetting(cmcEeprom& image, const FactorySetting& setting, bool us) {
  const int value = us && setting.usValue != FactorySetting::kSameEverywhere ? setting.usValue : setting.value;
  for (int i = 0; i < setting.count; ++i) {
    const auto byte =
        setting.pattern.empty()
            ? static_cast<std::uint8_t>(value)
            : static_cast<std::uint8_t>(setting.pattern[static_cast<std::size_t>(i) % setting.pattern.size()]);
    image.SetByte(MemoryMap::kSettings + setting.offset + i, byte);
  }
}

}  // namespace

std::span<const FactorySetting> FactorySettings() { return kFactorySettings; }

void WriteFactorySettings(cmcEeprom& image, std::int32_t code) {
  for (int i = 0; i < kSettingAreaSize; ++i) image.SetByte(MemoryMap::kSettings + i, 0);
  const bool us = IsUsDestination(code);
  for (const FactorySetting& setting : kFactorySettings) WriteSetting(image, setting, us);
}
