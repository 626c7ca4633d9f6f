#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>

#include "platform/EnvironmentPortResolver.h"
#include "platform/SerialErrno.h"

namespace {

TEST(PortResolverTest, PortNumbersMapToTheEnvironmentOrTheBuiltInPorts) {
  ::setenv("TESSEL_PORT_7", "/dev/pts/12", 1);
  ::setenv("TESSEL_PORT_8", "", 1);
  const EnvironmentPortResolver ports;
  EXPECT_EQ(ports.DevicePath(7), "/dev/pts/12");
  EXPECT_EQ(ports.DevicePath(8), "/dev/ttyS7");  // an empty variable counts as unset
  EXPECT_EQ(ports.DevicePath(1), "/dev/ttyS0");
  EXPECT_EQ(ports.DevicePath(256), "/dev/ttyS255");
  EXPECT_EQ(ports.DevicePath(0), "");
  EXPECT_EQ(ports.DevicePath(257), "");
  ::unsetenv("TESSEL_PORT_7");
  ::unsetenv("TESSEL_PORT_8");
}

TEST(PortResolverTest, SystemErrorsOfAnOpenTellWhatHappened) {
  struct Case {
    int error;
    SerialError meaning;
  };
  const Case cases[] = {
      {0, SerialError::None},          {ENOENT, SerialError::Missing},     {ENODEV, SerialError::Missing},
      {ENXIO, SerialError::Missing},   {EACCES, SerialError::NoPermission}, {EPERM, SerialError::NoPermission},
      {EBUSY, SerialError::Busy},      {EIO, SerialError::Other},
  };
  for (const Case& c : cases) EXPECT_EQ(SerialErrorFromErrno(c.error), c.meaning) << c.error;
}

}  // namespace
