// A full read and a full write against the simulated radio pacing its line at the real
// speed, on a pseudo-terminal: the session time against the wire time of the bytes the
// session exchanged (10 bits per byte at the transfer speed). The counters "ratio" say how
// close the session comes to the line: reads should stay within 1.05, writes within 1.10.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEventLoop>

#include <chrono>
#include <functional>
#include <iostream>
#include <memory>

#include "base/EnvironSettings.h"
#include "base/cmcEvMan.h"
#include "cli/CliCloneUi.h"
#include "clone/CloneCheckCodes.h"
#include "clone/CloneInfoCheck.h"
#include "clone/CloneRanges.h"
#include "clone/cmcCloneDrv.h"
#include "clone/indCloneMan.h"
#include "files/DocumentFile.h"
#include "memory/Generation.h"
#include "platform/PortResolver.h"
#include "platform/PseudoTerminal.h"
#include "platform/qt/QtSerialDevice.h"
#include "platform/qt/QtTiming.h"
#include "text/ApplicationTexts.h"
#include "text/LineTables.h"
#include "tools/radio-sim/RadioSimEngine.h"
#include "tools/radio-sim/RadioSimImage.h"

namespace {

constexpr int kDestination = 2;

QCoreApplication& Application() {
  static int argc = 1;
  static char name[] = "bench_radio_clone";
  static char* argv[] = {name, nullptr};
  static QCoreApplication application(argc, argv);
  return application;
}

// The radio's end of the line, counting every byte that passes in either direction.
class CountingLine : public SerialDevice {
 public:
  explicit CountingLine(PseudoTerminal& line) : line_(line) {}

  SerialError Open(const std::string& path, const SerialLineSettings& settings) override {
    return line_.Open(path, settings);
  }
  void Close() override { line_.Close(); }
  bool IsOpen() const override { return line_.IsOpen(); }
  std::int32_t Read(std::uint8_t* buffer, std::int32_t max) override { return Counted(line_.Read(buffer, max)); }
  std::int32_t Write(const std::uint8_t* bytes, std::int32_t n) override { return Counted(line_.Write(bytes, n)); }
  std::int32_t InQueue() override { return line_.InQueue(); }
  std::int32_t OutQueue() override { return line_.OutQueue(); }
  bool Purge() override { return line_.Purge(); }
  bool SetBaudRate(std::int32_t baudRate) override { return line_.SetBaudRate(baudRate); }
  bool SetDtr(bool on) override { return line_.SetDtr(on); }
  bool SetRts(bool on) override { return line_.SetRts(on); }
  bool IsLost() const override { return line_.IsLost(); }
  std::string ErrorText() const override { return line_.ErrorText(); }

  std::int64_t counted = 0;

 private:
  std::int32_t Counted(std::int32_t n) {
    if (n > 0) counted += n;
    return n;
  }
  PseudoTerminal& line_;
};

struct Bench {
  Bench() {
    Application();
    line.Open({}, {});
    RadioSimOptions options;
    options.identity.destination = kDestination;
    options.pace = true;
    options.initialBaud = 19200;
    radio = std::make_unique<RadioSimEngine>(counting, NewRadioImage(kDestination), options);
    radio->Start();
  }

  QtTiming timing;
  PseudoTerminal line;
  CountingLine counting{line};
  std::unique_ptr<RadioSimEngine> radio;
};

// The session manager on the program's end of the line, configured as the clone commands
// configure it; each Run starts one session and runs the event loop until it has ended.
class Link {
 public:
  Link(const std::string& device, bool fast) {
    settings_.transType = 3;
    settings_.comSpeedHigh = fast ? 1 : 0;
    manager_.SetDevicePath(device);
    manager_.SetInfoCheck(&Link::CheckInfo, nullptr);
    manager_.SetReadCheck(&Link::CheckRead, nullptr);
    manager_.SetRequestWords(static_cast<std::uint16_t>(DocumentFile::kModelCode), 0);
    manager_.SetImageSize(ImageSizeOf(DocumentFile::kNewestGeneration));
  }

