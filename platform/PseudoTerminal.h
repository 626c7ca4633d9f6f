#pragma once
// The master end of a pseudo-terminal as a serial device, for the radio simulator and for
// tests that play the radio: what one side writes, the program that opened the other side
// (the slave device, SlavePath) reads, and the other way round.
//
// The slave side is set to raw mode once, when the pair is made; the setting stays while
// programs open and close the slave (as the clone driver does to change the line speed).
// Bytes written while no program holds the slave wait for the next one. Closing the master
// is pulling the cable: the program's device goes away. A pseudo-terminal has no line speed
// or modem lines; setting them succeeds and changes nothing.
#include <string>

#include "platform/SerialDevice.h"

class PseudoTerminal : public SerialDevice {
 public:
  PseudoTerminal() = default;
  ~PseudoTerminal() override;
  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;

  // Makes a new pair, non-blocking; path and settings are not used.
  SerialError Open(const std::string& path, const SerialLineSettings& settings) override;
  void Close() override;
  bool IsOpen() const override { return master_ >= 0; }
  std::int32_t Read(std::uint8_t* buffer, std::int32_t max) override;
  std::int32_t Write(const std::uint8_t* bytes, std::int32_t n) override;
  std::int32_t InQueue() override;
  std::int32_t OutQueue() override;
  bool Purge() override;
  bool SetBaudRate(std::int32_t) override { return IsOpen(); }
  bool SetDtr(bool) override { return IsOpen(); }
  bool SetRts(bool) override { return IsOpen(); }
  bool IsLost() const override { return false; }
  std::string ErrorText() const override { return errorText_; }

  // The device path of the slave side, "" while closed.
  const std::string& SlavePath() const { return slavePath_; }
  // True while a program holds the slave side open.
  bool IsFarEndOpen() const;

 private:
  SerialError Fail(const char* what);
  std::int32_t Failed(const char* what);

  int master_ = -1;
  std::string slavePath_;
  std::string errorText_;
};
