#include "base/indEnviron.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>

#include "memory/EtcData.h"

namespace {

using Settings = EnvironSettings;

constexpr std::int32_t kAnyLow = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kAnyHigh = std::numeric_limits<std::int32_t>::max();

// How a stored integer is held to its range when read.
enum class Range {
  Clamp,         // min/max clamp to low-high
  NonZeroIsOne,  // a switch stored by a program that wrote any non-zero value for "on"
};

struct IntegerSetting {
  const char* subKey;
  const char* name;
  std::int32_t Settings::*field;
  Range range = Range::Clamp;
  std::int32_t low = kAnyLow;
  std::int32_t high = kAnyHigh;
};

// The integer settings of the per-user store, in the order they are read and written.
// "ComPort" keeps 0 ("none chosen"), so that a port nobody chose is not port 1 after a
// restart.
constexpr IntegerSetting kIntegerSettings[] = {
    {"Global", "BBT", &Settings::validityMarker},
    {"Global", "ComPort", &Settings::comPort, Range::Clamp, 0, 256},
    {"Global", "ComSpeedHigh", &Settings::comSpeedHigh, Range::Clamp, 0, 1},
    {"Global", "TransType", &Settings::transType, Range::Clamp, 0, 5},
    {"Global", "Repeater Dialog", &Settings::repeaterDialog, Range::Clamp, 0, 1},
    {"Global", "Auto Correct", &Settings::autoCorrect, Range::Clamp, 0, 1},
    {"View Option", "FontSize Percentage", &Settings::fontSizePercentage, Range::Clamp, 25, 1000},
    {"View Option", "Language", &Settings::displayLanguage, Range::Clamp, Settings::kLanguageEnglish,
     Settings::kLanguageJapanese},
    {"View Option", "Toolbar Visible", &Settings::toolBarVisible, Range::NonZeroIsOne},
    {"View Option", "FontSize Printer", &Settings::printerFontSize, Range::Clamp, 8, 12},
    {"Display", "DrDetail", &Settings::callSignDetail, Range::Clamp, 0, 1},
    {"Window Position", "Left", &Settings::windowLeft},
    {"Window Position", "Top", &Settings::windowTop},
    {"Window Position", "Width", &Settings::windowWidth},
    {"Window Position", "Height", &Settings::windowHeight},
    {"Window Position", "SplitterV", &Settings::treePanelWidth},
    {"Setup", "ModelType", &Settings::modelType},
};

constexpr const char* kGlobal = "Global";
constexpr const char* kCurrentDirectory = "Current Directory";
constexpr const char* kRecentFileList = "Recent File List";
constexpr const char* kSetup = "Setup";
constexpr const char* kEtcData = "Etc Data";
constexpr const char* kLanguage = "Language";
constexpr const char* kSetupArgument = "/setup";

std::int32_t HeldToRange(const IntegerSetting& setting, std::int32_t value) {
  if (setting.range == Range::NonZeroIsOne) return value != 0 ? 1 : 0;
  return std::clamp(value, setting.low, setting.high);
}

std::string RecentValueName(std::int32_t i) { return "Recent" + std::to_string(i); }

bool EqualsIgnoringCase(const std::string& text, const std::string& other) {
  return std::ranges::equal(text, other, [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
  });
}

}  // namespace

indEnviron::indEnviron(const Names& names, Stores stores, InstanceLock& lock, const std::vector<std::string>& arguments,
                       ScreenSize screen)
    : names_(names), stores_(stores), lock_(&lock), screen_(screen) {
  firstInstance_ = lock_->TryLock(names_.mutexName);
  if (!firstInstance_) return;
  ReadSettings(arguments);
  if (settings.validityMarker != Settings::kValidMarker) ApplyDefaults();
}

indEnviron::indEnviron(const Names& names, Stores stores) : names_(names), stores_(stores) {}

indEnviron::~indEnviron() {
  WriteSettings();
  if (firstInstance_) lock_->Unlock();
}

void indEnviron::ReadSettings(const std::vector<std::string>& arguments) {
  ReadMachineLanguage();
  ReadUserIntegers();
  ReadUserTexts();
  ReadEtcData();
  UpdateStartMode();
  const std::string setup = kSetupArgument;
  if (std::ranges::any_of(arguments, [&](const auto& a) { return EqualsIgnoringCase(a, setup); })) {
    settings.startMode = Settings::kStartSetup;
  }
}

void indEnviron::ReadMachineLanguage() {
  const auto language = stores_.machine.ReadInteger(names_.machineKey, kLanguage);
  settings.machineLanguage = std::clamp(language.value_or(Settings::kLanguageEnglish), Settings::kLanguageEnglish,
                                        Settings::kLanguageJapanese);
}

