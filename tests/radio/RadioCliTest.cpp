// tessel-cli radio info, read and write against the simulated radio on a real
// pseudo-terminal, with the event loop's clock and timers as the programs run them.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include <grp.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliDocument.h"
#include "cli/TesselCli.h"
#include "files/DestinationSession.h"
#include "memory/ListPacking.h"
#include "platform/PseudoTerminal.h"
#include "platform/qt/QtTiming.h"
#include "support/CliRun.h"
#include "support/IsolatedUserFolders.h"
#include "tools/radio-sim/RadioSimEngine.h"
#include "tools/radio-sim/RadioSimImage.h"

namespace {

constexpr int kRadioDestination = 4;

QCoreApplication& Application() {
  static int argc = 1;
  static char name[] = "test_radio";
  static char* argv[] = {name, nullptr};
  static QCoreApplication application(argc, argv);
  return application;
}

// The radio's memory bytes of a saved document, packed as the radio holds them.
std::vector<std::uint8_t> RadioBytesOf(const cmcEeprom& image) {
  const auto bytes = image.Bytes().first(RadioSimEngine::kMemorySize);
  return {bytes.begin(), bytes.end()};
}

std::vector<std::uint8_t> RadioBytesOfFile(const std::string& path, int destination) {
  const DestinationSession session(destination);
  cmcEeprom document;
  if (OpenCliDocument(path, session, document, {}) != 0) return {};
  PackImage(document);
  return RadioBytesOf(document);
}

class RadioCliTest : public ::testing::Test {
 protected:
  RadioCliTest() : folder_(std::filesystem::temp_directory_path() / ("tessel-radio-" + std::to_string(::getpid()))) {
    Application();
    std::filesystem::create_directories(folder_);
  }
  ~RadioCliTest() override { std::filesystem::remove_all(folder_); }

  // A radio fresh from the factory, or one holding memory (its radio bytes).
  void Serve(bool echo = false, int destination = kRadioDestination, const std::vector<std::uint8_t>& memory = {}) {
    ASSERT_EQ(line_.Open({}, {}), SerialError::None) << line_.ErrorText();
    RadioSimOptions options;
    options.identity.destination = destination;
    options.identity.serial = "1A2B2D0089ABCD";
    options.identity.comment = "SIMULATED";
    options.echo = echo;
    radioImage_ = NewRadioImage(destination);
    if (!memory.empty()) radioImage_.WriteBlock(0, memory.data(), static_cast<std::int32_t>(memory.size()));
    radio_ = std::make_unique<RadioSimEngine>(line_, radioImage_, options);
    radio_->Start();
  }

  // A command on the radio's line.
  CliRun Cli(std::vector<std::string> args) {
    args.insert(args.end(), {"--device", line_.SlavePath()});
    return CliAsGiven(args);
  }

  static CliRun CliAsGiven(const std::vector<std::string>& args) { return ::Cli(args); }

  std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

  // A document of the destination as tessel-cli new writes it.
  std::string NewDocument(int destination) {
    const std::string path = PathOf("new" + std::to_string(destination) + ".qmf");
    std::ostringstream sink;
    EXPECT_EQ(RunTesselCli({"new", "--destination", std::to_string(destination), "-o", path}, sink, sink), 0);
    return path;
  }

