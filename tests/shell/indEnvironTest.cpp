#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "EnvironSettingsPrinter.h"
#include "base/indEnviron.h"
#include "memory/EtcData.h"
#include "platform/qt/QtInstanceLock.h"
#include "support/IsolatedUserFolders.h"
#include "support/MemoryKeyValueStore.h"

namespace {

using Settings = EnvironSettings;

const std::string kKey = "Software\\Quor\\Tessel";
constexpr std::int32_t kEtcDataOf3WithExpansion = 0xC0015;

std::string SubKey(const std::string& subKey) { return kKey + '\\' + subKey; }

// The settings of a first start on a 1,024 x 768 screen, value by value.
Settings FirstStartSettings() {
  Settings s;
  s.displayLanguage = 0;
  s.machineLanguage = 0;
  s.validityMarker = 753951;
  s.fontSizePercentage = 100;
  s.toolBarVisible = 1;
  s.printerFontSize = 10;
  s.comPort = 0;
  s.comSpeedHigh = 1;
  s.transType = 0;
  s.currentDirectory = "";
  s.repeaterDialog = 1;
  s.autoCorrect = 1;
  s.windowLeft = 112;
  s.windowTop = 50;
  s.windowWidth = 800;
  s.windowHeight = 600;
  s.treePanelWidth = 200;
  s.columnGroupMask = 127;
  s.callSignDetail = 0;
  s.modelType = 0;
  s.startMode = 0;
  s.fccInhibit = false;
  s.receiveExpansion = false;
  s.destinationCode = 16;
  return s;
}

class indEnvironTest : public ::testing::Test {
 protected:
  std::unique_ptr<indEnviron> Start(const std::vector<std::string>& arguments = {"tessel"},
                                    indEnviron::ScreenSize screen = {1024, 768}) {
    return Start(lock_, arguments, screen);
  }
  std::unique_ptr<indEnviron> Start(InstanceLock& lock, const std::vector<std::string>& arguments = {"tessel"},
                                    indEnviron::ScreenSize screen = {1024, 768}) {
    return std::make_unique<indEnviron>(indEnviron::Names{"Tessel test", kKey, kKey},
                                        indEnviron::Stores{user_, machine_}, lock, arguments, screen);
  }
  void Store(const std::string& subKey, const std::string& name, std::int32_t value) {
    user_.WriteInteger(SubKey(subKey), name, value);
  }
  void StoreValidDestination3() { Store("Setup", "Etc Data", kEtcDataOf3WithExpansion); }

  MemoryKeyValueStore user_;
  MemoryKeyValueStore machine_;
  QtInstanceLock lock_{isolated::RuntimeFolder().string()};
};

TEST_F(indEnvironTest, FirstStartTakesTheDefaults) { EXPECT_EQ(Start()->settings, FirstStartSettings()); }

TEST_F(indEnvironTest, DefaultWindowIsFittedToTheScreen) {
  struct Case {
    indEnviron::ScreenSize screen;
    std::int32_t left, top, width, height;
  };
  const Case cases[] = {
      {{1024, 768}, 112, 50, 800, 600},
      {{640, 480}, 32, 14, 576, 432},  // 90 % of the screen; top 48 x 0.3 rounded
      {{1920, 1080}, 560, 144, 800, 600},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.screen.width);
    user_ = MemoryKeyValueStore();
    const Settings s = Start({"tessel"}, c.screen)->settings;
    EXPECT_EQ(s.windowLeft, c.left);
    EXPECT_EQ(s.windowTop, c.top);
    EXPECT_EQ(s.windowWidth, c.width);
    EXPECT_EQ(s.windowHeight, c.height);
  }
}

TEST_F(indEnvironTest, DisplayLanguageDefaultsToTheMachineWideLanguage) {
  machine_.WriteInteger(kKey, "Language", 7);
  const auto environ = Start();
  EXPECT_EQ(environ->settings.machineLanguage, 1);
  EXPECT_EQ(environ->settings.displayLanguage, 1);

  Store("View Option", "Language", 0);
  EXPECT_EQ(Start()->settings.displayLanguage, 0);
}

