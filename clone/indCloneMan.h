#pragma once
// The clone session manager: it sits between the program's commands and the clone driver.
// For each session it configures the driver from the settings, shows the progress of reads
// and writes, checks what the radio reported, turns a failure into a message, announces the
// session's begin and end through the event manager and hands the result to the command's
// continuation. Commands (Clone Read, Clone Write, Clone Information) are chains of sessions,
// each started from the continuation of the one before.
//
// Start operations answer 0 and do nothing while a session runs, otherwise 1.
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>

#include "base/EnvironSettings.h"
#include "base/cmcEvMan.h"
#include "base/cmcTask.h"
#include "clone/CloneSessionUi.h"
#include "clone/FrameTrace.h"
#include "clone/cmcCloneDrv.h"
#include "clone/dst_CDrv_Result.h"
#include "memory/AddressRange.h"
#include "text/cmcGTex.h"

class indCloneMan {
 public:
  // Judges a session's result and may change its code; installed once by the owner.
  using Check = void (*)(void* user, dst_CDrv_Result& result);
  // Receives every session's result once the session has ended and its message was shown.
  using Continuation = void (*)(void* user, dst_CDrv_Result& result);

  static constexpr std::int32_t kProgressIntervalMs = 30;
  static constexpr std::int32_t kTransferRequestPreamble = 12;
  static constexpr std::int32_t kPostCommandDelayMs = 200;
  static constexpr std::int32_t kBlockSize = 32;
  static constexpr std::int32_t kAckTimeoutMs = 10000;

  // The session reads "TransType", "ComSpeedHigh" and "ComPort" from settings when it starts
  // and stores the transfer type an information session found. Everything given must
  // outlive the manager.
  indCloneMan(SerialDevice& device, const PortResolver& ports, EnvironSettings& settings, cmcEvMan& events,
              cmcGTex& texts, CloneSessionUi& ui);
  ~indCloneMan();
  indCloneMan(const indCloneMan&) = delete;
  indCloneMan& operator=(const indCloneMan&) = delete;

  void SetInfoCheck(Check check, void* user);
  void SetReadCheck(Check check, void* user);
  void SetRequestWords(std::uint16_t a, std::uint16_t b);
  void SetImageSize(std::int32_t n);
  // A device path used instead of the "ComPort" number; "" goes back to the number.
  void SetDevicePath(const std::string& path);
  // Traces the frames of every later session into the file at path (see FrameTrace). A file
  // that cannot be written is reported on errors; the sessions then run untraced.
  void TraceFrames(const std::string& path, std::ostream& errors);

  int StartInfo(Continuation continuation, void* user);
  // The ranges must outlive the session.
  int StartRead(const AddressRangeList& ranges, Continuation continuation, void* user);
  // Sends a copy of image.
  int StartWrite(const cmcEeprom& image, const AddressRangeList& ranges, Continuation continuation, void* user);
  bool IsBusy() const { return driver_.IsBusy(); }

 private:
  static void OnDriverDone(void* user, dst_CDrv_Result& result);
  static void OnProgressTick(void* user, cmcTask& task);

  void Configure(int kind);
  std::string SpeedSwitchCommand(std::string_view initialSettings) const;
  void BeginTransfer(const AddressRangeList& ranges, Continuation continuation, void* user);
  void EndSession(dst_CDrv_Result& result);
  void ApplyCheck(dst_CDrv_Result& result);
  void ShowError(const dst_CDrv_Result& result);

  EnvironSettings& settings_;
  cmcEvMan& events_;
  cmcGTex& texts_;
  CloneSessionUi& ui_;
  std::int64_t expectedTotal_ = 0;
  Check infoCheck_ = nullptr;
  void* infoCheckUser_ = nullptr;
  Check readCheck_ = nullptr;
  void* readCheckUser_ = nullptr;
  Continuation continuation_ = nullptr;
  void* continuationUser_ = nullptr;
  std::unique_ptr<FrameTrace> trace_;
  std::string devicePath_;
  cmcCloneDrv driver_;
  int kind_ = 0;
  bool progressOpen_ = false;
  std::uint16_t wordA_ = 0;
  std::uint16_t wordB_ = 0;
  cmcTaskPtr progress_;
};
