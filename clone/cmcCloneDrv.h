#pragma once
// The clone driver: moves a whole memory image between the program and the radio over the
// serial port, in one of three sessions: information (ask the radio who it is), read (the
// radio sends its memory) and write (the program sends memory to the radio).
//
// A session is a state machine stepped every 10 ms by the driver's own timer task; no step
// waits for the radio. The driver shows nothing and never touches the document: a read
// lands in the result record's own image, a write sends a copy. When a session ends the
// port is closed, the driver is idle again and the completion callback receives the result
// record, so the callback may start the next session at once. The record is destroyed when
// the callback returns.
//
// Everything the radio sends is untrusted: frames of any length and content are checked
// before a byte of them is used, and nothing is ever written outside the result image.
//
// The owner configures the driver before each session; a setting keeps its value for later
// sessions. Start operations answer false, and change nothing, while a session runs.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "base/cmcBuff.h"
#include "base/cmcTask.h"
#include "base/cmcTick.h"
#include "clone/cmcComm.h"
#include "clone/dst_CDrv_Result.h"
#include "memory/AddressRange.h"
#include "memory/cmcEeprom.h"

class FrameTrace;
class PortResolver;
class SerialDevice;

class cmcCloneDrv {
 public:
  // Called once per session with the owner's user value; see above for what it may do.
  using Completion = void (*)(void* user, dst_CDrv_Result& result);

  static constexpr std::int32_t kStepMs = 10;
  static constexpr std::int32_t kDefaultImageSize = 136397;
  static constexpr std::int32_t kDefaultBlockSize = 16;
  static constexpr std::int32_t kDefaultTimeoutMs = 1000;
  static constexpr std::int32_t kCommandTimeoutMs = 1000;
  static constexpr std::int32_t kDefaultAckTimeoutMs = 2000;
  static constexpr std::int32_t kDrainMs = 100;

  // Both must outlive the driver.
  cmcCloneDrv(SerialDevice& device, const PortResolver& ports);
  // Closes the port; a running session ends without its callback.
  ~cmcCloneDrv();
  cmcCloneDrv(const cmcCloneDrv&) = delete;
  cmcCloneDrv& operator=(const cmcCloneDrv&) = delete;

  // Word A (the model word) and word B, sent in every request.
  void SetRequestWords(std::uint16_t a, std::uint16_t b);
  // The size of the image a read fills (and of the result image of every session).
  void SetImageSize(std::int32_t n);
  // The port number and the settings ("9600,N,8,1") the session opens it with.
  void SetPort(std::int32_t port, std::string_view settings);
  // A device path used instead of the port number; "" goes back to the number.
  void SetDevicePath(std::string path);
  // Extra 0xFE bytes before each information, read and write request.
  void SetRequestPreamble(std::int32_t n);
  // Extra 0xFE bytes before the first and before every later data frame of a write.
  void SetDataPreamble(std::int32_t first, std::int32_t later);
  // Sent before the session's own requests: pieces of hex text, each sent as bytes, and
  // pieces "(settings)" that reopen the port with those settings.
  void SetCommandText(std::string_view text);
  // The end frame carries the frame count modulo 256.
  void SetEndCount(bool on);
  // Every byte sent is expected back from the cable and verified.
  void SetEcho(bool on);
  // The largest payload of one data frame; values <= 0 keep the current size.
  void SetBlockSize(std::int32_t n);
  // How long the radio may take to acknowledge a write; values <= 0 keep the current one.
  void SetAckTimeout(std::int32_t ms);
  // A wait after the command text, used by the next session only.
  void SetPostDelay(std::int32_t ms);
  // The "TransType" setting (0-5): an information session searches for a working transfer
  // type from this one on.
  void SetTransferType(int type);
  // The "ComSpeedHigh" setting: data frames in escaped binary (fast) or hexadecimal text.
  // A session keeps the value it started with.
  void SetSpeedHigh(bool fast);
  // Where every byte the sessions send and receive is traced; nullptr, the default, traces
  // nothing. The trace must outlive its use.
  void SetFrameTrace(FrameTrace* trace) { trace_ = trace; }

  bool StartInfo(Completion completion, void* user);
  // Without ranges the end of the read is not checked against a range list.
  bool StartRead(const AddressRangeList* ranges, Completion completion, void* user);
  // Sends the bytes of image in ranges (a list ended by an end marker).
  bool StartWrite(const cmcEeprom& image, const AddressRangeList& ranges, Completion completion, void* user);

