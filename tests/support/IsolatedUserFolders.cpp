#include "support/IsolatedUserFolders.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <fstream>
#include <functional>

namespace isolated {
namespace {

std::filesystem::path& Root() {
  static std::filesystem::path root;
  return root;
}

class Environment : public ::testing::Environment {
 public:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "tessel-shell-XXXXXX");
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    Root() = pattern;
    for (const char* folder : {"home", "etc", "run", "data", "state"}) {
      std::filesystem::create_directory(Root() / folder);
    }
    std::filesystem::permissions(RuntimeFolder(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::replace);
    setenv("XDG_CONFIG_HOME", (Root() / "home").c_str(), 1);
    setenv("XDG_CONFIG_DIRS", (Root() / "etc").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", RuntimeFolder().c_str(), 1);
    setenv("XDG_DATA_HOME", DataFolder().c_str(), 1);
    setenv("XDG_STATE_HOME", StateFolder().c_str(), 1);
  }

  void TearDown() override { std::filesystem::remove_all(Root()); }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new Environment);

}  // namespace

std::filesystem::path UserSettingsFile() { return Root() / "home" / "Quor" / "Tessel.conf"; }

std::filesystem::path MachineSettingsFile() { return Root() / "etc" / "Quor" / "Tessel.conf"; }

std::filesystem::path RuntimeFolder() { return Root() / "run"; }

std::filesystem::path DataFolder() { return Root() / "data"; }

std::filesystem::path StateFolder() { return Root() / "state"; }

std::filesystem::path RecoveryFolder() { return StateFolder() / "tessel" / "recovery"; }

std::vector<std::filesystem::path> RadioBackupFiles(const std::string& radioFolder) {
  std::vector<std::filesystem::path> files;
  const auto folder = DataFolder() / "tessel" / "radios" / radioFolder;
  if (!std::filesystem::exists(folder)) return files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) files.push_back(entry.path());
  std::ranges::sort(files, std::greater<>());
  return files;
}

void RemoveSettingsFiles() {
  std::filesystem::remove(UserSettingsFile());
  std::filesystem::remove(MachineSettingsFile());
}

void WriteFile(const std::filesystem::path& file, const std::string& text) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
  MakeLookChanged(file);
}

void MakeLookChanged(const std::filesystem::path& file) {
  static int earlier = 0;
  const auto now = std::filesystem::file_time_type::clock::now();
  std::filesystem::last_write_time(file, now - std::chrono::hours(1) - std::chrono::seconds(++earlier));
}

}  // namespace isolated
