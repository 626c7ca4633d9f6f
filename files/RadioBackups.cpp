#include "files/RadioBackups.h"

#include <algorithm>
#include <filesystem>
#include <regex>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kUnknownRadio = "unknown";

// Only files of this form are backups; anything else a user puts beside them is theirs.
bool IsBackupName(const std::string& name) {
  static const std::regex pattern(R"(\d{4}-\d\d-\d\d \d\d-\d\d-\d\d (read|write)( \d+)?\.qmf)");
  return std::regex_match(name, pattern);
}

std::string_view DirectionWord(BackupDirection direction) {
  return direction == BackupDirection::Read ? "read" : "write";
}

// A second backup within the same second gets a number, so that none replaces another.
std::string FreePath(const fs::path& folder, std::time_t when, BackupDirection direction) {
  const std::string name = RadioBackups::BackupName(when, direction);
  fs::path path = folder / name;
  const std::string stem = name.substr(0, name.size() - 4);
  std::error_code error;
  for (int n = 2; fs::exists(path, error); ++n) path = folder / (stem + " " + std::to_string(n) + ".qmf");
  return path.string();
}

}  // namespace

RadioBackups::RadioBackups(std::string dataFolder) : dataFolder_(std::move(dataFolder)) {}

std::string RadioBackups::RadioFolderName(std::string_view serialText) {
  std::string name;
  for (const char c : serialText) {
    if (c == '/' || static_cast<unsigned char>(c) < 0x20) continue;
    name += c;
  }
  const auto first = name.find_first_not_of(" .");
  const auto last = name.find_last_not_of(' ');
  if (first == std::string::npos) return std::string(kUnknownRadio);
  return name.substr(first, last - first + 1);
}

std::string RadioBackups::BackupName(std::time_t when, BackupDirection direction) {
  std::tm local{};
  localtime_r(&when, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H-%M-%S", &local);
  return std::string(stamp) + " " + std::string(DirectionWord(direction)) + ".qmf";
}

std::string RadioBackups::RadiosFolder() const { return (fs::path(dataFolder_) / "tessel" / "radios").string(); }

BackupOutcome RadioBackups::Keep(const cmcEeprom& document, std::string_view serialText, BackupDirection direction,
                                 std::time_t when, const DocumentSaveSettings& settings,
                                 const cmcEeprom& defaults) const {
  BackupOutcome outcome;
  if (dataFolder_.empty()) {
    outcome.message = "There is no data folder to keep it in (neither XDG_DATA_HOME nor HOME is set).";
    return outcome;
  }
  const std::string radio = RadioFolderName(serialText);
  const fs::path folder = fs::path(RadiosFolder()) / radio;
  std::error_code error;
  fs::create_directories(folder, error);
  if (error) {
    outcome.path = folder.string();
    outcome.message = "Cannot make the folder " + folder.string() + ": " + error.message();
    return outcome;
  }
  outcome.path = FreePath(folder, when, direction);
  outcome.fileError = SaveDocumentFile(document, outcome.path, settings, defaults, {});
  outcome.kept = outcome.fileError == 0;
  if (outcome.kept) Prune(radio);
  return outcome;
}

std::vector<RadioBackup> RadioBackups::ListRadio(const std::string& radio) const {
  std::vector<RadioBackup> backups;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(fs::path(RadiosFolder()) / radio, error)) {
    const std::string name = entry.path().filename().string();
    if (entry.is_regular_file(error) && IsBackupName(name)) backups.push_back({radio, name, entry.path().string()});
  }
  std::ranges::sort(backups, [](const RadioBackup& a, const RadioBackup& b) { return a.name > b.name; });
  return backups;
}

std::vector<RadioBackup> RadioBackups::List(std::string_view radio) const {
  if (dataFolder_.empty()) return {};
  if (!radio.empty()) return ListRadio(std::string(radio));
  std::vector<std::string> radios;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(RadiosFolder(), error)) {
    if (entry.is_directory(error)) radios.push_back(entry.path().filename().string());
  }
  std::ranges::sort(radios);
  std::vector<RadioBackup> backups;
  for (const std::string& name : radios) {
    std::vector<RadioBackup> ofRadio = ListRadio(name);
    backups.insert(backups.end(), ofRadio.begin(), ofRadio.end());
  }
  return backups;
}

void RadioBackups::Prune(const std::string& radio) const {
  const std::vector<RadioBackup> backups = ListRadio(radio);
  std::error_code error;
  for (std::size_t i = kKept; i < backups.size(); ++i) fs::remove(backups[i].path, error);
}
