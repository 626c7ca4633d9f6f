// tessel-cli dump of a full memory channel list as JSON, the way a script runs it: open and
// check the file, convert, unpack, decode all 500 channels, format them.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <sstream>
#include <string>

#include "cli/CliDocument.h"
#include "cli/DestinationSession.h"
#include "cli/TesselCli.h"
#include "memory/datCh.h"

namespace {

// A generation-3 file whose 500 memory channels are all in use.
std::string WriteFullFile() {
  const std::string path = "/tmp/tessel-bench-full.qmf";
  std::ostringstream out, err;
  RunTesselCli({"new", "--destination", "2", "-o", path}, out, err);
  DestinationSession session(2);
  cmcEeprom document;
  OpenCliDocument(path, session, document, {});
  datCh record(document);
  for (int channel = 0; channel < 500; ++channel) {
    record.Load(RecordKind::kChannel, channel);
    record.SetUsed(true);
    record.frequency = 144'000'000u + static_cast<std::uint32_t>(channel) * 12'500u;
    record.name = MakeFixedText<16>("CHANNEL " + std::to_string(channel));
    record.Store(RecordKind::kChannel, channel);
  }
  SaveCliDocument(document, path, session, {}, {});
  return path;
}

void BM_DumpFullMemoryListAsJson(benchmark::State& state) {
  const std::string path = WriteFullFile();
  std::string json;
  for (auto _ : state) {
    std::ostringstream out, err;
    if (RunTesselCli({"dump", path, "--list", "memory", "--json"}, out, err) != 0) state.SkipWithError("dump failed");
    json = out.str();
  }
  std::size_t entries = 0;
  for (auto at = json.find("\"index\""); at != std::string::npos; at = json.find("\"index\"", at + 1)) ++entries;
  state.counters["entries"] = static_cast<double>(entries);
  std::remove(path.c_str());
}
BENCHMARK(BM_DumpFullMemoryListAsJson)->Unit(benchmark::kMillisecond);

}  // namespace
