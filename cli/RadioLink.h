#pragma once
// The radio connection of one tessel-cli radio command: the clone session manager on the
// real serial device with the event loop's clock and timers. Each Run operation starts one
// session and runs a Qt event loop until the session has ended, so a command is written as
// the chain of sessions it is; nothing waits for the radio outside the event loop.
//
// The information check compares the radio with the expectation in force; the read check
// wants an image of this radio.
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "base/EnvironSettings.h"
#include "clone/CloneInfoCheck.h"
#include "clone/CloneSessionUi.h"
#include "clone/indCloneMan.h"

class QCoreApplication;
class QEventLoop;

struct RadioLinkOptions {
  int transferType = 0;
  bool speedHigh = true;
  std::int32_t port = 0;   // a port number 1-256, used when devicePath is empty
  std::string devicePath;  // a device path given directly
};

// What a session left behind: its code, the words and information bytes the radio reported
// and, after a read, the image received.
struct RadioOutcome {
  int code = 0;
  std::uint16_t wordA = 0;
  std::uint16_t wordB = 0;
  std::vector<std::uint8_t> info;
  cmcEeprom image;
};

class RadioLink {
 public:
  RadioLink(const RadioLinkOptions& options, CloneSessionUi& ui);
  ~RadioLink();
  RadioLink(const RadioLink&) = delete;
  RadioLink& operator=(const RadioLink&) = delete;

  // How the next information sessions judge the radio's destination: a first pass takes
  // any, later passes want currentDestination.
  void Expect(bool firstPass, std::int32_t currentDestination);
  // The transfer type in force: the one given, or the one an information session found.
  int TransferType() const { return settings_.transType; }
  // Traces the frames of the later sessions into the file at path; a file that cannot be
  // written is reported on errors and the sessions run untraced.
  void TraceFrames(const std::string& path, std::ostream& errors) { manager_->TraceFrames(path, errors); }

  RadioOutcome RunInfo();
  RadioOutcome RunRead(const AddressRangeList& ranges);
  RadioOutcome RunWrite(const cmcEeprom& image, const AddressRangeList& ranges);

 private:
  struct Platform;

  static void CheckInfo(void* user, dst_CDrv_Result& result);
  static void CheckRead(void* user, dst_CDrv_Result& result);
  static void OnSessionEnd(void* user, dst_CDrv_Result& result);
  RadioOutcome Wait(int started);

  std::unique_ptr<QCoreApplication> ownApplication_;
  std::unique_ptr<Platform> platform_;
  EnvironSettings settings_;
  CloneInfoExpectation expectation_;
  std::unique_ptr<indCloneMan> manager_;
  std::unique_ptr<QEventLoop> loop_;
  RadioOutcome outcome_;
};
