// Clone image files: reading a full generation-3 file, opening it as a document, and saving
// it with and without the digest line (the save includes the flush to disk and the rename).
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "files/DocumentFile.h"
#include "files/DocumentOpen.h"
#include "files/cmcQmfFile.h"
#include "memory/Generation.h"
#include "platform/qt/QtMd5.h"

namespace {

class BenchFolder {
 public:
  BenchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tessel-bench-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~BenchFolder() { std::filesystem::remove_all(path_); }
  std::string Path(const char* name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

cmcEeprom FullImage() {
  cmcEeprom image;
  PrepareImage(image, 3);
  for (std::int32_t a = 0; a < image.GetSize(); ++a) {
    image.SetByte(a, static_cast<std::uint8_t>(a * 131 + 7));
  }
  image.SetByte(0x1AF40, 1);
  const std::string signature = "QuorCloneFormat3";
  for (std::size_t i = 0; i < signature.size(); ++i) {
    image.SetByte(0x1AF50 + static_cast<std::int32_t>(i), static_cast<std::uint8_t>(signature[i]));
  }
  return image;
}

int Save(cmcEeprom& image, const std::string& path, bool digest) {
  const QtMd5 md5;
  cmcQmfFile file;
  ConfigureDocumentWriter(file, image, {3, 3, digest, "bench"});
  return file.WriteImage(path, CloneRangesOf(3));
}

void BM_ReadFullFile(benchmark::State& state) {
  BenchFolder folder;
  cmcEeprom source = FullImage();
  Save(source, folder.Path("full.qmf"), true);
  const AddressRangeList ranges = CloneRangesOf(3);
  cmcEeprom image;
  image.SetSize(ImageSizeOf(3));
  for (auto _ : state) {
    cmcQmfFile file;
    ConfigureDocumentReader(file);
    file.SetImage(image);
    if (file.ReadImage(folder.Path("full.qmf"), &ranges) != 0) state.SkipWithError("read failed");
  }
}
BENCHMARK(BM_ReadFullFile)->Unit(benchmark::kMillisecond);

void BM_OpenDocument(benchmark::State& state) {
  BenchFolder folder;
  cmcEeprom source = FullImage();
  Save(source, folder.Path("full.qmf"), true);
  const GenerationConverter copy = [](cmcEeprom& destination, const cmcEeprom& from, int, int) { destination = from; };
  for (auto _ : state) {
    const DocumentOpenResult result = OpenDocumentFile(folder.Path("full.qmf"), 3, copy, {});
    if (result.code != 0) state.SkipWithError("open failed");
    benchmark::DoNotOptimize(result.image.GetSize());
  }
}
BENCHMARK(BM_OpenDocument)->Unit(benchmark::kMillisecond);

void BM_Save(benchmark::State& state) {
  BenchFolder folder;
  cmcEeprom image = FullImage();
  const bool digest = state.range(0) != 0;
  for (auto _ : state) {
    if (Save(image, folder.Path("out.qmf"), digest) != 0) state.SkipWithError("save failed");
  }
}
BENCHMARK(BM_Save)->ArgName("digest")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
