#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "FilesTestSupport.h"
#include "files/AtomicSave.h"

namespace {

bool Save(const std::string& path, const std::string& bytes) {
  AtomicSave save(path);
  return save.Open() && save.Write(bytes) && save.Commit();
}

TEST(AtomicSave, CreatesOrReplacesTheTarget) {
  TempFolder folder;
  const std::string target = folder.Path("a.qmf");
  const std::string large(200'000, 'L');  // beyond one write buffer
  ASSERT_TRUE(Save(target, "first"));
  EXPECT_EQ(ReadBytes(target), "first");
  ASSERT_TRUE(Save(target, large));
  EXPECT_EQ(ReadBytes(target), large);
  EXPECT_EQ(folder.Entries(), std::set<std::string>{"a.qmf"});
}

TEST(AtomicSave, AFailedWriteLeavesTheTargetAndNoTemporary) {
  TempFolder folder;
  const std::string target = folder.Path("a.qmf");
  WriteBytes(target, "good old file");
  {
    FileSizeLimit limit(1000);
    AtomicSave save(target);
    ASSERT_TRUE(save.Open());
    const std::string chunk(70'000, 'x');
    const bool written = save.Write(chunk) && save.Write(chunk);
    EXPECT_FALSE(written && save.Commit());
    EXPECT_FALSE(save.Write("more")) << "a failure sticks";
  }
  EXPECT_EQ(ReadBytes(target), "good old file");
  EXPECT_EQ(folder.Entries(), std::set<std::string>{"a.qmf"});
}

TEST(AtomicSave, AFailureFoundAtCommitLeavesTheTarget) {
  TempFolder folder;
  const std::string target = folder.Path("a.qmf");
  WriteBytes(target, "good old file");
  {
    FileSizeLimit limit(1000);
    AtomicSave save(target);
    ASSERT_TRUE(save.Open());
    ASSERT_TRUE(save.Write(std::string(5000, 'x'))) << "still buffered";
    EXPECT_FALSE(save.Commit());
  }
  EXPECT_EQ(ReadBytes(target), "good old file");
  EXPECT_EQ(folder.Entries(), std::set<std::string>{"a.qmf"});
}

TEST(AtomicSave, AFolderThatDoesNotExistCannotBeOpened) {
  TempFolder folder;
  AtomicSave save(folder.Path("missing/a.qmf"));
  EXPECT_FALSE(save.Open());
  EXPECT_FALSE(save.Write("x"));
  EXPECT_FALSE(save.Commit());
  EXPECT_TRUE(folder.Entries().empty());
}

TEST(AtomicSave, AReadOnlyTargetIsNotReplaced) {
  if (geteuid() == 0) GTEST_SKIP() << "the superuser may write any file";
  TempFolder folder;
  const std::string target = folder.Path("a.qmf");
  WriteBytes(target, "read only");
  std::filesystem::permissions(target, std::filesystem::perms::owner_read);
  AtomicSave save(target);
  EXPECT_FALSE(save.Open());
  EXPECT_EQ(ReadBytes(target), "read only");
  EXPECT_EQ(folder.Entries(), std::set<std::string>{"a.qmf"});
}

TEST(AtomicSave, AFailedRenameRemovesTheTemporary) {
  TempFolder folder;
  const std::string target = folder.Path("taken");
  std::filesystem::create_directory(target);
  WriteBytes(folder.Path("taken/inside"), "kept");
  EXPECT_FALSE(Save(target, "new"));
  EXPECT_EQ(ReadBytes(folder.Path("taken/inside")), "kept");
  EXPECT_EQ(folder.Entries(), std::set<std::string>{"taken"});
}

TEST(AtomicSave, AnUncommittedSaveChangesNothing) {
  TempFolder folder;
  const std::string target = folder.Path("a.qmf");
  WriteBytes(target, "good old file");
  {
    AtomicSave save(target);
    ASSERT_TRUE(save.Open());
    ASSERT_TRUE(save.Write("half"));
    EXPECT_TRUE(std::filesystem::exists(save.TemporaryPath()));
    EXPECT_EQ(std::filesystem::path(save.TemporaryPath()).parent_path(), std::filesystem::path(target).parent_path());
  }
  EXPECT_EQ(ReadBytes(target), "good old file");
  EXPECT_EQ(folder.Entries(), std::set<std::string>{"a.qmf"});
}

TEST(AtomicSave, KeepsPermissionsAndSymbolicLinks) {
  TempFolder folder;
  const std::string real = folder.Path("real.qmf");
  const std::string link = folder.Path("link.qmf");
  WriteBytes(real, "old");
  std::filesystem::permissions(real, std::filesystem::perms(0640));
  std::filesystem::create_symlink("real.qmf", link);
  ASSERT_TRUE(Save(link, "new"));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadBytes(real), "new");
  EXPECT_EQ(std::filesystem::status(real).permissions(), std::filesystem::perms(0640));
  EXPECT_EQ(folder.Entries(), (std::set<std::string>{"link.qmf", "real.qmf"}));
}

TEST(AtomicSave, ANewFileGetsTheUsualPermissions) {
  TempFolder folder;
  const mode_t mask = umask(022);
  ASSERT_TRUE(Save(folder.Path("a.qmf"), "x"));
  umask(mask);
  EXPECT_EQ(std::filesystem::status(folder.Path("a.qmf")).permissions(), std::filesystem::perms(0644));
}

}  // namespace
