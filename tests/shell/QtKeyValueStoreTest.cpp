#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "EnvironSettingsPrinter.h"
#include "base/indEnviron.h"
#include "platform/qt/QtInstanceLock.h"
#include "platform/qt/QtKeyValueStore.h"
#include "support/IsolatedUserFolders.h"

namespace {

using Settings = EnvironSettings;
using Scope = QtKeyValueStore::Scope;

const std::string kKey = "Software\\Quor\\Tessel";

std::string TextOf(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class QtKeyValueStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { isolated::RemoveSettingsFiles(); }

  // A settings object over the real stores, as the program makes it.
  std::unique_ptr<indEnviron> Start(QtKeyValueStore& user, const QtKeyValueStore& machine) {
    return std::make_unique<indEnviron>(indEnviron::Names{"Tessel test", kKey, kKey}, indEnviron::Stores{user, machine},
                                        lock_, std::vector<std::string>{"tessel"}, indEnviron::ScreenSize{1024, 768});
  }
  Settings SettingsReadFromFiles() {
    QtKeyValueStore user(Scope::User);
    const QtKeyValueStore machine(Scope::Machine);
    return Start(user, machine)->settings;
  }
  Settings FirstStartSettings() {
    isolated::RemoveSettingsFiles();
    return SettingsReadFromFiles();
  }

  QtInstanceLock lock_{isolated::RuntimeFolder().string()};
};

TEST_F(QtKeyValueStoreTest, GarbageSettingsFilesGiveTheDefaults) {
  const Settings defaults = FirstStartSettings();
  ASSERT_EQ(defaults.fontSizePercentage, 100);
  const std::string garbage[] = {
      std::string("\0\xff\xfe garbage \x01\x02\n\n\x7f", 16),
      "[Global\nBBT=753951\n[[[]]]\n=\n==\n\\\\\\\n[",
      "[Global]\nBBT=\"unterminated\nComPort=@Variant(\\0\\0\\0\\x7f\\0\\0\\0)\n",
      std::string(200000, 'x'),
      "[%%%]\n%=%\n[View%20Option]\nFontSize%20Percentage\n",
  };
  for (const std::string& text : garbage) {
    SCOPED_TRACE(text.substr(0, 20));
    isolated::WriteFile(isolated::UserSettingsFile(), text);
    isolated::WriteFile(isolated::MachineSettingsFile(), text);
    EXPECT_EQ(SettingsReadFromFiles(), defaults);
  }
}

TEST_F(QtKeyValueStoreTest, UnreadableValuesTakeTheirDefaults) {
  const Settings defaults = FirstStartSettings();
  isolated::WriteFile(isolated::UserSettingsFile(),
                      "[Global]\nBBT=753951\nComPort=99999999999\nTransType=2x\n"
                      "Current%20Directory=/home/op,radio\nComSpeedHigh=0\n"
                      "[View%20Option]\nFontSize%20Percentage=abc\nFontSize%20Printer=11\n"
                      "[Setup]\nEtc%20Data=0x000C0015\n");
  Settings expected = defaults;
  expected.comSpeedHigh = 0;
  expected.printerFontSize = 11;
  EXPECT_EQ(SettingsReadFromFiles(), expected);
}

TEST_F(QtKeyValueStoreTest, ReadsAHandWrittenFile) {
  isolated::WriteFile(isolated::UserSettingsFile(),
                      "[Global]\nBBT=753951\nComPort=7\nCurrent%20Directory=/home/op/radio\n"
                      "[Recent%20File%20List]\nRecent0=/home/op/radio/b.qmf\nRecent1=\n"
                      "[View%20Option]\nFontSize%20Printer=9\n"
                      "[Window%20Position]\nLeft=33\n"
                      "[Setup]\nEtc%20Data=786453\n");
  isolated::WriteFile(isolated::MachineSettingsFile(), "[General]\nLanguage=1\n");
  QtKeyValueStore user(Scope::User);
  const QtKeyValueStore machine(Scope::Machine);
  const auto environ = Start(user, machine);
  const Settings& s = environ->settings;
  EXPECT_EQ(s.comPort, 7);
  EXPECT_EQ(s.currentDirectory, "/home/op/radio");
  EXPECT_EQ(s.printerFontSize, 9);
  EXPECT_EQ(s.windowLeft, 33);
  EXPECT_EQ(s.destinationCode, 3);
  EXPECT_EQ(s.displayLanguage, 1);
  ASSERT_EQ(environ->recent.Count(), 1);
  EXPECT_EQ(environ->recent.Get(0), "/home/op/radio/b.qmf");
}

TEST_F(QtKeyValueStoreTest, SettingsSurviveARestartThroughTheFile) {
  Settings written;
  {
    QtKeyValueStore user(Scope::User);
    const QtKeyValueStore machine(Scope::Machine);
    const auto environ = Start(user, machine);
    Settings& s = environ->settings;
    s.displayLanguage = 1;
    s.comPort = 256;
    s.currentDirectory = "/home/op/Funk, Daten\\neu/\xe7\x84\xa1\xe7\xb7\x9a =;#\"x\"";
    s.windowLeft = -1200;
    s.treePanelWidth = 321;
    s.destinationCode = 15;
    environ->recent.AddFirst("/home/op/a, b.qmf");
    environ->recent.AddFirst("/home/op/[General]/x.qmf");
    written = s;
  }
  isolated::MakeLookChanged(isolated::UserSettingsFile());
  QtKeyValueStore user(Scope::User);
  const QtKeyValueStore machine(Scope::Machine);
  const auto environ = Start(user, machine);
  written.startMode = Settings::kStartNormal;
  EXPECT_EQ(environ->settings, written);
  ASSERT_EQ(environ->recent.Count(), 2);
  EXPECT_EQ(environ->recent.Get(0), "/home/op/[General]/x.qmf");
  EXPECT_EQ(environ->recent.Get(1), "/home/op/a, b.qmf");
}

TEST_F(QtKeyValueStoreTest, WritingReplacesAGarbageFile) {
  isolated::WriteFile(isolated::UserSettingsFile(), "\x01[[\n");
  {
    QtKeyValueStore user(Scope::User);
    const QtKeyValueStore machine(Scope::Machine);
    const auto environ = Start(user, machine);
    environ->settings.comPort = 6;
    EXPECT_TRUE(environ->WriteSettings());
  }
  isolated::MakeLookChanged(isolated::UserSettingsFile());
  EXPECT_EQ(SettingsReadFromFiles().comPort, 6);
}

TEST_F(QtKeyValueStoreTest, HoldsOnlyKeysUnderTheApplicationKey) {
  QtKeyValueStore user(Scope::User);
  for (const std::string key :
       {"Software\\Quor", "Software\\Quor\\TesselX", "Software\\Other\\Tessel\\Global", "Global"}) {
    SCOPED_TRACE(key);
    EXPECT_FALSE(user.WriteInteger(key, "A", 1));
    EXPECT_FALSE(user.WriteString(key, "B", "b"));
    EXPECT_FALSE(user.DeleteKey(key));
    EXPECT_EQ(user.ReadInteger(key, "A"), std::nullopt);
  }
  EXPECT_TRUE(user.WriteInteger(kKey, "A", 1));
  EXPECT_TRUE(user.WriteInteger(kKey + "\\Display\\memory\\colwidth", "2", 75));
  ASSERT_TRUE(user.Flush());
  EXPECT_EQ(user.ReadInteger(kKey, "A"), 1);
  EXPECT_EQ(user.ReadInteger(kKey + "\\Display\\memory\\colwidth", "2"), 75);
  EXPECT_EQ(user.ReadString(kKey + "\\Display\\memory\\colwidth", "2"), "75");
}

TEST_F(QtKeyValueStoreTest, DeletingAKeyRemovesItsValuesAndSubKeysOnly) {
  QtKeyValueStore user(Scope::User);
  user.WriteInteger(kKey + "\\Display", "DrDetail", 1);
  user.WriteInteger(kKey + "\\Display\\memory", "mask", 3);
  user.WriteInteger(kKey + "\\Display\\memory\\colwidth", "0", 40);
  user.WriteInteger(kKey + "\\Display\\bank\\colwidth", "0", 50);
  EXPECT_TRUE(user.DeleteKey(kKey + "\\Display\\memory"));
  EXPECT_TRUE(user.DeleteKey(kKey + "\\Display\\nothing"));
  EXPECT_EQ(user.ReadInteger(kKey + "\\Display\\memory", "mask"), std::nullopt);
  EXPECT_EQ(user.ReadInteger(kKey + "\\Display\\memory\\colwidth", "0"), std::nullopt);
  EXPECT_EQ(user.ReadInteger(kKey + "\\Display\\bank\\colwidth", "0"), 50);
  EXPECT_EQ(user.ReadInteger(kKey + "\\Display", "DrDetail"), 1);
}

TEST_F(QtKeyValueStoreTest, TheMachineWideStoreIsReadOnlyAndNeverAFallback) {
  isolated::WriteFile(isolated::MachineSettingsFile(), "[General]\nLanguage=1\n[Global]\nComPort=9\n");
  QtKeyValueStore machine(Scope::Machine);
  EXPECT_EQ(machine.ReadInteger(kKey, "Language"), 1);
  EXPECT_FALSE(machine.WriteInteger(kKey, "Language", 0));
  EXPECT_FALSE(machine.DeleteKey(kKey + "\\Global"));
  EXPECT_TRUE(machine.Flush());
  EXPECT_EQ(TextOf(isolated::MachineSettingsFile()), "[General]\nLanguage=1\n[Global]\nComPort=9\n");

  const QtKeyValueStore user(Scope::User);
  EXPECT_EQ(user.ReadInteger(kKey + "\\Global", "ComPort"), std::nullopt);
  EXPECT_EQ(user.ReadInteger(kKey, "Language"), std::nullopt);
}

}  // namespace
