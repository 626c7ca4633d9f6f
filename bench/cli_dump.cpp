// tessel-cli dump of a full memory channel list as JSON, the way a script runs it: open and
// check the file, convert, unpack, decode all 500 channels, format them. Once in-process, and
// once as the whole program a script starts, loading its libraries included.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliDocument.h"
#include "cli/TesselCli.h"
#include "files/DestinationSession.h"
#include "memory/datCh.h"
#include "platform/qt/QtMd5.h"

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
  const QtMd5 md5;
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

// The built tessel-cli started and waited for, its output going to /dev/null. Wall time is
// what a script sees, so the figure is real time.
void BM_DumpFullMemoryListAsJsonProcess(benchmark::State& state) {
  const QtMd5 md5;
  const std::string path = WriteFullFile();
  const std::string program = TESSEL_CLI_PROGRAM;
  std::vector<std::string> args{program, "dump", path, "--list", "memory", "--json"};
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  for (auto _ : state) {
    pid_t child = 0;
    int status = 0;
    if (posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ) != 0 ||
        waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("tessel-cli dump failed");
      break;
    }
  }
  posix_spawn_file_actions_destroy(&actions);
  std::remove(path.c_str());
}
BENCHMARK(BM_DumpFullMemoryListAsJsonProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