TEST_F(indEnvironTest, StoredValuesAreHeldToTheirRanges) {
  struct Case {
    const char* subKey;
    const char* name;
    std::int32_t stored;
    std::int32_t Settings::*field;
    std::int32_t expected;
  };
  const Case cases[] = {
      {"Global", "ComPort", 300, &Settings::comPort, 256},
      {"Global", "ComPort", 17, &Settings::comPort, 17},
      {"Global", "ComPort", 0, &Settings::comPort, 0},  // none chosen stays none chosen
      {"Global", "ComPort", -5, &Settings::comPort, 0},
      {"Global", "ComSpeedHigh", 9, &Settings::comSpeedHigh, 1},
      {"Global", "ComSpeedHigh", -1, &Settings::comSpeedHigh, 0},
      {"Global", "TransType", 6, &Settings::transType, 5},
      {"Global", "Repeater Dialog", 2, &Settings::repeaterDialog, 1},
      {"Global", "Auto Correct", -3, &Settings::autoCorrect, 0},
      {"View Option", "FontSize Percentage", 10, &Settings::fontSizePercentage, 25},
      {"View Option", "FontSize Percentage", 5000, &Settings::fontSizePercentage, 1000},
      {"View Option", "FontSize Percentage", 150, &Settings::fontSizePercentage, 150},
      {"View Option", "Language", 2, &Settings::displayLanguage, 1},
      {"View Option", "Toolbar Visible", 5, &Settings::toolBarVisible, 1},
      {"View Option", "Toolbar Visible", -1, &Settings::toolBarVisible, 1},
      {"View Option", "Toolbar Visible", 0, &Settings::toolBarVisible, 0},
      {"View Option", "FontSize Printer", 20, &Settings::printerFontSize, 12},
      {"View Option", "FontSize Printer", 3, &Settings::printerFontSize, 8},
      {"Display", "DrDetail", 4, &Settings::callSignDetail, 1},
      {"Window Position", "Left", -4000, &Settings::windowLeft, -4000},
      {"Window Position", "Height", 12000, &Settings::windowHeight, 12000},
      {"Window Position", "SplitterV", 0, &Settings::treePanelWidth, 0},
      {"Setup", "ModelType", 77, &Settings::modelType, 77},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " = " + std::to_string(c.stored));
    user_ = MemoryKeyValueStore();
    Store(c.subKey, c.name, c.stored);
    EXPECT_EQ(Start()->settings.*c.field, c.expected);
  }
}

TEST_F(indEnvironTest, AMissingOrUnreadableValueTakesItsOwnDefault) {
  Store("Global", "BBT", 753951);
  Store("View Option", "FontSize Printer", 11);
  Store("Window Position", "Width", 700);
  user_.WriteString(SubKey("Global"), "ComPort", "seven");
  user_.WriteString(SubKey("View Option"), "FontSize Percentage", "");
  StoreValidDestination3();
  user_.DeleteKey(SubKey("Display"));

  const Settings s = Start()->settings;
  EXPECT_EQ(s.printerFontSize, 11);
  EXPECT_EQ(s.windowWidth, 700);
  EXPECT_EQ(s.comPort, 0);
  EXPECT_EQ(s.fontSizePercentage, 100);
  EXPECT_EQ(s.callSignDetail, 0);
  EXPECT_EQ(s.destinationCode, 3);
}

