#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/PortNumbers.h"
#include "support/MemoryKeyValueStore.h"

namespace {

constexpr const char* kKey = "Software\\Quor\\Tessel\\Ports";

TEST(PortNumbersTest, BuiltInPortsTakeTheirOwnNumbersAndAdaptersTheLowestFreeFromThree) {
  MemoryKeyValueStore store;
  PortNumbers ports(store, kKey);
  const std::vector<NumberedPort> numbered = ports.Number({
      {"/dev/ttyUSB0", "/dev/serial/by-id/usb-A"},
      {"/dev/ttyS2", ""},
      {"/dev/ttyS0", ""},
      {"/dev/ttyACM0", ""},
  });
  EXPECT_EQ(numbered, (std::vector<NumberedPort>{
                          {1, "/dev/ttyS0"}, {3, "/dev/ttyS2"}, {4, "/dev/ttyUSB0"}, {5, "/dev/ttyACM0"}}));
  EXPECT_EQ(store.ReadString(kKey, "4"), "/dev/serial/by-id/usb-A") << "kept under its stable name";
  EXPECT_EQ(store.ReadString(kKey, "5"), "/dev/ttyACM0") << "without one, under its device name";
  EXPECT_EQ(ports.DevicePath(4), "/dev/serial/by-id/usb-A");
  EXPECT_EQ(ports.DevicePath(2), "/dev/ttyS1");
}

TEST(PortNumbersTest, AnAdapterPluggedInAgainKeepsItsNumberWhereverTheSystemPutsIt) {
  MemoryKeyValueStore store;
  PortNumbers ports(store, kKey);
  ports.Number({{"/dev/ttyUSB0", "/dev/serial/by-id/usb-A"}, {"/dev/ttyUSB1", "/dev/serial/by-id/usb-B"}});
  const std::vector<NumberedPort> again =
      PortNumbers(store, kKey).Number({{"/dev/ttyUSB0", "/dev/serial/by-id/usb-B"}});
  EXPECT_EQ(again, (std::vector<NumberedPort>{{4, "/dev/ttyUSB0"}}));
  const std::vector<NumberedPort> third = ports.Number({{"/dev/ttyUSB3", "/dev/serial/by-id/usb-C"}});
  EXPECT_EQ(third, (std::vector<NumberedPort>{{5, "/dev/ttyUSB3"}})) << "3 and 4 stay with their adapters";
}

TEST(PortNumbersTest, TheEnvironmentWinsAndNumbersOutsideTheRangeHaveNoDevice) {
  MemoryKeyValueStore store;
  PortNumbers ports(store, kKey);
  ports.Number({{"/dev/ttyUSB0", ""}});
  ::setenv("TESSEL_PORT_3", "/dev/pts/9", 1);
  ::setenv("TESSEL_PORT_256", "", 1);
  EXPECT_EQ(ports.DevicePath(3), "/dev/pts/9");
  EXPECT_EQ(ports.DevicePath(256), "/dev/ttyS255") << "an empty variable counts as unset";
  ::unsetenv("TESSEL_PORT_3");
  ::unsetenv("TESSEL_PORT_256");
  EXPECT_EQ(ports.DevicePath(3), "/dev/ttyUSB0");
  EXPECT_EQ(ports.DevicePath(0), "");
  EXPECT_EQ(ports.DevicePath(257), "");
}

}  // namespace
