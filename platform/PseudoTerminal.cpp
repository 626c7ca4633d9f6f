#include "platform/PseudoTerminal.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/SerialErrno.h"

PseudoTerminal::~PseudoTerminal() { Close(); }

SerialError PseudoTerminal::Open(const std::string&, const SerialLineSettings&) {
  if (IsOpen()) {
    errorText_ = "the pseudo-terminal is already open";
    return SerialError::Busy;
  }
  master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (master_ < 0) return Fail("posix_openpt");
  if (grantpt(master_) != 0) return Fail("grantpt");
  if (unlockpt(master_) != 0) return Fail("unlockpt");
  const char* name = ptsname(master_);
  if (!name) return Fail("ptsname");
  slavePath_ = name;
  const int slave = open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (slave < 0) return Fail(name);
  // Bytes pass unchanged: no echo, no line editing, no conversion of line ends.
  termios raw{};
  const bool madeRaw = tcgetattr(slave, &raw) == 0 && (cfmakeraw(&raw), tcsetattr(slave, TCSANOW, &raw) == 0);
  const int error = errno;
  close(slave);
  errno = error;
  if (!madeRaw) return Fail("raw mode");
  errorText_.clear();
  return SerialError::None;
}

// The master reports a hang-up while no slave is open.
bool PseudoTerminal::IsFarEndOpen() const {
  if (!IsOpen()) return false;
  pollfd state{master_, POLLIN, 0};
  return poll(&state, 1, 0) >= 0 && (state.revents & POLLHUP) == 0;
}

void PseudoTerminal::Close() {
  if (master_ >= 0) close(master_);
  master_ = -1;
  slavePath_.clear();
}

std::int32_t PseudoTerminal::Read(std::uint8_t* buffer, std::int32_t max) {
  if (!IsOpen()) return Failed("read");
  const ssize_t n = read(master_, buffer, static_cast<std::size_t>(std::max(max, 0)));
  if (n >= 0) return static_cast<std::int32_t>(n);
  // EIO: no slave is open at the moment, as while nobody holds the far end.
  if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR || errno == EIO) return 0;
  return Failed("read");
}

std::int32_t PseudoTerminal::Write(const std::uint8_t* bytes, std::int32_t n) {
  if (!IsOpen()) return Failed("write");
  const ssize_t written = write(master_, bytes, static_cast<std::size_t>(std::max(n, 0)));
  if (written >= 0) return static_cast<std::int32_t>(written);
  if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) return 0;
  return Failed("write");
}

std::int32_t PseudoTerminal::InQueue() {
  int n = 0;
  if (!IsOpen() || ioctl(master_, FIONREAD, &n) != 0) return Failed("FIONREAD");
  return n;
}

// The master hands written bytes to the slave's input queue at once.
std::int32_t PseudoTerminal::OutQueue() { return IsOpen() ? 0 : Failed("output queue"); }

bool PseudoTerminal::Purge() {
  if (!IsOpen()) return Failed("purge") == 0;
  std::uint8_t discard[4096];
  while (Read(discard, sizeof discard) > 0) {
  }
  return true;
}

SerialError PseudoTerminal::Fail(const char* what) {
  const int error = errno;
  errorText_ = std::string(what) + ": " + std::strerror(error);
  Close();
  const SerialError reason = SerialErrorFromErrno(error);
  return reason == SerialError::None ? SerialError::Other : reason;
}

std::int32_t PseudoTerminal::Failed(const char* what) {
  errorText_ = IsOpen() ? std::string(what) + ": " + std::strerror(errno) : "pseudo-terminal not open";
  return -1;
}