  // The session's result code.
  int Run(const std::function<int(indCloneMan&, indCloneMan::Continuation, void*)>& start) {
    code_ = CloneResult::kPortOpen;
    if (start(manager_, &Link::OnSessionEnd, this) != 0) loop_.exec();
    return code_;
  }

 private:
  // No destination is known yet: any radio of the model and generation passes.
  static void CheckInfo(void*, dst_CDrv_Result& result) {
    CloneInfoExpectation expected;
    expected.modelWord = static_cast<std::uint16_t>(DocumentFile::kModelCode);
    expected.generation = static_cast<std::uint16_t>(DocumentFile::kNewestGeneration);
    result.code = CheckCloneInformation(
        result.wordA, result.wordB,
        std::span<const std::uint8_t>(result.info.Data(), static_cast<std::size_t>(result.info.Length())), expected);
  }
  static void CheckRead(void*, dst_CDrv_Result& result) { result.code = CheckReadImage(result.image); }
  static void OnSessionEnd(void* user, dst_CDrv_Result& result) {
    auto& link = *static_cast<Link*>(user);
    link.code_ = result.code;
    link.loop_.quit();
  }

  // The ports are not numbered: the device is named directly.
  struct NoPorts final : PortResolver {
    std::string DevicePath(std::int32_t) const override { return {}; }
  };

  QtSerialDevice device_;
  NoPorts ports_;
  EnvironSettings settings_;
  cmcEvMan events_;
  CliCloneUi ui_{std::cerr, false};
  indCloneMan manager_{device_, ports_, settings_, events_, EnglishTexts(), ui_};
  QEventLoop loop_;
  int code_ = CloneResult::kOk;

  static cmcGTex& EnglishTexts() {
    cmcGTex& texts = ApplicationTexts();
    texts.SelectLineTable(LineTableOf(TableLanguage::English));
    return texts;
  }
};

void Report(benchmark::State& state, double seconds, std::int64_t bytes, int baud) {
  const double wireSeconds = static_cast<double>(bytes) * 10.0 / baud;
  state.SetIterationTime(seconds);
  state.counters["bytes"] = static_cast<double>(bytes);
  state.counters["wire_s"] = wireSeconds;
  state.counters["session_s"] = seconds;
  state.counters["ratio"] = seconds / wireSeconds;
}

// A transfer session: identified first (not timed), then timed with the bytes it moved.
template <typename Session>
void RunTimed(benchmark::State& state, bool fast, Session session) {
  Bench bench;
  Link link(bench.line.SlavePath(), fast);
  const auto identify = [](indCloneMan& manager, indCloneMan::Continuation end, void* user) {
    return manager.StartInfo(end, user);
  };
  if (link.Run(identify) != CloneResult::kOk) state.SkipWithError("the radio did not answer");
  for (auto _ : state) {
    bench.counting.counted = 0;
    const auto start = std::chrono::steady_clock::now();
    const int code = session(link);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (code != 0) state.SkipWithError("the session failed");
    Report(state, elapsed.count(), bench.counting.counted, fast ? 38400 : 9600);
  }
}

void BM_Read(benchmark::State& state) {
  const AddressRangeList ranges = CloneReadRanges();
  RunTimed(state, state.range(0) != 0, [&](Link& link) {
    return link.Run([&](indCloneMan& manager, indCloneMan::Continuation end, void* user) {
      return manager.StartRead(ranges, end, user);
    });
  });
}

void BM_Write(benchmark::State& state) {
  const AddressRangeList ranges = CloneWriteRanges();
  const cmcEeprom memory = NewRadioImage(kDestination);
  cmcEeprom sent;
  sent.SetSize(cmcCloneDrv::kDefaultImageSize);
  sent.WriteBlock(0, memory.Bytes().data(), memory.GetSize());
  RunTimed(state, state.range(0) != 0, [&](Link& link) {
    return link.Run([&](indCloneMan& manager, indCloneMan::Continuation end, void* user) {
      return manager.StartWrite(sent, ranges, end, user);
    });
  });
}

}  // namespace

BENCHMARK(BM_Read)->ArgName("fast")->Arg(1)->Arg(0)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_Write)->ArgName("fast")->Arg(1)->Arg(0)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
