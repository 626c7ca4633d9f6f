#pragma once
// Maps the user's port numbers 1-256 to device paths.
#include <cstdint>
#include <string>

class PortResolver {
 public:
  static constexpr std::int32_t kFirstPort = 1;
  static constexpr std::int32_t kLastPort = 256;

  virtual ~PortResolver() = default;

  // The device path of port number port, "" for a number outside 1-256 or without a device.
  virtual std::string DevicePath(std::int32_t port) const = 0;
};
