#pragma once
// The copies of every image read from or written to a radio, kept under the user's data
// folder: <data>/tessel/radios/<radio>/<date> <time> read|write.qmf, where <radio> is the
// radio's serial number as its label shows it. A backup is a normal clone image file saved
// atomically; only the newest kKept of a radio stay, and nothing else in its folder is ever
// deleted.
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "files/DocumentSave.h"
#include "memory/cmcEeprom.h"

enum class BackupDirection { Read, Write };

// One kept backup.
struct RadioBackup {
  std::string radio;  // the folder name of the radio
  std::string name;   // the file name, its date, time and direction
  std::string path;
};

// How keeping a backup went. A failed backup leaves the clone as it was; message says why.
struct BackupOutcome {
  bool kept = false;
  std::string path;     // the file written, or the one that could not be
  int fileError = 0;    // the file error code when the save failed
  std::string message;  // why the folder could not be made, when that failed
};

class RadioBackups {
 public:
  static constexpr std::size_t kKept = 20;

  // dataFolder is the user's data folder ($XDG_DATA_HOME, usually ~/.local/share).
  explicit RadioBackups(std::string dataFolder);

  // The folder name for the serial number a radio reports as its label shows it: "unknown"
  // when it has none; no "/" and no leading ".".
  static std::string RadioFolderName(std::string_view serialText);
  // "2026-12-10 21-58-03 read.qmf": sorts by time in local time.
  static std::string BackupName(std::time_t when, BackupDirection direction);

  std::string RadiosFolder() const;

  // Saves document as a backup of the radio and prunes the radio's older backups. Without a
  // data folder nothing is written and the outcome says so.
  BackupOutcome Keep(const cmcEeprom& document, std::string_view serialText, BackupDirection direction,
                     std::time_t when, const DocumentSaveSettings& settings, const cmcEeprom& defaults) const;

  // The backups of one radio (its folder name), or of every radio when radio is empty; the
  // newest first within a radio, radios in name order. None without a data folder.
  std::vector<RadioBackup> List(std::string_view radio = {}) const;

 private:
  std::vector<RadioBackup> ListRadio(const std::string& radio) const;
  void Prune(const std::string& radio) const;

  std::string dataFolder_;
};
