#pragma once
// The document and its commands without a window: the settings over memory stores installed
// as the model settings (as the window program installs its own), English texts, the event
// manager on the manual clock, a fake window that records what the commands ask of it, and
// message boxes answered from a script. RadioLine adds the simulated radio on the in-memory
// cable.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "base/cmcEvMan.h"
#include "cli/CliCloneUi.h"
#include "files/DocumentFile.h"
#include "files/FilesTestSupport.h"
#include "memory/Generation.h"
#include "memory/MemoryMap.h"
#include "memory/ModelSettings.h"
#include "memory/cmcEeprom.h"
#include "memory/indDestination.h"
#include "sheet/SheetFixture.h"
#include "support/LoopbackSerial.h"
#include "support/ManualTiming.h"
#include "support/ScriptedMessageBox.h"
#include "text/Codepage.h"
#include "text/DisplayCodePage.h"
#include "text/LineTables.h"
#include "text/cmcGTex.h"
#include "tools/radio-sim/RadioSimEngine.h"
#include "tools/radio-sim/RadioSimImage.h"
#include "workflows/CloneCommands.h"
#include "workflows/Document.h"
#include "workflows/DocumentCommands.h"
#include "workflows/DocumentWindow.h"
#include "workflows/MainServices.h"

// A destination whose band rules take the repeaters of the write tests.
inline constexpr int kDestination = 0;

// Shows nothing; keeps count of what the commands asked and answers the warning check with
// the counts the test sets.
class FakeDocumentWindow final : public DocumentWindow {
 public:
  bool Visible() const override { return true; }
  bool TakesInput() const override { return true; }
  void CloseSheet() override { ++calls.closedSheets; }
  void RebuildTree() override { ++calls.rebuiltTrees; }
  void RunWarningCheck(int& errors, int& warnings) override {
    ++calls.warningChecks;
    errors = errorPages;
    warnings = warningPages;
  }
  void BeginBusy() override { ++calls.busyBegun; }
  void EndBusy() override { ++calls.busyEnded; }
  void OpenInformationWindow() override { ++calls.informationWindows; }

  int errorPages = 0;
  int warningPages = 0;

  struct Calls {
    int closedSheets = 0;
    int rebuiltTrees = 0;
    int warningChecks = 0;
    int busyBegun = 0;
    int busyEnded = 0;
    int informationWindows = 0;
  } calls;
};

// The settings object is the process's model settings, with the band rules of destination,
// for the life of the object.
class InstalledEnviron {
 public:
  InstalledEnviron(indEnviron& settings, int destination) : environ_(settings) {
    environ_.settings.destinationCode = destination;
    Install();
  }
  ~InstalledEnviron() {
    InstallModelSettings(nullptr);
    indDestination(DocumentFile::kNoDestination).ApplyDestination();
  }
  InstalledEnviron(const InstalledEnviron&) = delete;
  InstalledEnviron& operator=(const InstalledEnviron&) = delete;

  // Again, after something else (a command-line destination session) had its turn.
  void Install() {
    InstallModelSettings(&environ_);
    indDestination(environ_.settings.destinationCode).ApplyDestination();
  }

 private:
  indEnviron& environ_;
};

// Writes text over the start of the document's 16-byte comment.
inline void PutComment(cmcEeprom& image, std::string_view text) {
  image.WriteBlock(MemoryMap::kImageComment, reinterpret_cast<const std::uint8_t*>(text.data()),
                   static_cast<std::int32_t>(text.size()));
}

// The file's last line, without its line end.
inline std::string LastLine(const std::string& path) {
  std::string text = ReadBytes(path);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  const std::size_t end = text.find_last_of('\n');
  return end == std::string::npos ? text : text.substr(end + 1);
}

inline bool EndsWithDigestLine(const std::string& path) { return LastLine(path).starts_with("#CD="); }

// A new, unchanged document of kDestination, as the window shows it after start.
class DocumentTest : public ::testing::Test {
 protected:
  DocumentTest() {
    texts.SelectLineTable(LineTableOf(TableLanguage::English));
    document.BuildDefaults();
    commands.NewDocument();
    window.calls = {};
  }

  // A question or message as the commands show it.
  std::string Text(const char* key) { return ToUtf8(texts.GetValueText(key), DisplayCodePage()); }

  ManualTiming timing;
  TestSettings settings;
  InstalledEnviron installed{settings.environ, kDestination};
  cmcGTex texts;
  cmcEvMan events;
  MainServices services{settings.environ, texts, events};
  Document document{ImageSizeOf(DocumentFile::kNewestGeneration)};
  FakeDocumentWindow window;
  DocumentCommands commands{document, window, services};
  ScriptedMessageBox messages;
  TempFolder folder;
};

// The simulated radio of kDestination on the other end of the program's cable, and the
// window's clone commands on this end. Sessions run on the manual clock.
class RadioLine : public DocumentTest {
 protected:
  static constexpr std::int32_t kCablePort = 1;

  RadioLine() {
    LoopbackSerial::Connect(programEnd, radioEnd);
    auto& cable = settings.environ.settings;
    cable.comPort = kCablePort;
    cable.transType = 3;  // no echo, as the simulated cable
    cable.comSpeedHigh = 1;
  }

  // A radio holding radioMemory, its sessions recorded.
  void Serve() {
    ASSERT_EQ(radioEnd.Open("radio", {}), SerialError::None);
    RadioSimOptions options;
    options.identity.destination = kDestination;
    radio = std::make_unique<RadioSimEngine>(radioEnd, radioMemory, options);
    radio->SetSessionEnd([this](const RadioSimSession& session) { radioSessions.push_back(session.kind); });
    radio->Start();
  }

  // Moves the clock on until busy() no longer holds (at most limitMs); answers whether it ended.
  template <typename Busy>
  bool RunWhile(Busy busy, std::uint32_t limitMs = 600000) {
    constexpr std::uint32_t kStepMs = 10;
    std::uint32_t elapsed = 0;
    do {
      timing.Advance(kStepMs);
      elapsed += kStepMs;
    } while (busy() && elapsed < limitMs);
    return !busy();
  }

  LoopbackSerial programEnd;
  LoopbackSerial radioEnd;
  cmcEeprom radioMemory = NewRadioImage(kDestination);  // what Serve gives the radio
  std::unique_ptr<RadioSimEngine> radio;
  std::vector<RadioSimSession::Kind> radioSessions;
  std::ostringstream cloneMessages;
  CliCloneUi sessionUi{cloneMessages, false};
  CloneCommands clone{document, commands, window, services, programEnd, sessionUi};
};

// The bytes of the radio's memory in image.
inline std::vector<std::uint8_t> RadioBytes(const cmcEeprom& image) {
  const auto bytes = image.Bytes().first(RadioSimEngine::kMemorySize);
  return {bytes.begin(), bytes.end()};
}
