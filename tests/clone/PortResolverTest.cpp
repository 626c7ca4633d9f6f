#include <gtest/gtest.h>

#include <cerrno>

#include "platform/SerialErrno.h"

namespace {

TEST(PortResolverTest, SystemErrorsOfAnOpenTellWhatHappened) {
  struct Case {
    int error;
    SerialError meaning;
  };
  const Case cases[] = {
      {0, SerialError::None},        {ENOENT, SerialError::Missing},      {ENODEV, SerialError::Missing},
      {ENXIO, SerialError::Missing}, {EACCES, SerialError::NoPermission}, {EPERM, SerialError::NoPermission},
      {EBUSY, SerialError::Busy},    {EIO, SerialError::Other},
  };
  for (const Case& c : cases) EXPECT_EQ(SerialErrorFromErrno(c.error), c.meaning) << c.error;
}

}  // namespace