// A missing or unreadable value takes its own default; the others keep what was read.
void indEnviron::ReadUserIntegers() {
  const Settings defaults = Defaults();
  for (const IntegerSetting& setting : kIntegerSettings) {
    const auto value = stores_.user.ReadInteger(UserSubKey(setting.subKey), setting.name);
    settings.*setting.field = value ? HeldToRange(setting, *value) : defaults.*setting.field;
  }
}

void indEnviron::ReadUserTexts() {
  settings.currentDirectory = stores_.user.ReadString(UserSubKey(kGlobal), kCurrentDirectory).value_or("");
  for (std::int32_t i = 0; i < kRecentMaximum; ++i) {
    recent.AddLast(stores_.user.ReadString(UserSubKey(kRecentFileList), RecentValueName(i)).value_or(""));
  }
}

void indEnviron::ReadEtcData() {
  const auto value = stores_.user.ReadInteger(UserSubKey(kSetup), kEtcData);
  const auto fields = value ? UnpackEtcData(static_cast<std::uint32_t>(*value)) : std::nullopt;
  if (!fields) {
    settings.destinationCode = Settings::kNoDestination;
    return;
  }
  settings.destinationCode = std::min(fields->destination, Settings::kNoDestination);
  settings.receiveExpansion = fields->receiveExpansion;
}

// The destination and its flags are not settings of the user's and keep their values.
void indEnviron::ApplyDefaults() {
  Settings defaults = Defaults();
  defaults.destinationCode = settings.destinationCode;
  defaults.fccInhibit = settings.fccInhibit;
  defaults.receiveExpansion = settings.receiveExpansion;
  settings = defaults;
  recent.Clear();
}

EnvironSettings indEnviron::Defaults() const {
  Settings defaults;
  defaults.machineLanguage = settings.machineLanguage;
  defaults.displayLanguage = settings.machineLanguage;
  defaults.windowWidth = std::min(static_cast<std::int32_t>(std::lround(screen_.width * 0.9)), 800);
  defaults.windowHeight = std::min(static_cast<std::int32_t>(std::lround(screen_.height * 0.9)), 600);
  defaults.windowLeft = (screen_.width - defaults.windowWidth) / 2;
  defaults.windowTop = static_cast<std::int32_t>(std::lround((screen_.height - defaults.windowHeight) * 0.3));
  return defaults;
}

void indEnviron::UpdateStartMode() {
  if (settings.startMode == Settings::kStartSetup) return;
  settings.startMode =
      settings.destinationCode >= kDestinationCount ? Settings::kStartNoDestination : Settings::kStartNormal;
}

bool indEnviron::IsDestination0or1() const { return IsUsDestination(settings.destinationCode); }

bool indEnviron::IsDestination5() const { return settings.destinationCode == DestinationCode::kKorea; }

bool indEnviron::IsDestination15() const { return settings.destinationCode == DestinationCode::kJapan; }

bool indEnviron::WriteSettings() {
  if (!firstInstance_ || settings.validityMarker != Settings::kValidMarker) return false;
  return WriteUserIntegers() && WriteUserTexts() && WriteEtcData() && stores_.user.Flush();
}

bool indEnviron::WriteUserIntegers() {
  return std::ranges::all_of(kIntegerSettings, [&](const IntegerSetting& setting) {
    return stores_.user.WriteInteger(UserSubKey(setting.subKey), setting.name, settings.*setting.field);
  });
}

bool indEnviron::WriteUserTexts() {
  if (!stores_.user.WriteString(UserSubKey(kGlobal), kCurrentDirectory, settings.currentDirectory)) {
    return false;
  }
  for (std::int32_t i = 0; i < kRecentMaximum; ++i) {
    if (!stores_.user.WriteString(UserSubKey(kRecentFileList), RecentValueName(i), recent.Get(i))) {
      return false;
    }
  }
  return true;
}

bool indEnviron::WriteEtcData() {
  const std::uint32_t packed = PackEtcData(settings.destinationCode, settings.receiveExpansion);
  return stores_.user.WriteInteger(UserSubKey(kSetup), kEtcData, static_cast<std::int32_t>(packed));
}

std::int32_t indEnviron::ReadRegistryInteger(RegistryRoot root, const std::string& key, const std::string& name) const {
  const KeyValueReader& store = root == RegistryRoot::CurrentUser ? stores_.user : stores_.machine;
  return store.ReadInteger(key, name).value_or(-1);
}

std::int32_t indEnviron::ReadRegistryInteger(const std::string& key, const std::string& name) const {
  return ReadRegistryInteger(RegistryRoot::CurrentUser, key, name);
}

bool indEnviron::WriteRegistryInteger(const std::string& key, const std::string& name, std::int32_t value) {
  return stores_.user.WriteInteger(key, name, value);
}

bool indEnviron::DeleteRegistryKey(const std::string& key, const std::string& subKey) {
  if (subKey.empty()) return false;
  return stores_.user.DeleteKey(key + '\\' + subKey);
}

std::string indEnviron::UserSubKey(const char* subKey) const { return names_.userKey + '\\' + subKey; }
