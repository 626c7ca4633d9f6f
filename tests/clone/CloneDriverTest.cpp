// The clone driver against the simulated radio over the in-memory cable, on the manual clock.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "clone/CloneFrame.h"
#include "clone/CloneTransferType.h"
#include "clone/FrameTrace.h"
#include "clone/cmcCloneDrv.h"
#include "platform/PortResolver.h"
#include "support/LoopbackSerial.h"
#include "support/ManualTiming.h"
#include "text/HexText.h"
#include "tools/radio-sim/RadioSimEngine.h"

namespace {

constexpr std::uint16_t kModelWord = 0x3390;
constexpr std::int32_t kCablePort = 1;

// Port 1 is the cable; no other number has a device.
class CablePorts : public PortResolver {
 public:
  std::string DevicePath(std::int32_t port) const override { return port == kCablePort ? "/dev/cable" : ""; }
};

const AddressRangeList kReadRanges = {{0x00000, 0x1FB3F}, kAddressRangeEnd};
const AddressRangeList kWriteRanges = {{0x00000, 0x06A3F}, {0x06A40, 0x06B3F}, {0x06B40, 0x06FBF}, {0x06FC0, 0x0753F},
                                       {0x07540, 0x0A8BF}, {0x0A8C0, 0x185BF}, {0x185C0, 0x1A1FF}, {0x1A200, 0x1AC3F},
                                       {0x1AC40, 0x1AF3F}, {0x1AF40, 0x1AF4F}, {0x1AF50, 0x1FB3F}, kAddressRangeEnd};

// Every byte value occurs, those the frames treat specially included.
cmcEeprom PatternImage(std::int32_t size, int seed) {
  cmcEeprom image;
  image.SetSize(size);
  for (std::int32_t a = 0; a < size; ++a) image.SetByte(a, static_cast<std::uint8_t>(a * 7 + a / 251 + seed));
  return image;
}

bool SameMemory(const cmcEeprom& a, const cmcEeprom& b) {
  for (std::int32_t i = 0; i < RadioSimEngine::kMemorySize; ++i) {
    if (a.GetByte(i) != b.GetByte(i)) return false;
  }
  return true;
}

struct Outcome {
  int kind = 0;
  int code = -1;
  std::uint16_t wordA = 0;
  std::uint16_t wordB = 0;
  std::vector<std::uint8_t> info;
  cmcEeprom image;
  AddressCoverage coverage;
  std::int32_t dataBytes = 0;
  std::int32_t frames = 0;
  int transferType = 0;
  bool transferTypeChanged = false;
  SerialError openFailure = SerialError::None;
};

class CloneDriverTest : public ::testing::Test {
 protected:
  CloneDriverTest() { LoopbackSerial::Connect(programEnd, radioEnd); }

  void MakeRadio(RadioSimOptions options = {}) {
    ASSERT_EQ(radioEnd.Open("radio", {}), SerialError::None);
    radio = std::make_unique<RadioSimEngine>(radioEnd, radioImage, options);
    radio->SetCablePuller([this] { programEnd.Unplug(); });
    radio->Start();
  }

  // What the session manager does before each session.
  void Configure(int transferType, bool fast, bool transfer) {
    const CloneTransferType type = TransferTypeOf(transferType);
    driver.SetTransferType(transferType);
    driver.SetEcho(type.echo);
    driver.SetRequestWords(kModelWord, 0);
    driver.SetSpeedHigh(fast);
    driver.SetPostDelay(200);
    driver.SetEndCount(true);
    driver.SetBlockSize(32);
    driver.SetAckTimeout(10000);
    if (!transfer) {
      driver.SetPort(kCablePort, type.portSettings);
      return;
    }
    const std::string speedSwitch = HexText(CloneFrame::SpeedSwitch(kModelWord, 0, fast));
    driver.SetCommandText("(" + std::string(type.portSettings) + ")" + speedSwitch);
    driver.SetRequestPreamble(12);
    driver.SetDataPreamble(0, 0);
    driver.SetPort(kCablePort, fast ? kFastTransferSettings : kNormalTransferSettings);
  }

