#pragma once
// The radio's side of the clone protocol, played over a serial device: an in-memory loopback
// in unit tests, a pseudo-terminal in radio-sim. It answers information requests, follows
// the speed switch, sends its image when asked to read and takes, checks and acknowledges an
// image when written to (a written image replaces its own).
//
// The engine is stepped by its own timer task on the installed timing, so tests run it with
// the manual clock beside the driver. It never waits: each tick reads what has arrived,
// answers, and sends what the line can carry. Paced, the line carries 10 bits per byte at
// the current speed in both directions: the radio takes in no more than the line could have
// delivered since it last read, and the rest waits in the device for later ticks.
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "base/cmcBuff.h"
#include "base/cmcTask.h"
#include "memory/AddressRange.h"
#include "memory/cmcEeprom.h"
#include "tools/radio-sim/RadioFault.h"

class SerialDevice;

struct RadioIdentity {
  std::uint16_t modelWord = 0x3390;
  int generation = 3;
  int destination = 0;
  std::string serial = "00000000000000";  // 14 hexadecimal characters
  std::string comment;                    // up to 16 characters
};

struct RadioSimOptions {
  RadioIdentity identity;
  bool echo = false;  // the cable sends every byte back to the program
  bool pace = false;  // send and receive no faster than the line speed allows
  std::int32_t initialBaud = 9600;
  std::int32_t replyDelayMs = 20;  // the radio's time to answer a request
};

struct RadioSimSession {
  enum class Kind { Info, Read, Write };
  Kind kind = Kind::Info;
  bool completed = false;              // the session ran to its regular end (a write was acknowledged)
  const cmcEeprom* written = nullptr;  // what a completed write delivered
};

class RadioSimEngine {
 public:
  static constexpr std::int32_t kTickMs = 5;
  static constexpr std::int32_t kBlockSize = 32;
  // The radio's memory, all of which a read sends and a write must deliver.
  static constexpr std::int32_t kMemorySize = 0x1FB40;
  static constexpr std::int32_t kInfoBytes = 45;

  using SessionEnd = std::function<void(const RadioSimSession&)>;

  // The device must be open while the engine serves; image is the radio's memory
  // (kMemorySize bytes).
  RadioSimEngine(SerialDevice& device, const cmcEeprom& image, RadioSimOptions options);
  ~RadioSimEngine();
  RadioSimEngine(const RadioSimEngine&) = delete;
  RadioSimEngine& operator=(const RadioSimEngine&) = delete;

  void Start();
  void Stop();
  // The program closed its end of the line: a session in progress ends, broken off, and
  // nothing still queued for the line is sent.
  void HangUp();

  // Arms a fault for once. Faults of a transfer strike once atBytes data bytes have been
  // sent or received (negative: half of the memory); the others at the next chance.
  void SetFault(RadioFault fault, std::int32_t atBytes = -1);
  bool FaultPending() const { return fault_ != RadioFault::None; }
  // What pulling the cable does; by default the engine closes its device.
  void SetCablePuller(std::function<void()> pull) { pullCable_ = std::move(pull); }
  // Called once the last byte of a session's answer has been handed to the line.
  void SetSessionEnd(SessionEnd end) { sessionEnd_ = std::move(end); }

  const cmcEeprom& Image() const { return image_; }
  bool IsFast() const { return fast_; }
  // The data frames of the last write as (start, end) address pairs, in arrival order.
  const AddressRangeList& WrittenFrames() const { return writtenFrames_; }

 private:
  enum class Mode { Idle, Sending, Receiving, Gone };

  static void OnTimer(void* user, cmcTask& task);
  void Tick();
  void ReadLine();
  void HandleFrame(std::span<const std::uint8_t> frame);
  void Reply(const std::vector<std::uint8_t>& frame);
  void AnswerInfo();
  void SwitchSpeed(std::span<const std::uint8_t> frame);
  void BeginRead();
  void SendNextFrames();
  void SendDataFrame();
  void SendEndFrame();
  void BeginWrite();
  void ReceiveData(std::span<const std::uint8_t> frame);
  void ReceiveEnd(std::span<const std::uint8_t> frame);
  bool IsCompleteWrite() const;
  bool Strikes(RadioFault fault, std::int32_t bytes);
  bool StrikesNow(RadioFault fault);
  void PullCable();
  void QueueNoise();
  void Flush();
  std::int32_t LineBudget();
  std::int32_t ReceiveBudget();
  void EndSession(RadioSimSession::Kind kind, bool completed);

  SerialDevice& device_;
  cmcEeprom image_;
  RadioSimOptions options_;
  Mode mode_ = Mode::Idle;
  bool fast_ = false;
  std::int32_t baud_ = 9600;

  cmcBuff receive_;
  std::deque<std::uint8_t> output_;
  std::vector<std::uint8_t> delayed_;  // an answer waiting for the radio's reply delay
  std::uint32_t delayedSince_ = 0;
  std::uint32_t lastFlush_ = 0;
  std::uint64_t lineCredit_ = 0;  // byte-milliseconds x baud not yet spent
  std::uint32_t lastRead_ = 0;
  std::uint64_t receiveCredit_ = 0;  // the same for the bytes on their way to the radio

  std::int32_t nextAddress_ = 0;
  std::int32_t frames_ = 0;
  std::int32_t dataBytes_ = 0;
  std::int32_t previousAddress_ = 0;
  bool writeBroken_ = false;
  cmcEeprom written_;
  std::vector<bool> writtenBits_;
  AddressRangeList writtenFrames_;

  RadioFault fault_ = RadioFault::None;
  std::int32_t faultAt_ = 0;
  std::uint32_t noiseSeed_ = 12345;

  std::function<void()> pullCable_;
  SessionEnd sessionEnd_;
  bool endPending_ = false;
  RadioSimSession pendingEnd_;
  cmcTaskPtr task_;
};
