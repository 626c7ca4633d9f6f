#include "clone/cmcComm.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "platform/DeviceGroup.h"
#include "platform/PortResolver.h"
#include "text/TextFields.h"

namespace {

std::optional<std::int32_t> ParseInteger(std::string_view field) {
  field = TrimSpacesAndTabs(field);
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (error != std::errc() || end == field.data()) return std::nullopt;
  return value;
}

bool IsParityCheckLetter(std::string_view field) {
  field = TrimSpacesAndTabs(field);
  return field == "M" || field == "m" || field == "O" || field == "o";
}

StopBits ParseStopBits(std::string_view field) {
  field = TrimSpacesAndTabs(field);
  if (field == "1.5") return StopBits::OneAndHalf;
  if (field == "2") return StopBits::Two;
  return StopBits::One;
}

// A field that is missing or holds no number keeps the default.
SerialLineSettings ParseLineSettings(std::string_view text) {
  const std::vector<std::string_view> fields = SplitFields(text, ',');
  const auto field = [&](std::size_t i) { return i < fields.size() ? fields[i] : std::string_view(); };
  SerialLineSettings settings;
  settings.baudRate = ParseInteger(field(0)).value_or(0);
  settings.parityCheck = IsParityCheckLetter(field(1));
  settings.dataBits = std::clamp(ParseInteger(field(2)).value_or(settings.dataBits), 4, 8);
  settings.stopBits = ParseStopBits(field(3));
  return settings;
}

}  // namespace

cmcComm::cmcComm(SerialDevice& device, const PortResolver& ports)
    : device_(device), ports_(ports), pump_(cmcTask::Create()) {
  pump_->SetHandler(&PumpStep, this);
}

cmcComm::~cmcComm() { Close(); }

int cmcComm::Open(std::int32_t port, std::string_view settings) {
  if (IsOpen()) return RefuseWhileOpen(ports_.DevicePath(port));
  port_ = port;
  return OpenDevice(ports_.DevicePath(port), settings);
}

int cmcComm::OpenPath(const std::string& path, std::string_view settings) {
  if (IsOpen()) return RefuseWhileOpen(path);
  port_ = 0;
  return OpenDevice(path, settings);
}

int cmcComm::OpenDevice(const std::string& path, std::string_view settings) {
  writeError_ = false;
  settings_ = ParseLineSettings(settings);
  if (path.empty()) return Fail(path, SerialError::Missing, {});
  if (settings_.baudRate <= 0) {
    settings_ = SerialLineSettings();
    return Fail(path, SerialError::Other, "unusable line settings \"" + std::string(settings) + "\"");
  }
  if (const SerialError error = device_.Open(path, settings_); error != SerialError::None) {
    return Fail(path, error, device_.ErrorText());
  }
  if (!device_.Purge() || !device_.SetDtr(false) || !device_.SetRts(true)) {
    return Fail(path, SerialError::Other, device_.ErrorText());
  }
  failure_ = SerialOpenFailure();
  return 1;
}

int cmcComm::RefuseWhileOpen(const std::string& path) {
  failure_ = SerialOpenFailure{path, SerialError::Busy, "the port is already open", {}};
  return 0;
}

int cmcComm::Fail(const std::string& path, SerialError reason, std::string detail) {
  failure_ = SerialOpenFailure{path, reason, std::move(detail), {}};
  if (reason == SerialError::NoPermission) failure_.group = DeviceOwnerGroup(path);
  Close();
  return 0;
}

void cmcComm::Close() {
  StopPump();
  device_.Close();
  transmit_.Clear();
  writeDeadline_ = cmcTick();
  writeError_ = false;
}

int cmcComm::Write(const std::uint8_t* bytes, std::int32_t n) {
  if (!IsOpen()) return 0;
  StopPump();
  transmit_.Append(bytes, n);
  pump_->SetInterval(0);
  Pump();
  return 0;
}

std::int32_t cmcComm::Read(std::uint8_t* buffer, std::int32_t max) {
  const std::int32_t n = std::min(InQueue(), max);
  if (n <= 0) return 0;
  return std::max(device_.Read(buffer, n), 0);
}

std::int32_t cmcComm::InQueue() { return IsOpen() ? std::max(device_.InQueue(), 0) : 0; }

std::int32_t cmcComm::OutQueue() { return IsOpen() ? std::max(device_.OutQueue(), 0) : 0; }

std::int32_t cmcComm::PendingOut() { return OutQueue() + transmit_.Length(); }

bool cmcComm::HasWriteError() {
  if (!writeError_ && IsPastWriteDeadline()) writeError_ = true;
  return writeError_;
}

void cmcComm::PumpStep(void* user, cmcTask&) { static_cast<cmcComm*>(user)->Pump(); }

void cmcComm::Pump() {
  if (!IsOpen()) {
    StopPump();
    return;
  }
  if (transmit_.Length() == 0) {
    StopPump();
  } else if (OutQueue() == 0) {
    WriteChunk(std::min(transmit_.Length(), kChunkBytes));
  } else if (IsPastWriteDeadline()) {
    writeError_ = true;
    StopPump();
  } else {
    pump_->SetInterval(kPumpIntervalMs);
  }
}

void cmcComm::WriteChunk(std::int32_t chunk) {
  const std::int32_t accepted = device_.Write(transmit_.Data(), chunk);
  if (accepted < chunk) {
    writeError_ = true;
    StopPump();
    return;
  }
  writeDeadline_.Start(static_cast<std::uint32_t>(chunk * WriteTimeoutPerByteMs() + kWriteTimeoutConstantMs));
  transmit_.Assign(transmit_.Data() + chunk, transmit_.Length() - chunk);
  if (transmit_.Length() > 0) {
    pump_->SetInterval(kPumpIntervalMs);
  } else {
    transmit_.Clear();
    StopPump();
  }
}

// Only a write starts the deadline, and the device holds bytes only after a write.
bool cmcComm::IsPastWriteDeadline() { return OutQueue() > 0 && writeDeadline_.Remaining() == 0; }