  static void Keep(void* user, dst_CDrv_Result& result) {
    Outcome& outcome = static_cast<std::optional<Outcome>*>(user)->emplace();
    outcome.kind = result.kind;
    outcome.code = result.code;
    outcome.wordA = result.wordA;
    outcome.wordB = result.wordB;
    outcome.info.assign(result.info.Data(), result.info.Data() + result.info.Length());
    outcome.image = result.image;
    outcome.coverage = result.coverage;
    outcome.dataBytes = result.dataBytes;
    outcome.frames = result.frames;
    outcome.transferType = result.transferType;
    outcome.transferTypeChanged = result.transferTypeChanged;
    outcome.openFailure = result.openFailure.reason;
  }

  // Moves the clock on until the session has ended; its outcome, or none after limitMs.
  const Outcome& Run(std::uint32_t limitMs = 600000) {
    for (std::uint32_t t = 0; t < limitMs && !outcome; t += cmcCloneDrv::kStepMs) timing.Advance(cmcCloneDrv::kStepMs);
    EXPECT_TRUE(outcome.has_value()) << "the session did not end";
    if (!outcome) outcome.emplace();
    EXPECT_FALSE(driver.IsBusy());
    return *outcome;
  }

  const Outcome& Info(int transferType = 3) {
    Configure(transferType, false, false);
    EXPECT_TRUE(driver.StartInfo(&Keep, &outcome));
    return Run();
  }

  const Outcome& Read(int transferType, bool fast) {
    Configure(transferType, fast, true);
    driver.SetImageSize(cmcCloneDrv::kDefaultImageSize);
    EXPECT_TRUE(driver.StartRead(&kReadRanges, &Keep, &outcome));
    return Run();
  }

  const Outcome& Write(const cmcEeprom& image, int transferType, bool fast) {
    Configure(transferType, fast, true);
    EXPECT_TRUE(driver.StartWrite(image, kWriteRanges, &Keep, &outcome));
    return Run();
  }

