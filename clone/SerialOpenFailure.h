#pragma once
// Why a serial port could not be opened: the device path tried and the reason, for the
// line shown under "Cannot access COM %d.".
#include <string>

#include "platform/SerialDevice.h"

struct SerialOpenFailure {
  std::string devicePath;  // "" when the port number names no device
  SerialError reason = SerialError::None;
  std::string detail;  // the system's words, used for reasons without a text of their own
  std::string group;   // for NoPermission: the group that owns the device

  // One line naming the device and the reason; a permission problem tells the user how to
  // get the permission.
  std::string Describe() const;
};
