#pragma once
// The test program's own per-user and machine-wide settings folders and runtime folder:
// temporary folders named through XDG_CONFIG_HOME, XDG_CONFIG_DIRS, XDG_RUNTIME_DIR, XDG_DATA_HOME
// and XDG_STATE_HOME (so that no window of a test keeps a recovery copy in the user's home)
// before any test runs (Qt takes the settings paths once per process), removed at the end.
#include <filesystem>
#include <string>
#include <vector>

namespace isolated {

std::filesystem::path UserSettingsFile();     // the per-user Tessel.conf
std::filesystem::path MachineSettingsFile();  // the machine-wide Tessel.conf
std::filesystem::path RuntimeFolder();
std::filesystem::path DataFolder();      // the per-user data folder
std::filesystem::path StateFolder();     // the per-user state folder
std::filesystem::path RecoveryFolder();  // where the windows keep their recovery copies
// The backups kept of the radio whose folder is radioFolder, newest first.
std::vector<std::filesystem::path> RadioBackupFiles(const std::string& radioFolder);

// Removes both settings files, so a test starts without settings.
void RemoveSettingsFiles();

// Writes text as the whole of file, making its folder, and makes it look changed.
void WriteFile(const std::filesystem::path& file, const std::string& text);

// Gives file a modification time it never had, so that the next settings store of this
// process reads the file again instead of taking what it cached of it.
void MakeLookChanged(const std::filesystem::path& file);

}  // namespace isolated
