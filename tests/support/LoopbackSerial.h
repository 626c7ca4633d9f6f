#pragma once
// An in-memory serial cable for unit tests: two connected ends, each a serial device; what
// one end writes arrives in the other's input queue (and is lost while the other end is
// closed, as on a real line). Test controls make the faults of real devices: an output
// queue that drains only when told, writes that accept fewer bytes, an open that fails,
// a device that is unplugged.
#include <deque>
#include <vector>

#include "platform/SerialDevice.h"

class LoopbackSerial : public SerialDevice {
 public:
  LoopbackSerial() = default;
  ~LoopbackSerial() override;
  LoopbackSerial(const LoopbackSerial&) = delete;
  LoopbackSerial& operator=(const LoopbackSerial&) = delete;

  static void Connect(LoopbackSerial& a, LoopbackSerial& b);

  SerialError Open(const std::string& path, const SerialLineSettings& settings) override;
  void Close() override;
  bool IsOpen() const override { return open_; }
  std::int32_t Read(std::uint8_t* buffer, std::int32_t max) override;
  std::int32_t Write(const std::uint8_t* bytes, std::int32_t n) override;
  std::int32_t InQueue() override;
  std::int32_t OutQueue() override;
  bool Purge() override;
  bool SetBaudRate(std::int32_t baudRate) override;
  bool SetDtr(bool on) override;
  bool SetRts(bool on) override;
  bool IsLost() const override { return unplugged_ && open_; }
  std::string ErrorText() const override { return errorText_; }

  // While held, written bytes wait in the output queue until Transmit sends them.
  void HoldOutput(bool hold);
  void Transmit(std::int32_t n);
  // Each write accepts at most max bytes; a negative max lifts the limit.
  void LimitWrites(std::int32_t max) { writeLimit_ = max; }
  void FailNextOpen(SerialError error) { nextOpenError_ = error; }
  // The device goes away: every operation fails from now on, and it cannot be opened again.
  void Unplug() { unplugged_ = true; }

  const std::string& Path() const { return path_; }
  const SerialLineSettings& Settings() const { return settings_; }
  bool Dtr() const { return dtr_; }
  bool Rts() const { return rts_; }
  int Purges() const { return purges_; }

 private:
  bool IsUsable();
  void Deliver(const std::uint8_t* bytes, std::int32_t n);

  LoopbackSerial* peer_ = nullptr;
  bool open_ = false;
  bool unplugged_ = false;
  bool holdOutput_ = false;
  std::int32_t writeLimit_ = -1;
  SerialError nextOpenError_ = SerialError::None;
  std::string path_;
  SerialLineSettings settings_;
  bool dtr_ = true;
  bool rts_ = true;
  int purges_ = 0;
  std::string errorText_;
  std::deque<std::uint8_t> input_;
  std::deque<std::uint8_t> output_;
};