  std::filesystem::path folder_;
  QtTiming timing_;
  PseudoTerminal line_;
  cmcEeprom radioImage_;
  std::unique_ptr<RadioSimEngine> radio_;
};

TEST_F(RadioCliTest, InfoPrintsWhatTheRadioReports) {
  Serve();
  const CliRun text = Cli({"radio", "info", "--transfer-type", "3"});
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_NE(text.out.find("Model:            3390\n"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("Destination:      4\n"), std::string::npos);
  EXPECT_NE(text.out.find("Comment:          SIMULATED\n"), std::string::npos);
  EXPECT_NE(text.out.find("Serial number:    669945022413\n"), std::string::npos);
  EXPECT_NE(text.out.find("Transfer type:    3\n"), std::string::npos);

  const CliRun json = Cli({"radio", "info", "--transfer-type", "3", "--json"});
  ASSERT_EQ(json.status, 0) << json.err;
  EXPECT_NE(json.out.find("\"destination\": 4,"), std::string::npos) << json.out;
  EXPECT_NE(json.out.find("\"serial_number\": \"669945022413\""), std::string::npos);
}

// --port N takes the device the window keeps for number N, unless TESSEL_PORT_<N> names one.
TEST_F(RadioCliTest, PortNumbersReachTheDevicesTheWindowKeepsForThem) {
  Serve();
  struct Case {
    const char* what;
    std::string kept;
    const char* environment;
  };
  const Case cases[] = {
      {"kept in the settings", line_.SlavePath(), nullptr},
      {"named by the environment", "/dev/tessel-no-such-port", line_.SlavePath().c_str()},
  };
  for (const Case& c : cases) {
    isolated::WriteFile(isolated::UserSettingsFile(), "[Ports]\n5=" + c.kept + "\n");
    if (c.environment != nullptr) ::setenv("TESSEL_PORT_5", c.environment, 1);
    const CliRun run = CliAsGiven({"radio", "info", "--transfer-type", "3", "--port", "5"});
    ::unsetenv("TESSEL_PORT_5");
    EXPECT_EQ(run.status, 0) << c.what << ": " << run.err;
    EXPECT_NE(run.out.find("Destination:      4\n"), std::string::npos) << c.what;
  }
  isolated::RemoveSettingsFiles();
}

TEST_F(RadioCliTest, InfoSearchFindsTheTransferTypeOfAnEchoingCable) {
  Serve(true);
  const CliRun run = Cli({"radio", "info", "--transfer-type", "4"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("Transfer type:    0\n"), std::string::npos) << run.out;
}

// --trace FILE: a read's first frame is its information request; a trace that cannot be
// written is reported and the session goes on untraced.
TEST_F(RadioCliTest, TraceWritesEveryFrameOrSaysWhyItCannot) {
  Serve();
  struct Case {
    const char* what;
    std::vector<std::string> command;
    std::string trace;
    bool writable;
  };
  const Case cases[] = {
      {"read", {"radio", "read", "-o", PathOf("traced.qmf")}, PathOf("trace.txt"), true},
      {"info, trace in a missing folder", {"radio", "info"}, PathOf("missing/trace.txt"), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> args = c.command;
    args.insert(args.end(), {"--transfer-type", "3", "--trace", c.trace});
    const CliRun run = Cli(args);
    ASSERT_EQ(run.status, 0) << run.err;
    if (!c.writable) {
      EXPECT_NE(run.err.find("Cannot write the trace file " + c.trace + ": No such file or directory\n"),
                std::string::npos)
          << run.err;
      continue;
    }
    std::ifstream trace(c.trace);
    std::vector<std::string> frames;
    for (std::string line; std::getline(trace, line);) {
      if (!line.starts_with('#')) frames.push_back(line);
    }
    ASSERT_FALSE(frames.empty());
    const std::string& first = frames.front();
    EXPECT_EQ(first.substr(first.find(' ')), " sent FEFEEEEFE033900000FD") << first;
    EXPECT_TRUE(std::ranges::any_of(frames, [](const std::string& line) {
      return line.find(" received FEFEEFEEE4") != std::string::npos;
    })) << "the data frames of the read";
  }
}

struct LinkCase {
  const char* speed;
  bool echo;
  const char* transferType;
};

class RadioLinkTest : public RadioCliTest, public ::testing::WithParamInterface<LinkCase> {};

// The radio holds what a write of a new document leaves, so that opening the file the read
// saved and packing it again must give back every byte.
TEST_P(RadioLinkTest, ReadSavesTheRadiosMemory) {
  const std::string document = NewDocument(kRadioDestination);
  Serve(GetParam().echo, kRadioDestination, RadioBytesOfFile(document, kRadioDestination));
  const std::string target = PathOf("read.qmf");
  const CliRun run =
      Cli({"radio", "read", "-o", target, "--speed", GetParam().speed, "--transfer-type", GetParam().transferType});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(RadioBytesOfFile(target, kRadioDestination), RadioBytesOf(radioImage_));
}

TEST_P(RadioLinkTest, WriteDeliversTheDocument) {
  Serve(GetParam().echo);
  const std::string document = NewDocument(kRadioDestination);
  const CliRun run = Cli(
      {"radio", "write", document, "--yes", "--speed", GetParam().speed, "--transfer-type", GetParam().transferType});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "Cloning has been completed.\n");
  EXPECT_EQ(RadioBytesOf(radio_->Image()), RadioBytesOfFile(document, kRadioDestination));
}

INSTANTIATE_TEST_SUITE_P(SpeedsAndCables, RadioLinkTest,
                         ::testing::Values(LinkCase{"fast", false, "3"}, LinkCase{"normal", false, "3"},
                                           LinkCase{"fast", true, "0"}, LinkCase{"normal", true, "0"}),
                         [](const auto& param) {
                           return std::string(param.param.speed) + (param.param.echo ? "Echo" : "Plain");
                         });

TEST_F(RadioCliTest, WriteRefusesARadioOfAnotherDestination) {
  Serve();
  const std::string document = NewDocument(1);
  const CliRun run = Cli({"radio", "write", document, "--yes", "--transfer-type", "3"});
  EXPECT_EQ(run.status, CliExit::kRadioError);
  EXPECT_EQ(run.err,
            "Transceiver version does not match.\n\nThe transceiver cannot be programmed with the current "
            "setting.\n");
  EXPECT_EQ(RadioBytesOf(radio_->Image()), RadioBytesOf(radioImage_));
}

struct FaultCase {
  const char* name;
  RadioFault fault;
  std::int32_t atBytes;  // data bytes before a transfer fault strikes; negative: half the memory
  bool echoCable;        // the cable echoes, and the command starts at transfer type 0, else 3
  bool lasting;          // armed again after every session: the radio stays that way
  const char* message;   // the head line of the message
};

class RadioFaultTest : public RadioCliTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(RadioFaultTest, ReadFaultEndsWithItsMessageAndNoFile) {
  const FaultCase& c = GetParam();
  Serve(c.echoCable);
  radio_->SetFault(c.fault, c.atBytes);
  if (c.lasting) radio_->SetSessionEnd([&](const RadioSimSession&) { radio_->SetFault(c.fault, c.atBytes); });
  const std::string target = PathOf("fault.qmf");
  const CliRun run = Cli({"radio", "read", "-o", target, "--transfer-type", c.echoCable ? "0" : "3"});
  EXPECT_EQ(run.status, CliExit::kRadioError) << run.out;
  EXPECT_TRUE(run.err.starts_with(std::string(c.message) + "\n")) << run.err;
  EXPECT_FALSE(std::filesystem::exists(target));
}

// Faults that strike early in the transfer strike after a few frames: the read before them
// would only repeat the plain read above. The others are seen at the end of the read.
INSTANTIATE_TEST_SUITE_P(
    Faults, RadioFaultTest,
    ::testing::Values(
        FaultCase{"silence", RadioFault::Silence, 2048, false, false, "No answer from transceiver."},
        // every transfer type of the search hears the echo but no answer
        FaultCase{"silenceThroughTheSearch", RadioFault::Silence, 0, true, true, "No answer from transceiver."},
        FaultCase{"checksum", RadioFault::Checksum, 2048, false, false, "Illegal data."},
        FaultCase{"endCount", RadioFault::EndCount, -1, false, false, "Data counter error."},
        FaultCase{"missingAddress", RadioFault::MissingAddress, -1, false, false, "There is not enough data."},
        FaultCase{"duplicateAddress", RadioFault::DuplicateAddress, -1, false, false, "There is not enough data."},
        FaultCase{"beyondImage", RadioFault::BeyondImage, 2048, false, false, "Data overflow."},
        FaultCase{"otherModel", RadioFault::OtherModel, -1, false, false, "No answer from transceiver."},
        FaultCase{"otherGeneration", RadioFault::OtherGeneration, -1, false, false,
                  "Connected transceiver is not compatible model."},
        FaultCase{"pulledCable", RadioFault::PulledCable, 2048, false, false, "Cannot Clone."}),
    [](const auto& param) { return std::string(param.param.name); });

// The backups kept of the simulated radio, newest first.
std::vector<std::filesystem::path> RadioBackupFiles() { return isolated::RadioBackupFiles("669945022413"); }

class RadioBackupTest : public RadioCliTest {
 protected:
  RadioBackupTest() { std::filesystem::remove_all(isolated::DataFolder() / "tessel"); }
  ~RadioBackupTest() override {
    ::setenv("XDG_DATA_HOME", isolated::DataFolder().c_str(), 1);
    std::filesystem::remove_all(isolated::DataFolder() / "tessel");
  }
};

// What was read and what was written are kept under the radio's serial number, as files
// that open to the radio's memory.
TEST_F(RadioBackupTest, ReadAndWriteKeepABackupOfTheImage) {
  const std::string document = NewDocument(kRadioDestination);
  Serve(false, kRadioDestination, RadioBytesOfFile(document, kRadioDestination));
  const CliRun read = Cli({"radio", "read", "-o", PathOf("read.qmf"), "--transfer-type", "3"});
  ASSERT_EQ(read.status, 0) << read.err;
  EXPECT_EQ(read.err, "");
  std::vector<std::filesystem::path> backups = RadioBackupFiles();
  ASSERT_EQ(backups.size(), 1u);
  EXPECT_TRUE(backups[0].filename().string().ends_with(" read.qmf")) << backups[0];
  EXPECT_EQ(RadioBytesOfFile(backups[0].string(), kRadioDestination), RadioBytesOf(radioImage_));

  const CliRun write = Cli({"radio", "write", document, "--yes", "--transfer-type", "3"});
  ASSERT_EQ(write.status, 0) << write.err;
  backups = RadioBackupFiles();
  ASSERT_EQ(backups.size(), 2u);
  const auto written = std::ranges::find_if(
      backups, [](const std::filesystem::path& path) { return path.filename().string().ends_with(" write.qmf"); });
  ASSERT_NE(written, backups.end());
  EXPECT_EQ(RadioBytesOfFile(written->string(), kRadioDestination), RadioBytesOf(radio_->Image()));
}

TEST_F(RadioBackupTest, NoBackupKeepsNone) {
  Serve();
  const CliRun read = Cli({"radio", "read", "-o", PathOf("read.qmf"), "--transfer-type", "3", "--no-backup"});
  ASSERT_EQ(read.status, 0) << read.err;
  const CliRun write =
      Cli({"radio", "write", NewDocument(kRadioDestination), "--yes", "--transfer-type", "3", "--no-backup"});
  ASSERT_EQ(write.status, 0) << write.err;
  EXPECT_FALSE(std::filesystem::exists(isolated::DataFolder() / "tessel"));
}

// A data folder that cannot hold the backup (here a file stands where the folder would be,
// which stops root too) leaves a warning and the clone as it went.
TEST_F(RadioBackupTest, ABackupThatCannotBeKeptWarnsAndTheCloneStillSucceeds) {
  Serve();
  const std::string blocked = PathOf("not-a-folder");
  std::ofstream(blocked) << "x";
  ::setenv("XDG_DATA_HOME", blocked.c_str(), 1);
  const std::string target = PathOf("read.qmf");
  const CliRun read = Cli({"radio", "read", "-o", target, "--transfer-type", "3"});
  EXPECT_EQ(read.status, 0);
  EXPECT_TRUE(read.err.starts_with("tessel-cli: warning: the backup " + blocked + "/tessel/radios/669945022413"))
      << read.err;
  EXPECT_NE(read.err.find("could not be kept: "), std::string::npos) << read.err;
  EXPECT_NE(read.out.find("Read the radio (destination 4) into " + target), std::string::npos) << read.out;
  EXPECT_TRUE(std::filesystem::exists(target));
}

// Root opens any device, so as root the command runs in a child process that has given up
// root for the "nobody" user; the child prints the command's errors.
void ReadWithoutRootAndReport(const std::vector<std::string>& args) {
  if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)) std::_Exit(2);
  const CliRun run = ::Cli(args);
  std::fprintf(stderr, "%s", run.err.c_str());
  std::_Exit(run.status);
}

// A device given by its path that the user may not open: the message names the path, never
// a port number, and says how to get the permission.
TEST_F(RadioCliTest, ADeviceWithoutPermissionIsNamedWithTheWayToGetIt) {
  ASSERT_EQ(line_.Open({}, {}), SerialError::None) << line_.ErrorText();
  const std::string device = line_.SlavePath();
  ASSERT_EQ(chmod(device.c_str(), 0), 0);
  struct stat status {};
  ASSERT_EQ(stat(device.c_str(), &status), 0);
  const group* owner = getgrgid(status.st_gid);
  ASSERT_NE(owner, nullptr);
  const std::string group = status.st_gid == 0 ? "dialout" : owner->gr_name;
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  // The child runs the test again and serves its own pseudo-terminal, of another number.
  const std::string anyTerminal = "/dev/pts/[0-9]+";
  EXPECT_EXIT(ReadWithoutRootAndReport({"radio", "read", "-o", PathOf("denied.qmf"), "--device", device}),
              ::testing::ExitedWithCode(CliExit::kRadioError),
              "^Cannot access " + anyTerminal + "\\.\n" + anyTerminal +
                  ": no permission to use the device; add your user to the group " + group +
                  " that owns it \\(sudo usermod -aG " + group +
                  " \\$USER\\), then log out and in again\\.\n\nCheck the following:\n - The " + anyTerminal +
                  " settings\\.\n");
}

TEST_F(RadioCliTest, RefusedWriteEndsWithItsMessage) {
  Serve();
  radio_->SetFault(RadioFault::RefusedWrite);
  const CliRun run = Cli({"radio", "write", NewDocument(kRadioDestination), "--yes", "--transfer-type", "3"});
  EXPECT_EQ(run.status, CliExit::kRadioError);
  EXPECT_TRUE(run.err.starts_with("Cannot write cloning data.\n")) << run.err;
  EXPECT_EQ(RadioBytesOf(radio_->Image()), RadioBytesOf(radioImage_));
}

}  // namespace
