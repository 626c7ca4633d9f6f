#pragma once
// Port numbers from the environment: TESSEL_PORT_<N> names the device of port N (any path,
// e.g. a pseudo-terminal of the radio simulator); without it, port N is the built-in port
// /dev/ttyS<N-1>.
#include "platform/PortResolver.h"

class EnvironmentPortResolver : public PortResolver {
 public:
  std::string DevicePath(std::int32_t port) const override;
};
