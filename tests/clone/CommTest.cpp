#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "clone/cmcComm.h"
#include "platform/PortResolver.h"
#include "support/LoopbackSerial.h"
#include "support/ManualTiming.h"

namespace {

// Ports 1-9 are /dev/cable<N>; the others have no device.
class CablePorts : public PortResolver {
 public:
  std::string DevicePath(std::int32_t port) const override {
    return port >= 1 && port <= 9 ? "/dev/cable" + std::to_string(port) : std::string();
  }
};

class CommTest : public ::testing::Test {
 protected:
  CommTest() { LoopbackSerial::Connect(device, radio); }

  void OpenBoth(std::string_view settings = "38400,N,8,1") {
    ASSERT_EQ(comm.Open(3, settings), 1);
    ASSERT_EQ(radio.Open("radio", {}), SerialError::None);
  }

  std::vector<std::uint8_t> Received() {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(radio.InQueue()));
    radio.Read(bytes.data(), static_cast<std::int32_t>(bytes.size()));
    return bytes;
  }

  ManualTiming timing;
  LoopbackSerial device;
  LoopbackSerial radio;
  CablePorts ports;
  cmcComm comm{device, ports};
};

TEST_F(CommTest, OpenConfiguresTheDeviceOfThePortNumber) {
  struct Case {
    const char* settings;
    std::int32_t baud;
    std::int32_t dataBits;
    StopBits stopBits;
    bool parityCheck;
  };
  const Case cases[] = {
      {"9600,N,8,1", 9600, 8, StopBits::One, false},           {"38400,N,8,1", 38400, 8, StopBits::One, false},
      {"19200,o,9,1.5", 19200, 8, StopBits::OneAndHalf, true}, {"4800,M,3,2", 4800, 4, StopBits::Two, true},
      {"9600,E,7,x", 9600, 7, StopBits::One, false},           {"9600", 9600, 8, StopBits::One, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.settings);
    ASSERT_EQ(comm.Open(3, c.settings), 1);
    EXPECT_TRUE(comm.IsOpen());
    EXPECT_EQ(comm.Port(), 3);
    EXPECT_EQ(device.Path(), "/dev/cable3");
    EXPECT_EQ(device.Settings().baudRate, c.baud);
    EXPECT_EQ(device.Settings().dataBits, c.dataBits);
    EXPECT_EQ(device.Settings().stopBits, c.stopBits);
    EXPECT_EQ(device.Settings().parityCheck, c.parityCheck);
    EXPECT_FALSE(device.Dtr());
    EXPECT_TRUE(device.Rts());
    EXPECT_EQ(comm.LastOpenFailure().reason, SerialError::None);
    comm.Close();
    EXPECT_FALSE(comm.IsOpen());
  }
  EXPECT_EQ(device.Purges(), 6);
}

TEST_F(CommTest, OpenPathUsesAnyDeviceWithPortNumberZero) {
  ASSERT_EQ(comm.OpenPath("/dev/pts/7", "9600,N,8,1"), 1);
  EXPECT_EQ(device.Path(), "/dev/pts/7");
  EXPECT_EQ(comm.Port(), 0);
}

TEST_F(CommTest, OpeningAnOpenPortFailsAndLeavesItAsItWas) {
  ASSERT_EQ(comm.Open(3, "38400,N,8,1"), 1);
  EXPECT_EQ(comm.Open(4, "19200,N,8,1"), 0);
  EXPECT_TRUE(comm.IsOpen());
  EXPECT_EQ(comm.Port(), 3);
  EXPECT_EQ(device.Path(), "/dev/cable3");
  EXPECT_EQ(device.Settings().baudRate, 38400);
}