  ManualTiming timing;
  LoopbackSerial programEnd;
  LoopbackSerial radioEnd;
  CablePorts ports;
  cmcCloneDrv driver{programEnd, ports};
  cmcEeprom radioImage = PatternImage(RadioSimEngine::kMemorySize, 0);
  std::unique_ptr<RadioSimEngine> radio;
  std::optional<Outcome> outcome;
};

TEST_F(CloneDriverTest, InformationReportsTheRadiosWordsAndBlock) {
  RadioSimOptions options;
  options.identity.destination = 5;
  options.identity.serial = "0123456789ABCD";
  options.identity.comment = "Hill top";
  MakeRadio(options);
  const Outcome& got = Info();
  EXPECT_EQ(got.kind, CloneSession::kInfo);
  EXPECT_EQ(got.code, CloneResult::kOk);
  EXPECT_EQ(got.wordA, 0x3390);
  EXPECT_EQ(got.wordB, 0x0003);
  ASSERT_EQ(got.info.size(), 45u);
  EXPECT_EQ(got.info[1], 1);
  EXPECT_EQ(std::string(got.info.begin() + 2, got.info.begin() + 18), "Hill top        ");
  EXPECT_EQ(got.info[18], 5);
  EXPECT_EQ(std::string(got.info.begin() + 31, got.info.end()), "0123456789ABCD");
  EXPECT_FALSE(got.transferTypeChanged);
  EXPECT_FALSE(programEnd.IsOpen());
}

TEST_F(CloneDriverTest, TheSearchFindsTheTransferTypeThatMatchesTheCable) {
  struct Case {
    const char* name;
    bool cableEchoes;
    int startType;
    int foundType;
  };
  const Case cases[] = {
      // the program hears its own request and tries on: 4 and 5 hear it too, 0 expects it
      {"echoing cable, no echo expected", true, 3, 0},
      // the expected echo never comes: code 4 for types 1 and 2, type 3 works
      {"quiet cable, echo expected", false, 1, 3},
      {"the stored type works", true, 2, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RadioSimOptions options;
    options.echo = c.cableEchoes;
    radioEnd.Close();
    outcome.reset();
    MakeRadio(options);
    const Outcome& got = Info(c.startType);
    EXPECT_EQ(got.code, CloneResult::kOk);
    EXPECT_EQ(got.transferType, c.foundType);
    EXPECT_EQ(got.transferTypeChanged, c.startType != c.foundType);
    EXPECT_EQ(programEnd.Settings().baudRate, c.foundType % 3 == 0 ? 19200 : (c.foundType % 3 == 1 ? 9600 : 4800));
  }
}

TEST_F(CloneDriverTest, ASearchThatFindsNothingEndsWithTheLastAttemptsCode) {
  MakeRadio();
  radio->SetFault(RadioFault::Silence, 0);
  Configure(3, false, false);
  ASSERT_TRUE(driver.StartInfo(&Keep, &outcome));
  // Only the first attempt meets the silence; the next type is answered.
  const Outcome& got = Run();
  EXPECT_EQ(got.code, CloneResult::kOk);
  EXPECT_EQ(got.transferType, 4);

  outcome.reset();
  radioEnd.Close();  // no radio at all now
  const Outcome& none = Info(4);
  EXPECT_EQ(none.code, CloneResult::kNoAnswer);
}

TEST_F(CloneDriverTest, ReadsTheWholeMemoryAtBothSpeedsWithAndWithoutEcho) {
  for (const bool fast : {false, true}) {
    for (const bool echo : {false, true}) {
      SCOPED_TRACE(std::string(fast ? "fast" : "normal") + (echo ? ", echo" : ""));
      RadioSimOptions options;
      options.echo = echo;
      radioEnd.Close();
      outcome.reset();
      MakeRadio(options);
      const Outcome& got = Read(echo ? 1 : 4, fast);
      EXPECT_EQ(got.code, CloneResult::kOk);
      EXPECT_EQ(radio->IsFast(), fast);
      EXPECT_EQ(programEnd.Settings().baudRate, fast ? 38400 : 9600);
      EXPECT_EQ(got.image.GetSize(), cmcCloneDrv::kDefaultImageSize);
      EXPECT_TRUE(SameMemory(got.image, radioImage));
      EXPECT_EQ(got.dataBytes, RadioSimEngine::kMemorySize);
      // Every address of the radio's memory, and none beyond it.
      const std::span<const std::uint8_t> bits = got.coverage.Bits();
      constexpr auto kMemoryBytes = static_cast<std::size_t>(RadioSimEngine::kMemorySize / 8);
      ASSERT_GE(bits.size(), kMemoryBytes);
      EXPECT_EQ(std::count(bits.begin(), bits.begin() + kMemoryBytes, 0xFF), RadioSimEngine::kMemorySize / 8);
      EXPECT_EQ(std::count(bits.begin() + kMemoryBytes, bits.end(), 0), bits.size() - kMemoryBytes);
    }
  }
}

// The radio paces both directions, so a write waits for the line as a read does; the cable
// holds what the radio has not taken in yet, and the acknowledgement still comes in time.
TEST_F(CloneDriverTest, PacedTransfersTakeAtLeastTheLineTime) {
  const cmcEeprom document = PatternImage(cmcCloneDrv::kDefaultImageSize, 3);
  for (const bool write : {false, true}) {
    SCOPED_TRACE(write ? "write" : "read");
    RadioSimOptions options;
    options.pace = true;
    radioEnd.Close();
    outcome.reset();
    MakeRadio(options);
    const std::uint32_t start = timing.Now();
    const Outcome& got = write ? Write(document, 3, true) : Read(4, true);
    EXPECT_EQ(got.code, CloneResult::kOk);
    // 129,856 data bytes and at least 11 frame bytes per 32 of them, 10 bits each at 38,400 baud
    const std::uint32_t lineBytes = RadioSimEngine::kMemorySize + RadioSimEngine::kMemorySize / 32 * 11;
    EXPECT_GE(timing.Now() - start, lineBytes * 10 / 38400 * 1000);
  }
}

// The program's port sends at 10 bits per byte, and the steps are faster than that at either
// speed: the driver must keep its queue short enough that it never waits a whole inactivity
// timeout for the port.
TEST_F(CloneDriverTest, AWriteKeepsPaceWithAPortThatSendsAtTheLineSpeed) {
  const cmcEeprom document = PatternImage(cmcCloneDrv::kDefaultImageSize, 4);
  for (const bool fast : {false, true}) {
    SCOPED_TRACE(fast ? "fast" : "normal");
    radioEnd.Close();
    outcome.reset();
    MakeRadio();
    programEnd.HoldOutput(true);
    Configure(3, fast, true);
    ASSERT_TRUE(driver.StartWrite(document, kWriteRanges, &Keep, &outcome));
    std::int64_t lineBits = 0;
    for (std::uint32_t t = 0; t < 600000 && !outcome; t += cmcCloneDrv::kStepMs) {
      lineBits += static_cast<std::int64_t>(programEnd.Settings().baudRate) * cmcCloneDrv::kStepMs / 1000;
      programEnd.Transmit(static_cast<std::int32_t>(lineBits / 10));
      lineBits %= 10;
      timing.Advance(cmcCloneDrv::kStepMs);
    }
    programEnd.HoldOutput(false);
    ASSERT_TRUE(outcome.has_value());
    EXPECT_EQ(outcome->code, CloneResult::kOk);
    EXPECT_TRUE(SameMemory(radio->Image(), document));
  }
}

TEST_F(CloneDriverTest, WritesTheImageInFramesThatKeepToTheRanges) {
  const cmcEeprom document = PatternImage(cmcCloneDrv::kDefaultImageSize, 99);
  for (const bool fast : {false, true}) {
    for (const bool echo : {false, true}) {
      SCOPED_TRACE(std::string(fast ? "fast" : "normal") + (echo ? ", echo" : ""));
      RadioSimOptions options;
      options.echo = echo;
      radioEnd.Close();
      outcome.reset();
      MakeRadio(options);
      const Outcome& got = Write(document, echo ? 0 : 3, fast);
      EXPECT_EQ(got.kind, CloneSession::kWrite);
      EXPECT_EQ(got.code, CloneResult::kOk);
      EXPECT_EQ(got.dataBytes, RadioSimEngine::kMemorySize);
      EXPECT_TRUE(SameMemory(radio->Image(), document));

      const AddressRangeList& frames = radio->WrittenFrames();
      for (const AddressRange& frame : frames) {
        const auto range = std::find_if(kWriteRanges.begin(), kWriteRanges.end(), [&](const AddressRange& r) {
          return frame.start >= r.start && frame.start <= r.end;
        });
        ASSERT_NE(range, kWriteRanges.end());
        EXPECT_LE(frame.end, range->end);
        EXPECT_TRUE(frame.start == range->start || frame.start % 32 == 0) << frame.start;
        EXPECT_LT(frame.end - frame.start, 32);
      }
      const auto short_range =
          std::find_if(frames.begin(), frames.end(), [](const AddressRange& f) { return f.start == 0x1AF40; });
      ASSERT_NE(short_range, frames.end());
      EXPECT_EQ(short_range->end, 0x1AF4F);
      ASSERT_NE(short_range + 1, frames.end());
      EXPECT_EQ((short_range + 1)->start, 0x1AF50);
    }
  }
}

TEST_F(CloneDriverTest, EachRadioFaultEndsWithItsCode) {
  enum class Session { Info, Read, Write };
  struct Case {
    RadioFault fault;
    std::int32_t atBytes;
    Session session;
    int code;
  };
  const Case cases[] = {
      {RadioFault::Silence, -1, Session::Read, CloneResult::kNoAnswer},
      {RadioFault::Checksum, -1, Session::Read, CloneResult::kBadFrame},
      {RadioFault::EndCount, -1, Session::Read, CloneResult::kFrameCount},
      {RadioFault::MissingAddress, 64, Session::Read, CloneResult::kMissingData},
      {RadioFault::DuplicateAddress, -1, Session::Read, CloneResult::kMissingData},
      {RadioFault::BeyondImage, 0, Session::Read, CloneResult::kDataOverflow},
      {RadioFault::PulledCable, 5000, Session::Read, CloneResult::kPortFailed},
      {RadioFault::LineNoise, 3000, Session::Read, CloneResult::kOk},
      {RadioFault::LineNoise, 0, Session::Info, CloneResult::kOk},
      {RadioFault::RefusedWrite, -1, Session::Write, CloneResult::kWriteRefused},
      {RadioFault::Silence, 90000, Session::Write, CloneResult::kNoAnswer},
      {RadioFault::PulledCable, 0, Session::Write, CloneResult::kPortFailed},
      {RadioFault::LineNoise, -1, Session::Write, CloneResult::kOk},
  };
  const cmcEeprom document = PatternImage(cmcCloneDrv::kDefaultImageSize, 5);
  for (const Case& c : cases) {
    for (const bool fast : {false, true}) {
      SCOPED_TRACE(std::string(RadioFaultName(c.fault)) + (fast ? " fast" : " normal"));
      LoopbackSerial program;
      LoopbackSerial radioSide;
      LoopbackSerial::Connect(program, radioSide);
      ASSERT_EQ(radioSide.Open("radio", {}), SerialError::None);
      RadioSimEngine engine(radioSide, radioImage, {});
      engine.SetCablePuller([&] { program.Unplug(); });
      engine.SetFault(c.fault, c.atBytes);
      engine.Start();
      cmcCloneDrv faulty(program, ports);
      outcome.reset();
      const CloneTransferType type = TransferTypeOf(4);
      faulty.SetRequestWords(kModelWord, 0);
      faulty.SetSpeedHigh(fast);
      faulty.SetAckTimeout(10000);
      faulty.SetBlockSize(32);
      if (c.session == Session::Info) {
        faulty.SetPort(kCablePort, type.portSettings);
        ASSERT_TRUE(faulty.StartInfo(&Keep, &outcome));
      } else {
        faulty.SetPort(kCablePort, fast ? kFastTransferSettings : kNormalTransferSettings);
        faulty.SetCommandText("(" + std::string(type.portSettings) + ")" +
                              HexText(CloneFrame::SpeedSwitch(kModelWord, 0, fast)));
        ASSERT_TRUE(c.session == Session::Read ? faulty.StartRead(&kReadRanges, &Keep, &outcome)
                                               : faulty.StartWrite(document, kWriteRanges, &Keep, &outcome));
      }
      for (int t = 0; t < 600000 && !outcome; t += 10) timing.Advance(10);
      ASSERT_TRUE(outcome.has_value());
      EXPECT_EQ(outcome->code, c.code);
      EXPECT_FALSE(engine.FaultPending());
      EXPECT_FALSE(program.IsOpen());
    }
  }
}

TEST_F(CloneDriverTest, InformationFaultsReachTheManagersChecks) {
  MakeRadio();
  radio->SetFault(RadioFault::OtherModel);
  const Outcome& model = Info();
  EXPECT_EQ(model.code, CloneResult::kOk);
  EXPECT_NE(model.wordA, kModelWord);
  outcome.reset();
  radio->SetFault(RadioFault::OtherGeneration);
  const Outcome& generation = Info();
  EXPECT_EQ(generation.wordA, kModelWord);
  EXPECT_EQ(generation.wordB, 0x0002);
}

TEST_F(CloneDriverTest, APortWithoutADeviceEndsWithCode2) {
  Configure(3, false, false);
  driver.SetPort(7, "19200,N,8,1");
  ASSERT_TRUE(driver.StartInfo(&Keep, &outcome));
  // Every transfer type is tried on the same missing port.
  const Outcome& got = Run();
  EXPECT_EQ(got.code, CloneResult::kPortOpen);
  EXPECT_EQ(got.openFailure, SerialError::Missing);
}

struct TraceLine {
  std::string text;       // the whole line
  std::uint32_t ms = 0;   // of a frame line
  std::string direction;  // "sent" or "received"; empty for a session line
  std::string hex;
};

std::vector<TraceLine> ReadTrace(const std::string& path) {
  std::ifstream file(path);
  std::vector<TraceLine> lines;
  for (std::string text; std::getline(file, text);) {
    TraceLine line{text, 0, {}, {}};
    std::istringstream fields(text);
    if (!text.starts_with('#')) fields >> line.ms >> line.direction >> line.hex;
    lines.push_back(line);
  }
  return lines;
}

// The frames of one session: the lines after its session line, up to the next one.
std::vector<TraceLine> SessionFrames(const std::vector<TraceLine>& lines, const std::string& sessionLine) {
  auto line = std::ranges::find(lines, sessionLine, &TraceLine::text);
  if (line == lines.end()) return {};
  const auto end = std::find_if(line + 1, lines.end(), [](const TraceLine& l) { return l.direction.empty(); });
  return {line + 1, end};
}

// Through an echoing cable every frame sent comes back besides the radio's own; each is one
// line, its time counted from the start of its session.
TEST_F(CloneDriverTest, TheTraceHasALinePerFrameInEachDirection) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("tessel-trace-" + std::to_string(::getpid()) + ".txt");
  std::string message;
  const std::unique_ptr<FrameTrace> trace = FrameTrace::Open(path.string(), message);
  ASSERT_TRUE(trace) << message;
  driver.SetFrameTrace(trace.get());
  RadioSimOptions options;
  options.echo = true;
  MakeRadio(options);
  ASSERT_EQ(Info(0).code, CloneResult::kOk);
  outcome.reset();
  const std::int32_t framesRead = Read(0, true).frames;
  ASSERT_EQ(outcome->code, CloneResult::kOk);
  const std::vector<TraceLine> lines = ReadTrace(path.string());
  std::filesystem::remove(path);

  const std::vector<TraceLine> info = SessionFrames(lines, "# information session");
  ASSERT_EQ(info.size(), 3u);
  const std::string request = "FEFEEEEFE033900000FD";
  EXPECT_EQ(info[0].direction + " " + info[0].hex, "sent " + request);
  EXPECT_EQ(info[1].direction + " " + info[1].hex, "received " + request);
  EXPECT_EQ(info[2].direction, "received");
  EXPECT_TRUE(info[2].hex.starts_with("FEFEEFEEE133900003")) << info[2].hex;

  const std::vector<TraceLine> read = SessionFrames(lines, "# read session");
  ASSERT_FALSE(read.empty());
  EXPECT_EQ(read[0].direction, "sent");
  EXPECT_EQ(read[0].hex.find("EEEFE8"), 40u) << "the speed switch after its 20 FE";
  EXPECT_LT(read[0].ms, info.back().ms) << "the read's times start again";
  const auto dataFrames = std::ranges::count_if(
      read, [](const TraceLine& line) { return line.direction == "received" && line.hex.starts_with("FEFEEFEEE4"); });
  EXPECT_EQ(dataFrames, framesRead);
  for (const std::vector<TraceLine>* session : {&info, &read}) {
    for (std::size_t i = 0; i < session->size(); ++i) {
      const TraceLine& line = (*session)[i];
      EXPECT_TRUE(line.hex.ends_with("FD")) << line.text;
      if (i > 0) {
        EXPECT_GE(line.ms, (*session)[i - 1].ms) << line.text;
      }
    }
  }
}

// The radio side played by hand: raw bytes on the cable, no echo.
class RawRadioTest : public CloneDriverTest {
 protected:
  using Bytes = std::vector<std::uint8_t>;

