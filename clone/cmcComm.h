#pragma once
// The serial port of the clone cable. Nothing here waits for the line: reads take what has
// arrived, and writes are queued in a transmit buffer that the send pump, a timer task,
// feeds to the device at most 1,024 bytes at a time and only when the device has sent
// everything it held.
//
// A write fails (HasWriteError) when the device accepts fewer bytes than offered or has
// not sent a piece within its deadline: 100,000 / baud milliseconds per byte plus 3 s.
// A device that goes away while open (HasDeviceLost) fails too; read errors count as no
// bytes arriving.
#include <cstdint>
#include <string>
#include <string_view>

#include "base/cmcBuff.h"
#include "base/cmcTask.h"
#include "base/cmcTick.h"
#include "clone/SerialOpenFailure.h"
#include "platform/SerialDevice.h"

class PortResolver;

class cmcComm {
 public:
  static constexpr std::int32_t kChunkBytes = 1024;
  static constexpr std::int32_t kPumpIntervalMs = 10;
  static constexpr std::int32_t kWriteTimeoutConstantMs = 3000;

  // Both must outlive the port.
  cmcComm(SerialDevice& device, const PortResolver& ports);
  ~cmcComm();
  cmcComm(const cmcComm&) = delete;
  cmcComm& operator=(const cmcComm&) = delete;

  // Opens port number port (1-256) with settings "baud,parity,data bits,stop bits", for
  // example "38400,N,8,1": 1 on success, 0 on failure (LastOpenFailure says why). Fails at
  // once, leaving it as it is, when the port is already open; closes the device on every
  // other failure.
  int Open(std::int32_t port, std::string_view settings);
  // The same for a device path (a USB cable, the simulator's pseudo-terminal); the port
  // number becomes 0.
  int OpenPath(const std::string& path, std::string_view settings);
  void Close();
  bool IsOpen() const { return device_.IsOpen(); }

  // Queues n bytes for sending; does nothing when closed. Answers 0.
  int Write(const std::uint8_t* bytes, std::int32_t n);
  // Up to max bytes that have arrived (0 when closed or on a device error); never waits.
  std::int32_t Read(std::uint8_t* buffer, std::int32_t max);
  std::int32_t InQueue();
  std::int32_t OutQueue();
  // Bytes not yet sent: the device's output queue and the transmit buffer.
  std::int32_t PendingOut();

  bool HasWriteError();
  bool HasDeviceLost() const { return IsOpen() && device_.IsLost(); }

  std::int32_t Port() const { return port_; }
  std::int32_t WriteTimeoutPerByteMs() const { return 100000 / settings_.baudRate; }
  const SerialOpenFailure& LastOpenFailure() const { return failure_; }

 private:
  static void PumpStep(void* user, cmcTask& task);
  int OpenDevice(const std::string& path, std::string_view settings);
  int RefuseWhileOpen(const std::string& path);
  int Fail(const std::string& path, SerialError reason, std::string detail);
  void Pump();
  void WriteChunk(std::int32_t chunk);
  bool IsPastWriteDeadline();
  void StopPump() { pump_->SetInterval(-1); }

  SerialDevice& device_;
  const PortResolver& ports_;
  std::int32_t port_ = 0;
  SerialLineSettings settings_;
  bool writeError_ = false;
  cmcBuff transmit_;
  // Runs from each write of a piece to the device; the device still holding bytes when it
  // ends is a write failure.
  cmcTick writeDeadline_;
  SerialOpenFailure failure_;
  cmcTaskPtr pump_;
};
