// A damaged per-user Tessel.conf: arbitrary bytes as the settings file the window reads at
// start and writes back when it ends. Reading must never crash, and the file written back
// must read again to the same settings.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/indEnviron.h"
#include "platform/InstanceLock.h"
#include "platform/qt/QtKeyValueStore.h"

namespace {

namespace fs = std::filesystem;

class FreeLock final : public InstanceLock {
 public:
  bool TryLock(const std::string&) override { return true; }
  void Unlock() override {}
};

// Private settings folders, named before Qt first asks for them.
struct Folders {
  Folders() {
    std::string pattern = (fs::temp_directory_path() / "tessel-fuzz-XXXXXX").string();
    root = mkdtemp(pattern.data());
    fs::create_directories(root / "home" / "Quor");
    fs::create_directories(root / "etc");
    setenv("XDG_CONFIG_HOME", (root / "home").c_str(), 1);
    setenv("XDG_CONFIG_DIRS", (root / "etc").c_str(), 1);
  }
  ~Folders() {
    std::error_code ignored;
    fs::remove_all(root, ignored);
  }
  fs::path File() const { return root / "home" / "Quor" / "Tessel.conf"; }
  fs::path root;
};

// The settings the window reads from the stores as they are now, with the start mode the
// window works out from them before it shows; they are written back when the object ends.
struct WindowSettings {
  WindowSettings() { environ.UpdateStartMode(); }

  QtKeyValueStore user{QtKeyValueStore::Scope::User};
  QtKeyValueStore machine{QtKeyValueStore::Scope::Machine};
  FreeLock lock;
  indEnviron environ{{"Quor Tessel APP Exclusive Mutex", "Software\\Quor\\Tessel", "Software\\Quor\\Tessel"},
                     {user, machine},
                     lock,
                     {"tessel"},
                     {1280, 1024}};
};

// A modification time the file never had, so that the settings store reads it again instead
// of taking what it cached of it.
void MakeLookChanged(const fs::path& file) {
  static int earlier = 0;
  fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::hours(1) - std::chrono::seconds(++earlier));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const Folders folders;
  {
    std::ofstream file(folders.File(), std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  MakeLookChanged(folders.File());
  EnvironSettings read;
  {
    const WindowSettings first;
    read = first.environ.settings;
  }
  MakeLookChanged(folders.File());
  const WindowSettings second;
  if (!(second.environ.settings == read)) __builtin_trap();
  return 0;
}
