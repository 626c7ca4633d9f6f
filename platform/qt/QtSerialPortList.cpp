#include "platform/qt/QtSerialPortList.h"

#include <QSerialPortInfo>
#include <filesystem>

namespace {

constexpr const char* kStableFolder = "/dev/serial/by-id";

// The link in the stable folder that leads to device; "" when none does.
std::string StablePathOf(const std::string& device) {
  std::error_code error;
  const std::filesystem::path target = std::filesystem::canonical(device, error);
  if (error) return {};
  for (const auto& entry : std::filesystem::directory_iterator(kStableFolder, error)) {
    std::error_code linkError;
    if (std::filesystem::canonical(entry.path(), linkError) == target && !linkError) return entry.path().string();
  }
  return {};
}

}  // namespace

std::vector<ListedPort> ListSerialPorts() {
  std::vector<ListedPort> ports;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    const std::string device = info.systemLocation().toStdString();
    ports.push_back({device, StablePathOf(device)});
  }
  return ports;
}
