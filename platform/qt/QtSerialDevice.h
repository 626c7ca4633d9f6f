#pragma once
// A serial device through the Qt event loop: the device is opened and locked (lock files
// under /var/lock) by QSerialPort, which reads and writes it whenever the event loop turns;
// the queue counts add the kernel's queues (FIONREAD, TIOCOUTQ) to QSerialPort's buffers.
//
// Paths are canonicalised before opening, so a symbolic link (/dev/serial/by-id/...) and
// its target lock the same device. On a pseudo-terminal, which has no modem lines, a
// refused DTR or RTS change ("Inappropriate ioctl") counts as done.
//
// A device whose reads fail (an adapter unplugged, the far end of a pseudo-terminal
// closed) is lost: it is closed underneath at once, and every operation fails until Close.
#include <QSerialPort>

#include <memory>

#include "platform/SerialDevice.h"

class QtSerialDevice : public SerialDevice {
 public:
  QtSerialDevice();
  ~QtSerialDevice() override;
  QtSerialDevice(const QtSerialDevice&) = delete;
  QtSerialDevice& operator=(const QtSerialDevice&) = delete;

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
  bool IsLost() const override { return lost_; }
  std::string ErrorText() const override { return errorText_; }

 private:
  SerialError Refuse(SerialError error, std::string text);
  SerialError OpenCanonical(const std::string& path, const SerialLineSettings& settings);
  bool ApplyLineSettings(const SerialLineSettings& settings);
  std::int32_t KernelQueue(unsigned long request);
  bool IsUsable() const;
  bool Failed();
  void NoteError(QSerialPort::SerialPortError error);
  void MarkLost();
  bool SetModemLine(bool done);

  std::unique_ptr<QSerialPort> port_;
  bool open_ = false;
  bool pseudoTerminal_ = false;
  bool lost_ = false;
  std::string errorText_;
};
