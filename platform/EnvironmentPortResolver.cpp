#include "platform/EnvironmentPortResolver.h"

#include <cstdlib>

std::string EnvironmentPortResolver::DevicePath(std::int32_t port) const {
  if (port < kFirstPort || port > kLastPort) return {};
  const std::string variable = "TESSEL_PORT_" + std::to_string(port);
  if (const char* path = std::getenv(variable.c_str()); path && *path) return path;
  return "/dev/ttyS" + std::to_string(port - 1);
}
