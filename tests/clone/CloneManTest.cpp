#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "clone/CloneCheckCodes.h"
#include "clone/CloneFrame.h"
#include "clone/CloneRanges.h"
#include "clone/indCloneMan.h"
#include "platform/PortResolver.h"
#include "support/LoopbackSerial.h"
#include "support/ManualTiming.h"
#include "text/LineTables.h"

namespace {

using CloneFrame::Bytes;

class CablePorts : public PortResolver {
 public:
  std::string DevicePath(std::int32_t port) const override { return port == 3 ? "/dev/cable3" : std::string(); }
};

class RecordingUi : public CloneSessionUi {
 public:
  void OpenProgress() override { log.push_back("open"); }
  void ShowProgress(int segments) override { segmentsShown.push_back(segments); }
  void CloseProgress() override { log.push_back("close"); }
  void ShowCloneError(const std::string& caption, const std::string& text) override {
    log.push_back("error");
    errorCaption = caption;
    errorText = text;
  }

  std::vector<std::string> log;
  std::vector<int> segmentsShown;
  std::string errorCaption;
  std::string errorText;
};

// The radio end of the cable: it keeps what arrives and answers information requests and
// end frames as told.
class ScriptedRadio {
 public:
  explicit ScriptedRadio(LoopbackSerial& end) : end_(end) {}

  void Poll() {
    std::uint8_t chunk[4096];
    for (std::int32_t n; (n = end_.Read(chunk, sizeof chunk)) > 0;) {
      received.insert(received.end(), chunk, chunk + n);
      pending_.insert(pending_.end(), chunk, chunk + n);
    }
    for (auto fd = std::ranges::find(pending_, CloneFrame::kTerminator); fd != pending_.end();
         fd = std::ranges::find(pending_, CloneFrame::kTerminator)) {
      Answer(CommandBefore(fd));
      pending_.erase(pending_.begin(), fd + 1);
    }
  }

  std::vector<std::uint8_t> info;  // answered to each information request when not empty
  std::uint16_t generation = 3;
  bool acknowledgeWrite = false;
  std::vector<std::uint8_t> received;
  int baudAtFirstByte = 0;

 private:
  // The frame runs from the last FE before the FD: FE, EE, EF, command.
  std::uint8_t CommandBefore(std::vector<std::uint8_t>::iterator fd) {
    const auto last = std::find(std::make_reverse_iterator(fd), pending_.rend(), CloneFrame::kPreamble);
    if (last == pending_.rend()) return 0;
    const auto start = last.base() - 1;
    if (fd - start < 4 || start[1] != CloneFrame::kRadio || start[2] != CloneFrame::kProgram) return 0;
    return start[3];
  }

  void Answer(std::uint8_t command) {
    if (command == CloneFrame::kInfoRequest && !info.empty()) {
      Bytes body{0x33, 0x90, 0x00, static_cast<std::uint8_t>(generation)};
      body.insert(body.end(), info.begin(), info.end());
      Send(CloneFrame::Frame(CloneFrame::kProgram, CloneFrame::kRadio, CloneFrame::kInfoReply, body));
    } else if (command == CloneFrame::kEndOfData && acknowledgeWrite) {
      const std::uint8_t ok[] = {0x00};
      Send(CloneFrame::Frame(CloneFrame::kProgram, CloneFrame::kRadio, CloneFrame::kWriteAck, ok));
    }
  }

  void Send(const Bytes& frame) { end_.Write(frame.data(), static_cast<std::int32_t>(frame.size())); }