TEST_F(indEnvironTest, AWrongValidityMarkerResetsEverySettingButTheDestination) {
  Store("Global", "BBT", 753950);
  Store("Global", "ComPort", 5);
  Store("View Option", "FontSize Printer", 11);
  user_.WriteString(SubKey("Global"), "Current Directory", "/home/op/radio");
  user_.WriteString(SubKey("Recent File List"), "Recent0", "/home/op/radio/a.qmf");
  StoreValidDestination3();

  {
    const auto environ = Start({"tessel", "/setup"});
    Settings expected = FirstStartSettings();
    expected.destinationCode = 3;
    expected.receiveExpansion = true;
    EXPECT_EQ(environ->settings, expected);
    EXPECT_EQ(environ->recent.Count(), 0);
  }
  // The defaults were written back with a valid marker.
  EXPECT_EQ(user_.ReadInteger(SubKey("Global"), "BBT"), 753951);
  EXPECT_EQ(user_.ReadInteger(SubKey("Global"), "ComPort"), 0);
}

TEST_F(indEnvironTest, MissingValidityMarkerCountsAsValid) {
  Store("Global", "ComPort", 5);
  EXPECT_EQ(Start()->settings.comPort, 5);
}

TEST_F(indEnvironTest, EtcDataGivesTheDestinationOnlyWhenItsCheckBitsMatch) {
  StoreValidDestination3();
  {
    const auto environ = Start();
    EXPECT_EQ(environ->settings.destinationCode, 3);
    EXPECT_TRUE(environ->settings.receiveExpansion);
    EXPECT_EQ(environ->settings.startMode, Settings::kStartNormal);
  }
  for (const int checkBit : {0, 4, 6, 11, 17}) {
    SCOPED_TRACE(checkBit);
    Store("Setup", "Etc Data", kEtcDataOf3WithExpansion ^ (1 << checkBit));
    const auto environ = Start();
    EXPECT_EQ(environ->settings.destinationCode, 16);
    EXPECT_EQ(environ->settings.startMode, Settings::kStartNoDestination);
  }
}

TEST_F(indEnvironTest, EtcDataAboveTheLastDestinationMeansNone) {
  Store("Setup", "Etc Data", static_cast<std::int32_t>(PackEtcData(25, false)));
  EXPECT_EQ(Start()->settings.destinationCode, 16);
}

TEST_F(indEnvironTest, SetupOnTheCommandLineInAnyCaseAsksForTheSetup) {
  StoreValidDestination3();
  struct Case {
    std::vector<std::string> arguments;
    std::int32_t startMode;
  };
  const Case cases[] = {
      {{"tessel"}, Settings::kStartNormal},
      {{"tessel", "/SETUP"}, Settings::kStartSetup},
      {{"tessel", "file.qmf", "/Setup"}, Settings::kStartSetup},
      {{"/setup"}, Settings::kStartSetup},  // the program path counts too
      {{"tessel", "/setup2", "setup", "-setup"}, Settings::kStartNormal},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments.back());
    EXPECT_EQ(Start(c.arguments)->settings.startMode, c.startMode);
  }
}

TEST_F(indEnvironTest, UpdateStartModeKeepsTheSetupAndFollowsTheDestination) {
  const auto environ = Start();
  Settings& s = environ->settings;
  struct Case {
    std::int32_t before;
    std::int32_t destination;
    std::int32_t after;
  };
  const Case cases[] = {
      {Settings::kStartNoDestination, 3, Settings::kStartNormal},
      {Settings::kStartNormal, 16, Settings::kStartNoDestination},
      {Settings::kStartNormal, 15, Settings::kStartNormal},
      {Settings::kStartSetup, 16, Settings::kStartSetup},
      {Settings::kStartSetup, 0, Settings::kStartSetup},
  };
  for (const Case& c : cases) {
    s.startMode = c.before;
    s.destinationCode = c.destination;
    environ->UpdateStartMode();
    EXPECT_EQ(s.startMode, c.after) << c.before << " " << c.destination;
  }
}

