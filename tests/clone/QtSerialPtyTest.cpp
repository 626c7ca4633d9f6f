// The Qt serial device and timers through the real event loop, against a pseudo-terminal
// whose other end the test plays.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "base/cmcTask.h"
#include "clone/cmcComm.h"
#include "platform/PortResolver.h"
#include "platform/Timing.h"
#include "platform/qt/QtSerialDevice.h"
#include "platform/qt/QtTiming.h"

namespace {

QCoreApplication& Application() {
  static int argc = 1;
  static char name[] = "test_clone";
  static char* argv[] = {name, nullptr};
  static QCoreApplication application(argc, argv);
  return application;
}

// Turns the event loop until done() holds or timeoutMs have passed.
bool RunUntil(const std::function<bool()>& done, int timeoutMs = 3000) {
  QElapsedTimer elapsed;
  elapsed.start();
  while (!done()) {
    if (elapsed.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  return true;
}

class NoPorts : public PortResolver {
 public:
  std::string DevicePath(std::int32_t) const override { return {}; }
};

// The far end of a pseudo-terminal: the master side, non-blocking.
class PtyCable {
 public:
  PtyCable() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0) path_ = ptsname(master_);
    // Held open so that the slave's line settings can be read back; opened before the
    // device claims it exclusively.
    if (!path_.empty()) slave_ = open(path_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  }
  ~PtyCable() {
    CloseMaster();
    if (slave_ >= 0) close(slave_);
  }
  PtyCable(const PtyCable&) = delete;
  PtyCable& operator=(const PtyCable&) = delete;

  const std::string& Path() const { return path_; }
  bool IsReady() const { return slave_ >= 0; }

  void Send(const std::vector<std::uint8_t>& bytes) {
    ASSERT_EQ(write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }

  void Collect() {
    std::uint8_t buffer[512];
    ssize_t n;
    while ((n = read(master_, buffer, sizeof buffer)) > 0) received_.insert(received_.end(), buffer, buffer + n);
  }
  const std::vector<std::uint8_t>& Received() const { return received_; }

  speed_t SlaveSpeed() const {
    termios settings{};
    tcgetattr(slave_, &settings);
    return cfgetospeed(&settings);
  }
  tcflag_t SlaveCharacterSize() const {
    termios settings{};
    tcgetattr(slave_, &settings);
    return settings.c_cflag & CSIZE;
  }

  void CloseMaster() {
    if (master_ >= 0) close(master_);
    master_ = -1;
  }

 private:
  int master_ = -1;
  int slave_ = -1;
  std::string path_;
  std::vector<std::uint8_t> received_;
};

std::vector<std::uint8_t> Pattern(std::size_t n, int seed) {
  std::vector<std::uint8_t> bytes(n);
  for (std::size_t i = 0; i < n; ++i)
    bytes[i] = static_cast<std::uint8_t>((i * 7 + static_cast<std::size_t>(seed)) % 256);
  return bytes;
}

class QtSerialPtyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application();
    ASSERT_TRUE(cable.IsReady());
  }

  QtTiming timing;
  NoPorts ports;
  PtyCable cable;
  QtSerialDevice device;
  cmcComm comm{device, ports};
};

TEST_F(QtSerialPtyTest, BytesTravelBothWaysAtBothLineSpeeds) {
  struct Case {
    const char* settings;
    speed_t speed;
  };
  for (const Case c : {Case{"38400,N,8,1", B38400}, Case{"9600,N,8,1", B9600}}) {
    SCOPED_TRACE(c.settings);
    PtyCable pty;
    ASSERT_TRUE(pty.IsReady());
    ASSERT_EQ(comm.OpenPath(pty.Path(), c.settings), 1) << comm.LastOpenFailure().Describe();
    EXPECT_EQ(pty.SlaveSpeed(), c.speed);
    EXPECT_EQ(pty.SlaveCharacterSize(), static_cast<tcflag_t>(CS8));

    const auto request = Pattern(3000, 1);  // three pieces for the send pump
    comm.Write(request.data(), static_cast<std::int32_t>(request.size()));
    EXPECT_TRUE(RunUntil([&] {
      pty.Collect();
      return pty.Received().size() >= request.size();
    }));
    EXPECT_EQ(pty.Received(), request);
    EXPECT_TRUE(RunUntil([&] { return comm.PendingOut() == 0; }));
    EXPECT_FALSE(comm.HasWriteError());

    const auto reply = Pattern(700, 2);
    pty.Send(reply);
    std::vector<std::uint8_t> got;
    EXPECT_TRUE(RunUntil([&] {
      std::uint8_t buffer[256];
      const std::int32_t n = comm.Read(buffer, sizeof buffer);
      got.insert(got.end(), buffer, buffer + n);
      return got.size() >= reply.size();
    }));
    EXPECT_EQ(got, reply);
    EXPECT_EQ(comm.InQueue(), 0);
    comm.Close();
  }
}

TEST_F(QtSerialPtyTest, TheLineSpeedChangesOnAnOpenDevice) {
  ASSERT_EQ(device.Open(cable.Path(), SerialLineSettings{38400}), SerialError::None);
  EXPECT_EQ(cable.SlaveSpeed(), static_cast<speed_t>(B38400));
  EXPECT_TRUE(device.SetBaudRate(9600));
  EXPECT_EQ(cable.SlaveSpeed(), static_cast<speed_t>(B9600));
}

TEST_F(QtSerialPtyTest, AMissingDeviceIsRefused) {
  EXPECT_EQ(comm.OpenPath("/dev/tessel-no-such-device", "9600,N,8,1"), 0);
  EXPECT_FALSE(comm.IsOpen());
  EXPECT_EQ(comm.LastOpenFailure().reason, SerialError::Missing);
  EXPECT_EQ(comm.LastOpenFailure().Describe(), "/dev/tessel-no-such-device: no such device.");
}

TEST_F(QtSerialPtyTest, ADeviceInUseIsRefusedUnderEitherOfItsNames) {
  const std::filesystem::path link =
      std::filesystem::temp_directory_path() / ("tessel-cable-" + std::to_string(getpid()));
  std::filesystem::remove(link);
  std::filesystem::create_symlink(cable.Path(), link);

  ASSERT_EQ(comm.OpenPath(link.string(), "9600,N,8,1"), 1) << comm.LastOpenFailure().Describe();
  QtSerialDevice second;
  cmcComm other(second, ports);
  EXPECT_EQ(other.OpenPath(cable.Path(), "9600,N,8,1"), 0);
  EXPECT_EQ(other.LastOpenFailure().reason, SerialError::Busy);
  EXPECT_EQ(other.LastOpenFailure().Describe(), cable.Path() + ": the device is in use by another program.");
  EXPECT_FALSE(second.IsOpen());

  comm.Close();
  EXPECT_EQ(other.OpenPath(cable.Path(), "9600,N,8,1"), 1);  // free again once closed
  std::filesystem::remove(link);
}

// Root may open any file, so as root the open runs in a child process that has given up
// root for the "nobody" user; the child prints what it was told.
void OpenWithoutRootAndReport(const std::string& path) {
  if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)) std::_Exit(2);
  NoPorts ports;
  QtSerialDevice device;
  cmcComm comm(device, ports);
  const bool refused = comm.OpenPath(path, "9600,N,8,1") == 0;
  std::fprintf(stderr, "%s\n", comm.LastOpenFailure().Describe().c_str());
  std::_Exit(refused && comm.LastOpenFailure().reason == SerialError::NoPermission ? 0 : 1);
}

