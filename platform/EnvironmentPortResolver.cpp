#include "platform/EnvironmentPortResolver.h"

#include <cstdlib>

std::string PortPathFromEnvironment(std::int32_t port) {
  const std::string variable = "TESSEL_PORT_" + std::to_string(port);
  const char* path = std::getenv(variable.c_str());
  return path != nullptr ? path : "";
}

std::string BuiltInPortPath(std::int32_t port) { return "/dev/ttyS" + std::to_string(port - 1); }

std::string EnvironmentPortResolver::DevicePath(std::int32_t port) const {
  if (port < kFirstPort || port > kLastPort) return {};
  if (std::string path = PortPathFromEnvironment(port); !path.empty()) return path;
  return BuiltInPortPath(port);
}