TEST_F(indEnvironTest, DestinationTests) {
  const auto environ = Start();
  struct Case {
    std::int32_t destination;
    bool is0or1, is5, is15;
  };
  const Case cases[] = {{0, true, false, false}, {1, true, false, false},  {2, false, false, false},
                        {5, false, true, false}, {15, false, false, true}, {16, false, false, false}};
  for (const Case& c : cases) {
    environ->settings.destinationCode = c.destination;
    EXPECT_EQ(environ->IsDestination0or1(), c.is0or1) << c.destination;
    EXPECT_EQ(environ->IsDestination5(), c.is5) << c.destination;
    EXPECT_EQ(environ->IsDestination15(), c.is15) << c.destination;
  }
}

TEST_F(indEnvironTest, WritesEveryValueUnderItsName) {
  {
    const auto environ = Start();
    environ->settings.destinationCode = 3;
    environ->settings.receiveExpansion = true;
    environ->recent.AddFirst("/home/op/a.qmf");
  }
  struct Case {
    const char* subKey;
    const char* name;
    std::int32_t value;
  };
  const Case integers[] = {
      {"Global", "BBT", 753951},
      {"Global", "ComPort", 0},
      {"Global", "ComSpeedHigh", 1},
      {"Global", "TransType", 0},
      {"Global", "Repeater Dialog", 1},
      {"Global", "Auto Correct", 1},
      {"View Option", "FontSize Percentage", 100},
      {"View Option", "Language", 0},
      {"View Option", "Toolbar Visible", 1},
      {"View Option", "FontSize Printer", 10},
      {"Display", "DrDetail", 0},
      {"Window Position", "Left", 112},
      {"Window Position", "Top", 50},
      {"Window Position", "Width", 800},
      {"Window Position", "Height", 600},
      {"Window Position", "SplitterV", 200},
      {"Setup", "ModelType", 0},
      {"Setup", "Etc Data", 786453},
  };
  for (const Case& c : integers) {
    EXPECT_EQ(user_.ReadInteger(SubKey(c.subKey), c.name), c.value) << c.name;
  }
  EXPECT_EQ(user_.ReadString(SubKey("Global"), "Current Directory"), "");
  EXPECT_EQ(user_.ReadString(SubKey("Recent File List"), "Recent0"), "/home/op/a.qmf");
  for (int i = 1; i < 10; ++i) {
    EXPECT_EQ(user_.ReadString(SubKey("Recent File List"), "Recent" + std::to_string(i)), "");
  }
}

TEST_F(indEnvironTest, SettingsSurviveARestart) {
  Settings written;
  {
    const auto environ = Start();
    Settings& s = environ->settings;
    s.displayLanguage = 1;
    s.fontSizePercentage = 130;
    s.toolBarVisible = 0;
    s.printerFontSize = 9;
    s.comPort = 4;
    s.comSpeedHigh = 0;
    s.transType = 2;
    s.currentDirectory = "/home/op/radio files";
    s.repeaterDialog = 0;
    s.autoCorrect = 0;
    s.windowLeft = -20;
    s.windowTop = 30;
    s.windowWidth = 1000;
    s.windowHeight = 700;
    s.treePanelWidth = 240;
    s.callSignDetail = 1;
    s.modelType = 2;
    s.destinationCode = 5;
    s.receiveExpansion = true;
    for (int i = 0; i < 10; ++i) environ->recent.AddLast("/home/op/" + std::to_string(i));
    written = s;
  }
  const auto environ = Start();
  written.startMode = Settings::kStartNormal;
  EXPECT_EQ(environ->settings, written);
  ASSERT_EQ(environ->recent.Count(), 10);
  EXPECT_EQ(environ->recent.Get(9), "/home/op/9");
}

TEST_F(indEnvironTest, WriteSettingsCanBeCalledAnyTime) {
  const auto environ = Start();
  environ->settings.comPort = 3;
  EXPECT_TRUE(environ->WriteSettings());
  EXPECT_EQ(user_.ReadInteger(SubKey("Global"), "ComPort"), 3);
}