  LoopbackSerial& end_;
  std::vector<std::uint8_t> pending_;
};

std::vector<std::uint8_t> InfoBlockOfDestination(std::uint8_t destination) {
  std::vector<std::uint8_t> block(45, 0x20);
  block[1] = 1;
  block[18] = destination;
  return block;
}

struct Outcome {
  int calls = 0;
  int code = -1;
  int kind = 0;
  std::vector<std::uint8_t> info;
};

void Record(void* user, dst_CDrv_Result& result) {
  auto& outcome = *static_cast<Outcome*>(user);
  ++outcome.calls;
  outcome.code = result.code;
  outcome.kind = result.kind;
  outcome.info.assign(result.info.Data(), result.info.Data() + result.info.Length());
}

// Passes every radio of destination 2.
void AcceptDestination2(void* /*user*/, dst_CDrv_Result& result) {
  result.code =
      result.info.Length() == 45 && *result.info.At(18) == 2 ? CloneResult::kOk : CloneResult::kVersionMismatch;
}

class CloneManTest : public ::testing::Test {
 protected:
  CloneManTest() {
    LoopbackSerial::Connect(device, radioEnd);
    radioEnd.Open("radio", {});
    texts.SelectLineTable(LineTableOf(TableLanguage::English));
    settings.comPort = 3;
    settings.transType = 3;  // 19,200 baud, no echo
    settings.comSpeedHigh = 1;
    events.Register(&CloneManTest::OnEvent, this);
    manager.SetRequestWords(0x3390, 0);
  }
  ~CloneManTest() override { events.Unregister(&CloneManTest::OnEvent, this); }

  static void OnEvent(void* user, const EventRecord& event) {
    auto& test = *static_cast<CloneManTest*>(user);
    if (event.code >= EV_CloneStarted && event.code <= EV_CloneWindowClosed) {
      test.events_seen.push_back(event.code * 10 + static_cast<int>(event.p1));
    }
  }

  // Runs the clock in driver steps until the session has ended (at most limitMs).
  void RunSession(std::uint32_t limitMs = 60000) {
    for (std::uint32_t t = 0; t < limitMs && (manager.IsBusy() || outcome.calls == 0); t += 10) {
      if (radioEnd.InQueue() > 0 && radio.received.empty()) radio.baudAtFirstByte = device.Settings().baudRate;
      radio.Poll();
      timing.Advance(10);
    }
  }