TEST_F(CommTest, FailedOpensLeaveThePortClosedAndSayWhy) {
  struct Case {
    const char* name;
    std::int32_t port;
    const char* settings;
    SerialError deviceError;
    SerialError reason;
    const char* description;
  };
  const Case cases[] = {
      {"missing", 2, "9600,N,8,1", SerialError::Missing, SerialError::Missing, "/dev/cable2: no such device."},
      {"busy", 2, "9600,N,8,1", SerialError::Busy, SerialError::Busy,
       "/dev/cable2: the device is in use by another program."},
      {"no permission", 2, "9600,N,8,1", SerialError::NoPermission, SerialError::NoPermission,
       "/dev/cable2: no permission to use the device; add your user to the group dialout that owns it "
       "(sudo usermod -aG dialout $USER), then log out and in again."},
      {"no device for the number", 12, "9600,N,8,1", SerialError::None, SerialError::Missing,
       "No device is set for this port."},
      {"baud rate 0", 2, "0,N,8,1", SerialError::None, SerialError::Other,
       "/dev/cable2: unusable line settings \"0,N,8,1\"."},
      {"no baud rate", 2, "fast", SerialError::None, SerialError::Other,
       "/dev/cable2: unusable line settings \"fast\"."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    device.FailNextOpen(c.deviceError);
    EXPECT_EQ(comm.Open(c.port, c.settings), 0);
    EXPECT_FALSE(comm.IsOpen());
    EXPECT_FALSE(device.IsOpen());
    EXPECT_EQ(comm.Port(), c.port);
    EXPECT_EQ(comm.LastOpenFailure().reason, c.reason);
    EXPECT_EQ(comm.LastOpenFailure().Describe(), c.description);
    device.FailNextOpen(SerialError::None);
  }
}

TEST_F(CommTest, AFailureAfterTheDeviceOpenedClosesIt) {
  // The device is gone between the open and the purge.
  struct UnplugOnPurge : LoopbackSerial {
    bool Purge() override {
      Unplug();
      return LoopbackSerial::Purge();
    }
  } flaky;
  cmcComm port(flaky, ports);
  EXPECT_EQ(port.Open(1, "9600,N,8,1"), 0);
  EXPECT_FALSE(flaky.IsOpen());
  EXPECT_EQ(port.LastOpenFailure().reason, SerialError::Other);
  EXPECT_EQ(port.LastOpenFailure().detail, "Input/output error");
}

TEST_F(CommTest, TheSendPumpFeedsTheDeviceAKilobyteAtATimeOnlyWhenItsQueueIsEmpty) {
  OpenBoth();
  device.HoldOutput(true);
  std::vector<std::uint8_t> bytes(3000);
  std::iota(bytes.begin(), bytes.end(), std::uint8_t{0});

  EXPECT_EQ(comm.Write(bytes.data(), 3000), 0);
  EXPECT_EQ(device.OutQueue(), 1024);  // the first piece goes out at once
  EXPECT_EQ(comm.PendingOut(), 3000);
  timing.Advance(50);
  EXPECT_EQ(device.OutQueue(), 1024);  // nothing more while the device is busy

  std::vector<int> pieces;
  std::vector<std::uint8_t> received;
  for (int step = 0; step < 5; ++step) {
    pieces.push_back(device.OutQueue());
    device.Transmit(device.OutQueue());
    const auto got = Received();
    received.insert(received.end(), got.begin(), got.end());
    timing.Advance(cmcComm::kPumpIntervalMs);
  }
  EXPECT_EQ(pieces, (std::vector<int>{1024, 1024, 952, 0, 0}));
  EXPECT_EQ(received, bytes);
  EXPECT_EQ(comm.PendingOut(), 0);
  EXPECT_FALSE(comm.HasWriteError());
  EXPECT_EQ(timing.ActiveTimers(), 0);  // the pump stops when idle
}

TEST_F(CommTest, WritesAndReadsOnAClosedPortDoNothing) {
  const std::uint8_t byte = 1;
  std::uint8_t buffer[4];
  EXPECT_EQ(comm.Write(&byte, 1), 0);
  EXPECT_EQ(comm.PendingOut(), 0);
  EXPECT_EQ(comm.Read(buffer, 4), 0);
  EXPECT_EQ(comm.InQueue(), 0);
  EXPECT_EQ(comm.OutQueue(), 0);
}

TEST_F(CommTest, ReadTakesWhatHasArrivedWithoutWaiting) {
  OpenBoth();
  std::uint8_t buffer[8] = {};
  EXPECT_EQ(comm.Read(buffer, 8), 0);
  const std::uint8_t reply[] = {0xFE, 0xFE, 0x01, 0x02, 0xFD};
  radio.Write(reply, 5);
  EXPECT_EQ(comm.InQueue(), 5);
  EXPECT_EQ(comm.Read(buffer, 3), 3);
  EXPECT_EQ(comm.Read(buffer + 3, 8), 2);
  EXPECT_EQ(std::vector<std::uint8_t>(buffer, buffer + 5), std::vector<std::uint8_t>(reply, reply + 5));
}

TEST_F(CommTest, ADeviceThatTakesFewerBytesThanOfferedIsAWriteError) {
  OpenBoth();
  device.LimitWrites(100);
  const std::vector<std::uint8_t> bytes(300, 0x55);
  comm.Write(bytes.data(), 300);
  EXPECT_TRUE(comm.HasWriteError());
  timing.Advance(100);
  EXPECT_EQ(Received().size(), 100u);  // the pump gave up
  EXPECT_EQ(timing.ActiveTimers(), 0);

  comm.Close();
  EXPECT_FALSE(comm.HasWriteError());
}

TEST_F(CommTest, BytesStuckInTheDevicePastTheirDeadlineAreAWriteError) {
  struct Case {
    const char* settings;
    std::int32_t perByteMs;
  };
  for (const Case c : {Case{"38400,N,8,1", 2}, Case{"9600,N,8,1", 10}, Case{"4800,N,8,1", 20}}) {
    SCOPED_TRACE(c.settings);
    OpenBoth(c.settings);
    EXPECT_EQ(comm.WriteTimeoutPerByteMs(), c.perByteMs);
    device.HoldOutput(true);
    const std::vector<std::uint8_t> bytes(10, 0x55);
    comm.Write(bytes.data(), 10);
    const std::uint32_t deadline = static_cast<std::uint32_t>(10 * c.perByteMs + cmcComm::kWriteTimeoutConstantMs);
    timing.Advance(deadline - 1);
    EXPECT_FALSE(comm.HasWriteError());
    timing.Advance(1);
    EXPECT_TRUE(comm.HasWriteError());
    comm.Close();
    radio.Close();
    device.HoldOutput(false);
  }
}

TEST_F(CommTest, ThePumpGivesUpWhenTheDeviceHoldsAPiecePastItsDeadline) {
  OpenBoth();
  device.HoldOutput(true);
  const std::vector<std::uint8_t> bytes(2000, 0x55);
  comm.Write(bytes.data(), 2000);
  timing.Advance(1024 * 2 + cmcComm::kWriteTimeoutConstantMs + cmcComm::kPumpIntervalMs);
  EXPECT_EQ(timing.ActiveTimers(), 0);
  EXPECT_TRUE(comm.HasWriteError());
}

TEST_F(CommTest, AnUnpluggedDeviceIsLostAndReadsNothing) {
  OpenBoth();
  const std::uint8_t reply[] = {1, 2, 3};
  radio.Write(reply, 3);
  device.Unplug();
  EXPECT_TRUE(comm.HasDeviceLost());
  std::uint8_t buffer[4];
  EXPECT_EQ(comm.InQueue(), 0);
  EXPECT_EQ(comm.Read(buffer, 4), 0);
  comm.Write(reply, 3);
  EXPECT_TRUE(comm.HasWriteError());
  comm.Close();
  EXPECT_FALSE(comm.HasDeviceLost());
}

}  // namespace
