#include "support/LoopbackSerial.h"

#include <algorithm>
#include <utility>

LoopbackSerial::~LoopbackSerial() {
  if (peer_) peer_->peer_ = nullptr;
}

void LoopbackSerial::Connect(LoopbackSerial& a, LoopbackSerial& b) {
  a.peer_ = &b;
  b.peer_ = &a;
}

SerialError LoopbackSerial::Open(const std::string& path, const SerialLineSettings& settings) {
  SerialError error = std::exchange(nextOpenError_, SerialError::None);
  if (error == SerialError::None && unplugged_) error = SerialError::Missing;
  if (error == SerialError::None && open_) error = SerialError::Busy;
  if (error != SerialError::None) {
    errorText_ = "open refused";
    return error;
  }
  open_ = true;
  path_ = path;
  settings_ = settings;
  errorText_.clear();
  return SerialError::None;
}

void LoopbackSerial::Close() {
  open_ = false;
  input_.clear();
  output_.clear();
}

std::int32_t LoopbackSerial::Read(std::uint8_t* buffer, std::int32_t max) {
  if (!IsUsable()) return -1;
  const auto n = std::min<std::size_t>(input_.size(), static_cast<std::size_t>(std::max(max, 0)));
  std::copy_n(input_.begin(), n, buffer);
  input_.erase(input_.begin(), input_.begin() + static_cast<std::ptrdiff_t>(n));
  return static_cast<std::int32_t>(n);
}

std::int32_t LoopbackSerial::Write(const std::uint8_t* bytes, std::int32_t n) {
  if (!IsUsable()) return -1;
  const std::int32_t offered = std::max(n, 0);
  const std::int32_t accepted = writeLimit_ < 0 ? offered : std::min(offered, writeLimit_);
  output_.insert(output_.end(), bytes, bytes + accepted);
  if (!holdOutput_) Transmit(accepted);
  return accepted;
}

std::int32_t LoopbackSerial::InQueue() { return IsUsable() ? static_cast<std::int32_t>(input_.size()) : -1; }

std::int32_t LoopbackSerial::OutQueue() { return IsUsable() ? static_cast<std::int32_t>(output_.size()) : -1; }

bool LoopbackSerial::Purge() {
  if (!IsUsable()) return false;
  input_.clear();
  output_.clear();
  ++purges_;
  return true;
}

bool LoopbackSerial::SetBaudRate(std::int32_t baudRate) {
  if (!IsUsable()) return false;
  settings_.baudRate = baudRate;
  return true;
}

bool LoopbackSerial::SetDtr(bool on) {
  if (!IsUsable()) return false;
  dtr_ = on;
  return true;
}

bool LoopbackSerial::SetRts(bool on) {
  if (!IsUsable()) return false;
  rts_ = on;
  return true;
}

void LoopbackSerial::HoldOutput(bool hold) {
  holdOutput_ = hold;
  if (!hold) Transmit(static_cast<std::int32_t>(output_.size()));
}

void LoopbackSerial::Transmit(std::int32_t n) {
  const auto count = std::min<std::size_t>(output_.size(), static_cast<std::size_t>(std::max(n, 0)));
  const std::vector<std::uint8_t> sent(output_.begin(), output_.begin() + static_cast<std::ptrdiff_t>(count));
  output_.erase(output_.begin(), output_.begin() + static_cast<std::ptrdiff_t>(count));
  if (peer_) peer_->Deliver(sent.data(), static_cast<std::int32_t>(sent.size()));
}

bool LoopbackSerial::IsUsable() {
  if (!open_) {
    errorText_ = "device not open";
    return false;
  }
  if (unplugged_) {
    errorText_ = "Input/output error";
    return false;
  }
  return true;
}

void LoopbackSerial::Deliver(const std::uint8_t* bytes, std::int32_t n) {
  if (open_ && !unplugged_) input_.insert(input_.end(), bytes, bytes + n);
}
