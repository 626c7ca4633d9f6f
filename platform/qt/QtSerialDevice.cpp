#include "platform/qt/QtSerialDevice.h"

#include <sys/ioctl.h>
#include <unistd.h>
#include <QSerialPort>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "platform/SerialErrno.h"

namespace {

std::optional<QSerialPort::DataBits> ToDataBits(std::int32_t bits) {
  switch (bits) {
    case 5:
      return QSerialPort::Data5;
    case 6:
      return QSerialPort::Data6;
    case 7:
      return QSerialPort::Data7;
    case 8:
      return QSerialPort::Data8;
    default:
      return std::nullopt;
  }
}

QSerialPort::StopBits ToStopBits(StopBits bits) {
  switch (bits) {
    case StopBits::OneAndHalf:
      return QSerialPort::OneAndHalfStop;
    case StopBits::Two:
      return QSerialPort::TwoStop;
    case StopBits::One:
      break;
  }
  return QSerialPort::OneStop;
}

std::string CanonicalPath(const std::string& path, int& error) {
  char resolved[PATH_MAX];
  if (!realpath(path.c_str(), resolved)) {
    error = errno;
    return {};
  }
  error = 0;
  return resolved;
}

}  // namespace

QtSerialDevice::QtSerialDevice() = default;

QtSerialDevice::~QtSerialDevice() = default;

SerialError QtSerialDevice::Open(const std::string& path, const SerialLineSettings& settings) {
  if (IsOpen()) return Refuse(SerialError::Busy, "the device is already open");
  int error = 0;
  const std::string canonical = CanonicalPath(path, error);
  if (canonical.empty()) return Refuse(SerialErrorFromErrno(error), std::strerror(error));
  // QSerialPort reports a refused open and a lock held by another program alike; asking
  // first tells the two apart.
  if (access(canonical.c_str(), R_OK | W_OK) != 0) return Refuse(SerialErrorFromErrno(errno), std::strerror(errno));
  return OpenCanonical(canonical, settings);
}

SerialError QtSerialDevice::OpenCanonical(const std::string& path, const SerialLineSettings& settings) {
  port_ = std::make_unique<QSerialPort>();
  port_->setPortName(QString::fromStdString(path));
  if (!ApplyLineSettings(settings)) return Refuse(SerialError::Other, "unsupported line settings");
  if (!port_->open(QIODevice::ReadWrite)) {
    const QSerialPort::SerialPortError error = port_->error();
    const std::string text = port_->errorString().toStdString();
    if (error == QSerialPort::DeviceNotFoundError) return Refuse(SerialError::Missing, text);
    if (error == QSerialPort::PermissionError) return Refuse(SerialError::Busy, text);
    return Refuse(SerialError::Other, text);
  }
  QObject::connect(port_.get(), &QSerialPort::errorOccurred, port_.get(),
                   [this](QSerialPort::SerialPortError error) { NoteError(error); });
  pseudoTerminal_ = path.starts_with("/dev/pts/");
  open_ = true;
  lost_ = false;
  errorText_.clear();
  return SerialError::None;
}

bool QtSerialDevice::ApplyLineSettings(const SerialLineSettings& settings) {
  const std::optional<QSerialPort::DataBits> dataBits = ToDataBits(settings.dataBits);
  return dataBits && port_->setBaudRate(settings.baudRate) && port_->setDataBits(*dataBits) &&
         port_->setStopBits(ToStopBits(settings.stopBits)) && port_->setParity(QSerialPort::NoParity) &&
         port_->setFlowControl(QSerialPort::NoFlowControl);
}

SerialError QtSerialDevice::Refuse(SerialError error, std::string text) {
  port_.reset();
  errorText_ = std::move(text);
  return error;
}

void QtSerialDevice::Close() {
  port_.reset();
  open_ = false;
  lost_ = false;
}

std::int32_t QtSerialDevice::Read(std::uint8_t* buffer, std::int32_t max) {
  if (!IsUsable()) return -1;
  const qint64 n = port_->read(reinterpret_cast<char*>(buffer), std::max(max, 0));
  return n < 0 || Failed() ? -1 : static_cast<std::int32_t>(n);
}

std::int32_t QtSerialDevice::Write(const std::uint8_t* bytes, std::int32_t n) {
  if (!IsUsable()) return -1;
  const qint64 accepted = port_->write(reinterpret_cast<const char*>(bytes), std::max(n, 0));
  return accepted < 0 || Failed() ? -1 : static_cast<std::int32_t>(accepted);
}

std::int32_t QtSerialDevice::InQueue() {
  const std::int32_t kernel = KernelQueue(FIONREAD);
  return kernel < 0 ? -1 : static_cast<std::int32_t>(port_->bytesAvailable()) + kernel;
}

std::int32_t QtSerialDevice::OutQueue() {
  const std::int32_t kernel = KernelQueue(TIOCOUTQ);
  return kernel < 0 ? -1 : static_cast<std::int32_t>(port_->bytesToWrite()) + kernel;
}

std::int32_t QtSerialDevice::KernelQueue(unsigned long request) {
  if (!IsUsable()) return -1;
  int count = 0;
  if (ioctl(port_->handle(), request, &count) != 0) {
    const int error = errno;
    errorText_ = std::strerror(error);
    if (error == EIO || error == ENXIO || error == ENODEV) MarkLost();
    return -1;
  }
  return count;
}

bool QtSerialDevice::Purge() { return IsUsable() && port_->clear(QSerialPort::AllDirections) && !Failed(); }

bool QtSerialDevice::SetBaudRate(std::int32_t baudRate) {
  return IsUsable() && port_->setBaudRate(baudRate) && !Failed();
}

bool QtSerialDevice::SetDtr(bool on) { return IsUsable() && SetModemLine(port_->setDataTerminalReady(on)); }

bool QtSerialDevice::SetRts(bool on) { return IsUsable() && SetModemLine(port_->setRequestToSend(on)); }

bool QtSerialDevice::SetModemLine(bool done) {
  if (!done && pseudoTerminal_ && port_->error() == QSerialPort::UnsupportedOperationError) port_->clearError();
  return !Failed();
}

// Records the port's error, if any, and clears it so that the next one is seen.
bool QtSerialDevice::Failed() {
  const QSerialPort::SerialPortError error = port_->error();
  if (error == QSerialPort::NoError) return false;
  NoteError(error);
  if (port_->isOpen()) port_->clearError();
  return true;
}

// Reads fail for good once the device is gone (an unplugged adapter; the far end of a
// pseudo-terminal closed), and QSerialPort would report that on every turn of the event
// loop: the port is closed at once and stays lost until Close.
void QtSerialDevice::NoteError(QSerialPort::SerialPortError error) {
  if (error == QSerialPort::NoError) return;
  errorText_ = port_->errorString().toStdString();
  if (error == QSerialPort::ReadError || error == QSerialPort::ResourceError) MarkLost();
}

void QtSerialDevice::MarkLost() {
  lost_ = true;
  if (port_->isOpen()) port_->close();
}

bool QtSerialDevice::IsUsable() const { return open_ && !lost_; }
