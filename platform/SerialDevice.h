#pragma once
// One serial device, opened by path for exclusive reading and writing. Nothing here waits:
// reads take what has arrived, writes hand bytes to the device's output queue, and the
// queue counts say how far the device has got. Parity is always none.
#include <cstdint>
#include <string>

enum class StopBits { One, OneAndHalf, Two };

struct SerialLineSettings {
  std::int32_t baudRate = 9600;
  std::int32_t dataBits = 8;
  StopBits stopBits = StopBits::One;
  // Asked for by the settings text; without parity there is nothing to check.
  bool parityCheck = false;
};

// Why an operation failed.
enum class SerialError {
  None,
  Missing,       // no such device
  Busy,          // another program (or another port object) holds the device
  NoPermission,  // the user may not open the device
  Gone,          // the device went away while open (unplugged, the far end closed)
  Other,         // anything else; ErrorText() says what
};

class SerialDevice {
 public:
  virtual ~SerialDevice() = default;

  // Opens path with the line settings, DTR and RTS as the device left them. On failure the
  // device stays closed and the answer says why.
  virtual SerialError Open(const std::string& path, const SerialLineSettings& settings) = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;

  // Up to max bytes that have arrived; -1 on a device error.
  virtual std::int32_t Read(std::uint8_t* buffer, std::int32_t max) = 0;
  // Hands n bytes to the output queue; the number accepted, -1 on a device error.
  virtual std::int32_t Write(const std::uint8_t* bytes, std::int32_t n) = 0;
  // Bytes received and not yet read, and bytes written and not yet sent; -1 on an error.
  virtual std::int32_t InQueue() = 0;
  virtual std::int32_t OutQueue() = 0;
  // Discards both queues.
  virtual bool Purge() = 0;
  virtual bool SetBaudRate(std::int32_t baudRate) = 0;
  virtual bool SetDtr(bool on) = 0;
  virtual bool SetRts(bool on) = 0;

  // True once the open device has gone away; only Close clears it.
  virtual bool IsLost() const = 0;
  // The system's words for the last failure, "" when there were none.
  virtual std::string ErrorText() const = 0;
};
