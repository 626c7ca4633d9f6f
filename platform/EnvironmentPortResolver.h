#pragma once
// Port numbers from the environment: TESSEL_PORT_<N> names the device of port N (any path,
// e.g. a pseudo-terminal of the radio simulator); without it, port N is the built-in port
// /dev/ttyS<N-1>.
#include <cstdint>
#include <string>

#include "platform/PortResolver.h"

// The path TESSEL_PORT_<port> names; "" when it is unset or empty.
std::string PortPathFromEnvironment(std::int32_t port);
// The built-in port of a number: 1 is /dev/ttyS0.
std::string BuiltInPortPath(std::int32_t port);

class EnvironmentPortResolver : public PortResolver {
 public:
  std::string DevicePath(std::int32_t port) const override;
};