  ManualTiming timing;
  LoopbackSerial device;
  LoopbackSerial radioEnd;
  ScriptedRadio radio{radioEnd};
  CablePorts ports;
  EnvironSettings settings;
  cmcEvMan events;
  cmcGTex texts;
  RecordingUi ui;
  indCloneMan manager{device, ports, settings, events, texts, ui};
  Outcome outcome;
  std::vector<int> events_seen;
};

TEST_F(CloneManTest, InformationSessionPassesItsCheckAndAnnouncesBeginAndEnd) {
  manager.SetInfoCheck(&AcceptDestination2, nullptr);
  radio.info = InfoBlockOfDestination(2);
  ASSERT_EQ(manager.StartInfo(&Record, &outcome), 1);
  EXPECT_EQ(manager.StartInfo(&Record, &outcome), 0);
  RunSession();
  EXPECT_EQ(outcome.calls, 1);
  EXPECT_EQ(outcome.kind, CloneSession::kInfo);
  EXPECT_EQ(outcome.code, CloneResult::kOk);
  EXPECT_EQ(outcome.info, radio.info);
  EXPECT_EQ(events_seen, (std::vector<int>{420, 440, 431}));
  EXPECT_TRUE(ui.log.empty());
  // Before any read or write the request has no extra preamble, at the initial speed.
  EXPECT_EQ(radio.received, CloneFrame::Request(CloneFrame::kInfoRequest, 0x3390, 0, 0));
  EXPECT_EQ(device.Settings().baudRate, 19200);
}

TEST_F(CloneManTest, FailedCheckShowsItsMessageBeforeTheEndEvents) {
  manager.SetInfoCheck(&AcceptDestination2, nullptr);
  radio.info = InfoBlockOfDestination(5);
  manager.StartInfo(&Record, &outcome);
  RunSession();
  EXPECT_EQ(outcome.code, CloneResult::kVersionMismatch);
  EXPECT_EQ(ui.log, std::vector<std::string>{"error"});
  EXPECT_EQ(ui.errorCaption, "Tessel");
  EXPECT_EQ(ui.errorText,
            "Transceiver version does not match.\n\nThe transceiver cannot be programmed with the current setting.");
  EXPECT_EQ(events_seen, (std::vector<int>{420, 440, 430}));
}

TEST_F(CloneManTest, SessionsWithoutTheirCheckFail) {
  radio.info = InfoBlockOfDestination(2);
  manager.StartInfo(&Record, &outcome);
  RunSession();
  EXPECT_EQ(outcome.code, CloneResult::kIllegalInformation);
  EXPECT_TRUE(ui.errorText.starts_with("Illegal information.\n\n"));
}

TEST_F(CloneManTest, MissingPortNamesItsNumberAndDevice) {
  settings.comPort = 7;
  manager.SetInfoCheck(&AcceptDestination2, nullptr);
  manager.StartInfo(&Record, &outcome);
  RunSession();
  EXPECT_EQ(outcome.code, CloneResult::kPortOpen);
  EXPECT_TRUE(ui.errorText.starts_with("Cannot access COM 7.\n")) << ui.errorText;
}

TEST_F(CloneManTest, ReadSwitchesSpeedAtTheInitialSpeedAndShowsProgress) {
  const AddressRangeList ranges = CloneReadRanges();
  ASSERT_EQ(manager.StartRead(ranges, &Record, &outcome), 1);
  RunSession();
  const Bytes speedSwitch = CloneFrame::SpeedSwitch(0x3390, 0, true);
  const Bytes request = CloneFrame::Request(CloneFrame::kReadRequest, 0x3390, 0, 12);
  Bytes expected = speedSwitch;
  expected.insert(expected.end(), request.begin(), request.end());
  EXPECT_EQ(radio.received, expected);
  EXPECT_EQ(radio.baudAtFirstByte, 19200);
  EXPECT_EQ(device.Settings().baudRate, 38400);
  EXPECT_EQ(outcome.code, CloneResult::kNoAnswer);
  EXPECT_TRUE(ui.errorText.starts_with("No answer from transceiver.\n\nCheck the following:\n"));
  EXPECT_EQ(ui.log, (std::vector<std::string>{"open", "error", "close"}));
  EXPECT_FALSE(ui.segmentsShown.empty());
  EXPECT_EQ(events_seen, (std::vector<int>{440, 430}));

  // Information sessions keep the request preamble of the read before them.
  radio.received.clear();
  manager.SetInfoCheck(&AcceptDestination2, nullptr);
  radio.info = InfoBlockOfDestination(2);
  manager.StartInfo(&Record, &outcome);
  RunSession();
  EXPECT_EQ(radio.received, CloneFrame::Request(CloneFrame::kInfoRequest, 0x3390, 0, 12));
}

TEST_F(CloneManTest, NormalSpeedReadSwitchesToNineThousandSixHundred) {
  settings.comSpeedHigh = 0;
  const AddressRangeList ranges = CloneReadRanges();
  manager.StartRead(ranges, &Record, &outcome);
  RunSession();
  const Bytes speedSwitch = CloneFrame::SpeedSwitch(0x3390, 0, false);
  ASSERT_GE(radio.received.size(), speedSwitch.size());
  EXPECT_TRUE(std::equal(speedSwitch.begin(), speedSwitch.end(), radio.received.begin()));
  EXPECT_EQ(device.Settings().baudRate, 9600);
}

TEST_F(CloneManTest, WriteProgressFillsAllSegmentsAndNeverGoesBack) {
  cmcEeprom image;
  image.SetSize(136397);
  const AddressRangeList ranges = CloneWriteRanges();
  radio.acknowledgeWrite = true;
  ASSERT_EQ(manager.StartWrite(image, ranges, &Record, &outcome), 1);
  EXPECT_EQ(manager.StartRead(ranges, &Record, &outcome), 0);
  RunSession();
  EXPECT_EQ(outcome.kind, CloneSession::kWrite);
  EXPECT_EQ(outcome.code, CloneResult::kOk);
  EXPECT_EQ(ui.log, (std::vector<std::string>{"open", "close"}));
  ASSERT_FALSE(ui.segmentsShown.empty());
  EXPECT_TRUE(std::ranges::is_sorted(ui.segmentsShown));
  EXPECT_EQ(ui.segmentsShown.back(), 32);
  EXPECT_EQ(events_seen, (std::vector<int>{440, 431}));
}

}  // namespace
