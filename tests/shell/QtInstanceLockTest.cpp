#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "platform/qt/QtInstanceLock.h"
#include "support/IsolatedUserFolders.h"

namespace {

const std::string kName = "Quor Tessel APP Exclusive Mutex";

TEST(QtInstanceLock, OnlyOneHolderPerName) {
  QtInstanceLock first;
  QtInstanceLock second;
  ASSERT_TRUE(first.TryLock(kName));
  EXPECT_TRUE(std::filesystem::exists(isolated::RuntimeFolder() / (kName + ".lock")));
  EXPECT_FALSE(second.TryLock(kName));
  EXPECT_TRUE(second.TryLock("another/name"));

  first.Unlock();
  EXPECT_TRUE(second.TryLock(kName));
}

TEST(QtInstanceLock, DestroyingTheHolderGivesTheLockUp) {
  {
    QtInstanceLock holder;
    ASSERT_TRUE(holder.TryLock(kName));
  }
  QtInstanceLock next;
  EXPECT_TRUE(next.TryLock(kName));
}

TEST(QtInstanceLock, ALockLeftByAnEndedProcessIsTakenOver) {
  const pid_t child = fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    // Ends without giving the lock up, as a crashed program would.
    QtInstanceLock crashed;
    _exit(crashed.TryLock(kName) ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  ASSERT_TRUE(std::filesystem::exists(isolated::RuntimeFolder() / (kName + ".lock")));

  QtInstanceLock next;
  EXPECT_TRUE(next.TryLock(kName));
}

TEST(QtInstanceLock, WithoutAFolderNoLockIsObtained) {
  QtInstanceLock nowhere((isolated::RuntimeFolder() / "missing").string());
  EXPECT_FALSE(nowhere.TryLock(kName));
}

}  // namespace