  bool IsBusy() const { return state_ != State::Idle; }
  // Payload bytes accepted or sent so far in the running session.
  std::int32_t DataByteCount() const { return dataBytes_; }

 private:
  // The steps of a session, in the order a session without failures takes them; an
  // information session goes from OpenPort to SendInfoRequest, a read to SendReadRequest
  // and a write to SendWriteRequest, and each ends in Finishing.
  enum class State {
    Idle,
    Start,
    CommandText,
    PostDelay,
    OpenPort,
    SendInfoRequest,
    InfoReply,
    SendReadRequest,
    Receive,
    SendWriteRequest,
    SendData,
    SendEnd,
    Ack,
    Finishing,
    Done,
  };
  class StepContext;

  static void OnTimer(void* user, cmcTask& task);
  bool Start(int kind, Completion completion, void* user);
  void Tick();
  void Step();
  void Finish();

  bool CheckEcho(StepContext& step);
  bool WaitsForEcho() const;
  void RestartInactivity(State nextState);
  std::uint32_t LineTimeLeftMs() const;
  void RunState(StepContext& step);

  void StateCommandText(StepContext& step);
  void RunCommandPiece(StepContext& step);
  void StatePostDelay(StepContext& step);
  void StateOpenPort(StepContext& step);
  void StateInfoReply(StepContext& step);
  int InfoReplyCode(const cmcBuff& frame);
  void StateReceive(StepContext& step);
  void ReceiveFrame(std::span<const std::uint8_t> frame, StepContext& step);
  int AcceptData(std::span<const std::uint8_t> payload);
  int CheckCoverage() const;
  void StateSendData(StepContext& step);
  bool IsStagingHeldBack();
  void StageFrame();
  void StateSendEnd(StepContext& step);
  void StateAck(StepContext& step);
  void StateFinishing(StepContext& step);

  bool Reopen(std::string_view settings);
  void StartDrain();
  bool Draining(StepContext& step);
  void Send(const std::uint8_t* bytes, std::int32_t n);
  void StateSendRequest(std::uint8_t command, State reply, StepContext& step);
  void ReadInput();
  // What the port has received, up to max bytes.
  std::int32_t ReadPort(std::uint8_t* buffer, std::int32_t max);
  // Takes the next frame (or abandoned frame) off the receive buffer; false when none is
  // complete yet.
  bool TakeFrame(std::size_t maxFrame, cmcBuff& frame, bool& overflow);
  // Reads what arrived and keeps the last reply frame that completed; false when none did.
  bool TakeLastReply(cmcBuff& frame);

  cmcComm port_;
  std::uint16_t wordA_ = 0;
  std::uint16_t wordB_ = 0;
  std::int32_t imageSize_ = kDefaultImageSize;
  std::int32_t portNumber_ = 0;
  std::string devicePath_;
  std::string portSettings_ = "9600,n,8,1";
  std::int32_t requestPreamble_ = 0;
  std::int32_t firstDataPreamble_ = 0;
  std::int32_t laterDataPreamble_ = 0;
  int kind_ = 0;
  bool endCount_ = true;
  bool echo_ = false;
  bool search_ = false;
  int transferType_ = 0;
  int searchType_ = 0;
  int startType_ = 0;
  bool speedHighSetting_ = false;
  bool speedHigh_ = false;

  cmcBuff receive_;
  cmcBuff echoExpected_;
  cmcBuff staged_;
  std::string commandText_;
  std::string sessionCommands_;
  std::int32_t frames_ = 0;
  std::int32_t dataBytes_ = 0;
  std::int32_t blockSize_ = kDefaultBlockSize;
  AddressRangeList ranges_;
  bool hasRanges_ = false;
  std::size_t rangeIndex_ = 0;
  std::int32_t address_ = 0;
  std::int32_t lastPendingOut_ = 0;  // the port's queue at the previous data step

  std::unique_ptr<dst_CDrv_Result> result_;
  Completion completion_ = nullptr;
  void* user_ = nullptr;
  State state_ = State::Idle;
  cmcTick inactivity_;
  cmcTick postCommand_;
  cmcTick drain_;
  std::int32_t drained_ = 0;
  std::int32_t ackTimeoutMs_ = kDefaultAckTimeoutMs;
  // The speed of the open port and when the line has carried the last byte sent at it.
  std::int32_t lineBaud_ = 0;
  std::uint32_t lineFreeAtMs_ = 0;
  std::int32_t postDelayMs_ = 0;
  FrameTrace* trace_ = nullptr;
  // Cleared when the driver goes, so that a callback that destroys it is noticed.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  cmcTaskPtr task_;
};