  RawRadioTest() { radioEnd.Open("radio", {}); }

  Bytes Heard() {
    Bytes bytes(static_cast<std::size_t>(std::max(radioEnd.InQueue(), 0)));
    radioEnd.Read(bytes.data(), static_cast<std::int32_t>(bytes.size()));
    return bytes;
  }
  void Say(const Bytes& bytes) { radioEnd.Write(bytes.data(), static_cast<std::int32_t>(bytes.size())); }

  // Answers every request the program completes with answer(request) until the session ends.
  const Outcome& AnswerEachRequest(const std::function<Bytes(const Bytes&)>& answer) {
    Bytes heard;
    for (int t = 0; t < 60000 && !outcome; t += cmcCloneDrv::kStepMs) {
      timing.Advance(cmcCloneDrv::kStepMs);
      const Bytes more = Heard();
      heard.insert(heard.end(), more.begin(), more.end());
      if (!heard.empty() && heard.back() == CloneFrame::kTerminator) {
        Say(answer(heard));
        heard.clear();
      }
    }
    return Run(0);
  }

  static Bytes Reply(Bytes body) {
    body.insert(body.begin(), {0xFE, 0xFE, 0xEF, 0xEE});
    body.push_back(0xFD);
    return body;
  }
};

TEST_F(RawRadioTest, InformationRepliesAreCheckedBeforeUse) {
  Bytes good = {0xE1, 0x33, 0x90, 0x00, 0x03};
  good.resize(good.size() + 45, 0x20);
  Bytes badNibble = good;
  badNibble[2] = 0x9A;
  Bytes otherCommand = good;
  otherCommand[0] = 0xE4;
  Bytes overlong(600, 0x30);
  overlong.front() = 0xFE;
  overlong.back() = 0xFD;
  struct Case {
    const char* name;
    std::function<Bytes(const Bytes&)> answer;
    int code;
  };
  const Case cases[] = {
      {"good", [&](const Bytes&) { return Reply(good); }, CloneResult::kOk},
      {"word nibble above 9", [&](const Bytes&) { return Reply(badNibble); }, CloneResult::kBadFrame},
      {"too short",
       [&](const Bytes&) {
         return Reply({0xE1, 0x33, 0x90});
       },
       CloneResult::kBadFrame},
      {"another command", [&](const Bytes&) { return Reply(otherCommand); }, CloneResult::kBadFrame},
      {"the program's own request", [&](const Bytes& request) { return request; }, CloneResult::kNoAnswer},
      {"an overlong frame", [&](const Bytes&) { return overlong; }, CloneResult::kBadFrame},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    outcome.reset();
    // The search starts with the echo types, which find no echo here; the last attempt, at
    // type 5, hears the answer.
    Configure(0, false, false);
    ASSERT_TRUE(driver.StartInfo(&Keep, &outcome));
    const Outcome& got = AnswerEachRequest(c.answer);
    EXPECT_EQ(got.code, c.code);
    if (c.code == CloneResult::kOk) {
      EXPECT_EQ(got.transferType, 3);
      EXPECT_EQ(got.info.size(), 45u);
    } else {
      EXPECT_EQ(got.wordB, 0);
      EXPECT_TRUE(got.info.empty());
    }
  }
}

TEST_F(RawRadioTest, AnEchoThatDiffersEndsTheAttemptAtOnce) {
  Configure(0, false, false);  // echo expected
  ASSERT_TRUE(driver.StartInfo(&Keep, &outcome));
  Bytes request;
  while (request.empty() && timing.Now() < 1000) {
    timing.Advance(cmcCloneDrv::kStepMs);
    request = Heard();
  }
  ASSERT_EQ(request, CloneFrame::Request(CloneFrame::kInfoRequest, kModelWord, 0, 0));
  request[3] ^= 0x01;
  Say(request);
  // Without the mismatch the attempt would wait a second for the rest of the echo; with it
  // the next transfer type is tried after the port is reopened and drained.
  const std::uint32_t mismatchAt = timing.Now();
  Bytes next;
  while (next.empty() && timing.Now() - mismatchAt < 1000) {
    timing.Advance(cmcCloneDrv::kStepMs);
    next = Heard();
  }
  EXPECT_FALSE(next.empty());
  EXPECT_LE(timing.Now() - mismatchAt, 150u);
  EXPECT_EQ(programEnd.Settings().baudRate, 9600);
}

TEST_F(RawRadioTest, ReadFramesFromTheRadioAreCheckedBeforeUse) {
  auto data = [](std::int32_t address, std::vector<std::uint8_t> bytes) {
    Bytes body = {0xE4};
    const Bytes payload = CloneFrame::EncodeDataPayload(address, bytes, false);
    body.insert(body.end(), payload.begin(), payload.end());
    return Reply(body);
  };
  auto end = [](std::int32_t count) {
    Bytes body = {0xE5};
    const Bytes payload = CloneFrame::EndPayload(count, true);
    body.insert(body.end(), payload.begin(), payload.end());
    return Reply(body);
  };
  auto join = [](std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
  };
  Bytes huge(700, '0');
  huge.insert(huge.begin(), {0xFE, 0xFE, 0xEF, 0xEE, 0xE4});
  struct Case {
    const char* name;
    Bytes stream;
    int code;
  };
  const Case cases[] = {
      {"two frames and the end", join({data(0, {1, 2}), data(2, {3}), end(2)}), CloneResult::kOk},
      {"address below 0", join({data(-1, {1, 2})}), CloneResult::kDataOverflow},
      {"last byte at the image end", join({data(cmcCloneDrv::kDefaultImageSize - 1, {9}), end(1)}), CloneResult::kOk},
      {"one byte beyond the image", join({data(cmcCloneDrv::kDefaultImageSize - 1, {9, 9})}),
       CloneResult::kDataOverflow},
      {"address near the top of the range", join({data(0x7FFFFFFF, {1})}), CloneResult::kDataOverflow},
      {"a frame too short", Reply({0xE4, '0', '0'}), CloneResult::kBadFrame},
      {"another command", Reply({0xE1, '0', '0', '0', '0', '0', '0', '0', '0'}), CloneResult::kBadFrame},
      {"a frame that never ends", huge, CloneResult::kBadFrame},
      {"wrong count", join({data(0, {1}), end(2)}), CloneResult::kFrameCount},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    outcome.reset();
    driver.SetEcho(false);
    driver.SetCommandText("");
    driver.SetPort(kCablePort, kNormalTransferSettings);
    driver.SetSpeedHigh(false);
    driver.SetImageSize(cmcCloneDrv::kDefaultImageSize);
    ASSERT_TRUE(driver.StartRead(nullptr, &Keep, &outcome));
    const Outcome& got = AnswerEachRequest([&](const Bytes&) { return c.stream; });
    EXPECT_EQ(got.code, c.code);
  }
}

}  // namespace