TEST_F(indEnvironTest, ASecondInstanceNeitherReadsNorWrites) {
  Store("Global", "ComPort", 5);
  const auto first = Start();
  ASSERT_TRUE(first->IsFirstInstance());

  QtInstanceLock otherLock(isolated::RuntimeFolder().string());
  {
    const auto second = Start(otherLock);
    EXPECT_FALSE(second->IsFirstInstance());
    EXPECT_EQ(second->settings.comPort, 0);
    second->settings.comPort = 9;
    EXPECT_FALSE(second->WriteSettings());
  }
  EXPECT_EQ(user_.ReadInteger(SubKey("Global"), "ComPort"), 5);
}

// The settings tessel-cli runs the window's commands on: they take no lock (the window may
// run beside them), start at the defaults whatever is stored, write nothing, not even when
// they go, and still hand over the per-user store for the tables kept beside the settings.
TEST_F(indEnvironTest, BorrowedSettingsTakeNoLockAndNeitherReadNorWrite) {
  Store("Global", "ComPort", 5);
  StoreValidDestination3();
  {
    indEnviron borrowed(indEnviron::Names{"Tessel test", kKey, kKey}, indEnviron::Stores{user_, machine_});
    EXPECT_FALSE(borrowed.IsFirstInstance());
    EXPECT_EQ(borrowed.settings, Settings{});
    EXPECT_EQ(&borrowed.UserStore(), &user_);
    borrowed.settings.comPort = 9;
    borrowed.settings.destinationCode = 2;
    EXPECT_FALSE(borrowed.WriteSettings());

    const auto window = Start();
    EXPECT_TRUE(window->IsFirstInstance());
    EXPECT_EQ(window->settings.comPort, 5);
    EXPECT_EQ(window->settings.destinationCode, 3);
  }
  EXPECT_EQ(user_.ReadInteger(SubKey("Global"), "ComPort"), 5);
  EXPECT_EQ(user_.ReadInteger(SubKey("Setup"), "Etc Data"), kEtcDataOf3WithExpansion);
}

TEST_F(indEnvironTest, TheLockIsGivenUpWithTheObject) {
  Start();
  QtInstanceLock otherLock(isolated::RuntimeFolder().string());
  EXPECT_TRUE(Start(otherLock)->IsFirstInstance());
}

TEST_F(indEnvironTest, GenericIntegerAccess) {
  const auto environ = Start();
  const std::string widths = SubKey("Display\\memory\\colwidth");
  EXPECT_EQ(environ->ReadRegistryInteger(widths, "3"), -1);
  EXPECT_TRUE(environ->WriteRegistryInteger(widths, "3", 88));
  EXPECT_EQ(environ->ReadRegistryInteger(widths, "3"), 88);
  EXPECT_EQ(environ->ReadRegistryInteger(RegistryRoot::LocalMachine, widths, "3"), -1);

  machine_.WriteInteger(kKey, "Language", 1);
  EXPECT_EQ(environ->ReadRegistryInteger(RegistryRoot::LocalMachine, kKey, "Language"), 1);

  user_.WriteString(widths, "4", "wide");
  EXPECT_EQ(environ->ReadRegistryInteger(widths, "4"), -1);

  EXPECT_FALSE(environ->DeleteRegistryKey(SubKey("Display"), ""));
  EXPECT_EQ(environ->ReadRegistryInteger(widths, "3"), 88);
  EXPECT_TRUE(environ->DeleteRegistryKey(SubKey("Display"), "memory"));
  EXPECT_EQ(environ->ReadRegistryInteger(widths, "3"), -1);
}

TEST_F(indEnvironTest, TheMemoryModelReadsTheDestinationAndItsFlags) {
  StoreValidDestination3();
  const auto environ = Start();
  environ->settings.fccInhibit = true;
  const ModelSettings& model = *environ;
  EXPECT_EQ(model.DestinationCode(), 3);
  EXPECT_TRUE(model.ReceiveExpansion());
  EXPECT_TRUE(model.FccInhibit());
}

}  // namespace