TEST_F(QtSerialPtyTest, ADeviceWithoutPermissionIsRefusedWithTheWayToGetIt) {
  ASSERT_EQ(chmod(cable.Path().c_str(), 0), 0);
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  struct stat status {};
  ASSERT_EQ(stat(cable.Path().c_str(), &status), 0);
  const group* owner = getgrgid(status.st_gid);
  ASSERT_NE(owner, nullptr);
  const std::string group = status.st_gid == 0 ? "dialout" : owner->gr_name;
  EXPECT_EXIT(OpenWithoutRootAndReport(cable.Path()), ::testing::ExitedWithCode(0),
              "no permission to use the device; add your user to the group " + group +
                  " that owns it \\(sudo usermod -aG " + group + " \\$USER\\), then log out and in again");
}

TEST_F(QtSerialPtyTest, ADeviceThatGoesAwayIsLost) {
  ASSERT_EQ(comm.OpenPath(cable.Path(), "38400,N,8,1"), 1);
  EXPECT_FALSE(comm.HasDeviceLost());
  cable.CloseMaster();  // the radio end of the cable is pulled
  EXPECT_TRUE(RunUntil([&] { return comm.HasDeviceLost(); }));
  std::uint8_t buffer[8] = {};
  EXPECT_EQ(comm.Read(buffer, 8), 0);
  EXPECT_EQ(comm.InQueue(), 0);
  comm.Write(buffer, 8);
  EXPECT_TRUE(comm.HasWriteError());
}

TEST_F(QtSerialPtyTest, TimerTasksRunOnTheEventLoopAndDisposeOfThemselves) {
  struct Counter {
    int calls = 0;
    cmcTask* task = nullptr;
  } counter;
  counter.task = cmcTask::Create().release();
  counter.task->SetHandler(
      [](void* user, cmcTask&) {
        auto* self = static_cast<Counter*>(user);
        if (++self->calls == 3) cmcTask::Dispose(self->task);
      },
      &counter);
  const std::uint32_t start = NowMs();
  counter.task->SetInterval(5);
  EXPECT_TRUE(RunUntil([&] { return counter.calls == 3; }));
  EXPECT_GE(NowMs() - start, 15u);
  RunUntil([] { return false; }, 30);  // the task's last tick deletes it without a call
  EXPECT_EQ(counter.calls, 3);
}

}  // namespace
