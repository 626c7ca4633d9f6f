#include "platform/SerialErrno.h"

#include <cerrno>

SerialError SerialErrorFromErrno(int error) {
  switch (error) {
    case 0:
      return SerialError::None;
    case ENOENT:
    case ENOTDIR:
    case ENODEV:
    case ENXIO:
      return SerialError::Missing;
    case EACCES:
    case EPERM:
      return SerialError::NoPermission;
    case EBUSY:
      return SerialError::Busy;
    default:
      return SerialError::Other;
  }
}
