#include "clone/SerialOpenFailure.h"

namespace {

std::string ReasonText(const SerialOpenFailure& failure) {
  switch (failure.reason) {
    case SerialError::None:
      return "no error";
    case SerialError::Missing:
      return "no such device";
    case SerialError::Busy:
      return "the device is in use by another program";
    case SerialError::NoPermission:
      return "no permission to use the device; add your user to the group " + failure.group +
             " that owns it (sudo usermod -aG " + failure.group + " $USER), then log out and in again";
    case SerialError::Gone:
      return "the device went away";
    case SerialError::Other:
      break;
  }
  return failure.detail.empty() ? "unknown error" : failure.detail;
}

}  // namespace

std::string SerialOpenFailure::Describe() const {
  if (devicePath.empty()) return "No device is set for this port.";
  return devicePath + ": " + ReasonText(*this) + ".";
}
