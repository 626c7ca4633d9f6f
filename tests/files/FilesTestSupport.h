#pragma once
// Shared helpers of the file tests: a private folder per test, whole-file reads and writes,
// and complete images that pass the identity check of their generation.
#include <stdlib.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <string_view>

#include "memory/Generation.h"
#include "memory/cmcEeprom.h"

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tessel-files-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string Path(std::string_view name) const { return (path_ / name).string(); }

  std::set<std::string> Entries() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }

 private:
  std::filesystem::path path_;
};

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Makes writes beyond limit bytes fail (EFBIG) for the life of the object.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t limit) : previousHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit reduced = previous_;
    reduced.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &reduced);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit previous_{};
  void (*previousHandler_)(int);
};

// Where each generation keeps its identity block: map revision byte and format signature.
struct IdentityBlock {
  std::int32_t mapRevision;
  std::int32_t signature;
};

inline IdentityBlock IdentityBlockOf(int generation) {
  return generation == 1 ? IdentityBlock{0x1A300, 0x1A310} : IdentityBlock{0x1AF40, 0x1AF50};
}

// An image of the generation's size full of pseudo-random bytes, with a valid identity block.
inline cmcEeprom IdentifiedImage(int generation, unsigned seed) {
  cmcEeprom image;
  PrepareImage(image, generation);
  std::mt19937 random(seed);
  for (auto& byte : image.Bytes()) byte = static_cast<std::uint8_t>(random());
  const IdentityBlock block = IdentityBlockOf(generation);
  image.SetByte(block.mapRevision, 1);
  const std::string_view signature = "QuorCloneFormat3";
  for (std::size_t i = 0; i < signature.size(); ++i) {
    image.SetByte(block.signature + static_cast<std::int32_t>(i), static_cast<std::uint8_t>(signature[i]));
  }
  return image;
}
