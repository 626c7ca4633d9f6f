// A new document of every destination as a user meets it: the set-mode items show the
// factory settings (levels in the middle, full power, light and beeps on, nothing locked or
// timed out, units of the destination), every item shown has its row in the factory table,
// and the record checks find neither an error nor a warning.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

#include "files/FilesTestSupport.h"
#include "memory/DestinationTables.h"
#include "memory/FactorySettings.h"
#include "support/CliRun.h"

namespace {

// (item, index) -> shown text, from the tab-separated settings dump.
using ShownTexts = std::map<std::pair<std::string, std::string>, std::string>;

ShownTexts ParseSettingsDump(const std::string& dump) {
  ShownTexts shown;
  std::istringstream lines(dump);
  std::string line;
  std::getline(lines, line);  // the header
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string item, index, page, label, value, text;
    std::getline(fields, item, '\t');
    std::getline(fields, index, '\t');
    std::getline(fields, page, '\t');
    std::getline(fields, label, '\t');
    std::getline(fields, value, '\t');
    std::getline(fields, text);
    shown[{item, index}] = text;
  }
  return shown;
}

bool HasFactoryRow(std::string_view item) {
  for (const FactorySetting& row : FactorySettings()) {
    std::string_view names = row.items;
    while (!names.empty()) {
      const std::size_t comma = names.find(", ");
      if (names.substr(0, comma) == item) return true;
      names = comma == std::string_view::npos ? std::string_view{} : names.substr(comma + 2);
    }
  }
  return false;
}

struct ExpectedText {
  const char* item;
  const char* index;  // "-" for items of one element
  const char* elsewhere;
  const char* us;  // the US destinations (codes 0 and 1)
};

constexpr ExpectedText kExpected[] = {
    {"RFPower", "0", "High", "High"},
    {"RFPower", "1", "High", "High"},
    {"Backlight", "-", "Auto", "Auto"},
    {"LCDContrast", "-", "8", "8"},
    {"Dimmer", "-", "Bright", "Bright"},
    {"BeepLevel", "-", "5", "5"},
    {"RadioLevel", "-", "0 ", "0 "},
    {"Speech_Level", "-", "4", "4"},
    {"EmrAfLevel", "-", "19", "19"},
    {"MicGainInt", "-", "2", "2"},
    {"MicGainExt", "-", "2", "2"},
    {"VcMem_MicGain", "-", "2", "2"},
    {"VOX_SensLv", "-", "5", "5"},
    {"RxBass", "-", "Normal", "Normal"},
    {"TxTreble", "-", "Normal", "Normal"},
    {"KeyTouchBeep", "-", "ON", "ON"},
    {"StopBeep", "-", "ON", "ON"},
    {"BandEdgeBeep", "-", "ON", "ON"},
    {"HmchBeep", "-", "ON", "ON"},
    {"Standby_Beep", "-", "ON", "ON"},
    {"AutoPowerOFF", "-", "OFF", "OFF"},
    {"TOT", "-", "OFF", "OFF"},
    {"VOX_TOT", "-", "OFF", "OFF"},
    {"PowerSave", "-", "OFF", "OFF"},
    {"GPS_IntPSave", "-", "OFF", "OFF"},
    {"Radio_PowerSave", "-", "OFF", "OFF"},
    {"PTTLock", "-", "OFF", "OFF"},
    {"BusyLockout", "-", "OFF", "OFF"},
    {"Digital_RPT_Set", "-", "OFF", "OFF"},
    {"RxRPTCall_Write", "-", "OFF", "OFF"},
    {"Units", "-", "m", "ft/ml"},
    {"Speed_Units", "-", "km/h", "mph"},
    {"Temp_Units", "-", "°C", "°F"},
    {"Baro_Units", "-", "hPa", "inHg"},
    {"Rain_Units", "-", "mm", "inch"},
    {"WidSpd_Units", "-", "m/s", "mph"},
    {"PositionFormat", "-", "ddd°mm.mm'", "ddd°mm.mm'"},
};

// Items the destination alone shows: the automatic repeater (USA, Korea, Japan) and the
// weather alert (USA).
bool ShowsAutoRepeater(int code) { return code == 0 || code == 1 || code == 5 || code == 15; }

TEST(FactorySettings, EveryDestinationsNewDocumentShowsTheFactoryTableAndPassesItsChecks) {
  for (int code = 0; code < kDestinationCount; ++code) {
    SCOPED_TRACE("destination " + std::to_string(code));
    TempFolder folder;
    const std::string path = folder.Path("new.qmf");
    ASSERT_EQ(Cli({"new", "--destination", std::to_string(code), "-o", path}).status, 0);
    const CliRun dump = Cli({"dump", path, "--list", "settings"});
    ASSERT_EQ(dump.status, 0) << dump.err;
    const ShownTexts shown = ParseSettingsDump(dump.out);

    for (const ExpectedText& expected : kExpected) {
      const auto found = shown.find({expected.item, expected.index});
      ASSERT_NE(found, shown.end()) << expected.item;
      EXPECT_EQ(found->second, IsUsDestination(code) ? expected.us : expected.elsewhere) << expected.item;
    }
    EXPECT_EQ(shown.contains({"AutoRepeater", "-"}), ShowsAutoRepeater(code));
    if (ShowsAutoRepeater(code)) {
      EXPECT_EQ(shown.at({"AutoRepeater", "-"}), "OFF");
    }
    if (IsUsDestination(code)) {
      EXPECT_EQ(shown.at({"Wx_Alert", "0"}), "OFF");
    }

    for (const auto& [item, text] : shown) {
      EXPECT_NE(text, "error") << item.first;
      // The image comment lies outside the setting area; a new document leaves it blank.
      if (item.first != "CloneComment") {
        EXPECT_TRUE(HasFactoryRow(item.first)) << item.first;
      }
    }

    const CliRun check = Cli({"check", path});
    EXPECT_EQ(check.status, 0) << check.out << check.err;
    EXPECT_EQ(check.out, "");
  }
}

TEST(FactorySettings, EveryRowGivesItsReason) {
  for (const FactorySetting& row : FactorySettings()) {
    EXPECT_FALSE(row.reason.empty()) << row.items;
    EXPECT_GT(row.count, 0) << row.items;
  }
}

}  // namespace
